// Many files probed on several threads come back in the order they were given, the ones that
// make no item left out, each with its thumbnail queued as it is taken.
#include "convert/files/DNCaptureController.h"
#include "convert/files/DNOrderedFileProbe.h"
#include "files_test_support.h"

#include <gtest/gtest.h>

using filestest::media;

namespace {

TEST(OrderedFileProbe, HandsTheItemsBackInTheOrderOfThePaths)
{
    filestest::app();
    QTemporaryDir dir;
    filestest::freshLog(dir);
    QFile junk(dir.filePath(QStringLiteral("junk.mp4")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();

    // More paths than threads, so that later files finish while earlier ones are still read.
    const QStringList clips = {media(QStringLiteral("clip.mkv")), media(QStringLiteral("clip.avi")),
                               media(QStringLiteral("clip.mp4")), media(QStringLiteral("clip.mov")),
                               media(QStringLiteral("clip.mpg"))};
    QStringList paths;
    QStringList expected;
    for (int round = 0; round < 3; ++round) {
        for (const QString &clip : clips) {
            paths << clip;
            expected << clip;
        }
        paths << junk.fileName() << dir.filePath(QStringLiteral("absent.mkv")) << media(QStringLiteral("audio.mp3"));
    }

    DNOrderedFileProbe probe(paths, 3);
    QStringList got;
    QList<DNFileNodePtr> items;
    int progressSignals = 0;
    QObject::connect(&probe, &DNOrderedFileProbe::progressed, &probe, [&] { ++progressSignals; }, Qt::QueuedConnection);
    ASSERT_TRUE(filestest::waitFor([&] {
        for (const DNFileNodePtr &item : probe.takeReady()) {
            got << item->path();
            items << item;
            EXPECT_FALSE(item->videoTracks().isEmpty());
        }
        return probe.isDone();
    }));
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(filestest::waitFor([&] { return progressSignals == paths.size(); }));
    EXPECT_TRUE(probe.takeReady().isEmpty());

    // Every item taken had its thumbnail queued.
    DNCaptureController::shareCaptureQueue().waitForDone();
    for (const DNFileNodePtr &item : std::as_const(items))
        EXPECT_FALSE(item->thumbnail().isNull()) << item->path().toStdString();
}

TEST(OrderedFileProbe, EndingEarlyWaitsForTheFilesBeingRead)
{
    filestest::app();
    QStringList paths;
    for (int i = 0; i < 40; ++i)
        paths << media(QStringLiteral("clip.mkv"));
    auto probe = std::make_unique<DNOrderedFileProbe>(paths, 2);
    ASSERT_TRUE(filestest::waitFor([&] { return !probe->takeReady().isEmpty(); }));
    probe.reset();
    DNCaptureController::shareCaptureQueue().waitForDone();
}

} // namespace
