#include "cli/stop_requests.h"

#include <qt_windows.h>

#include <atomic>

namespace velandry {

namespace {

std::atomic<int> stopSignal{0};

BOOL WINAPI onConsoleEvent(DWORD event)
{
    // Ctrl+C as SIGINT; Ctrl+Break, closing the console, logging off and
    // shutting down as SIGTERM.
    stopSignal.store(event == CTRL_C_EVENT ? 2 : 15);
    return TRUE;
}

} // namespace

void watchStopRequests()
{
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

int stopRequest()
{
    return stopSignal.load();
}

} // namespace velandry
