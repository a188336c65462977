#include "StopOnSignal.h"

#include "convert/driver/DNVideoConverter.h"

#include <csignal>
#include <cstdio>
#include <ctime>

#include <pthread.h>

namespace {
sigset_t stopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}
} // namespace

StopOnSignal::StopOnSignal(std::function<void()> alsoStop)
    : m_alsoStop(std::move(alsoStop))
{
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    m_watcher = std::thread([this] { watch(); });
}

StopOnSignal::~StopOnSignal()
{
    m_done = true;
    m_watcher.join();
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

void StopOnSignal::watch()
{
    const sigset_t set = stopSignals();
    const timespec slice{0, 100 * 1000 * 1000};
    while (!m_done) {
        const int got = sigtimedwait(&set, nullptr, &slice);
        if (got > 0 && m_signal.exchange(got) == 0)
            std::fprintf(stderr, "stopping: signal %d\n", got);
        // Asked again while the conversion goes on: a stop that came while no conversion was
        // under way yet would otherwise be lost.
        if (m_signal.load() != 0) {
            DNVideoConverterStop();
            if (m_alsoStop)
                m_alsoStop();
        }
    }
}
