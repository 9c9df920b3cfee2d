#include "engine/system/file_names.h"

#include "engine/utf8_text.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

namespace velandry {

namespace {

constexpr char16_t kFirstRawByte = 0xDC80; // stands for the byte 0x80, up to 0xDCFF for 0xFF

// A raw byte is a lone low surrogate: never the second half of a pair.
bool isRawByteAt(QStringView path, qsizetype i)
{
    const char16_t unit = path[i].unicode();
    return unit >= kFirstRawByte && unit <= kFirstRawByte + 0x7F && (i == 0 || !path[i - 1].isHighSurrogate());
}

// UTF-8 where the bytes are UTF-8, each other byte as a raw byte.
QString nameFromNative(const char *bytes)
{
    const QByteArrayView name(bytes);
    QString text;
    qsizetype at = 0;
    while (at < name.size()) {
        const qsizetype valid = detail::validUtf8Prefix(name.sliced(at));
        text.append(QString::fromUtf8(name.sliced(at, valid)));
        at += valid;
        if (at < name.size())
            text.append(QChar(char16_t(kFirstRawByte + (std::uint8_t(name[at++]) - 0x80))));
    }
    return text;
}

} // namespace

bool holdsRawBytes(QStringView path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isRawByteAt(path, i))
            return true;
    }
    return false;
}

QByteArray nativeName(const QString &path)
{
    if (!holdsRawBytes(path))
        return QFile::encodeName(path);
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isRawByteAt(path, i))
            continue;
        bytes.append(QStringView(path).sliced(from, i - from).toUtf8());
        if (i < path.size())
            bytes.append(char(0x80 + (path[i].unicode() - kFirstRawByte)));
        from = i + 1;
    }
    return bytes;
}

QByteArray nameForLibraries(const QString &path)
{
    return nativeName(path);
}

QStringList commandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(nameFromNative(argv[i]));
    return arguments;
}

QStringList ordinaryFileNames(const QString &folder)
{
    QStringList names;
    DIR *const listing = ::opendir(nativeName(folder).constData());
    if (!listing)
        return names;
    while (const dirent *entry = ::readdir(listing)) {
        struct stat status;
        if (entry->d_name[0] != '.' && ::fstatat(::dirfd(listing), entry->d_name, &status, 0) == 0
            && S_ISREG(status.st_mode))
            names.append(nameFromNative(entry->d_name));
    }
    ::closedir(listing);
    return names;
}

} // namespace velandry
