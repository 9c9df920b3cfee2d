// Every Linguist file complete and faithful to its source: no unfinished or
// empty message, the same placeholders, counts in the language's digits, one
// access key where the source has one, every plural form the language has,
// Arabic's dual without a numeral, and the reading direction the language
// has; a comment with its room for every caption of a fixed size; Qt's own
// buttons in every language; and the paths and options in right-to-left
// words kept whole.
#include "engine/conversion_run.h"
#include "wording/conversion_wording.h"
#include "wording/music_wording.h"
#include "wording/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace velandry;

namespace {

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    bool unfinished = false;
    QStringList translations; // one, or one per plural form
    QString comment = QString(); // for the translator
};

// An element's text, where Linguist writes a control character as
// <byte value="xd"/>.
QString textOf(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == u"byte")
                text += QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUShort(nullptr, 16));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

QList<Message> messagesOf(const QString &path, QString &language, QString &error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"message") {
            messages.append(message);
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"TS") {
            language = attributes.value(QStringLiteral("language")).toString();
        } else if (name == u"name") {
            context = textOf(xml);
        } else if (name == u"message") {
            message = Message{context, {}, attributes.value(QStringLiteral("numerus")) == u"yes", false, {}};
        } else if (name == u"source") {
            message.source = textOf(xml);
        } else if (name == u"extracomment") {
            message.comment = textOf(xml);
        } else if (name == u"translation") {
            message.unfinished = attributes.hasAttribute(QStringLiteral("type"));
            if (!message.numerus)
                message.translations.append(textOf(xml));
        } else if (name == u"numerusform") {
            message.translations.append(textOf(xml));
        }
    }
    if (xml.hasError())
        error = xml.errorString();
    return messages;
}

// "%1", "%L2", "%n", "%Ln", each counted.
QStringList placeholdersOf(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d|n)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found.append(match.next().captured(1));
    found.sort();
    return found;
}

// An access key is "&" before a character other than "&" and space.
qsizetype accessKeysOf(const QString &text)
{
    static const QRegularExpression key(QStringLiteral("&(?![& ])"));
    return text.count(key) - text.count(QRegularExpression(QStringLiteral("&(amp|lt|gt|quot|apos);")));
}

// How many plural forms each language has (as Qt's own rules count them).
int pluralForms(const QString &language)
{
    static const QHash<QString, int> forms{
        {QStringLiteral("ja"), 1}, {QStringLiteral("zh_CN"), 1}, {QStringLiteral("zh_TW"), 1}, {QStringLiteral("ko"), 1},
        {QStringLiteral("th"), 1}, {QStringLiteral("vi"), 1},    {QStringLiteral("tr"), 1},    {QStringLiteral("pl"), 3},    {QStringLiteral("cs"), 3},
        {QStringLiteral("ru"), 3}, {QStringLiteral("uk"), 3},    {QStringLiteral("lt"), 3},    {QStringLiteral("ar"), 6},
    };
    return forms.value(language, 2);
}

// Arabic's forms for exactly one and exactly two (of zero, one, two, a few,
// many, other) name the number in the noun ("ملف واحد", "ملفين"): the count
// may stand out of them, and out of the dual it must.
bool countMayStandOut(const QString &language, qsizetype form)
{
    return language == QStringLiteral("ar") && (form == 1 || form == 2);
}

// The captions of a fixed room: the translator is told how much.
const QList<std::pair<const char *, const char *>> kFixedCaptions{
    {"velandry::Form1", "Playlist Location :"},   {"velandry::Form1", "Playlist contains :"},
    {"velandry::Form1", "Window Media Player 9 Playlists"}, {"velandry::Form1", "Playlists to be converted"},
    {"velandry::Form1", "Output Location :"},     {"velandry::Form1", "Media Location :"},
    {"velandry::Form1", "&Convert"},              {"velandry::Form1", "&Quit"},
    {"velandry::Form1", "Please select"},         {"velandry::frmAbout", "Please visit for updates, faq and help"},
    {"velandry::frmAbout", "Revision History"},   {"velandry::frmAbout", "&Close"},
};

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFile_data();
    void complete();
    void complete_data() { everyFile_data(); }
    void fixedCaptionsTellTheirRoom();
    void qtButtonsInEveryLanguage_data();
    void qtButtonsInEveryLanguage();
    void pathsAndOptionsKeptWhole_data();
    void pathsAndOptionsKeptWhole();
};

void TranslationsTest::everyFile_data()
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(VELANDRY_TRANSLATIONS));
    const QStringList files = folder.entryList({QStringLiteral("velandry_*.ts")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 20);
    for (const QString &file : files) {
        if (file != QStringLiteral("velandry_en.ts"))
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }
}

void TranslationsTest::complete()
{
    QFETCH(QString, path);
    QString language;
    QString error;
    const QList<Message> messages = messagesOf(path, language, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());
    QStringList faults;
    for (const Message &message : messages) {
        const QString where = message.context + QStringLiteral(": \"") + message.source + u'"';
        if (message.unfinished)
            faults.append(QStringLiteral("unfinished: ") + where);
        if (message.numerus && message.translations.size() != pluralForms(language))
            faults.append(QStringLiteral("%1 plural forms instead of %2: ").arg(message.translations.size()).arg(pluralForms(language)) + where);
        for (const QString &translation : message.translations) {
            if (translation.trimmed().isEmpty()) {
                faults.append(QStringLiteral("empty: ") + where);
                continue;
            }
            if (message.source == QStringLiteral("QT_LAYOUT_DIRECTION")) {
                const bool rightToLeft = language == QStringLiteral("ar") || language == QStringLiteral("he");
                if (translation != (rightToLeft ? QStringLiteral("RTL") : QStringLiteral("LTR")))
                    faults.append(QStringLiteral("reading direction %1: ").arg(translation) + where);
                continue;
            }
            // A language of one plural form keeps %Ln where English has it.
            const qsizetype form = message.translations.indexOf(translation);
            QStringList wanted = placeholdersOf(message.source);
            if (message.numerus && countMayStandOut(language, form) && !placeholdersOf(translation).contains(QStringLiteral("n")))
                wanted.removeAll(QStringLiteral("n"));
            if (placeholdersOf(translation) != wanted)
                faults.append(QStringLiteral("placeholders of \"%1\": ").arg(translation) + where);
            if (message.numerus && language == QStringLiteral("ar") && form == 2 && translation.contains(QStringLiteral("%Ln")))
                faults.append(QStringLiteral("a numeral in the dual \"%1\": ").arg(translation) + where);
            // Counts in the language's own digits and separators.
            static const QRegularExpression plainCount(QStringLiteral("%n"));
            if (translation.contains(plainCount) || message.source.contains(plainCount))
                faults.append(QStringLiteral("%n, not %Ln: ") + where);
            if (accessKeysOf(message.source) > 0 && accessKeysOf(translation) != 1)
                faults.append(QStringLiteral("access key of \"%1\": ").arg(translation) + where);
            if (message.source.contains(u'\n') != translation.contains(u'\n'))
                faults.append(QStringLiteral("line break of \"%1\": ").arg(translation) + where);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TranslationsTest::fixedCaptionsTellTheirRoom()
{
    QString language;
    QString error;
    const QList<Message> messages =
        messagesOf(QStringLiteral(VELANDRY_TRANSLATIONS "/velandry_de.ts"), language, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const auto &caption : kFixedCaptions) {
        const char *const context = caption.first;
        const char *const source = caption.second;
        const auto found = std::find_if(messages.cbegin(), messages.cend(), [&](const Message &message) {
            return message.context == QLatin1StringView(context) && message.source == QLatin1StringView(source);
        });
        QVERIFY2(found != messages.cend(), qPrintable(QString::fromLatin1(source)));
        QVERIFY2(found->comment.contains(QStringLiteral(" px ")),
                 qPrintable(found->comment + QStringLiteral(": ") + QString::fromLatin1(source)));
    }
}

void TranslationsTest::qtButtonsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translatedLanguages()) {
        if (language != QStringLiteral("en"))
            QTest::newRow(qPrintable(language)) << language;
    }
}

void TranslationsTest::qtButtonsInEveryLanguage()
{
    // Qt's own where Qt has them, else Velandry's.
    QFETCH(QString, language);
#ifdef VELANDRY_QT_TRANSLATIONS
    const QString qtTranslations = QStringLiteral(VELANDRY_QT_TRANSLATIONS);
#else
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    if (!QFileInfo::exists(qtTranslations + QStringLiteral("/qtbase_de.qm")))
        QSKIP("Qt's translations are not here (qt6-translations-l10n)");
    QTranslator qt;
    QTranslator own;
    const bool qtHasIt = qt.load(QStringLiteral("qtbase_") + language, qtTranslations);
    QVERIFY2(qtHasIt || own.load(QStringLiteral(":/i18n/qt_") + language + QStringLiteral(".qm")), qPrintable(language));
    const QTranslator &words = qtHasIt ? qt : own;
    for (const auto &[context, text] : {std::pair{"QPlatformTheme", "Cancel"}, std::pair{"QProgressDialog", "Cancel"},
                                         std::pair{"QPlatformTheme", "OK"}}) {
        const QString translated = words.translate(context, text);
        QVERIFY2(!translated.isEmpty(), qPrintable(QStringLiteral("%1: %2 %3").arg(language, QLatin1StringView(context), QLatin1StringView(text))));
    }
}

void TranslationsTest::pathsAndOptionsKeptWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("isolated");
    QTest::newRow("Arabic") << QStringLiteral("ar") << true;
    QTest::newRow("Hebrew") << QStringLiteral("he") << true;
    QTest::newRow("English: not a byte more") << QStringLiteral("en") << false;
    QTest::newRow("Japanese") << QStringLiteral("ja") << false;
}

void TranslationsTest::pathsAndOptionsKeptWhole()
{
    QFETCH(QString, language);
    QFETCH(bool, isolated);
    installTranslations({language});
    const auto restore = qScopeGuard([] { installTranslations({QStringLiteral("en")}); });
    const QString linux = QStringLiteral("/home/ana/Music/");
    const QString windows = QStringLiteral("C:\\My Playlists\\");
    const auto whole = [](const QString &path) { return QChar(0x2066) + QDir::toNativeSeparators(path) + QChar(0x2069); };

    // Every kind of message that names a path: each path isolated once.
    ConversionFailure taken;
    taken.kind = ConversionFailure::Kind::OutputOfAnother;
    taken.outputPath = linux + QStringLiteral("Pop.asx");
    taken.otherPath = windows + QStringLiteral("Pop.m3u");
    PlaylistResult result;
    result.inputPath = linux + QStringLiteral("Pop.m3u");
    result.outputPath = linux + QStringLiteral("Pop.asx");
    result.card.card = linux;
    result.card.entries = 3;
    result.card.notOnCard = 1;
    result.card.notOnCardNames = {QStringLiteral("My Music\\x.mp3")};
    MusicPlan plan;
    plan.card = windows;
    plan.actions.append({CardAction::Kind::Copy, linux + QStringLiteral("x.mp3"), QStringLiteral("My Music/x.mp3"),
                         QStringLiteral("My Music\\x.mp3"), 10, {}});
    const QList<std::pair<QString, QStringList>> told{
        {failureReason(taken), {taken.outputPath, taken.otherPath}},
        {conversionWarnings({result}).join(u'\n'), {QStringLiteral("Pop.asx"), linux, QStringLiteral("My Music\\x.mp3")}},
        {planQuestionDetails(plan), {windows}},
        {planLines(plan).first(), {linux + QStringLiteral("x.mp3"), windows + QStringLiteral("/My Music/x.mp3")}},
    };
    for (const auto &[text, paths] : told) {
        for (const QString &path : paths)
            QVERIFY2(text.contains(whole(path)) == isolated, qPrintable(text));
        if (!isolated)
            QVERIFY2(!text.contains(QChar(0x2066)) && !text.contains(QChar(0x2069)), qPrintable(text));
    }
    // And the converter's options in its own words.
    const QString option = withOptionsIsolated(QStringLiteral("Try '--help' for more information; -t mp3; \u05DC-MP3."));
    QCOMPARE(option.contains(QStringLiteral("\u2066--help\u2069")), isolated);
    QCOMPARE(option.contains(QStringLiteral("\u2066-t\u2069")), isolated);
    QVERIFY(option.endsWith(QStringLiteral("\u05DC-MP3."))); // a hyphen in words is no option
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
