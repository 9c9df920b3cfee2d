#include "engine/code_page.h"
#include "engine/playlist_text.h"
#include "tests/windows_tables/windows_tables.h"

#include <QTest>

using namespace velandry;

// Every character and every byte sequence of each code page held against what
// Windows itself answered (tests/data/code-pages, written under Wine by
// scripts/update-code-page-data and compared with Wine again by
// scripts/test-windows).
class CodePageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCodePage_data();
    void writesEveryCharacterAsWindows_data() { everyCodePage_data(); }
    void writesEveryCharacterAsWindows();
    void readsEveryByteSequenceAsWindows_data() { everyCodePage_data(); }
    void readsEveryByteSequenceAsWindows();
    void encodingRules_data();
    void encodingRules();
    void names_data();
    void names();
    void everyLocaleAsWindows();
    void defaultFollowsTheSystem();

private:
    std::unique_ptr<detail::CodePageTables> windowsTables(int codePage)
    {
        return windows::readTables(QStringLiteral(VELANDRY_CODE_PAGE_DATA "/%1.txt").arg(codePage));
    }
};

void CodePageTest::everyCodePage_data()
{
    QTest::addColumn<int>("codePage");
    for (const int number : CodePage::supported())
        QTest::addRow("%d", number) << number;
}

void CodePageTest::writesEveryCharacterAsWindows()
{
    QFETCH(int, codePage);
    const auto windows = windowsTables(codePage);
    QVERIFY(windows);
    const CodePage engine = *CodePage::fromNumber(codePage);
    QCOMPARE(engine.number(), codePage);

    // The whole BMP in one text, as a playlist would hold it.
    QString text;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        if (!QChar::isSurrogate(unit))
            text.append(QChar(unit));
    }
    qsizetype expectedLost = 0;
    const QByteArray expected = windows::referenceEncode(*windows, text, &expectedLost);
    QByteArray written;
    const qsizetype lost = engine.encodeInto(text, written);
    for (qsizetype i = 0; written != expected && i < text.size(); ++i) {
        // Name the first character that differs.
        const QStringView character = QStringView(text).sliced(i, 1);
        QByteArray one;
        engine.encodeInto(character, one);
        const QByteArray want = windows::referenceEncode(*windows, character);
        if (one != want)
            QFAIL(qPrintable(QStringLiteral("U+%1: written as %2, Windows writes %3")
                                 .arg(character[0].unicode(), 4, 16, QLatin1Char('0'))
                                 .arg(QString::fromLatin1(one.toHex(' ')), QString::fromLatin1(want.toHex(' ')))));
    }
    QCOMPARE(written, expected);
    QCOMPARE(lost, expectedLost);
}

void CodePageTest::readsEveryByteSequenceAsWindows()
{
    QFETCH(int, codePage);
    const auto windows = windowsTables(codePage);
    QVERIFY(windows);
    const CodePage engine = *CodePage::fromNumber(codePage);

    // Every byte alone, and every byte followed by every byte.
    for (int first = 0; first <= 0xFF; ++first) {
        for (int second = -1; second <= 0xFF; ++second) {
            const char bytes[2] = {char(first), char(second)};
            const QByteArrayView sequence(bytes, second < 0 ? 1 : 2);
            const QString expected = windows::referenceDecode(*windows, sequence);
            qsizetype invalid = -1;
            const QString read = engine.decode(sequence, &invalid);
            if (read != expected)
                QFAIL(qPrintable(QStringLiteral("%1: read as %2, Windows reads %3")
                                     .arg(QString::fromLatin1(sequence.toByteArray().toHex(' ')),
                                          QString::fromLatin1(read.toUtf8().toHex(' ')),
                                          QString::fromLatin1(expected.toUtf8().toHex(' ')))));
            QCOMPARE(invalid, expected.count(QChar::ReplacementCharacter));
        }
    }
}

// The engine's own rules on top of Windows' tables.
void CodePageTest::encodingRules_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lost");

    QTest::newRow("932 keeps the backslash after a lost \u00E9")
        << 932 << QStringLiteral("Caf\u00E9\\Song") << QByteArray("Caf?\\Song") << 1;
    QTest::newRow("a surrogate pair is one character") << 932 << QStringLiteral("a\U0001F3B5b") << QByteArray("a?b") << 1;
    QTest::newRow("1252 pair") << 1252 << QStringLiteral("\u2764\uFE0F\U0001F3B5") << QByteArray("???") << 3;
    QTest::newRow("lone surrogate") << 932 << QString(QChar(0xD800)) + u'x' << QByteArray("?x") << 1;
    QTest::newRow("high surrogate last") << 1252 << QString(QChar(0xDBFF)) << QByteArray("?") << 1;
    QTest::newRow("control characters") << 932 << QStringLiteral("\u3042\x01\t\u3042") << QByteArray("\x82\xA0?\t\x82\xA0") << 1;
}

void CodePageTest::encodingRules()
{
    QFETCH(int, codePage);
    QFETCH(QString, text);
    QByteArray out = "<";
    const qsizetype lost = CodePage::fromNumber(codePage)->encodeInto(text, out);
    QTEST(out.mid(1), "bytes");
    QTEST(int(lost), "lost");
}

void CodePageTest::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number"); // 0: refused

    QTest::newRow("number") << QStringLiteral("932") << 932;
    QTest::newRow("cp") << QStringLiteral("cp1250") << 1250;
    QTest::newRow("windows-, capitals") << QStringLiteral("WINDOWS-1251") << 1251;
    QTest::newRow("UTF-8 is no ANSI code page") << QStringLiteral("65001") << 0;
    QTest::newRow("OEM code page") << QStringLiteral("cp437") << 0;
    QTest::newRow("sign") << QStringLiteral("+932") << 0;
    QTest::newRow("space") << QStringLiteral(" 932") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("word") << QStringLiteral("shift-jis") << 0;
}

void CodePageTest::names()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    const std::optional<CodePage> codePage = CodePage::fromName(name);
    QCOMPARE(codePage ? codePage->number() : 0, number);
}

void CodePageTest::everyLocaleAsWindows()
{
    const QList<windows::LocaleAnswer> answers =
        windows::readLocales(QStringLiteral(VELANDRY_CODE_PAGE_DATA "/locales.txt"));
    QVERIFY(answers.size() > 300);
    for (const windows::LocaleAnswer &answer : answers) {
        // Unicode-only locales, and those Windows does not know, write 1252.
        const int expected = CodePage::supported().contains(answer.codePage) ? answer.codePage : 1252;
        // "sr_RS@latin" is also set as "sr_RS.UTF-8@latin".
        const qsizetype at = answer.glibcName.indexOf(u'@');
        const QString withCodeset = at < 0 ? answer.glibcName + QStringLiteral(".UTF-8")
                                           : answer.glibcName.left(at) + QStringLiteral(".UTF-8")
                                                 + answer.glibcName.mid(at);
        for (const QString &name : {answer.glibcName, withCodeset}) {
            if (ansiCodePageForLocale(name) != expected)
                QFAIL(qPrintable(QStringLiteral("%1: %2, Windows gives %3")
                                     .arg(name, QString::number(ansiCodePageForLocale(name)),
                                          QString::number(expected))));
        }
    }
    for (const char *name : {"C", "C.UTF-8", "POSIX", ""})
        QCOMPARE(ansiCodePageForLocale(QString::fromLatin1(name)), 1252);
}

void CodePageTest::defaultFollowsTheSystem()
{
#ifdef Q_OS_WIN
    // The system's ANSI code page, whatever the environment says.
    qputenv("LC_ALL", QByteArrayLiteral("ja_JP.UTF-8"));
    const DefaultCodePage chosen = defaultCodePage();
    qunsetenv("LC_ALL");
    QCOMPARE(chosen.source, DefaultCodePage::Source::System);
#else
    // The first of LC_ALL, LC_CTYPE and LANG that is set.
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_CTYPE"), qgetenv("LANG")};
    qputenv("LC_ALL", QByteArray());
    qputenv("LC_CTYPE", QByteArrayLiteral("ko_KR.UTF-8"));
    qputenv("LANG", QByteArrayLiteral("ja_JP.UTF-8"));
    const DefaultCodePage chosen = defaultCodePage();
    qputenv("LC_ALL", saved[0]);
    qputenv("LC_CTYPE", saved[1]);
    qputenv("LANG", saved[2]);
    QCOMPARE(chosen.number, 949);
    QCOMPARE(chosen.source, DefaultCodePage::Source::Locale);
    QCOMPARE(chosen.variable, QStringLiteral("LC_CTYPE"));
    QCOMPARE(chosen.locale, QStringLiteral("ko_KR.UTF-8"));
#endif
}

QTEST_GUILESS_MAIN(CodePageTest)
#include "tst_code_page.moc"
