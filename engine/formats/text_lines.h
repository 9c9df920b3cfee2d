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
        // The next LF is looked for once and kept: in a text whose lines end
        // in CR alone it is far away, or nowhere.
        if (lf_ < at_) {
            const auto *found = static_cast<const char *>(std::memchr(text_.data() + at_, '\n', size_t(text_.size() - at_)));
            lf_ = found ? found - text_.data() : text_.size();
        }
        const auto *cr = static_cast<const char *>(std::memchr(text_.data() + at_, '\r', size_t(lf_ - at_)));
        const qsizetype end = cr ? cr - text_.data() : lf_;
        line = text_.sliced(at_, end - at_);
        at_ = end + (cr && end + 1 < text_.size() && text_[end + 1] == '\n' ? 2 : 1);
        return true;
    }

    qsizetype position() const { return qMin(at_, text_.size()); }

private:
    QByteArrayView text_;
    qsizetype at_ = 0;
    qsizetype lf_ = -1;
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
