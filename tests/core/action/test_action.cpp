#include "core/action/NXAction.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

#include "support/eventloop.h"

#include <thread>

using testsupport::application;
using testsupport::spinUntil;

namespace {

// A main-window-like receiver with a completion method taking the result.
class Receiver : public QObject
{
public:
    QVariantList firsts, seconds;
    QList<QThread *> threads;
    void done(const QVariant &a, const QVariant &b)
    {
        firsts << a;
        seconds << b;
        threads << QThread::currentThread();
    }
};

} // namespace

TEST(NXAction, ArgumentsPlacedAsAtCreationAndKeptAcrossRuns)
{
    Receiver r;
    const struct
    {
        QVariant first, second;
        QVariant expectFirst, expectSecond;
    } cases[] = {
        {1, 2, 1, 2},
        {QVariant(), 2, 2, QVariant()}, // a lone second object becomes the first argument
        {1, QVariant(), 1, QVariant()},
        {QVariant(), QVariant(), QVariant(), QVariant()},
    };
    for (const auto &c : cases) {
        r.firsts.clear();
        r.seconds.clear();
        auto a = NXAction::actionWithTarget(&r, &Receiver::done, c.first, c.second);
        a->exe();
        ASSERT_EQ(r.firsts.size(), 1);
        EXPECT_EQ(r.firsts[0], c.expectFirst);
        EXPECT_EQ(r.seconds[0], c.expectSecond);
    }

    r.firsts.clear();
    auto a = NXAction::actionWithTarget(&r, &Receiver::done, QVariant("made"));
    a->exeWithObject(QVariant());         // nil keeps the creation argument
    a->exeWithObject(QVariant("result")); // a result replaces it, and stays
    a->exe();
    EXPECT_EQ(r.firsts, (QVariantList{"made", "result", "result"}));
    EXPECT_EQ(a->copy(), a);
}

TEST(NXAction, DestroyedTargetIsNotCalled)
{
    int calls = 0;
    auto target = std::make_unique<QObject>();
    auto a = NXAction::actionWithTarget(target.get(), [&](const QVariant &, const QVariant &) { ++calls; });
    a->exe();
    target.reset();
    a->exe();
    EXPECT_EQ(calls, 1);
    NXAction::action()->exe(); // an empty action does nothing
}

TEST(NXAction, WorkerResultsReachTheMainThread)
{
    QCoreApplication &app = application();
    Receiver r;
    auto a = NXAction::actionWithTarget(&r, &Receiver::done);
    auto payload = std::make_shared<QString>("dvd item");

    std::thread worker([&] {
        a->exeWithObjectOnMainThread(QVariant::fromValue(payload), true);
        // Waited: the main thread has handled the item before the loader goes on.
        EXPECT_EQ(r.firsts.size(), 1);
        // A delay asked for on a thread with no event loop still runs, on the main thread.
        a->exeWithObject(QVariant("later"), 0.01);
    });
    spinUntil([&] { return r.firsts.size() == 2; });
    worker.join();
    ASSERT_EQ(r.firsts.size(), 2);
    EXPECT_EQ(r.firsts[0].value<std::shared_ptr<QString>>(), payload);
    EXPECT_EQ(r.firsts[1], QVariant("later"));
    EXPECT_EQ(r.threads[0], app.thread());
    EXPECT_EQ(r.threads[1], app.thread());
}

TEST(NXAction, DelayedRunWaitsForTheEventLoopAndKeepsTheActionAlive)
{
    application();
    int calls = 0;
    QVariant got;
    {
        auto a = NXAction::actionWithTarget(nullptr, [&](const QVariant &v, const QVariant &) {
            ++calls;
            got = v;
        });
        a->exeWithObject(QVariant(7), 0.02);
        EXPECT_EQ(calls, 0);
    } // the caller's reference is gone; the pending run still holds the action
    spinUntil([&] { return calls == 1; });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(got, QVariant(7));
}
