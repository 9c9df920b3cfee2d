// Every Linguist file complete and faithful to its source: no unfinished or
// empty message, the same placeholders, one access key where the source has
// one, every plural form the language has, and the reading direction the
// language has.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    bool unfinished = false;
    QStringList translations; // one, or one per plural form
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

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFile_data();
    void complete();
    void complete_data() { everyFile_data(); }
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
            // A language of one plural form keeps %n where English has it.
            if (placeholdersOf(translation) != placeholdersOf(message.source))
                faults.append(QStringLiteral("placeholders of \"%1\": ").arg(translation) + where);
            if (accessKeysOf(message.source) > 0 && accessKeysOf(translation) != 1)
                faults.append(QStringLiteral("access key of \"%1\": ").arg(translation) + where);
            if (message.source.contains(u'\n') != translation.contains(u'\n'))
                faults.append(QStringLiteral("line break of \"%1\": ").arg(translation) + where);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
