// The slideshow road without windows: the job filled from an item and its profile, the driver's
// slideshow branch, and the whole road (render, then convert) with its intermediate removed.
#include "../../slideshow/slideshow_fixture.h"
#include "../driver/DriverTestSupport.h"
#include "../files/files_test_support.h"

#include "convert/driver/DNVideoConverter.h"
#include "convert/slideshow/NXSlideshowConversion.h"
#include "dvd/file/DNFileNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"
#include "slideshow/engine/NXImageEngineJob.h"
#include "support/ffprobe.h"

#include <gtest/gtest.h>

namespace {

using namespace slideshowfixture;

std::shared_ptr<DNProfile> videoProfile(const char *name = "Video_MP4_H264.plist")
{
    return DNProfile::parserFromContentOfFile(testsupport::buildDir() + QStringLiteral("/share/talvane/profiles/Video/")
                                              + QLatin1String(name));
}

DNImageNodePtr photo(const QString &path, QSizeF size, int orientation = 1)
{
    auto node = std::make_shared<DNImageNode>();
    node->setPath(path);
    node->setResolution(size);
    node->setOrientation(orientation);
    return node;
}

DNGraphicsNodePtr slideshowOf(const QList<DNImageNodePtr> &photos)
{
    auto folder = std::make_shared<DNImageNode>();
    folder->setType(DNImageNode::Folder);
    folder->setImageNodes(photos);
    auto node = std::make_shared<DNGraphicsNode>();
    node->imageNodes().append(folder);
    return node;
}

TEST(SlideshowConversion, FrameRateIsTheProfilesOrTwentyFive)
{
    const auto profile = videoProfile();
    profile->videoFrameRate()->setCurrentValue("29.97");
    EXPECT_FLOAT_EQ(NXSlideshowFrameRate(profile.get()), 29.97f);
    profile->videoFrameRate()->setCurrentValue("keep origin");
    EXPECT_FLOAT_EQ(NXSlideshowFrameRate(profile.get()), 25.0f);
    EXPECT_FLOAT_EQ(NXSlideshowFrameRate(nullptr), 25.0f);
}

TEST(SlideshowConversion, FrameSizeIsTheProfilesOrTheBiggestPhotos)
{
    const auto profile = videoProfile();
    profile->videoResolution()->setCurrentValue("640x360");
    const auto mixed = slideshowOf({photo("/a.jpg", {320, 240}), photo("/b.jpg", {600, 400}, 6), photo("/c.jpg", {200, 100})});
    EXPECT_EQ(NXSlideshowFrameSize(*mixed, profile.get()), QSizeF(640, 360));
    profile->videoResolution()->setCurrentValue("keep origin");
    // The turned photo is shown 400 x 600.
    EXPECT_EQ(NXSlideshowFrameSize(*mixed, profile.get()), QSizeF(400, 600));
    const auto huge = slideshowOf({photo("/h.jpg", {4001, 3001})});
    EXPECT_EQ(NXSlideshowFrameSize(*huge, profile.get()), QSizeF(1438, 1080));
    const auto unknown = slideshowOf({photo("/u.jpg", {0, 0})});
    EXPECT_EQ(NXSlideshowFrameSize(*unknown, profile.get()), QSizeF(1280, 720));
}

TEST(SlideshowConversion, TheJobComesFromTheItemAndItsProfile)
{
    filestest::app();
    const std::atomic_bool never{false};
    const DNGraphicsNodePtr node = DNGraphicsNode::graphicsNodeWithDirs({photosFolder()}, &never);
    node->setProfile(videoProfile());
    node->profile()->videoResolution()->setCurrentValue("854x480");
    node->profile()->videoFrameRate()->setCurrentValue("25");
    node->setting()->setInterval(4.0f);
    node->setting()->setTransitions(QList<qint32>{2, 9});
    node->audioTracks() << DNGraphicsAudio::graphicsAudio(highMusic()) << DNGraphicsAudio::graphicsAudio(lowMusic());

    NXImageEngine engine;
    NXFillImageEngineJob(engine, *node);
    const QVariantMap &job = engine.storage();
    QVariantList photos;
    for (const QString &path : photoPaths())
        photos << path;
    EXPECT_EQ(job.value(NXImageEngineKey::imageSquenes).toList(), photos);
    EXPECT_EQ(job.value(NXImageEngineKey::effectList).toList(), (QVariantList{2, 9}));
    EXPECT_EQ(job.value(NXImageEngineKey::audioList).toList(), (QVariantList{highMusic(), lowMusic()}));
    EXPECT_DOUBLE_EQ(job.value(NXImageEngineKey::showDuration).toDouble(), 4.0);
    EXPECT_DOUBLE_EQ(job.value(NXImageEngineKey::videoFPS).toDouble(), 25.0);
    EXPECT_EQ(job.value(NXImageEngineKey::videoSize).toString(), "{854, 480}");
}

TEST(SlideshowConversion, ASlideshowWithoutARenderedMovieIsNotConverted)
{
    const auto node = slideshowOf({photo("/a.jpg", {320, 240})});
    node->setProfile(videoProfile());
    EXPECT_EQ(DNVideoConverterStart(node.get(), 0, nullptr, nullptr), ConvertResultFailed);
}

// Two photos and a little music, rendered and converted: the output only, no intermediate.
TEST(SlideshowConversion, RendersThenConvertsAndKeepsOnlyTheOutput)
{
    filestest::app();
    QTemporaryDir out;
    drivertest::useOutputFolder(out.path());
    const auto node = slideshowOf({photo(photoPath(0), {320, 240}), photo(photoPath(1), {320, 240})});
    node->initializeConfigOnDidLoadDVDInfo("/photos/Two Colours");
    node->setProfile(videoProfile());
    node->setting()->setInterval(1.0f);
    node->audioTracks() << DNGraphicsAudio::graphicsAudio(lowMusic());
    NXImageEngine engine;
    bool renderedSeen = false;
    const int result = NXConvertSlideshowItem(*node, engine, nullptr, nullptr,
                                              {[&] { renderedSeen = QFileInfo::exists(engine.finiallyVideoPath()); }, {}});
    ASSERT_EQ(result, 0);
    EXPECT_TRUE(renderedSeen);
    ASSERT_TRUE(node->fileNode());
    const QString output = node->fileNode()->outputName();
    EXPECT_EQ(output, QDir(out.path()).filePath("Two Colours.mp4"));
    EXPECT_EQ(drivertest::filesIn(out.path()), QStringList{"Two Colours.mp4"});
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_NEAR(testsupport::durationOf(probe), 4.0, 0.1);
    EXPECT_EQ(testsupport::codecsOf(probe, "audio"), QStringList{"aac"});
}

// A stop before the engine starts renders nothing and converts nothing.
TEST(SlideshowConversion, AStoppedRoadLeavesNothing)
{
    filestest::app();
    QTemporaryDir out;
    drivertest::useOutputFolder(out.path());
    const auto node = slideshowOf({photo(photoPath(0), {320, 240})});
    node->setProfile(videoProfile());
    NXImageEngine engine;
    EXPECT_EQ(NXConvertSlideshowItem(*node, engine, nullptr, nullptr, {{}, [] { return true; }}), ConvertResultStopped);
    EXPECT_TRUE(drivertest::filesIn(out.path()).isEmpty());
}

} // namespace
