#include "conversion_wording.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace velandry {

namespace {

// "WPL, ZPL, M3U, ...".
QString playlistKinds()
{
    QStringList kinds;
    for (const QString &pattern : playlistNamePatterns())
        kinds.append(pattern.sliced(2).toUpper());
    return kinds.join(QStringLiteral(", "));
}

// What is wrong with an XML playlist's markup, as XML readers word it.
QString markupFault(ReadFault::What what)
{
    using What = ReadFault::What;
    switch (what) {
    case What::EndedEarly:
        return QStringLiteral("the text ends before its markup does");
    case What::CommentNotClosed:
        return QStringLiteral("a comment is never closed");
    case What::CdataNotClosed:
        return QStringLiteral("a CDATA section is never closed");
    case What::InstructionNotClosed:
        return QStringLiteral("a processing instruction is never closed");
    case What::DeclarationNotClosed:
        return QStringLiteral("a declaration is never closed");
    case What::NameExpected:
        return QStringLiteral("a name was expected after \"<\"");
    case What::GreaterThanExpected:
        return QStringLiteral("\">\" was expected after an end tag's name");
    case What::EqualsExpected:
        return QStringLiteral("an attribute has no \"=\" and value");
    case What::QuotedValueExpected:
        return QStringLiteral("an attribute's value is not in quotes");
    case What::TagMismatch:
        return QStringLiteral("an end tag does not match the element it ends");
    case What::TagNotClosed:
    case What::NoAsxElement:
        break;
    }
    return {};
}

QString unreadableReason(const ConversionFailure &failure)
{
    const QString kind = playlistExtension(failure.path).sliced(1).toString().toUpper();
    const ReadFault fault = failure.readFault.value_or(ReadFault());
    switch (fault.what) {
    case ReadFault::What::TagNotClosed:
        return QStringLiteral("Its %1 markup cannot be read: a tag on line %2 is never closed")
            .arg(kind, QString::number(fault.line));
    case ReadFault::What::NoAsxElement:
        return QStringLiteral("Its %1 markup holds no <ASX> element").arg(kind);
    default:
        break;
    }
    return QStringLiteral("Its %1 markup cannot be read: line %2: %3")
        .arg(kind, QString::number(fault.line), markupFault(fault.what));
}

// "2 web addresses", "1 web address".
QString counted(qsizetype count, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(QString::number(count), count == 1 ? one : many);
}

} // namespace

QString failureReason(const ConversionFailure &failure)
{
    using Kind = ConversionFailure::Kind;
    switch (failure.kind) {
    case Kind::IsFolder:
        return QStringLiteral("It is a folder, not a playlist");
    case Kind::NotOrdinaryFile:
        return QStringLiteral("It is not an ordinary file");
    case Kind::ReplacesPlaylist:
        return QStringLiteral("The output would replace the playlist itself");
    case Kind::FolderInTheWay:
        return QStringLiteral("A folder of that name is in the way");
    case Kind::WriteProtected:
        return QStringLiteral("The file is write-protected");
    case Kind::TooLarge:
        return QStringLiteral("The references of this playlist overlap and would make a file larger than 4 GiB");
    case Kind::OutOfMemory:
        return QStringLiteral("The playlist is not UTF-8, and too large to be converted in the memory this "
                              "computer has");
    case Kind::ChangedWhileRead:
        return QStringLiteral("Another program changed the playlist while it was read; nothing was written for it, "
                              "convert it again");
    case Kind::NameNotUtf8:
        return QStringLiteral("Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with "
                              "\"convmv -f latin1 -t utf8 --notest\"");
    case Kind::UnknownFormat:
        return QStringLiteral("It is not a playlist of a kind read here (%1)").arg(playlistKinds());
    case Kind::UnknownEncoding:
        return QStringLiteral("Its XML declaration names the encoding \"%1\", which cannot be read here")
            .arg(failure.encoding);
    case Kind::Unreadable:
        return unreadableReason(failure);
    case Kind::OutputOfAnother:
        return QStringLiteral("Its output, %1, was written from %2 in this run; rename one of the two playlists")
            .arg(shownPath(failure.outputPath), shownPath(failure.otherPath));
    case Kind::System:
        break;
    }
    if (!failure.systemError.isEmpty())
        return failure.systemError;
    return failure.whileReading ? QStringLiteral("The file could not be read")
                                : QStringLiteral("The file could not be written");
}

QString shownPath(const QString &path)
{
    QString shown = QDir::toNativeSeparators(path);
    // A byte of a name that is not UTF-8, shown as a terminal shows it.
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const char16_t unit = shown[i].unicode();
        if (unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !shown[i - 1].isHighSurrogate()))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

namespace {

// "A\x.mp3, B\y.mp3 and 3 more".
QString namesOf(const QStringList &names, qsizetype count)
{
    QString shown = names.join(QStringLiteral(", "));
    if (count > names.size())
        shown += QStringLiteral(" and %1 more").arg(count - names.size());
    return shown;
}

} // namespace

QStringList conversionWarnings(const QList<PlaylistResult> &converted, const QString &musicRootHint)
{
    QStringList lines;
    QSet<QString> unreadableCards; // each told once
    for (const PlaylistResult &result : converted) {
        const QString name = shownPath(QFileInfo(result.inputPath).fileName());
        const AsxStats &stats = result.stats;
        // One arg() call each: a "%2" in a playlist's name stays as it is.
        if (result.encoding == PlaylistEncoding::Ansi)
            lines.append(QStringLiteral("%1: not UTF-8, read as code page %2")
                             .arg(name, QString::number(stats.codePage)));
        if (stats.entriesWithLostCharacters > 0)
            lines.append(QStringLiteral("%1: %2 of %3 entries hold characters outside code page %4, "
                                        "written as \"?\"")
                             .arg(name, QString::number(stats.entriesWithLostCharacters),
                                  QString::number(stats.entries), QString::number(stats.codePage)));
        if (const EntryCounts &entries = result.entries; entries.leftOut() > 0) {
            QStringList reasons;
            if (entries.webAddresses > 0)
                reasons.append(counted(entries.webAddresses, QStringLiteral("web address"),
                                       QStringLiteral("web addresses")));
            if (entries.outsideMusicFolder > 0)
                reasons.append(counted(entries.outsideMusicFolder, QStringLiteral("outside the music folder"),
                                       QStringLiteral("outside the music folder"))
                               + musicRootHint);
            lines.append(QStringLiteral("%1: %2 of %3 entries left out: %4")
                             .arg(name, QString::number(entries.leftOut()), QString::number(entries.read),
                                  reasons.join(QStringLiteral(", "))));
        }
        const CardReport &card = result.card;
        const QString output = shownPath(QFileInfo(result.outputPath).fileName());
        const QString entries = QString::number(card.entries);
        if (card.neverPlay > 0)
            lines.append(QStringLiteral("%1: %2 of %3 entries can never play on the device: %4")
                             .arg(output, QString::number(card.neverPlay), entries,
                                  namesOf(card.neverPlayNames, card.neverPlay)));
        if (card.unreadable) {
            if (!unreadableCards.contains(card.card)) {
                unreadableCards.insert(card.card);
                lines.append(QStringLiteral("%1: the card (%2) could not be read, so its entries were not looked "
                                            "for on it")
                                 .arg(output, shownPath(card.card)));
            }
        } else if (card.notOnCard > 0) {
            lines.append(QStringLiteral("%1: %2 of %3 entries are not on the card (%4): %5")
                             .arg(output, QString::number(card.notOnCard), entries, shownPath(card.card),
                                  namesOf(card.notOnCardNames, card.notOnCard)));
        }
        if (stats.cutAcrossMarkup > 0)
            lines.append(QStringLiteral("%1: %2 of %3 entries were cut across the playlist's markup "
                                        "and name no real file")
                             .arg(name, QString::number(stats.cutAcrossMarkup), QString::number(stats.entries)));
    }
    return lines;
}

QString supportedCodePageList()
{
    QStringList numbers;
    for (const int number : CodePage::supported())
        numbers.append(QString::number(number));
    return numbers.join(QStringLiteral(", "));
}

QString defaultCodePageReason(const DefaultCodePage &chosen)
{
    using Source = DefaultCodePage::Source;
    switch (chosen.source) {
    case Source::System:
        return QStringLiteral("the system's ANSI code page");
    case Source::UserLocale:
        return QStringLiteral("the ANSI code page of the user's locale; the system's code page %1 "
                              "is not an ANSI code page")
            .arg(chosen.systemCodePage);
    case Source::NoneOnWindows:
        return QStringLiteral("the system's code page %1 is not an ANSI code page, nor has the user's locale one")
            .arg(chosen.systemCodePage);
    case Source::Locale:
        return QStringLiteral("from the locale %1 (%2)").arg(chosen.locale, chosen.variable);
    case Source::NoLocale:
        break;
    }
    return QStringLiteral("no locale is set");
}

} // namespace velandry
