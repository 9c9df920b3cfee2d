#pragma once

#include "conversion_run.h"

#include <atomic>
#include <chrono>

class QWidget;

namespace velandry {

// Runs a conversion off the window's thread while the window stays responsive
// and, as during a synchronous run, closed to the user: input is held back until
// a modal progress dialog appears after `dialogDelay`. The dialog shows the
// playlist at hand and the bytes written; Cancel (or `cancel` set from
// elsewhere, e.g. when the window closes) stops the run within about a
// megabyte, inside a playlist too, leaving the earlier file of that name whole.
ConversionReport runInBackground(QWidget *owner, const ConversionRequest &request,
                                 std::chrono::milliseconds dialogDelay, std::atomic_bool &cancel);

} // namespace velandry
