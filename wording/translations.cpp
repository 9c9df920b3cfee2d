#include "wording/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <vector>

namespace velandry {

namespace {

// Which way the language reads, as Qt's own translations say it: "RTL" in the
// languages that read right to left, "LTR" in the others. Qt asks for this
// text in its own context; it stands here so that every translation holds it.
[[maybe_unused]] const char *const kLayoutDirection[] =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
                       "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

// Where the translations are built in.
const QString kOwn = QStringLiteral(":/i18n");

// Where Qt's own translations are: the system's Qt's on Linux; beside the
// programs, in "translations", in the Windows packages.
QString qtTranslations()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    if (QFileInfo(beside + QStringLiteral("/qtbase_de.qm")).exists())
        return beside;
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

} // namespace

QStringList translatedLanguages()
{
    QStringList languages{QStringLiteral("en")};
    for (QDirIterator files(kOwn, {QStringLiteral("velandry_*.qm")}); files.hasNext();) {
        const QString name = QFileInfo(files.next()).completeBaseName().sliced(9);
        if (name != QStringLiteral("en"))
            languages.append(name);
    }
    return languages;
}

QString installTranslations(const QStringList &languages)
{
    for (const std::unique_ptr<QTranslator> &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();

    // English is the source's language; its file holds only the plural forms.
    auto english = std::make_unique<QTranslator>();
    if (english->load(QStringLiteral("velandry_en"), kOwn))
        install(std::move(english));

    // QTranslator tries each language less its territory too ("de" for "de-CH").
    // A translator trying a translation of their own names its folder.
    const QString trying = qEnvironmentVariable("VELANDRY_TRANSLATIONS");
    auto own = std::make_unique<QTranslator>();
    const auto found = std::find_if(languages.cbegin(), languages.cend(), [&](const QString &language) {
        return (!trying.isEmpty() && own->load(QLocale(language), QStringLiteral("velandry"), QStringLiteral("_"), trying))
               || own->load(QLocale(language), QStringLiteral("velandry"), QStringLiteral("_"), kOwn);
    });
    if (found == languages.cend() || own->language().startsWith(QStringLiteral("en"))) {
        QLocale::setDefault(found != languages.cend() ? QLocale(*found) : QLocale(QLocale::English, QLocale::UnitedStates));
        return QStringLiteral("en");
    }
    const QString language = own->language();
    // Qt's own texts where Qt's translations lack the language: beneath Qt's,
    // which is asked first.
    auto qtWords = std::make_unique<QTranslator>();
    if (qtWords->load(QLocale(language), QStringLiteral("qt"), QStringLiteral("_"), kOwn))
        install(std::move(qtWords));
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), qtTranslations()))
        install(std::move(qt));
    install(std::move(own));
    QLocale::setDefault(QLocale(language));
    return language;
}

} // namespace velandry
