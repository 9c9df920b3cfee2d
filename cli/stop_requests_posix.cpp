#include "cli/stop_requests.h"

#include <atomic>
#include <csignal>

namespace velandry {

namespace {

std::atomic<int> stopSignal{0};

void onStopSignal(int signal)
{
    stopSignal.store(signal);
}

} // namespace

void watchStopRequests()
{
    // Without SA_RESTART: a call the signal breaks off returns, so that a
    // long copy hears the stop at once rather than at the end of its piece.
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int stopRequest()
{
    return stopSignal.load();
}

} // namespace velandry
