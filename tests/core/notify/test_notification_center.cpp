#include "core/notify/DNNotificationCenter.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

#include "support/eventloop.h"

#include <memory>
#include <thread>

using testsupport::application;
using testsupport::spinUntil;

TEST(DNNotificationCenter, DeliversByNameAndObjectFilterSynchronously)
{
    DNNotificationCenter center;
    QStringList got;
    QObject sender, other;
    auto any = center.addObserver("NXMediaFileLoadFinished o.o", [&](const DNNotification &n) {
        got << "any:" + n.userInfo.value("keyMediaLoadType_").toString();
    });
    center.addObserver("NXTableViewSelectionDidChanged_", [&](const DNNotification &) {
        got << "filtered";
    }, QVariant::fromValue(&sender));
    center.addObserver(QString(), [&](const DNNotification &n) { got << "all:" + n.name; });

    center.postNotification("NXMediaFileLoadFinished o.o", QVariant(),
                            {{"keyMediaLoadType_", 2}});
    center.postNotification("NXTableViewSelectionDidChanged_", QVariant::fromValue(&other));
    center.postNotification("NXTableViewSelectionDidChanged_", QVariant::fromValue(&sender));
    center.postNotification("NXMediaFileLoadFinished o.o "); // names match exactly
    EXPECT_EQ(got, (QStringList{"any:2", "all:NXMediaFileLoadFinished o.o",
                                "all:NXTableViewSelectionDidChanged_", "filtered",
                                "all:NXTableViewSelectionDidChanged_",
                                "all:NXMediaFileLoadFinished o.o "}));

    got.clear();
    center.removeObserver(any);
    center.postNotification("NXMediaFileLoadFinished o.o");
    EXPECT_EQ(got, QStringList{"all:NXMediaFileLoadFinished o.o"});
}

TEST(DNNotificationCenter, SharedPointerObjectsFilterByIdentity)
{
    DNNotificationCenter center;
    auto mine = std::make_shared<int>(1);
    auto twin = std::make_shared<int>(1);
    int hits = 0;
    center.addObserver("n", [&](const DNNotification &n) {
        ++hits;
        EXPECT_EQ(n.object.value<std::shared_ptr<int>>(), mine);
    }, QVariant::fromValue(mine));
    center.postNotification("n", QVariant::fromValue(twin));
    center.postNotification("n", QVariant::fromValue(mine));
    EXPECT_EQ(hits, 1);
}

TEST(DNNotificationCenter, ReceiversAreDroppedWhenRemovedOrDestroyed)
{
    DNNotificationCenter center;
    int a = 0, b = 0;
    auto receiverA = std::make_unique<QObject>();
    QObject receiverB;
    center.addObserver(receiverA.get(), "n", [&](const DNNotification &) { ++a; });
    center.addObserver(&receiverB, "n", [&](const DNNotification &) { ++b; });
    center.addObserver(&receiverB, "m", [&](const DNNotification &) { ++b; });
    center.postNotification("n");
    receiverA.reset(); // a destroyed receiver is never called again
    center.removeObserver(&receiverB, "n");
    center.postNotification("n");
    center.postNotification("m");
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    center.removeObserver(&receiverB);
    center.postNotification("m");
    EXPECT_EQ(b, 2);
}

TEST(DNNotificationCenter, HandlersMayChangeObserversWhilePosting)
{
    DNNotificationCenter center;
    QStringList got;
    DNNotificationCenter::ObserverId second = 0;
    center.addObserver("n", [&](const DNNotification &) {
        got << "first";
        center.removeObserver(second); // removed before its turn: not called
        center.addObserver("n", [&](const DNNotification &) { got << "late"; });
        center.postNotification("inner");
    });
    second = center.addObserver("n", [&](const DNNotification &) { got << "second"; });
    center.addObserver("inner", [&](const DNNotification &) { got << "inner"; });
    center.postNotification("n");
    EXPECT_EQ(got, (QStringList{"first", "inner"}));
}

TEST(DNNotificationCenter, PostsOnTheMainThreadFromWorkers)
{
    QCoreApplication &app = application();
    DNNotificationCenter &center = DNNotificationCenter::defaultCenter();
    QThread *seenOn = nullptr;
    QVariant seenInfo;
    bool waitedDelivered = false;
    int queued = 0;
    auto id = center.addObserver("NXProgressDidEndNotification 8_8", [&](const DNNotification &n) {
        seenOn = QThread::currentThread();
        seenInfo = n.object;
    });
    auto id2 = center.addObserver("waited", [&](const DNNotification &) {
        waitedDelivered = QThread::currentThread() == app.thread();
    });
    auto id3 = center.addObserver("queued", [&](const DNNotification &) { ++queued; });

    std::thread worker([&] {
        center.postNotificationOnMainThread("NXProgressDidEndNotification 8_8", 1);
        center.postNotificationOnMainThread("waited", QVariant(), {}, true);
        // Reaches here only after the main thread ran the observer.
        EXPECT_TRUE(waitedDelivered);
    });
    spinUntil([&] { return seenOn != nullptr && waitedDelivered; });
    worker.join();
    EXPECT_EQ(seenOn, app.thread());
    EXPECT_EQ(seenInfo.toInt(), 1);

    center.enqueueNotification("queued");
    EXPECT_EQ(queued, 0); // never before the caller returns to the event loop
    center.enqueueNotification("queued", QVariant(), {}, 20);
    spinUntil([&] { return queued == 2; });
    EXPECT_EQ(queued, 2);

    center.removeObserver(id);
    center.removeObserver(id2);
    center.removeObserver(id3);
}
