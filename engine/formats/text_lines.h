#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>

namespace velandry {

// The lines of a text one by one, whatever ends them: CR LF, LF or CR alone.
class TextLines final
{
public:
    explicit TextLines(QByteArrayView text) : text_(text) { }

    bool next(QByteArrayView &line)
    {
        if (at_ >= text_.size())
            return false;
        // The next LF and the next CR are each looked for once and kept: in a
        // text whose lines end in one of them, the other is far away, or
        // nowhere.
        if (lf_ < at_)
            lf_ = find('\n');
        if (cr_ < at_)
            cr_ = find('\r');
        const qsizetype end = qMin(lf_, cr_);
        line = text_.sliced(at_, end - at_);
        at_ = end + (end == cr_ && end + 1 < text_.size() && text_[end + 1] == '\n' ? 2 : 1);
        return true;
    }

    qsizetype position() const { return qMin(at_, text_.size()); }

private:
    qsizetype find(char c) const
    {
        const auto *found = static_cast<const char *>(std::memchr(text_.data() + at_, c, size_t(text_.size() - at_)));
        return found ? found - text_.data() : text_.size();
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
    qsizetype lf_ = -1;
    qsizetype cr_ = -1;
};

// The line that `offset` lies on, from 1, whatever ends the lines: CR LF, LF
// or CR alone (an old Mac's).
inline qint64 lineAt(QByteArrayView text, qsizetype offset)
{
    const qsizetype end = qMin(offset, text.size());
    qint64 line = 1;
    for (qsizetype at = 0; at < end; ++at) {
        if (text[at] == '\n' || (text[at] == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n')))
            ++line;
    }
    return line;
}

} // namespace velandry
