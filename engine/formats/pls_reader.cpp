#include "engine/formats/entry_reader.h"
#include "engine/formats/text_lines.h"

#include <QList>

#include <algorithm>

namespace velandry {

namespace {

// "FileN=" in any letter case: N, and where the value starts; -1 for any
// other line.
qint64 fileNumber(QByteArrayView line, qsizetype &valueAt)
{
    const auto lower = [&](qsizetype at) { return char(line[at] | 0x20); };
    if (line.size() < 6 || lower(0) != 'f' || lower(1) != 'i' || lower(2) != 'l' || lower(3) != 'e')
        return -1;
    qsizetype at = 4;
    qint64 number = 0;
    // A number past any playlist's length stays at the largest.
    constexpr qint64 kLargest = qint64(1) << 60;
    for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
        const int digit = line[at] - '0';
        number = number > (kLargest - digit) / 10 ? kLargest : number * 10 + digit;
    }
    if (at == 4)
        return -1;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    if (at >= line.size() || line[at] != '=')
        return -1;
    valueAt = at + 1;
    return number;
}

// The entries stand in the order of their numbers, which need not be the
// order of the lines: the first pass notes where each value stands (no copy
// of it), a sort puts them in order, and the values are then handed out.
class PlsReader final : public EntryReader
{
public:
    explicit PlsReader(QByteArrayView utf8) : text_(utf8), lines_(utf8) { }

    Step next(QByteArrayView &entry, qsizetype budget) override
    {
        if (!indexed_) {
            const qsizetype stop = lines_.position() + budget;
            QByteArrayView line;
            while (lines_.next(line)) {
                qsizetype valueAt = 0;
                line = line.trimmed();
                const qint64 number = fileNumber(line, valueAt);
                if (number >= 0) {
                    const QByteArrayView value = line.sliced(valueAt).trimmed();
                    inOrder_ = inOrder_ && (values_.isEmpty() || values_.constLast().number <= number);
                    values_.append({number, value.data() - text_.data(), value.size()});
                }
                if (lines_.position() >= stop && lines_.position() < text_.size())
                    return Step::Paused;
            }
            // Most playlists number their entries in order already.
            if (!inOrder_)
                std::stable_sort(values_.begin(), values_.end(),
                                 [](const Value &a, const Value &b) { return a.number < b.number; });
            indexed_ = true;
        }
        while (handedOut_ < values_.size()) {
            const Value &value = values_[handedOut_++];
            if (value.length == 0)
                continue;
            entry = text_.sliced(value.offset, value.length);
            return Step::Found;
        }
        return Step::Ended;
    }

    // The index is read first, then the entries handed out: the reading's
    // share is the first pass.
    qsizetype bytesRead() const override { return lines_.position(); }

private:
    struct Value
    {
        qint64 number;
        qsizetype offset;
        qsizetype length;
    };
    QByteArrayView text_;
    TextLines lines_;
    QList<Value> values_;
    qsizetype handedOut_ = 0;
    bool indexed_ = false;
    bool inOrder_ = true;
};

} // namespace

std::unique_ptr<EntryReader> readPls(QByteArrayView utf8)
{
    return std::make_unique<PlsReader>(utf8);
}

} // namespace velandry
