#include "format_entries.h"

#include <cstring>

namespace velandry {

FormatEntries::FormatEntries(PlaylistFormat format, QByteArrayView utf8, const EntryRules &rules)
    : format_(format), utf8_(utf8), cutter_(rules)
{
    rewind();
}

void FormatEntries::rewind()
{
    switch (format_) {
    case PlaylistFormat::M3u:
    case PlaylistFormat::M3u8:
        reader_ = readM3u(utf8_);
        break;
    case PlaylistFormat::Pls:
        reader_ = readPls(utf8_);
        break;
    case PlaylistFormat::Xspf:
        reader_ = readXspf(utf8_);
        break;
    case PlaylistFormat::Asx:
    case PlaylistFormat::Wpl: // read by the plain scan; never here
        reader_ = readAsx(utf8_, [this](QByteArrayView href) { return cutter_.isFileOfType(href); });
        break;
    }
    counts_ = {};
}

EntrySource::Step FormatEntries::next(QByteArrayView &text, Reference &path, qsizetype budget)
{
    const qsizetype stop = reader_->bytesRead() + budget;
    for (;;) {
        switch (reader_->next(entry_, qMax<qsizetype>(1, stop - reader_->bytesRead()))) {
        case EntryReader::Step::Paused:
            return Step::Paused;
        case EntryReader::Step::Ended:
            return Step::Ended;
        case EntryReader::Step::Failed:
            return Step::Failed;
        case EntryReader::Step::Found:
            break;
        }
        ++counts_.read;
        switch (cutter_.cut(entry_, path_)) {
        case EntryCutter::Outcome::Kept:
            text = path_;
            path = Reference{{0, false}, {path_.size(), false}};
            return Step::Found;
        case EntryCutter::Outcome::WebAddress:
            ++counts_.webAddresses;
            break;
        case EntryCutter::Outcome::OutsideMusicFolder:
            ++counts_.outsideMusicFolder;
            break;
        case EntryCutter::Outcome::OtherType:
            break;
        }
        if (reader_->bytesRead() >= stop)
            return Step::Paused;
    }
}

int declaredCodePage(QByteArrayView text)
{
    const QByteArrayView head = text.first(qMin<qsizetype>(text.size(), 512));
    if (!head.startsWith("<?xml"))
        return 0;
    const qsizetype end = head.indexOf("?>");
    const qsizetype at = head.indexOf("encoding");
    if (at < 0 || (end >= 0 && at > end))
        return 0;
    qsizetype quote = at + 8;
    while (quote < head.size() && (head[quote] == ' ' || head[quote] == '=' || head[quote] == '\t'))
        ++quote;
    if (quote >= head.size() || (head[quote] != '"' && head[quote] != '\''))
        return 0;
    const qsizetype close = head.indexOf(head[quote], quote + 1);
    if (close < 0)
        return 0;
    const QByteArray name = head.sliced(quote + 1, close - quote - 1).toByteArray().toLower();
    // The names Windows' own XML readers take for the ANSI code pages.
    static const struct
    {
        const char *name;
        int codePage;
    } kNames[] = {
        {"iso-8859-1", 1252}, {"latin1", 1252},     {"shift_jis", 932}, {"sjis", 932},     {"gb2312", 936},
        {"gbk", 936},         {"ks_c_5601-1987", 949}, {"euc-kr", 949},  {"big5", 950},     {"tis-620", 874},
        {"windows-874", 874},
    };
    for (const auto &known : kNames) {
        if (name == known.name)
            return known.codePage;
    }
    for (const char *prefix : {"windows-", "cp", "x-cp"}) {
        if (name.startsWith(prefix)) {
            bool ok = false;
            const int number = name.sliced(qsizetype(std::strlen(prefix))).toInt(&ok);
            return ok ? number : 0;
        }
    }
    return 0;
}

} // namespace velandry
