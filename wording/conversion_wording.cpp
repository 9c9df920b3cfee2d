#include "wording/conversion_wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <limits>

namespace velandry {

namespace {

// The translation context of these words.
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)
};

// "WPL, ZPL, M3U, ...".
QString playlistKinds()
{
    QStringList kinds;
    for (const QString &pattern : playlistNamePatterns())
        kinds.append(pattern.sliced(2).toUpper());
    return QLocale().createSeparatedList(kinds);
}

// What is wrong with an XML playlist's markup, as XML readers word it.
QString markupFault(ReadFault::What what)
{
    using What = ReadFault::What;
    switch (what) {
    case What::EndedEarly:
        //: An XML playlist whose text stops in the middle of a tag or element: the file is cut short.
        return Wording::tr("the text ends before its markup does");
    case What::CommentNotClosed:
        return Wording::tr("a comment is never closed");
    case What::CdataNotClosed:
        return Wording::tr("a CDATA section is never closed");
    case What::InstructionNotClosed:
        return Wording::tr("a processing instruction is never closed");
    case What::DeclarationNotClosed:
        return Wording::tr("a declaration is never closed");
    case What::NameExpected:
        return Wording::tr("a name was expected after \"<\"");
    case What::GreaterThanExpected:
        return Wording::tr("\">\" was expected after an end tag's name");
    case What::EqualsExpected:
        return Wording::tr("an attribute has no \"=\" and value");
    case What::QuotedValueExpected:
        return Wording::tr("an attribute's value is not in quotes");
    case What::TagMismatch:
        return Wording::tr("an end tag does not match the element it ends");
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
        //: %1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.
        return Wording::tr("Its %1 markup cannot be read: a tag on line %2 is never closed")
            .arg(kind, QLocale().toString(fault.line));
    case ReadFault::What::NoAsxElement:
        return Wording::tr("Its %1 markup holds no <ASX> element").arg(kind);
    default:
        break;
    }
    //: %1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.
    return Wording::tr("Its %1 markup cannot be read: line %2: %3")
        .arg(kind, QLocale().toString(fault.line), markupFault(fault.what));
}

} // namespace

QString failureReason(const ConversionFailure &failure)
{
    using Kind = ConversionFailure::Kind;
    switch (failure.kind) {
    case Kind::IsFolder:
        return Wording::tr("It is a folder, not a playlist");
    case Kind::NotOrdinaryFile:
        return Wording::tr("It is not an ordinary file");
    case Kind::ReplacesPlaylist:
        return Wording::tr("The output would replace the playlist itself");
    case Kind::FolderInTheWay:
        return Wording::tr("A folder of that name is in the way");
    case Kind::WriteProtected:
        return Wording::tr("The file is write-protected");
    case Kind::TooLarge:
        return Wording::tr("The references of this playlist overlap and would make a file larger than 4 GiB");
    case Kind::OutOfMemory:
        return Wording::tr("The playlist is not UTF-8, and too large to be converted in the memory this "
                           "computer has");
    case Kind::ChangedWhileRead:
        return Wording::tr("Another program changed the playlist while it was read; nothing was written for it, "
                           "convert it again");
    case Kind::NameNotUtf8:
        //: The command in quotes stays as it is.
        return Wording::tr("Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with "
                           "\"convmv -f latin1 -t utf8 --notest\"");
    case Kind::UnknownFormat:
        //: %1 lists the kinds: WPL, ZPL, M3U, ...
        return Wording::tr("It is not a playlist of a kind read here (%1)").arg(playlistKinds());
    case Kind::UnknownEncoding:
        //: %1 is the encoding's name as the playlist gives it, e.g. "x-mac-roman".
        return Wording::tr("Its XML declaration names the encoding \"%1\", which cannot be read here")
            .arg(failure.encoding);
    case Kind::Unreadable:
        return unreadableReason(failure);
    case Kind::OutputOfAnother:
        //: %1 is the output file, %2 the other playlist.
        return Wording::tr("Its output, %1, was written from %2 in this run; rename one of the two playlists")
            .arg(shownPath(failure.outputPath), shownPath(failure.otherPath));
    case Kind::System:
        break;
    }
    if (!failure.systemError.isEmpty())
        return failure.systemError;
    return failure.whileReading ? Wording::tr("The file could not be read") : Wording::tr("The file could not be written");
}

bool wordsReadRightToLeft()
{
    return QLocale().textDirection() == Qt::RightToLeft;
}

QString isolated(const QString &text)
{
    if (!wordsReadRightToLeft() || text.isEmpty())
        return text;
    return u'\u2066' + text + u'\u2069';
}

QString withOptionsIsolated(const QString &text)
{
    if (!wordsReadRightToLeft())
        return text;
    // An option stands after a space, a quote or a bracket, or at the start:
    // never after a letter of any script ("ל-MP3" is Hebrew's "to MP3").
    static const QRegularExpression option(
        QStringLiteral("(?<![\\p{L}\\p{N}_\\-\\x{2066}])(--?[A-Za-z][A-Za-z0-9-]*)"));
    QString isolatedText = text;
    isolatedText.replace(option, QStringLiteral("\u2066\\1\u2069"));
    return isolatedText;
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
    return isolated(shown);
}

QString namedList(const QStringList &given, qsizetype count)
{
    // Each name kept whole in words that read right to left.
    QStringList names;
    for (const QString &name : given)
        names.append(name.startsWith(QChar(0x2066)) ? name : isolated(name));
    if (count <= names.size())
        return QLocale().createSeparatedList(names);
    const QString shown = names.join(Wording::tr(", "));
    //: %1 lists the first few names (of entries or of files); %Ln counts the rest of them.
    return Wording::tr("%1 and %Ln more", nullptr, int(count - names.size())).arg(shown);
}


// A path too long to be kept whole is named by its size.
QStringList namedByItsSize(const CardReport &card)
{
    QStringList names = card.neverPlayNames;
    qsizetype next = 0;
    for (QString &name : names) {
        if (name.isEmpty() && next < card.tooLongBytes.size())
            //: An entry too long to name, by its size in bytes.
            name = Wording::tr("(a path of %Ln bytes)", nullptr,
                               int(qMin<qint64>(card.tooLongBytes[next++], std::numeric_limits<int>::max())));
    }
    return names;
}

QString notOnCardLine(const PlaylistResult &result, qsizetype count, const QStringList &names)
{
    const CardReport &card = result.card;
    //: %1 is the .asx file, %Ln of %2 entries, %3 the card's folder, %4 the entries' names.
    return Wording::tr("%1: %Ln of %2 entries are not on the card (%3): %4", nullptr, int(count))
        .arg(shownPath(QFileInfo(result.outputPath).fileName()), QLocale().toString(card.entries), shownPath(card.card),
             namedList(names.first(qMin(names.size(), CardReport::kNamesShown)), count));
}

QStringList conversionWarnings(const QList<PlaylistResult> &converted, const WarningOptions &options)
{
    const QLocale locale;
    QStringList lines;
    QSet<QString> unreadableCards; // each told once
    for (const PlaylistResult &result : converted) {
        const QString name = shownPath(QFileInfo(result.inputPath).fileName());
        const AsxStats &stats = result.stats;
        const QString codePage = QString::number(stats.codePage);
        const QString entries = locale.toString(stats.entries);
        // One arg() call each: a "%2" in a playlist's name stays as it is.
        if (result.encoding == PlaylistEncoding::Ansi)
            //: %1 is the playlist, %2 a code page's number.
            lines.append(Wording::tr("%1: not UTF-8, read as code page %2").arg(name, codePage));
        if (stats.entriesWithLostCharacters > 0)
            //: %1 is the playlist, %Ln of %2 entries, %3 a code page's number.
            lines.append(Wording::tr("%1: %Ln of %2 entries hold characters outside code page %3, written as \"?\"",
                                     nullptr, int(stats.entriesWithLostCharacters))
                             .arg(name, entries, codePage));
        const EntryCounts &counts = result.entries;
        if (const qsizetype leftOut = counts.leftOut() - counts.otherAudio; leftOut > 0) {
            QStringList reasons;
            if (counts.webAddresses > 0)
                reasons.append(Wording::tr("%Ln web addresses", nullptr, int(counts.webAddresses)));
            if (counts.outsideMusicFolder > 0)
                reasons.append(options.musicRootHint
                                   //: Entries left out; the option stays as it is.
                                   ? Wording::tr("%Ln outside the music folder (name it with --music-root)", nullptr,
                                                 int(counts.outsideMusicFolder))
                                   : Wording::tr("%Ln outside the music folder", nullptr, int(counts.outsideMusicFolder)));
            if (counts.otherType > 0)
                //: Entries left out: files of another media type than the one chosen.
                reasons.append(Wording::tr("%Ln of another media type", nullptr, int(counts.otherType)));
            //: %1 is the playlist, %Ln of %2 entries, %3 the reasons: "2 web addresses, 3 outside the music folder".
            lines.append(Wording::tr("%1: %Ln of %2 entries left out: %3", nullptr, int(leftOut))
                             .arg(name, locale.toString(counts.read), reasons.join(Wording::tr(", "))));
        }
        if (counts.otherAudio > 0) {
            const QString kinds = locale.createSeparatedList(audioKindNames(counts.otherAudioKinds));
            lines.append(options.transcodeHint
                             //: %1 is the playlist, %2 the kinds of music: "FLAC and M4A". The option stays as it is.
                             ? Wording::tr("%1: %Ln entries are %2 files the device cannot play: add --transcode", nullptr,
                                           int(counts.otherAudio))
                                   .arg(name, kinds)
                             //: %1 is the playlist, %2 the kinds of music: "FLAC and M4A".
                             : Wording::tr("%1: %Ln entries are %2 files the device cannot play", nullptr,
                                           int(counts.otherAudio))
                                   .arg(name, kinds));
        }
        const CardReport &card = result.card;
        const QString output = shownPath(QFileInfo(result.outputPath).fileName());
        const QString checked = locale.toString(card.entries);
        if (card.neverPlay > 0)
            //: %1 is the .asx file, %Ln of %2 entries, %3 their names.
            lines.append(Wording::tr("%1: %Ln of %2 entries can never play on the device: %3", nullptr, int(card.neverPlay))
                             .arg(output, checked, namedList(namedByItsSize(card), card.neverPlay)));
        if (card.unreadable) {
            if (!unreadableCards.contains(card.card)) {
                unreadableCards.insert(card.card);
                //: %1 is the .asx file, %2 the card's folder.
                lines.append(Wording::tr("%1: the card (%2) could not be read, so its entries were not looked for on it")
                                 .arg(output, shownPath(card.card)));
            }
        } else if (card.notOnCard > 0 && options.notOnCard) {
            lines.append(notOnCardLine(result, card.notOnCard, card.notOnCardNames));
        }
        if (stats.cutAcrossMarkup > 0)
            //: %1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the
            //: playlist's XML tags (it holds '"', '<' or '>'), so it is no file's name.
            lines.append(Wording::tr("%1: %Ln of %2 entries were cut across the playlist's markup and name no real file",
                                     nullptr, int(stats.cutAcrossMarkup))
                             .arg(name, entries));
    }
    return lines;
}

QString supportedCodePageList()
{
    QStringList numbers;
    for (const int number : CodePage::supported())
        numbers.append(QString::number(number));
    return QLocale().createSeparatedList(numbers);
}

QString defaultCodePageReason(const DefaultCodePage &chosen)
{
    using Source = DefaultCodePage::Source;
    switch (chosen.source) {
    case Source::System:
        return Wording::tr("the system's ANSI code page");
    case Source::UserLocale:
        return Wording::tr("the ANSI code page of the user's locale; the system's code page %1 is not an ANSI code page")
            .arg(QString::number(chosen.systemCodePage));
    case Source::NoneOnWindows:
        return Wording::tr("the system's code page %1 is not an ANSI code page, nor has the user's locale one")
            .arg(QString::number(chosen.systemCodePage));
    case Source::Locale:
        //: %1 is a locale's name ("ja_JP.UTF-8"), %2 the variable that set it (LANG).
        return Wording::tr("from the locale %1 (%2)").arg(chosen.locale, chosen.variable);
    case Source::NoLocale:
        break;
    }
    return Wording::tr("no locale is set");
}

} // namespace velandry
