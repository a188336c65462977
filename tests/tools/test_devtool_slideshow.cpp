// talvane-devtool slideshow: a photo folder and its music rendered and converted with a profile
// as the Convert command does it (into a folder of any name), and a one-line reason with a
// non-zero exit status otherwise. A signal stops it as the Stop button does, and a run killed at
// any moment leaves nothing under a final name and nothing the next start does not remove.
#include "../slideshow/slideshow_fixture.h"
#include "DevtoolRunSupport.h"

#include "support/ffprobe.h"
#include "support/frames.h"
#include "support/process.h"
#include "support/tone.h"

#include <csignal>

namespace {

using namespace slideshowfixture;

testsupport::ProcessResult devtool(const QStringList &arguments)
{
    return testsupport::runProcess(testsupport::buildDir() + QStringLiteral("/bin/talvane-devtool"), arguments);
}

// Twelve photos at the default 2 s: slots of 3 s, 36 s in all, with the two tunes in turn.
TEST(DevtoolSlideshow, RendersAndConvertsAPhotoFolder)
{
    QTemporaryDir out;
    const auto run = devtool({"slideshow", "Video_MP4_H264.plist", out.path(), photosFolder(), "--music", lowMusic(),
                              "--music", highMusic()});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QString output = QDir(out.path()).filePath("photos.mp4");
    EXPECT_TRUE(QString::fromUtf8(run.output).contains(output + "\n"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"photos.mp4"});

    const QJsonObject probe = testsupport::ffprobe(output);
    const QJsonObject video = testsupport::firstStream(probe, "video");
    EXPECT_NEAR(video.value("duration").toString().toDouble(), 36.0, 1.0 / 25);
    // The frame of the biggest photo, the first of them.
    EXPECT_EQ(video.value("width").toInt(), 320);
    EXPECT_EQ(video.value("height").toInt(), 240);
    for (int k : {0, 5, 11}) {
        SCOPED_TRACE(k);
        const auto frame = testsupport::grabFrame(output, 3.0 * k + 2.0);
        ASSERT_TRUE(frame);
        EXPECT_EQ(photoShown(*frame), k);
    }
    const auto tone = testsupport::measureTone(output, 0, 3.5, 1.0);
    ASSERT_TRUE(tone);
    EXPECT_NEAR(tone->frequencyHz, kHighHz, 15);
}

// An output folder whose name holds a line break: the movie the engine renders there is handed
// back whole and converted, and nothing else stays in the folder.
TEST(DevtoolSlideshow, RendersIntoAFolderWhoseNameHoldsALineBreak)
{
    QTemporaryDir parent;
    const QString out = parent.filePath(QStringLiteral("two\nlines"));
    ASSERT_TRUE(QDir().mkpath(out));
    const auto run = devtool({"slideshow", "Video_MP4_H264.plist", out, photosFolder()});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"photos.mp4"});
    const QJsonObject video = testsupport::firstStream(testsupport::ffprobe(QDir(out).filePath("photos.mp4")), "video");
    EXPECT_NEAR(video.value("duration").toString().toDouble(), 36.0, 1.0 / 25);
}

struct Refusal
{
    const char *what;
    QStringList arguments; // after "slideshow"; "OUT" stands for the output folder
    const char *says;
};

class DevtoolSlideshowRefusal : public ::testing::TestWithParam<Refusal>
{
};

TEST_P(DevtoolSlideshowRefusal, SaysWhyInOneLine)
{
    QTemporaryDir out;
    QStringList arguments{"slideshow"};
    for (const QString &a : GetParam().arguments)
        arguments << (a == "OUT" ? out.path() : a);
    const auto run = devtool(arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.contains(GetParam().says)) << run.output.toStdString();
    EXPECT_TRUE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DevtoolSlideshowRefusal,
    ::testing::Values(
        Refusal{"no folder", {"Video_MP4_H264.plist", "OUT"}, "usage:"},
        Refusal{"no profile", {"Nothing.plist", "OUT", photosFolder()}, "no profile"},
        Refusal{"a folder without photos",
                {"Video_MP4_H264.plist", "OUT", testsupport::fixturePath("photos/noPhotos")},
                "There is no photo found at"},
        Refusal{"music that is not there", {"Video_MP4_H264.plist", "OUT", photosFolder(), "--music", "/none.mp3"},
                "no music file"}),
    [](const auto &info) { return std::to_string(info.index); });

using namespace devtooltest;

const QStringList kSlideshow{QStringLiteral("slideshow"), QStringLiteral("Video_MP4_H264.plist"), QStringLiteral("OUT"),
                             photosFolder(), QStringLiteral("--music"), lowMusic()};

// The image engine runs (a grandchild of the test, through the developer aid).
bool imageEngineRuns()
{
    return !testsupport::descendantProcesses(QStringLiteral("HarnvaleAVEngin")).isEmpty();
}

TEST(DevtoolSlideshow, SignalStopsTheRenderingAsStopDoes)
{
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        DevtoolRun run;
        QProcess process;
        run.start(process, kSlideshow);
        QByteArray errors;
        ASSERT_TRUE(runUntil(process, errors, imageEngineRuns)) << errors.toStdString();
        expectStoppedBySignal(process, signal, errors, run);
    }
}

// Killed while the movie renders, or just after it rendered while it converts: nothing carries a
// final name, and the next start removes what the run left.
TEST(DevtoolSlideshow, WhatAKilledSlideshowLeftGoesAtTheNextStart)
{
    const struct
    {
        const char *moment;
        int passesStarted;   // the rendering's, then the conversion's
    } moments[] = {{"rendering", 1}, {"converting", 2}};
    for (const auto &m : moments) {
        SCOPED_TRACE(m.moment);
        bool killed = false;
        // A quick conversion on a busy machine may end before the kill; that run says nothing.
        for (int attempt = 0; attempt < 5 && !killed; ++attempt) {
            DevtoolRun run;
            QProcess process;
            run.start(process, kSlideshow);
            QByteArray errors;
            const bool running = runUntil(process, errors, [&] {
                return errors.count("pass started") >= m.passesStarted && holdsWrittenFile(run.output());
            });
            if (!running) {
                process.waitForFinished(60000);
                continue;
            }
            ::kill(pid_t(process.processId()), SIGKILL);
            ASSERT_TRUE(process.waitForFinished(30000));
            killed = true;
            EXPECT_TRUE(testsupport::waitFor([&] { return processesNaming(run.output()).isEmpty(); }, 10));
            EXPECT_EQ(visibleEntriesIn(run.output()), QStringList());
            EXPECT_FALSE(entriesIn(run.output()).isEmpty()) << "the killed run left nothing";

            QProcess next;
            run.start(next, kSlideshow);
            ASSERT_TRUE(next.waitForFinished(180000));
            ASSERT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
            EXPECT_EQ(entriesIn(run.output()), QStringList{QStringLiteral("photos.mp4")});
            EXPECT_EQ(entriesIn(run.temporary()), QStringList());
        }
        EXPECT_TRUE(killed) << "the slideshow ended before it could be killed, five times";
    }
}

} // namespace
