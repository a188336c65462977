// The image-to-video engine run for real on the authored slideshow: the movie's length, what its
// frames show (the right photo, or the right transition between the right photos), its music,
// and that only a finished movie ever carries a name.
#include "engine_test_support.h"

#include "support/descriptors.h"
#include "support/ffprobe.h"
#include "support/privatemounts.h"
#include "support/testname.h"
#include "support/tone.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace enginetest;
using namespace slideshowfixture;
using slideshowframes::PlaneQuality;
using slideshowframes::planeQuality;

// How near the decoded planes come to the pictures drawn, in dB (see planeQuality). A standing
// photo is stored at MPEG-2's finest quantiser (44.6 to 48 dB of luma on the noisy photos
// here), a transition frame at the next (42.6 to 44); stored at 2 and 4 they come to 40.6 and
// 37 to 38, below these.
constexpr double kStillLumaDb = 43;
constexpr double kStillChromaDb = 44;
constexpr double kMotionLumaDb = 40;
constexpr double kMotionChromaDb = 40;

QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

double videoSeconds(const QString &path)
{
    return testsupport::firstStream(testsupport::ffprobe(path), QStringLiteral("video"))
        .value(QStringLiteral("duration")).toString().toDouble();
}

// Photos 3 to 6 (the fourth upright) at 1 s each: slots of 2 s, 8 s in all; the music (3 s and
// 2 s) plays once and then again from its start.
TEST(ImageToVideoEngine, DrawsEveryPhotoAndTransitionWithTheMusic)
{
    app();
    QTemporaryDir dir;
    JobSpec spec;
    spec.photos = photoPaths().mid(2, 4);
    spec.music = {lowMusic(), highMusic()};
    spec.effects = {7, 11}; // push, fade
    spec.target = dir.filePath("Quivra Converter test.mov");
    const EngineRun run = runEngine(writeJob(dir.filePath("job.plist"), spec));
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.path, spec.target);
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"Quivra Converter test.mov", "job.plist"}));

    // 200 frames, each reported with the photo it brings in or shows.
    ASSERT_EQ(run.progress.size(), 200);
    EXPECT_EQ(run.progress.first(), "progress:200:1:" + spec.photos.at(0));
    EXPECT_EQ(run.progress.at(60), "progress:200:61:" + spec.photos.at(1));
    EXPECT_EQ(run.progress.last(), "progress:200:200:" + spec.photos.at(3));

    EXPECT_NEAR(videoSeconds(run.path), 8.0, 1.0 / 25);
    EXPECT_TRUE(testsupport::decodesToEnd(run.path));
    // A picture for every frame, 25 a second, as a player and the conversion that follows expect.
    const QJsonObject video = testsupport::firstStream(testsupport::ffprobe(run.path), QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("nb_frames")).toString().toInt(), 200);
    EXPECT_EQ(video.value(QStringLiteral("avg_frame_rate")).toString(), QStringLiteral("25/1"));

    // Each photo alone in the second half of its slot.
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const auto frame = testsupport::grabFrame(run.path, 2.0 * k + 1.5);
        ASSERT_TRUE(frame);
        EXPECT_EQ(photoShown(*frame), k + 2);
        EXPECT_LT(meanDifference(*frame, expectedFrame(spec, int(std::lround((2.0 * k + 1.5) * 25)))), 4.0);
    }
    // The upright photo stands between black bands.
    const auto upright = testsupport::grabFrame(run.path, 2 * (kUprightPhoto - 2) + 1.5);
    ASSERT_TRUE(upright);
    EXPECT_LT(distance(upright->mean(0, 0, 20, 120), qRgb(0, 0, 0)), 30);

    // Half-way through each transition: the transition of its turn between the photo before
    // (the blank frame before the first) and its photo, unlike either.
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const int index = 50 * k + 12;
        const auto frame = testsupport::grabFrame(run.path, index / 25.0);
        ASSERT_TRUE(frame);
        EXPECT_LT(meanDifference(*frame, expectedFrame(spec, index)), 6.0);
        EXPECT_GT(meanDifference(*frame, expectedFrame(spec, 50 * k + 40)), 20.0);
        if (k > 0)
            EXPECT_GT(meanDifference(*frame, expectedFrame(spec, 50 * k - 5)), 20.0);
    }

    // 3 s of the low tone, 2 s of the high one, then the low one again until the end.
    struct Heard { double at; double hz; };
    for (const Heard &heard : {Heard{0.5, kLowHz}, Heard{3.5, kHighHz}, Heard{5.5, kLowHz}, Heard{7.4, kLowHz}}) {
        SCOPED_TRACE(heard.at);
        const auto tone = testsupport::measureTone(run.path, 0, heard.at, 0.4);
        ASSERT_TRUE(tone);
        EXPECT_NEAR(tone->frequencyHz, heard.hz, 15);
    }
    const QJsonObject audio = testsupport::firstStream(testsupport::ffprobe(run.path), QStringLiteral("audio"));
    EXPECT_NEAR(audio.value(QStringLiteral("duration")).toString().toDouble(), 8.0, 0.05);
}

// A photo standing alone is drawn and encoded once: every later frame of it shows exactly the
// same picture, however much detail it holds, and it is the photo as drawn.
TEST(ImageToVideoEngine, AStandingPhotoIsOnePictureShownAgainExactly)
{
    app();
    QTemporaryDir dir;
    const QString detailed = dir.filePath(QStringLiteral("detailed.jpg"));
    const testsupport::ProcessResult made = testsupport::runProcess(
        QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                   "testsrc2=size=320x240:rate=1,noise=c0s=20:allf=t", "-frames:v", "1", detailed});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    JobSpec spec;
    spec.photos = {detailed};
    spec.showDuration = 2.0; // one second in from the blank frame, then 50 frames standing
    spec.target = dir.filePath(QStringLiteral("standing.mov"));
    const EngineRun run = runEngine(writeJob(dir.filePath(QStringLiteral("job.plist")), spec));
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    const QJsonObject video = testsupport::firstStream(testsupport::ffprobe(run.path), QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("nb_frames")).toString().toInt(), 75);
    const auto first = testsupport::grabFrame(run.path, 1.02);
    const auto last = testsupport::grabFrame(run.path, 2.94);
    ASSERT_TRUE(first && last);
    EXPECT_EQ(first->rgb, last->rgb);
    // The master keeps the noise and the detail: what it loses is far below what a coarser
    // quantiser would.
    const auto planes = testsupport::grabPlanes(run.path, 2.94);
    ASSERT_TRUE(planes);
    const PlaneQuality quality = planeQuality(*planes, expectedFrame(spec, 73));
    EXPECT_GE(quality.luma, kStillLumaDb);
    EXPECT_GE(quality.chroma, kStillChromaDb);
}

// Two photos full of noise and fine lines, and the transitions between them: the movie shows
// each frame as the transition's plain formula draws it, at the master's quality (a transition
// frame is stored a little coarser than a standing photo).
TEST(ImageToVideoEngine, DetailedPhotosAndTheirTransitionsKeepTheirDetail)
{
    app();
    QTemporaryDir dir;
    const struct
    {
        const char *name;
        const char *source;
    } made[] = {{"noise.jpg", "testsrc2=size=320x240:rate=1,noise=c0s=40:c1s=20:c2s=20:allf=t"},
                {"fractal.jpg", "mandelbrot=size=320x240:rate=1,noise=c0s=30:allf=t"}};
    JobSpec spec;
    for (const auto &photo : made) {
        const QString path = dir.filePath(QString::fromLatin1(photo.name));
        const testsupport::ProcessResult result = testsupport::runProcess(
            QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i", photo.source, "-frames:v",
                                       "1", "-q:v", "2", path});
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
        spec.photos << path;
    }
    spec.effects = {9, 7, 3}; // twirl in from the blank frame, push, then a ripple
    spec.photos << spec.photos.first();
    spec.size = QSize(320, 240);
    spec.target = dir.filePath(QStringLiteral("detailed.mov"));
    const EngineRun run = runEngine(writeJob(dir.filePath(QStringLiteral("job.plist")), spec));
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    struct Moment
    {
        int frame;
        double lumaDb;
        double chromaDb;
    };
    for (const Moment &m : {Moment{12, kMotionLumaDb, kMotionChromaDb}, Moment{40, kStillLumaDb, kStillChromaDb}, Moment{62, kMotionLumaDb, kMotionChromaDb},
                            Moment{90, kStillLumaDb, kStillChromaDb}, Moment{108, kMotionLumaDb, kMotionChromaDb},
                            Moment{118, kMotionLumaDb, kMotionChromaDb}}) {
        SCOPED_TRACE(m.frame);
        const auto planes = testsupport::grabPlanes(run.path, m.frame / 25.0);
        ASSERT_TRUE(planes);
        const PlaneQuality quality = planeQuality(*planes, expectedFrame(spec, m.frame));
        EXPECT_GE(quality.luma, m.lumaDb);
        EXPECT_GE(quality.chroma, m.chromaDb);
    }
}

// The tiles play in the movie as in the editor: half-way, bands 20 rows high alternate, and in
// each band the new photo has come in from one side while the old one still fills the other.
TEST(ImageToVideoEngine, TilesSlideInAndOutInAlternatingBands)
{
    app();
    QTemporaryDir dir;
    JobSpec spec;
    spec.photos = photoPaths().mid(0, 3); // red, green, blue
    spec.effects = {12, 13};              // photo 1 tiles in, photo 2 tiles out
    spec.target = dir.filePath("tiles.mov");
    const EngineRun run = runEngine(writeJob(dir.filePath("job.plist"), spec));
    ASSERT_EQ(run.code, 0) << run.output.toStdString();

    // The photo a patch of the frame shows; rows count from the top. Rows 86 to 95 lie in a band
    // whose tiles come from the left, rows 106 to 115 in one whose tiles come from the right.
    const auto shown = [](const testsupport::Frame &frame, int x, int row) {
        const testsupport::Rgb c = frame.mean(x, row, 20, 10);
        for (int i = 0; i < kPhotoCount; ++i)
            if (distance(c, kColours[i]) <= 60)
                return i;
        return -1;
    };
    struct Half { int frame; int from; int to; bool tilesIn; };
    for (const Half &half : {Half{62, 0, 1, true}, Half{112, 1, 2, false}}) {
        SCOPED_TRACE(half.frame);
        const auto frame = testsupport::grabFrame(run.path, half.frame / 25.0);
        ASSERT_TRUE(frame);
        EXPECT_LT(meanDifference(*frame, expectedFrame(spec, half.frame)), 6.0);
        // Tiles in bring the new photo to the left half of the first band and the right half of
        // the second; tiles out uncover it on the other sides.
        const int leftFirst = half.tilesIn ? half.to : half.from;
        const int rightFirst = half.tilesIn ? half.from : half.to;
        EXPECT_EQ(shown(*frame, 20, 86), leftFirst);
        EXPECT_EQ(shown(*frame, 120, 86), rightFirst);
        EXPECT_EQ(shown(*frame, 20, 106), rightFirst);
        EXPECT_EQ(shown(*frame, 120, 106), leftFirst);
    }
}

// Music longer than the movie is cut at its end; no music makes a movie without sound; no
// transitions cut from photo to photo.
TEST(ImageToVideoEngine, CutsLongMusicAndMakesSilentMoviesWithoutIt)
{
    app();
    QTemporaryDir dir;
    JobSpec spec;
    spec.photos = photoPaths().mid(0, 1);
    spec.showDuration = 1.0;
    spec.music = {lowMusic()};
    spec.target = dir.filePath("cut.mov");
    EngineRun run = runEngine(writeJob(dir.filePath("cut.plist"), spec));
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    const QJsonObject audio = testsupport::firstStream(testsupport::ffprobe(run.path), QStringLiteral("audio"));
    EXPECT_NEAR(audio.value(QStringLiteral("duration")).toString().toDouble(), 2.0, 0.05);

    spec.music.clear();
    spec.photos = photoPaths().mid(0, 2);
    spec.target = dir.filePath("silent.mov");
    run = runEngine(writeJob(dir.filePath("silent.plist"), spec));
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    EXPECT_TRUE(testsupport::codecsOf(testsupport::ffprobe(run.path), QStringLiteral("audio")).isEmpty());
    // The cut: the second photo from the first frame of its slot on.
    const auto frame = testsupport::grabFrame(run.path, 2.0);
    ASSERT_TRUE(frame);
    EXPECT_EQ(photoShown(*frame), 1);
}

TEST(ImageToVideoEngine, AMovieAlreadyThereKeepsItsName)
{
    app();
    QTemporaryDir dir;
    JobSpec spec;
    spec.photos = photoPaths().mid(0, 1);
    spec.target = dir.filePath("show.mov");
    QFile existing(spec.target);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    const EngineRun run = runEngine(writeJob(dir.filePath("job.plist"), spec));
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    EXPECT_EQ(run.path, dir.filePath("show (1).mov"));
    QFile kept(spec.target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep me");
}

// The engine's encoder holds its frame pipe and the standard descriptors, and none of what the
// engine was started with (descriptor 7 here); a stand-in in ffmpeg's place (in mounts of this
// test's own) lists what it holds.
TEST(ImageToVideoEngine, TheEncoderHoldsNoneOfTheEnginesOwnDescriptors)
{
    app();
    const testsupport::DescriptorWatch watch(QStringLiteral("ffmpeg"), 1);
    ASSERT_TRUE(watch.isReady());
    testsupport::PrivateMounts mounts;
    if (!mounts.bindFile(watch.standIn, QStringLiteral("/usr/bin/ffmpeg")))
        GTEST_SKIP() << "mounts of the test's own need the right to mount: " << mounts.why().toStdString();
    JobSpec spec;
    spec.photos = photoPaths().mid(0, 1);
    spec.target = watch.folder.filePath("show.mov");
    const EngineRun run = runEngine(writeJob(watch.folder.filePath("job.plist"), spec));
    ASSERT_TRUE(QFileInfo::exists(watch.listing)) << run.output.toStdString();
    const QMap<int, QString> listed = watch.listed();
    EXPECT_EQ(listed.keys(), (QList<int>{0, 1, 2})) << testsupport::describeDescriptors(listed).toStdString();
    EXPECT_TRUE(listed.value(0).startsWith(QStringLiteral("pipe:"))) << "the frames' pipe";
}

struct Refusal
{
    const char *what;
    int code;
    std::function<QString(QTemporaryDir &)> job; // the job file's path
};

class ImageToVideoEngineRefusal : public ::testing::TestWithParam<Refusal>
{
};

// Whatever goes wrong, the engine says so in its result line, exits with a failure and leaves
// no file.
TEST_P(ImageToVideoEngineRefusal, ReportsItsCodeAndLeavesNothing)
{
    app();
    QTemporaryDir dir;
    const QString job = GetParam().job(dir);
    const QStringList before = filesIn(dir.path());
    const EngineRun run = runEngine(job);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.code, GetParam().code) << run.output.toStdString();
    EXPECT_TRUE(run.path.isEmpty());
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(filesIn(dir.path()), before);
}

JobSpec onePhotoInto(QTemporaryDir &dir)
{
    JobSpec spec;
    spec.photos = photoPaths().mid(0, 1);
    spec.target = dir.filePath("out.mov");
    return spec;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImageToVideoEngineRefusal,
    ::testing::Values(
        Refusal{"no job file", NXImageEngineBadJob, [](QTemporaryDir &dir) { return dir.filePath("none.plist"); }},
        Refusal{"a job that is no property list", NXImageEngineBadJob,
                [](QTemporaryDir &dir) {
                    QFile f(dir.filePath("job.plist"));
                    f.open(QIODevice::WriteOnly);
                    f.write("not a list");
                    return f.fileName();
                }},
        Refusal{"no readable photo", NXImageEngineNoPhoto,
                [](QTemporaryDir &dir) {
                    JobSpec spec = onePhotoInto(dir);
                    spec.photos = {dir.filePath("missing.jpg"), testsupport::fixturePath("photos/album/broken.jpg")};
                    return writeJob(dir.filePath("job.plist"), spec);
                }},
        Refusal{"an output folder that does not exist", NXImageEngineEncoderFailed,
                [](QTemporaryDir &dir) {
                    JobSpec spec = onePhotoInto(dir);
                    spec.target = dir.filePath("gone/out.mov");
                    return writeJob(dir.filePath("job.plist"), spec);
                }}),
    [](const auto &info) { return testsupport::testName(info.param.what); });

// SIGTERM (what the program's Stop sends) ends the engine and its ffmpeg at once; neither the
// movie nor its hidden file is left.
TEST(ImageToVideoEngine, StopLeavesNoFile)
{
    app();
    QTemporaryDir dir;
    JobSpec spec;
    spec.photos = photoPaths();
    spec.showDuration = 10;
    spec.music = {lowMusic()};
    spec.target = dir.filePath("stopped.mov");
    const QString job = writeJob(dir.filePath("job.plist"), spec);
    QProcess engine;
    engine.start(enginePath(), {job});
    ASSERT_TRUE(engine.waitForStarted());
    QByteArray output;
    while (!output.contains("progress:") && engine.waitForReadyRead(30000))
        output += engine.readAllStandardOutput();
    ASSERT_TRUE(output.contains("progress:"));
    engine.terminate();
    ASSERT_TRUE(engine.waitForFinished(10000));
    output += engine.readAllStandardOutput();
    EXPECT_EQ(parseEngineOutput(QString::fromUtf8(output)).code, NXImageEngineStopped);
    EXPECT_NE(engine.exitCode(), 0);
    EXPECT_EQ(filesIn(dir.path()), QStringList{"job.plist"});
}

} // namespace
