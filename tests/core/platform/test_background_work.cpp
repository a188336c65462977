#include "core/platform/DNBackgroundWork.h"
#include "support/eventloop.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>

// A job that hands more work to another pool, even one already waited for in the same round, is
// waited for to the end of that work too.
TEST(BackgroundWork, WaitsForWorkThatJobsHandOnToOtherPools)
{
    // Registered pools live to the end of the program, as the program's own do.
    QThreadPool &first = *new QThreadPool;
    QThreadPool &second = *new QThreadPool;
    DNRegisterBackgroundPool(&second);
    DNRegisterBackgroundPool(&first);
    DNRegisterBackgroundPool(&first);   // once is enough; twice changes nothing
    std::atomic_bool done{false};
    first.start([&] {
        QThread::msleep(100);
        second.start([&] {
            QThread::msleep(100);
            done = true;
        });
    });
    DNWaitForBackgroundWork();
    EXPECT_TRUE(done.load());
    EXPECT_EQ(first.activeThreadCount(), 0);
    EXPECT_EQ(second.activeThreadCount(), 0);
}

// At quit a job still running is waited for while the application, and the painting a job may
// do, still exist: exec() returns only once it has ended.
TEST(BackgroundWork, QuitWaitsForTheJobsStillRunning)
{
    QCoreApplication &app = testsupport::application();
    QThreadPool &pool = *new QThreadPool;
    DNRegisterBackgroundPool(&pool);
    std::atomic_bool done{false};
    pool.start([&] {
        QThread::msleep(200);
        done = true;
    });
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    EXPECT_TRUE(done.load());
}

// A job on a background thread of its own is waited for as the pools' jobs are, and while it is
// waited for it learns that the program winds down, so that it can give up what it waits on.
TEST(BackgroundWork, AThreadOfItsOwnIsWaitedForAndToldToGiveUp)
{
    std::atomic_bool gaveUp{false};
    EXPECT_FALSE(DNBackgroundWorkWindingDown());
    DNStartBackgroundThread([&] {
        while (!DNBackgroundWorkWindingDown())
            QThread::msleep(5);
        QThread::msleep(100);
        gaveUp = true;
    });
    DNWaitForBackgroundWork();
    EXPECT_TRUE(gaveUp.load());
    EXPECT_FALSE(DNBackgroundWorkWindingDown());
}
