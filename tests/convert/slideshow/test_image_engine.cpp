// The image-to-video job object: what it writes for the engine, how it reads the engine's lines,
// which engine it chooses, and real runs of the engine with a stop from another thread and with
// the engine missing.
#include "../../slideshow/slideshow_fixture.h"
#include "../files/files_test_support.h"

#include "convert/slideshow/NXImageEngine.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNPartialOutput.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "slideshow/engine/NXImageEngineJob.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace slideshowfixture;

void useOutputFolder(const QString &folder)
{
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(folder);
}

QStringList visibleAndHiddenFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(NXImageEngine, TheJobNamesItsPicturesAndAnOutputInTheOutputFolder)
{
    useOutputFolder("/movies/out");
    NXImageEngine engine;
    const QVariantMap &job = engine.storage();
    EXPECT_TRUE(job.value(NXImageEngineKey::shadingImage).toString().endsWith("/NXI2VShading.tiff"));
    EXPECT_TRUE(job.value(NXImageEngineKey::blankImage).toString().endsWith("/NXI2VBlank.jpg"));
    const QString target = job.value(NXImageEngineKey::targetPath).toString();
    EXPECT_TRUE(QRegularExpression(R"(^/movies/out/Quivra Converter \d{4}-\d\d-\d\d at (AM|PM) [01]\d\.\d\d\.\d\d\.mov$)")
                    .match(target).hasMatch()) << target.toStdString();

    engine.setShowDuration(3.5f);
    engine.setFrameRate(29.97f);
    engine.setVideoFrameResolution(QSizeF(640, 360));
    engine.setDataSource(QVariantList{"/p/a.jpg"});
    engine.setEffectList(QVariantList{4});
    engine.setAudioList(QVariantList{});
    // One job: the output path keeps the date of the first use.
    EXPECT_EQ(&engine.storage(), &job);
    EXPECT_EQ(job.value(NXImageEngineKey::targetPath).toString(), target);
    EXPECT_DOUBLE_EQ(job.value(NXImageEngineKey::showDuration).toDouble(), 3.5);
    EXPECT_NEAR(job.value(NXImageEngineKey::videoFPS).toDouble(), 29.97, 1e-5);
    EXPECT_EQ(job.value(NXImageEngineKey::videoSize).toString(), "{640, 360}");
    EXPECT_EQ(job.value(NXImageEngineKey::imageSquenes).toList(), QVariantList{"/p/a.jpg"});
    EXPECT_EQ(job.value(NXImageEngineKey::effectList).toList(), QVariantList{4});
}

TEST(NXImageEngine, ReadsProgressAndResultLines)
{
    QTemporaryDir dir;
    const QString log = filestest::freshLog(dir);
    NXImageEngine engine;
    EXPECT_FALSE(engine.currentImagePath());
    EXPECT_TRUE(engine.finiallyVideoPath().isEmpty());

    engine.onMPlayerOutputChanged("progress:120:7:/photos/a.jpg\n");
    EXPECT_EQ(engine.totalFrames(), 120u);
    EXPECT_EQ(engine.currentFrame(), 7u);
    EXPECT_EQ(engine.currentImagePath(), "/photos/a.jpg");

    // A photo path with a ":" is passed over.
    engine.onMPlayerOutputChanged("progress:120:8:/photos/a:b.jpg\n");
    EXPECT_EQ(engine.currentFrame(), 7u);

    // Lines come whole however the pipe cuts them, and each line of a chunk counts.
    engine.onMPlayerOutputChanged("progress:120:9:/photos/b.jpg\nprogress:12");
    EXPECT_EQ(engine.currentFrame(), 9u);
    engine.onMPlayerOutputChanged("0:10:/photos/c.jpg\nresult:0:/out/x.mov\n");
    EXPECT_EQ(engine.currentFrame(), 10u);
    EXPECT_EQ(engine.currentImagePath(), "/photos/c.jpg");
    EXPECT_EQ(engine.finiallyVideoPath(), "/out/x.mov");
    EXPECT_TRUE(filestest::readText(log).contains("success for encode image to video:/out/x.mov"));

    // An output folder may hold a ":": the path is the rest of the line.
    engine.onMPlayerOutputChanged("result:0:/out/a: b/x.mov\n");
    EXPECT_EQ(engine.finiallyVideoPath(), "/out/a: b/x.mov");

    engine.onMPlayerOutputChanged("result:3:\n");
    EXPECT_TRUE(engine.finiallyVideoPath().isEmpty());
    EXPECT_TRUE(filestest::readText(log).contains("err for encode image to video"));

    engine.onMPlayerOutputChanged("something else\n");
    EXPECT_EQ(engine.currentFrame(), 10u);
}

TEST(NXImageEngine, OneEngineServesEverySystemAndTheChoiceIsLogged)
{
    QTemporaryDir dir;
    const QString log = filestest::freshLog(dir);
    const QString older = NXImageEngine::execute_bin_path(0x1068);
    EXPECT_TRUE(filestest::readText(log).contains("Convert image to video, use QT engine"));
    const QString newer = NXImageEngine::execute_bin_path(0x1070);
    EXPECT_TRUE(filestest::readText(log).contains("Convert image to video, use AV engine"));
    EXPECT_EQ(older, newer);
    EXPECT_EQ(newer, DNBundle::pathForCompanion("HarnvaleAVEngine"));
    EXPECT_TRUE(QFileInfo(newer).isExecutable());
}

NXImageEngine &fill(NXImageEngine &engine, const QStringList &photos, double seconds)
{
    QVariantList list;
    for (const QString &p : photos)
        list << p;
    engine.setDataSource(list);
    engine.setEffectList(QVariantList{1});
    engine.setAudioList(QVariantList{lowMusic()});
    engine.setShowDuration(float(seconds));
    engine.setFrameRate(25);
    engine.setVideoFrameResolution(QSizeF(160, 120));
    return engine;
}

TEST(NXImageEngine, RunsTheEngineToItsResult)
{
    filestest::app();
    QTemporaryDir out;
    useOutputFolder(out.path());
    NXImageEngine engine;
    fill(engine, photoPaths().mid(0, 2), 1.0).beginEncoding();
    const QString movie = engine.finiallyVideoPath();
    ASSERT_FALSE(movie.isEmpty());
    EXPECT_EQ(QFileInfo(movie).absolutePath(), QDir(out.path()).absolutePath());
    // The movie is only the input of a conversion: it never carries a final name.
    EXPECT_TRUE(QFileInfo(movie).fileName().startsWith(QLatin1Char('.'))) << movie.toStdString();
    EXPECT_EQ(visibleAndHiddenFiles(out.path()), QStringList{QFileInfo(movie).fileName()});
    EXPECT_EQ(engine.totalFrames(), 100u);
    EXPECT_EQ(engine.currentFrame(), 100u);
    EXPECT_EQ(engine.currentImagePath(), photoPath(1));
    EXPECT_FALSE(engine.isStoped());
    DNPartialOutput::discard(movie);
    EXPECT_TRUE(visibleAndHiddenFiles(out.path()).isEmpty());
}

// Two jobs into one folder in the same second have the same target; each renders under a name
// of its own.
TEST(NXImageEngine, TwoJobsAtOnceIntoOneFolderEachGetTheirOwnMovie)
{
    filestest::app();
    QTemporaryDir out;
    useOutputFolder(out.path());
    NXImageEngine first, second;
    fill(first, photoPaths().mid(0, 2), 1.0);
    fill(second, photoPaths().mid(2, 2), 1.0);
    second.storage().insert(NXImageEngineKey::targetPath, first.storage().value(NXImageEngineKey::targetPath));
    std::thread other([&second] { second.beginEncoding(); });
    first.beginEncoding();
    other.join();
    const QString a = first.finiallyVideoPath(), b = second.finiallyVideoPath();
    ASSERT_FALSE(a.isEmpty());
    ASSERT_FALSE(b.isEmpty());
    EXPECT_NE(a, b);
    QStringList movies{QFileInfo(a).fileName(), QFileInfo(b).fileName()};
    movies.sort();
    EXPECT_EQ(visibleAndHiddenFiles(out.path()), movies);
    DNPartialOutput::discard(a);
    DNPartialOutput::discard(b);
}

// Stop comes from another thread (the progress sheet's button) while the engine works.
TEST(NXImageEngine, StopEndsTheEngineAndLeavesNoFile)
{
    filestest::app();
    QTemporaryDir out;
    useOutputFolder(out.path());
    NXImageEngine engine;
    fill(engine, photoPaths(), 10.0);
    std::thread stopper([&engine] {
        while (engine.currentFrame() < 3)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        engine.stopEncoding();
    });
    engine.beginEncoding();
    stopper.join();
    EXPECT_TRUE(engine.isStoped());
    EXPECT_TRUE(engine.finiallyVideoPath().isEmpty());
    EXPECT_LT(engine.currentFrame(), engine.totalFrames());
    EXPECT_TRUE(visibleAndHiddenFiles(out.path()).isEmpty());
}

// Without its engine the job fails with a log line, and the program goes on.
TEST(NXImageEngine, AMissingEngineIsReportedNotFatal)
{
    QTemporaryDir dir;
    const QString log = filestest::freshLog(dir);
    useOutputFolder(dir.path());
    DNBundle::setPrefixOverride(dir.filePath("nowhere"));
    NXImageEngine engine;
    fill(engine, photoPaths().mid(0, 1), 1.0).beginEncoding();
    DNBundle::setPrefixOverride({});
    EXPECT_TRUE(engine.finiallyVideoPath().isEmpty());
    EXPECT_TRUE(filestest::readText(log).contains("The image-to-video engine")) << filestest::readText(log).toStdString();
}

} // namespace
