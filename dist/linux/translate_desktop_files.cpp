// Writes the desktop entry and the AppStream metadata in every language
// Velandry is translated into: after each text of the templates that
// translations hold, the same text in each language ("Comment[ja]=...",
// <summary xml:lang="ja">), taken from the built translations, so that
// translators have one place for every word: the Linguist files.
//   translate_desktop_files QM_FOLDER LANGUAGES DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT
// LANGUAGES as "ja;de;pt_BR".
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The texts the two files hold, for lupdate; the files themselves are the
// English.
[[maybe_unused]] const char *const kTexts[] = {
    //: The program's name: kept as it is, or written as users of the language know it.
    QT_TRANSLATE_NOOP("Desktop", "Velandry"),
    //: What kind of program it is, as software centres and menus list it.
    QT_TRANSLATE_NOOP("Desktop", "Playlist Converter"),
    QT_TRANSLATE_NOOP("Desktop", "Convert playlists into ASX playlists for Pocket PC"),
    QT_TRANSLATE_NOOP("Desktop", "Convert Windows Media Player playlists for Pocket PC"),
    QT_TRANSLATE_NOOP("Desktop", "Velandry turns playlists (Windows Media Player's WPL, M3U and M3U8, PLS, XSPF, ASX "
                                 "and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for "
                                 "Pocket PC plays from a storage card."),
    QT_TRANSLATE_NOOP("Desktop", "Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the "
                                 "folder on the device that holds the music. Every reference of that type is cut "
                                 "down to its place below the music folder and written under the device's music "
                                 "folder, one .asx file per playlist, in the ANSI code page of the device."),
    QT_TRANSLATE_NOOP("Desktop", "The command-line converter velandry-convert does the same without a window."),
    //: A screenshot's caption.
    QT_TRANSLATE_NOOP("Desktop", "The playlists, the queue, the media type and the folders"),
    //: A screenshot's caption.
    QT_TRANSLATE_NOOP("Desktop", "The main window and the About window"),
};

struct Language
{
    QString name;
    std::unique_ptr<QTranslator> translator;
};

QString translated(const Language &language, const QString &english)
{
    return language.translator->translate("Desktop", english.toUtf8().constData());
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

bool readFile(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.flush();
}

// "Name=Velandry" is followed by "Name[ja]=..." for each language that has
// its own words for it.
QString desktopEntry(const QString &entry, const std::vector<Language> &languages)
{
    static const QRegularExpression translatable(QStringLiteral("^(Name|GenericName|Comment)=(.*)$"));
    QStringList lines;
    for (const QString &line : entry.split(u'\n')) {
        lines.append(line);
        const QRegularExpressionMatch match = translatable.match(line);
        if (!match.hasMatch())
            continue;
        for (const Language &language : languages) {
            const QString words = translated(language, match.captured(2));
            if (!words.isEmpty() && words != match.captured(2))
                lines.append(QStringLiteral("%1[%2]=%3").arg(match.captured(1), language.name, words));
        }
    }
    return lines.join(u'\n');
}

// <summary>, each <p> of the description and each screenshot's <caption> are
// followed by the same element in each language (xml:lang); the releases'
// notes stay English.
QString metainfo(const QString &metadata, const std::vector<Language> &languages)
{
    static const QRegularExpression element(QStringLiteral("(\\n[ \\t]*)<(summary|p|caption)>(.*?)</\\2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const qsizetype releases = metadata.indexOf(QStringLiteral("<releases>"));
    QString out;
    qsizetype from = 0;
    for (auto matches = element.globalMatch(metadata); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        if (releases >= 0 && match.capturedStart() > releases)
            break;
        out += metadata.sliced(from, match.capturedEnd() - from);
        from = match.capturedEnd();
        const QString english = match.captured(3).simplified();
        for (const Language &language : languages) {
            const QString words = translated(language, english);
            if (!words.isEmpty() && words != english)
                out += QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                           .arg(match.captured(1), match.captured(2), language.name, escaped(words));
        }
    }
    out += metadata.sliced(from);
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 7) {
        std::fprintf(stderr, "usage: translate_desktop_files QM_FOLDER LANGUAGES DESKTOP_IN DESKTOP_OUT "
                             "METAINFO_IN METAINFO_OUT\n");
        return 2;
    }
    std::vector<Language> languages;
    for (const QString &name : arguments[2].split(u';', Qt::SkipEmptyParts)) {
        Language language{name, std::make_unique<QTranslator>()};
        if (!language.translator->load(QStringLiteral("velandry_") + name, arguments[1])) {
            std::fprintf(stderr, "translate_desktop_files: no translation velandry_%s.qm in %s\n", qPrintable(name),
                         qPrintable(arguments[1]));
            return 1;
        }
        languages.push_back(std::move(language));
    }
    QString entry;
    QString metadata;
    if (!readFile(arguments[3], entry) || !readFile(arguments[5], metadata)) {
        std::fprintf(stderr, "translate_desktop_files: cannot read the templates\n");
        return 1;
    }
    if (!writeFile(arguments[4], desktopEntry(entry, languages)) || !writeFile(arguments[6], metainfo(metadata, languages))) {
        std::fprintf(stderr, "translate_desktop_files: cannot write the files\n");
        return 1;
    }
    return 0;
}
