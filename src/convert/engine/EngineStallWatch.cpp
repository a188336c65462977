#include "convert/engine/EngineStallWatch.h"

#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kDefaultLimitSeconds = 120;
}

EngineStallWatch::EngineStallWatch(std::chrono::milliseconds limit, Signs signs, std::function<void()> onStall)
    : m_limit(limit), m_signs(std::move(signs)), m_onStall(std::move(onStall))
{
    m_thread = std::thread([this] { watch(); });
}

EngineStallWatch::~EngineStallWatch()
{
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

std::chrono::milliseconds EngineStallWatch::limitFromSettings()
{
    const auto setting = DNSetting::shareSetting().mainWindowSetting();
    const double seconds = setting ? setting->engineStallSeconds() : kDefaultLimitSeconds;
    const double chosen = std::isfinite(seconds) && seconds > 0 ? std::min(seconds, 1e6) : kDefaultLimitSeconds;
    return std::chrono::milliseconds(std::llround(chosen * 1000));
}

void EngineStallWatch::watch()
{
    using Clock = std::chrono::steady_clock;
    // Looked at often enough that a stall is seen soon after the limit, and seldom enough to cost
    // nothing beside the engine.
    const auto interval = std::clamp(m_limit / 8, std::chrono::milliseconds(20), std::chrono::milliseconds(1000));
    std::vector<double> last = m_signs();
    Clock::time_point changed = Clock::now();
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, interval, [this] { return m_done; })) {
        lock.unlock();
        const std::vector<double> now = m_signs();
        const Clock::time_point at = Clock::now();
        lock.lock();
        if (now != last) {
            last = now;
            changed = at;
            continue;
        }
        // Under the lock: once the watch is being ended (the engine's pass is over) no stop goes
        // out that could reach the next pass.
        if (at - changed >= m_limit && !m_done) {
            m_stalled = true;
            m_onStall();
            return;
        }
    }
}
