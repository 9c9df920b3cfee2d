// Small readers of the playlist formats, written apart from the engine's and
// reading the whole text at once: what the fuzzer holds the streaming readers
// against.
#pragma once

#include <QByteArray>
#include <QList>

#include <functional>
#include <optional>

namespace velandry::oracle {

// The entries in playlist order; nullopt where the text cannot be read as the
// format.
QList<QByteArray> m3uEntries(const QByteArray &text);
QList<QByteArray> plsEntries(const QByteArray &text);
std::optional<QList<QByteArray>> xspfEntries(const QByteArray &text);
std::optional<QList<QByteArray>> asxEntries(const QByteArray &text,
                                            const std::function<bool(const QByteArray &)> &preferred);

} // namespace velandry::oracle
