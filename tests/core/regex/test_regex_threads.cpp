#include "core/regex/DNRegex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace DNRegex;

namespace {

// Many threads share the one cache: some expressions are common to all, some belong to one
// thread, and one thread keeps emptying the cache. Every answer must be the one for the
// caller's own string and expression.
TEST(DNRegexThreads, SharedCacheGivesEveryThreadItsOwnAnswers)
{
    constexpr int kThreads = 8;
    constexpr int kRounds = 1500;
    std::atomic<int> wrong{0};
    std::atomic<bool> running{true};

    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([t, &wrong] {
            const QString own = QStringLiteral("T%1_(\\d+)").arg(t);
            for (int round = 0; round < kRounds; ++round) {
                const QString line = QStringLiteral("ID_LENGTH=%1.%2").arg(t).arg(round);
                if (stringByMatching(line, QStringLiteral("^ID_LENGTH=(.*)$"), 1)
                    != QStringLiteral("%1.%2").arg(t).arg(round))
                    ++wrong;
                const QString tagged = QStringLiteral("x T%1_%2 y").arg(t).arg(round);
                if (stringByMatching(tagged, own, 1) != QString::number(round))
                    ++wrong;
                const QString lines = QStringLiteral("a%1\r\nb\nc").arg(round);
                if (componentsSeparatedByRegex(lines, QStringLiteral("(?:\\r\\n|[\\n\\r])"))
                    != QStringList({QStringLiteral("a%1").arg(round), "b", "c"}))
                    ++wrong;
                // Expressions that come and go, so entries are evicted while others use theirs.
                const QString passing = QStringLiteral("(\\d)(?:z{0,%1})").arg(round % 97 + t * 100);
                if (stringByReplacingOccurrencesOfRegex(QStringLiteral("a1b2"), passing, QStringLiteral("<$1>"))
                    != QStringLiteral("a<1>b<2>"))
                    ++wrong;
            }
        });
    }
    std::thread clearer([&running] {
        while (running.load()) {
            clearStringCache();
            std::this_thread::yield();
        }
    });
    for (std::thread &worker : workers)
        worker.join();
    running = false;
    clearer.join();
    EXPECT_EQ(wrong.load(), 0);
}

} // namespace
