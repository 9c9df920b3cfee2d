#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTest>

// Small helpers shared by the suites: files in temporary folders, and runs of
// velandry-convert.
inline void writeFile(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Dates a file a day back, as a playlist written long before it is converted:
// a change made now is then told by its time too.
inline void ageFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
}

// Changes a playlist as another program would: "shortened" to 1000 bytes,
// "grown" by a reference at its end, or "rewritten" in place (the same size,
// other bytes). False where the system refused: Windows does not shorten a
// file that is mapped.
inline bool changePlaylist(const QString &path, const QString &how)
{
    QFile file(path);
    if (how == QLatin1String("shortened"))
        return file.resize(1000);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    file.seek(how == QLatin1String("grown") ? file.size() : 4096);
    return file.write("<media src=\"..\\My Music\\New\\Other.mp3\"/>") > 0;
}

struct ConverterRun
{
    int status = -1; // -1: crashed or timed out
    QString out;
    QString err;
};

// With merged channels, `out` holds both, in the order they were written.
// The converter speaks English unless `environment` names another language
// (LANGUAGE, and LC_MESSAGES, which Windows programs under Wine read).
inline ConverterRun runConverter(const QStringList &arguments,
                                 QProcess::ProcessChannelMode channels = QProcess::SeparateChannels,
                                 const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    QProcessEnvironment language = environment;
    if (!language.contains(QStringLiteral("LANGUAGE")))
        language.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    process.setProcessEnvironment(language);
    process.setProcessChannelMode(channels);
    process.start(QStringLiteral(VELANDRY_CONVERT_EXE), arguments);
    process.closeWriteChannel();
    // However long it takes: the suite's own time limit is the bound.
    if (!process.waitForFinished(-1))
        return {};
    // Line ends as the system writes them in text mode, read back as "\n".
    const auto text = [](const QByteArray &bytes) { return QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); };
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            text(process.readAllStandardOutput()), text(process.readAllStandardError())};
}

// A path as the programs show it: in the system's separators.
inline QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
