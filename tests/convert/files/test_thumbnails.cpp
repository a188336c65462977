#include "convert/files/DNCaptureController.h"
#include "convert/files/DNMediaFileProbe.h"
#include "files_test_support.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using filestest::media;

namespace {

DNFileNodePtr nodeWithTrack(int width, int height, float duration)
{
    auto node = std::make_shared<DNFileNode>();
    node->setPath(QStringLiteral("/films/any.mp4"));
    auto track = std::make_shared<DNTVideo>();
    track->width = width;
    track->height = height;
    track->duration = duration;
    node->videoTracks() << track;
    return node;
}

int fixedRandom() { return 27; }

bool samePixels(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class Thumbnails : public ::testing::Test
{
protected:
    void SetUp() override { filestest::app(); }
};

TEST_F(Thumbnails, GrabSecondAndSizeFollowTheFirstVideoTrack)
{
    const struct { int width; int height; float duration; int second; QSizeF size; } cases[] = {
        {1920, 1080, 600.0f, 10, {342, 192}},
        {640, 480, 7.0f, 3, {296, 222}},
        {640, 480, 10.0f, 5, {296, 222}},
        {640, 480, 1.0f, -1, {296, 222}},
        {640, 480, 0.0f, 7, {296, 222}}, // no length known: a pseudo-random second 0..9
    };
    for (const auto &c : cases) {
        const DNCapture job = DNCaptureController::planCapture(nodeWithTrack(c.width, c.height, c.duration), fixedRandom);
        EXPECT_EQ(job.captureTime, c.second) << c.duration;
        EXPECT_EQ(job.captureSize, c.size) << c.width << "x" << c.height;
    }
}

// A few grabs run side by side (most of a grab is the engine starting); each item gets its own
// frame, once.
TEST_F(Thumbnails, RealFramesArriveOncePerItem)
{
    auto &queue = DNCaptureController::shareCaptureQueue();
    QSignalSpy spy(&queue, &DNCaptureController::thumbnailChanged);
    QList<DNFileNodePtr> nodes;
    for (const char *file : {"clip.mp4", "clip.mkv", "clip.avi"})
        nodes << fileNodeWithFile(media(QString::fromUtf8(file)), true);
    for (const auto &node : nodes)
        ASSERT_TRUE(node);
    ASSERT_TRUE(filestest::waitFor([&] { return spy.size() >= 3; }));
    queue.waitForDone();
    QList<DNFileNodePtr> delivered;
    for (const QList<QVariant> &signal : std::as_const(spy))
        delivered << signal.at(0).value<DNFileNodePtr>();
    ASSERT_EQ(delivered.size(), 3);
    for (const DNFileNodePtr &node : std::as_const(nodes))
        EXPECT_EQ(delivered.count(node), 1);

    const QImage mp4 = nodes.at(0)->thumbnail();
    EXPECT_EQ(mp4.size(), QSize(296, 222));
    const QImage mkv = nodes.at(1)->thumbnail();
    EXPECT_EQ(mkv.width(), 342);
    // A frame of the moving test picture: many colours, unlike the placeholder.
    EXPECT_FALSE(samePixels(mp4, DNCaptureController::placeholder()));
    QSet<QRgb> colours;
    for (int y = 0; y < mp4.height(); y += 8)
        for (int x = 0; x < mp4.width(); x += 8)
            colours.insert(mp4.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
}

TEST_F(Thumbnails, PlaceholdersForFilesWithoutAFrame)
{
    auto &queue = DNCaptureController::shareCaptureQueue();
    const QImage plain = DNCaptureController::placeholder();
    const QImage drm = DNCaptureController::placeholder(QStringLiteral("DRM"));
    ASSERT_EQ(plain.size(), QSize(300, 200));
    ASSERT_FALSE(samePixels(plain, drm));

    // No video and protected video: at once, without a job.
    auto audioOnly = std::make_shared<DNFileNode>();
    audioOnly->setPath(media(QStringLiteral("audio.m4a")));
    queue.addJob(audioOnly);
    EXPECT_TRUE(samePixels(audioOnly->thumbnail(), plain));
    auto protectedFile = nodeWithTrack(640, 480, 60.0f);
    protectedFile->videoTracks().first()->codecCC = QStringLiteral("drmi");
    queue.addJob(protectedFile);
    EXPECT_TRUE(samePixels(protectedFile->thumbnail(), drm));

    // A file that is gone or cannot be decoded, and a film too short to grab: the plain one.
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("gone.mp4"));
    ASSERT_TRUE(QFile::copy(media(QStringLiteral("clip.mp4")), gone));
    const auto goneNode = fileNodeWithFile(gone, false);
    ASSERT_TRUE(goneNode);
    QFile::remove(gone);
    const QString cut = dir.filePath(QStringLiteral("cut.mp4"));
    {
        QFile source(media(QStringLiteral("clip.mp4")));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QFile out(cut);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(source.read(4096));
    }
    const auto cutNode = fileNodeWithFile(cut, false);
    ASSERT_TRUE(cutNode);
    auto shortNode = nodeWithTrack(320, 240, 1.0f);
    shortNode->setPath(media(QStringLiteral("clip.mp4")));
    for (const auto &node : {goneNode, cutNode, shortNode})
        queue.addJob(node);
    queue.waitForDone();
    ASSERT_TRUE(filestest::waitFor([&] { return !shortNode->thumbnail().isNull(); }));
    for (const auto &node : {goneNode, cutNode, shortNode})
        EXPECT_TRUE(samePixels(node->thumbnail(), plain)) << node->path().toStdString();
}
