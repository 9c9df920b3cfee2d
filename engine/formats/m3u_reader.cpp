#include "engine/formats/entry_reader.h"
#include "engine/formats/text_lines.h"

namespace velandry {

namespace {

class M3uReader final : public EntryReader
{
public:
    explicit M3uReader(QByteArrayView utf8) : lines_(utf8) { }

    Step next(QByteArrayView &entry, qsizetype budget) override
    {
        const qsizetype stop = lines_.position() + budget;
        QByteArrayView line;
        while (lines_.next(line)) {
            line = line.trimmed();
            if (!line.isEmpty() && line.front() != '#') {
                entry = line;
                return Step::Found;
            }
            if (lines_.position() >= stop)
                return Step::Paused;
        }
        return Step::Ended;
    }

    qsizetype bytesRead() const override { return lines_.position(); }

private:
    TextLines lines_;
};

} // namespace

std::unique_ptr<EntryReader> readM3u(QByteArrayView utf8)
{
    return std::make_unique<M3uReader>(utf8);
}

} // namespace velandry
