#include "StopSignal.h"

#include <csignal>

namespace {
volatile std::sig_atomic_t stopFlag = 0;

void onStopSignal(int)
{
    stopFlag = 1;
}
} // namespace

void installStopSignals()
{
    struct sigaction stop {};
    stop.sa_handler = onStopSignal;
    sigemptyset(&stop.sa_mask);
    // No SA_RESTART: a write blocked on a full pipe returns, so the request is seen at once.
    stop.sa_flags = 0;
    sigaction(SIGTERM, &stop, nullptr);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGHUP, &stop, nullptr);
    // A dead encoder shows as a failed write, not as the end of the engine.
    std::signal(SIGPIPE, SIG_IGN);
}

bool stopRequested()
{
    return stopFlag != 0;
}
