#pragma once

// Real file systems for the suites that write onto a card: a size-limited
// tmpfs, or a FAT image through fusefat, mounted for a test and taken away
// with it; where this machine cannot mount one, the reason.

#include "tests/test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <memory>

// Files left behind that a copy may not leave: temporary ones.
QStringList temporaryFilesIn(const QString &folder)
{
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString name = QFileInfo(files.next()).fileName();
        if (name.startsWith(u'.'))
            found.append(name);
    }
    return found;
}

// A mounted file system for a test, taken away with it: a size-limited tmpfs,
// or a FAT image through fusefat. Empty where this machine cannot mount one.
class Mounted final
{
public:
    static std::unique_ptr<Mounted> tmpfs(const QString &at, qint64 bytes, QString &why)
    {
#ifdef Q_OS_LINUX
        QDir().mkpath(at);
        const int status = QProcess::execute(QStringLiteral("mount"),
                                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), at});
        if (status == 0)
            return std::unique_ptr<Mounted>(new Mounted(at, {}));
        why = QStringLiteral("mounting a tmpfs was refused (needs root)");
#else
        Q_UNUSED(at) Q_UNUSED(bytes)
        why = QStringLiteral("tmpfs is Linux's");
#endif
        return nullptr;
    }

    // fusefat as Debian 12 has it: run in the foreground (it forks
    // otherwise), names in ASCII only.
    static std::unique_ptr<Mounted> fat(const QString &image, const QString &at, int kibibytes, bool fat32, QString &why)
    {
#ifdef Q_OS_LINUX
        const QString mkfs = QStandardPaths::findExecutable(QStringLiteral("mkfs.vfat"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        const QString fusefat = QStandardPaths::findExecutable(QStringLiteral("fusefat"));
        if (mkfs.isEmpty() || fusefat.isEmpty() || !QFileInfo::exists(QStringLiteral("/dev/fuse"))) {
            why = QStringLiteral("no FAT to test on: needs mkfs.vfat (dosfstools), fusefat and /dev/fuse");
            return nullptr;
        }
        QStringList format{QStringLiteral("-C"), image, QString::number(kibibytes)};
        if (fat32)
            format.prepend(QStringLiteral("-F32"));
        if (QProcess::execute(mkfs, format) != 0) {
            why = QStringLiteral("mkfs.vfat failed");
            return nullptr;
        }
        QDir().mkpath(at);
        auto process = std::make_unique<QProcess>();
        // It tells every request it serves: into a file, which a pipe that
        // nobody reads while the test waits on it would not take.
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->setStandardOutputFile(image + QStringLiteral(".log"));
        process->start(fusefat, {QStringLiteral("-f"), QStringLiteral("-o"), QStringLiteral("rw+"), image, at});
        // Mounted once the kernel lists it; the process ends where it cannot.
        for (;;) {
            QFile mounts(QStringLiteral("/proc/self/mounts"));
            if (mounts.open(QIODevice::ReadOnly) && mounts.readAll().contains(" " + QFile::encodeName(at) + " "))
                return std::unique_ptr<Mounted>(new Mounted(at, std::move(process)));
            if (process->waitForFinished(50)) {
                why = QStringLiteral("fusefat could not mount the image: ") + QString::fromLocal8Bit(readFile(image + QStringLiteral(".log")));
                return nullptr;
            }
        }
#else
        Q_UNUSED(image) Q_UNUSED(at) Q_UNUSED(kibibytes) Q_UNUSED(fat32)
        why = QStringLiteral("FUSE is Linux's");
        return nullptr;
#endif
    }

    ~Mounted()
    {
        if (fuse_) {
            QProcess::execute(QStringLiteral("fusermount"), {QStringLiteral("-u"), at_});
            fuse_->waitForFinished(-1);
        } else {
            QProcess::execute(QStringLiteral("umount"), {at_});
        }
    }

private:
    Mounted(QString at, std::unique_ptr<QProcess> fuse) : at_(std::move(at)), fuse_(std::move(fuse)) { }
    QString at_;
    std::unique_ptr<QProcess> fuse_;
};


