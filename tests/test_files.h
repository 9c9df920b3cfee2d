#pragma once

#include <QByteArray>
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

struct ConverterRun
{
    int status = -1; // -1: crashed or timed out
    QString out;
    QString err;
};

inline ConverterRun runConverter(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELANDRY_CONVERT_EXE), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
