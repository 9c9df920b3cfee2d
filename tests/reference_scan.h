#pragma once

#include "tests/oracle/oracle_media_paths.h"

#include <QString>
#include <QStringList>

// Shared by the tests and the fuzzer.
namespace velandry::reference {

using oracle::lowerUnit;

// A literal, slow rendering of the scan, step by step: 1-based positions, the
// whole text lower-cased for every search, a miss advancing one character, the
// markers searched backwards from each match. The fast scan must agree with it.
inline QString mid(const QString &text, qsizetype start1, qsizetype length)
{
    if (length <= 0 || start1 > text.size())
        return {};
    return text.mid(start1 - 1, length);
}

inline QString lowerPerUnit(const QString &text)
{
    QString lower = text;
    for (QChar &c : lower)
        c = QChar(lowerUnit(c.unicode()));
    return lower;
}

inline qsizetype inStr(qsizetype start1, const QString &text, const QString &key)
{
    if (start1 > text.size())
        return 0;
    return text.indexOf(key, start1 - 1) + 1;
}

// Last occurrence of `marker` lying wholly within the first `limit` characters.
inline qsizetype inStrRev(const QString &text, const QString &marker, qsizetype limit)
{
    for (qsizetype s = limit - marker.size() + 1; s >= 1; --s) {
        if (text.mid(s - 1, marker.size()) == marker)
            return s;
    }
    return 0;
}

inline QStringList referenceExtract(const QString &openedfile, const QString &mediaType)
{
    QStringList slots = {QString(), QString()};
    const QString key = QStringLiteral(".") + mediaType;
    const qsizetype keyLength = key.size();
    qsizetype position = 1;
    qsizetype count = 0;
    while (position <= openedfile.size()) {
        const qsizetype match = inStr(position, lowerPerUnit(openedfile), lowerPerUnit(key));
        if (match != 0) {
            ++count;
            QString prefix = QStringLiteral("My Music\\");
            qsizetype marker = inStrRev(openedfile, prefix, match);
            if (marker == 0) {
                prefix = QStringLiteral("..\\");
                marker = inStrRev(openedfile, prefix, match);
            }
            while (slots.size() <= qMax<qsizetype>(1, count))
                slots.append(QString());
            slots[count] = mid(openedfile, marker + prefix.size(),
                               (match + keyLength) - (marker + prefix.size()));
            position = match;
        }
        ++position;
    }
    return slots.mid(1);
}

} // namespace velandry::reference
