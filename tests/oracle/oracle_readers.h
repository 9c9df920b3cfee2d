// A reader of XSPF playlists written apart from the engine's, on Qt's XML
// reader and reading the whole text at once: what the fuzzer holds the
// streaming reader against.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace velandry::oracle {

// Each track's first location, resolved against xml:base, in playlist order;
// nullopt where Qt's XML reader cannot read the text.
std::optional<QList<QByteArray>> xspfEntries(const QByteArray &text, const QString &documentFolder);

} // namespace velandry::oracle
