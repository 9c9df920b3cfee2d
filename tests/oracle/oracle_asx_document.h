// The engine as it was before it streamed, whole texts in memory: the oracle
// that the fuzzer and the differential tests hold the streaming engine against.
#pragma once

#include "engine/asx_document.h"
#include "engine/code_page.h"
#include "tests/oracle/oracle_media_paths.h"

#include <QByteArray>
#include <QStringView>

namespace velandry::oracle {

using velandry::AsxStats;

// The ASX 3.0 document for `paths`, built whole: two header lines, three lines
// per slot with `mediaFolder` written before the path as it stands, and the
// closing line, each followed by CR LF, in `codePage`. In each path "&apos;"
// becomes an apostrophe and '"', '<', '>' are written as entities.
QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage,
                       AsxStats *stats = nullptr);

} // namespace velandry::oracle
