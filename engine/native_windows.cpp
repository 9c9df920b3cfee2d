#include "native.h"

#include <qt_windows.h>

#include <climits>

namespace velandry::detail {

namespace {

// Pieces short enough for the int lengths of the system's functions.
constexpr qsizetype kPiece = qsizetype(1) << 24;

class WindowsConverter final : public NativeConverter
{
public:
    explicit WindowsConverter(UINT codePage) : codePage_(codePage) { }

    qsizetype encode(QStringView text, QByteArray &out) override
    {
        qsizetype lost = 0;
        while (!text.isEmpty()) {
            qsizetype size = qMin(text.size(), kPiece);
            if (size < text.size() && text[size - 1].isHighSurrogate())
                --size; // never split a pair
            const QStringView piece = text.first(size);
            const qsizetype start = out.size();
            if (append(piece, out)) {
                out.truncate(start);
                lost += appendEachCharacter(piece, out);
            }
            text = text.sliced(size);
        }
        return lost;
    }

    QString decode(QByteArrayView bytes) override
    {
        QString text;
        if (bytes.isEmpty() || bytes.size() > INT_MAX)
            return text;
        const int size = int(bytes.size());
        const int units = MultiByteToWideChar(codePage_, 0, bytes.data(), size, nullptr, 0);
        text.resize(units);
        MultiByteToWideChar(codePage_, 0, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()), units);
        return text;
    }

private:
    // Appends the bytes of `piece`; true when some character became '?'.
    bool append(QStringView piece, QByteArray &out) const
    {
        const qsizetype start = out.size();
        const int capacity = int(2 * piece.size() + 2);
        out.resize(start + capacity);
        BOOL usedDefault = FALSE;
        const int written = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS,
                                                reinterpret_cast<const wchar_t *>(piece.utf16()), int(piece.size()),
                                                out.data() + start, capacity, "?", &usedDefault);
        out.resize(start + qMax(written, 0));
        return usedDefault;
    }

    // The system says only whether a default character was used, and writes
    // one for each half of a surrogate pair: piece by piece, one character at
    // a time, which only text with losses pays for.
    qsizetype appendEachCharacter(QStringView piece, QByteArray &out) const
    {
        qsizetype lost = 0;
        for (qsizetype i = 0; i < piece.size();) {
            const qsizetype length =
                piece[i].isHighSurrogate() && i + 1 < piece.size() && piece[i + 1].isLowSurrogate() ? 2 : 1;
            const qsizetype start = out.size();
            if (append(piece.sliced(i, length), out)) {
                out.truncate(start);
                out.append('?');
                ++lost;
            }
            i += length;
        }
        return lost;
    }

    UINT codePage_;
};

} // namespace

std::unique_ptr<NativeConverter> NativeConverter::open(int codePage)
{
    if (!IsValidCodePage(UINT(codePage)))
        return nullptr;
    return std::make_unique<WindowsConverter>(UINT(codePage));
}

int systemAnsiCodePage()
{
    return int(GetACP());
}

QString replaceFile(const QString &from, const QString &to)
{
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()), reinterpret_cast<const wchar_t *>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const DWORD error = GetLastError();
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = text ? QString::fromWCharArray(text).trimmed() : QStringLiteral("Error %1").arg(error);
    LocalFree(text);
    return reason;
}

} // namespace velandry::detail
