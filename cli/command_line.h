#pragma once

#include <QStringList>

class QTextStream;

namespace velandry {

enum ExitStatus { ExitOk = 0, ExitPlaylistFailed = 1, ExitUsage = 2 };

// velandry-convert --type TYPE [--media-folder FOLDER] [--output-folder DIR] [--code-page CP] [--quiet]
//                  PLAYLIST...
int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace velandry
