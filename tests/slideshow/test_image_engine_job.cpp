// The image-to-video job as the program writes it and the engine reads it, and the timeline that
// says what each moment of the movie shows.
#include "core/plist/DNPropertyList.h"
#include "slideshow/engine/NXImageEngineJob.h"
#include "slideshow/engine/NXSlideshowTimeline.h"
#include "slideshow/transitions/NXTransitionTypes.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QVariantMap completeJob()
{
    return {{NXImageEngineKey::showDuration, 2.5},
            {NXImageEngineKey::effectList, QVariantList{3, 7}},
            {NXImageEngineKey::imageSquenes, QVariantList{"/p/a.jpg", "/p/b.jpg"}},
            {NXImageEngineKey::audioList, QVariantList{"/m/one.mp3"}},
            {NXImageEngineKey::videoFPS, 29.97},
            {NXImageEngineKey::videoSize, "{1281, 720}"},
            {NXImageEngineKey::targetPath, "/out/Quivra Converter x.mov"},
            {NXImageEngineKey::shadingImage, "/res/NXI2VShading.tiff"},
            {NXImageEngineKey::blankImage, "/res/NXI2VBlank.jpg"}};
}

TEST(ImageEngineJob, SizeTextIsTheBracedPair)
{
    EXPECT_EQ(NXStringFromSize(QSizeF(1280, 720)), "{1280, 720}");
    EXPECT_EQ(NXStringFromSize(QSizeF(320.5, 240)), "{320.5, 240}");
    EXPECT_EQ(NXSizeFromString("{1280, 720}"), QSizeF(1280, 720));
    EXPECT_EQ(NXSizeFromString(" {640,480} "), QSizeF(640, 480));
    EXPECT_FALSE(NXSizeFromString("1280x720").isValid());
    EXPECT_FALSE(NXSizeFromString("{1280}").isValid());
}

TEST(ImageEngineJob, HiddenNameLiesBesideTheTargetWithItsSuffix)
{
    EXPECT_EQ(NXHiddenRenderPath("/out/Quivra Converter x.mov"), "/out/.Quivra Converter x.rendering.mov");
    EXPECT_EQ(NXHiddenRenderPath("/out/a.b.mp4"), "/out/.a.b.rendering.mp4");

    // A target name as long as a file system takes gives a hidden name it takes too, cut at a
    // character boundary.
    QTemporaryDir dir;
    const QString target = dir.filePath(QString(125, QChar(0x00e9)) + QStringLiteral(".mov"));
    const QString hidden = QFileInfo(NXHiddenRenderPath(target)).fileName();
    EXPECT_LE(hidden.toUtf8().size(), 255);
    EXPECT_GE(hidden.toUtf8().size(), 254);
    EXPECT_TRUE(hidden.startsWith(QStringLiteral(".\u00e9")));
    EXPECT_TRUE(hidden.endsWith(QStringLiteral("\u00e9.rendering.mov")));
}

TEST(ImageEngineJob, ReadsWhatTheProgramWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("job.plist");
    ASSERT_TRUE(writePropertyList(completeJob(), path, DNPropertyListFormat::XML));
    QString error;
    const auto job = NXImageEngineJob::read(path, &error);
    ASSERT_TRUE(job) << error.toStdString();
    EXPECT_DOUBLE_EQ(job->showDuration, 2.5);
    EXPECT_EQ(job->effects, (QList<int>{3, 7}));
    EXPECT_EQ(job->photos, (QStringList{"/p/a.jpg", "/p/b.jpg"}));
    EXPECT_EQ(job->music, QStringList{"/m/one.mp3"});
    EXPECT_DOUBLE_EQ(job->fps, 29.97);
    // Encoders take even sizes.
    EXPECT_EQ(job->frameSize, QSize(1280, 720));
    EXPECT_EQ(job->targetPath, "/out/Quivra Converter x.mov");
    EXPECT_EQ(job->blankImage, "/res/NXI2VBlank.jpg");
}

TEST(ImageEngineJob, MusicAndTransitionsMayBeLeftOut)
{
    QVariantMap map = completeJob();
    map.remove(NXImageEngineKey::audioList);
    map.remove(NXImageEngineKey::effectList);
    const auto job = NXImageEngineJob::fromPropertyList(map);
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->music.isEmpty());
    EXPECT_TRUE(job->effects.isEmpty());
}

struct BadJob
{
    const char *what;
    QString key;
    QVariant value; // invalid: the key is removed
};

class ImageEngineBadJob : public ::testing::TestWithParam<BadJob>
{
};

TEST_P(ImageEngineBadJob, IsRefusedWithAReason)
{
    QVariantMap map = completeJob();
    if (GetParam().value.isValid())
        map.insert(GetParam().key, GetParam().value);
    else
        map.remove(GetParam().key);
    QString error;
    EXPECT_FALSE(NXImageEngineJob::fromPropertyList(map, &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImageEngineBadJob,
    ::testing::Values(BadJob{"no photo", NXImageEngineKey::imageSquenes, QVariantList{}},
                      BadJob{"photos not an array", NXImageEngineKey::imageSquenes, "/p/a.jpg"},
                      BadJob{"an empty photo path", NXImageEngineKey::imageSquenes, QVariantList{""}},
                      BadJob{"no frame rate", NXImageEngineKey::videoFPS, QVariant()},
                      BadJob{"a zero duration", NXImageEngineKey::showDuration, 0.0},
                      BadJob{"a size in another form", NXImageEngineKey::videoSize, "1280x720"},
                      BadJob{"a one-pixel size", NXImageEngineKey::videoSize, "{1, 1}"},
                      BadJob{"no target", NXImageEngineKey::targetPath, QVariant()},
                      BadJob{"a transition that is no number", NXImageEngineKey::effectList, QVariantList{"x"}}),
    [](const auto &info) { return std::string("row") + std::to_string(info.index); });

TEST(ImageEngineJob, AFileThatIsNoPropertyListIsRefused)
{
    QString error;
    EXPECT_FALSE(NXImageEngineJob::read("/nonexistent/job.plist", &error));
    EXPECT_FALSE(error.isEmpty());
}

// Three photos at 2 s each: slots of 3 s, the first second of each a transition.
TEST(SlideshowTimeline, EachPhotoHasASecondOfTransitionThenStandsAlone)
{
    const NXSlideshowTimeline timeline(3, 2.0, 25, {5, 9});
    EXPECT_DOUBLE_EQ(timeline.duration(), 9.0);
    EXPECT_EQ(timeline.totalFrames(), 225);

    struct Row { double t; int photo; int previous; int transition; double elapsed; };
    const Row rows[] = {
        {0.0, 0, -1, 5, 0.0},   // from the blank frame
        {0.5, 0, -1, 5, 0.5},
        {1.0, 0, -1, 5, 1.0},   // the photo alone
        {2.99, 0, -1, 5, 1.0},
        {3.0, 1, 0, 9, 0.0},    // effects taken in turn
        {3.25, 1, 0, 9, 0.25},
        {6.5, 2, 1, 5, 0.5},    // and again from the first
        {8.9, 2, 1, 5, 1.0},
        {20.0, 2, 1, 5, 1.0},   // past the end: the last photo
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.t);
        const auto moment = timeline.momentAtTime(row.t);
        EXPECT_EQ(moment.photo, row.photo);
        EXPECT_EQ(moment.previous, row.previous);
        EXPECT_EQ(moment.transition, row.transition);
        EXPECT_NEAR(moment.elapsed, row.elapsed, 1e-9);
    }
    // Frame 75 starts the second slot exactly.
    EXPECT_EQ(timeline.momentOfFrame(75).photo, 1);
    EXPECT_EQ(timeline.momentOfFrame(74).photo, 0);
}

TEST(SlideshowTimeline, NoTransitionsCutAndFractionalRatesRound)
{
    const NXSlideshowTimeline timeline(2, 1.5, 29.97, {});
    EXPECT_EQ(timeline.transitionInto(1), NXTransitionCut);
    EXPECT_FALSE(timeline.momentAtTime(2.5).inTransition());
    EXPECT_EQ(timeline.momentAtTime(2.5).photo, 1);
    EXPECT_EQ(timeline.totalFrames(), 150); // 5 s at 29.97
    EXPECT_EQ(NXSlideshowTimeline(0, 2.0, 25, {}).totalFrames(), 0);
}

} // namespace
