#include "code_page.h"
#include "playlist_text.h"

#include <QTest>

using namespace velandry;

// Known bytes of Windows' own tables. Where a code page's Windows table and
// other vendors' differ, the row holds Windows' bytes (e.g. U+FF5E in 932,
// the euro sign in 936).
class CodePageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void names_data();
    void names();
    void locales_data();
    void locales();
    void defaultFollowsTheSystem();
};

void CodePageTest::encode_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lost");

    QTest::newRow("1250") << 1250 << QStringLiteral("\u0141\u00F3d\u017A \u017Dlu\u0165") << QByteArray("\xA3\xF3" "d\x9F \x8Elu\x9D") << 0;
    QTest::newRow("1251") << 1251 << QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442") << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2") << 0;
    QTest::newRow("1251, no look-alike for \u00E9") << 1251 << QStringLiteral("Caf\u00E9") << QByteArray("Caf?") << 1;
    QTest::newRow("1252 table") << 1252 << QStringLiteral("\u00E9\u20AC\u0081\u3042") << QByteArray("\xE9\x80\x81?") << 1;
    QTest::newRow("932 kana, full-width tilde, half-width kana, kanji")
        << 932 << QStringLiteral("\u3042\uFF5E\uFF71\u6F22") << QByteArray("\x82\xA0\x81\x60\xB1\x8A\xBF") << 0;
    QTest::newRow("932 keeps the backslash after a lost \u00E9")
        << 932 << QStringLiteral("Caf\u00E9\\Song") << QByteArray("Caf?\\Song") << 1;
    QTest::newRow("932 lacks \u014D") << 932 << QStringLiteral("Ry\u014Dji") << QByteArray("Ry?ji") << 1;
    QTest::newRow("932 pair is one character") << 932 << QStringLiteral("a\U0001F3B5b") << QByteArray("a?b") << 1;
    QTest::newRow("932 lone surrogate") << 932 << QString(QChar(0xD800)) + u'x' << QByteArray("?x") << 1;
    QTest::newRow("932 control characters") << 932 << QStringLiteral("\u3042\x01\t\u3042") << QByteArray("\x82\xA0?\t\x82\xA0") << 1;
    QTest::newRow("936 euro and hanzi") << 936 << QStringLiteral("\u20AC\u4E2D\u6587") << QByteArray("\x80\xD6\xD0\xCE\xC4") << 0;
    QTest::newRow("949") << 949 << QStringLiteral("\uD55C\uAD6D") << QByteArray("\xC7\xD1\xB1\xB9") << 0;
    QTest::newRow("950") << 950 << QStringLiteral("\u4E2D\u6587") << QByteArray("\xA4\xA4\xA4\xE5") << 0;
    QTest::newRow("874") << 874 << QStringLiteral("\u0E01\u0E02") << QByteArray("\xA1\xA2") << 0;
    QTest::newRow("1253") << 1253 << QStringLiteral("\u03A9\u03BC") << QByteArray("\xD9\xEC") << 0;
    QTest::newRow("1254") << 1254 << QStringLiteral("\u011F\u015F\u0130") << QByteArray("\xF0\xFE\xDD") << 0;
    QTest::newRow("1255") << 1255 << QStringLiteral("\u05E9\u05DC") << QByteArray("\xF9\xEC") << 0;
    QTest::newRow("1256") << 1256 << QStringLiteral("\u0633\u0644") << QByteArray("\xD3\xE1") << 0;
    QTest::newRow("1257") << 1257 << QStringLiteral("\u0105\u010D") << QByteArray("\xE0\xE8") << 0;
    QTest::newRow("1258") << 1258 << QStringLiteral("\u01B0\u0111") << QByteArray("\xFD\xF0") << 0;
}

void CodePageTest::encode()
{
    QFETCH(int, codePage);
    QFETCH(QString, text);
    QByteArray out = "<";
    const qsizetype lost = CodePage::fromNumber(codePage)->encodeInto(text, out);
    QTEST(out.mid(1), "bytes");
    QTEST(int(lost), "lost");
}

void CodePageTest::decode_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("1250") << 1250 << QByteArray("\xA3\xF3" "d\x9F") << QStringLiteral("\u0141\u00F3d\u017A");
    QTest::newRow("1251") << 1251 << QByteArray("\xCF\xF0") << QStringLiteral("\u041F\u0440");
    QTest::newRow("1252") << 1252 << QByteArray("Caf\xE9 \x80 \x81") << QStringLiteral("Caf\u00E9 \u20AC \u0081");
    QTest::newRow("932") << 932 << QByteArray("\x82\xA0\x81\x60\\x") << QStringLiteral("\u3042\uFF5E\\x");
    QTest::newRow("936") << 936 << QByteArray("\x80\xD6\xD0") << QStringLiteral("\u20AC\u4E2D");
    QTest::newRow("949") << 949 << QByteArray("\xC7\xD1") << QStringLiteral("\uD55C");
    QTest::newRow("950") << 950 << QByteArray("\xA4\xA4") << QStringLiteral("\u4E2D");
}

void CodePageTest::decode()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QTEST(CodePage::fromNumber(codePage)->decode(bytes), "text");
    // A playlist that is not UTF-8 is read in the code page.
    QTEST(decodePlaylist(bytes, *CodePage::fromNumber(codePage)).text, "text");
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

void CodePageTest::locales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("codePage");

    QTest::newRow("ja") << QStringLiteral("ja_JP.UTF-8") << 932;
    QTest::newRow("zh_CN") << QStringLiteral("zh_CN.UTF-8") << 936;
    QTest::newRow("zh alone") << QStringLiteral("zh") << 936;
    QTest::newRow("zh_TW") << QStringLiteral("zh_TW.UTF-8") << 950;
    QTest::newRow("zh_HK") << QStringLiteral("zh_HK") << 950;
    QTest::newRow("ko") << QStringLiteral("ko_KR.EUC-KR") << 949;
    QTest::newRow("pl") << QStringLiteral("pl_PL.UTF-8") << 1250;
    QTest::newRow("sr Cyrillic") << QStringLiteral("sr_RS.UTF-8") << 1251;
    QTest::newRow("sr Latin") << QStringLiteral("sr_RS.UTF-8@latin") << 1250;
    QTest::newRow("ru") << QStringLiteral("ru_RU.KOI8-R") << 1251;
    QTest::newRow("tr") << QStringLiteral("tr_TR") << 1254;
    QTest::newRow("vi") << QStringLiteral("vi_VN.UTF-8") << 1258;
    QTest::newRow("en") << QStringLiteral("en_GB.UTF-8") << 1252;
    QTest::newRow("C") << QStringLiteral("C") << 1252;
    QTest::newRow("C.UTF-8") << QStringLiteral("C.UTF-8") << 1252;
    QTest::newRow("POSIX") << QStringLiteral("POSIX") << 1252;
}

void CodePageTest::locales()
{
    QFETCH(QString, locale);
    QTEST(ansiCodePageForLocale(locale), "codePage");
}

void CodePageTest::defaultFollowsTheSystem()
{
#ifdef Q_OS_WIN
    // The system's ANSI code page, whatever the environment says.
    qputenv("LC_ALL", QByteArrayLiteral("ja_JP.UTF-8"));
    const DefaultCodePage chosen = defaultCodePage();
    qunsetenv("LC_ALL");
    QCOMPARE(chosen.reason, QStringLiteral("the system's ANSI code page"));
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
    QCOMPARE(chosen.reason, QStringLiteral("from the locale ko_KR.UTF-8 (LC_CTYPE)"));
#endif
}

QTEST_GUILESS_MAIN(CodePageTest)
#include "tst_code_page.moc"
