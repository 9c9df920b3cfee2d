#pragma once

// What the engine does differently per system, in one place: code-page
// conversion (ICU outside Windows, the system's own functions on Windows) and
// replacing a file. Exactly one of native_posix.cpp and native_windows.cpp is
// built.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>

namespace velandry::detail {

class NativeConverter
{
public:
    // nullptr when the system has no converter for the code page.
    static std::unique_ptr<NativeConverter> open(int codePage);
    virtual ~NativeConverter() = default;

    // Appends the bytes of `text` to `out`, with one '?' for each character the
    // code page cannot hold (best-fit look-alikes are not used); returns how
    // many there were.
    virtual qsizetype encode(QStringView text, QByteArray &out) = 0;
    virtual QString decode(QByteArrayView bytes) = 0;
};

// The system's ANSI code page on Windows, 0 elsewhere.
int systemAnsiCodePage();

// Puts `from` in the place of `to` in one step, replacing an existing file;
// an empty text on success, else the system's reason.
QString replaceFile(const QString &from, const QString &to);

} // namespace velandry::detail
