// The screen recorder's session on a private X server (Xvfb): the whole display and a region
// recorded for three seconds give movies of that size, as long as recorded and at the rate set,
// sound comes from a PulseAudio source when one is chosen, a source that is gone is reported
// rather than passed off as a movie, the live picture shows what is recorded and rests with the
// screen, and the developer aid records through the same session.
#include "convert/capture/DNCaptureDevices.h"
#include "convert/capture/DNRecordingName.h"
#include "convert/capture/DNScreenRecorder.h"

#include "capture_test_support.h"
#include "support/eventloop.h"
#include "support/ffprobe.h"
#include "support/paths.h"
#include "support/privateservers.h"
#include "support/process.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

std::string text(const QStringList &list)
{
    return list.join(QStringLiteral(" | ")).toStdString();
}

struct Reports : DNScreenRecorderDelegate
{
    QStringList finished;
    QStringList failed;
    void screenRecorderDidFinishRecordingToOutputFileURL(DNScreenRecorder *, const QString &path) override
    {
        finished << path;
    }
    void screenRecorderDidFailRecording(DNScreenRecorder *, const QString &path, const QString &) override
    {
        failed << path;
    }
    int count() const { return int(finished.size() + failed.size()); }
};

class ScreenSession : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::application();
        display_ = testsupport::privateXDisplay(QSize(1280, 720));
        ASSERT_FALSE(display_.isEmpty()) << "Xvfb did not start";
        qputenv("DISPLAY", display_.toLatin1());
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
    }

    struct Recording
    {
        QString path;
        double recordedSeconds = 0; // by the recorder's clock when it was stopped
    };

    // Records for three seconds by the recorder's own clock, then stops as the window does.
    Recording recordThreeSeconds(DNScreenRecorder &recorder, Reports &reports)
    {
        Recording made;
        made.path = DNRecordingPath(folder_.path(), kScreenRecordingNameFormat, QDateTime::currentDateTime());
        const int before = reports.count();
        recorder.startRecord(made.path);
        EXPECT_TRUE(capturetest::waitFor([&] { return recorder.recordedSeconds() >= 3.0 || reports.count() > before; }));
        recorder.stopRecord();
        made.recordedSeconds = recorder.recordedSeconds();
        EXPECT_TRUE(capturetest::waitFor([&] { return reports.count() > before; }));
        return made;
    }

    QString display_;
    QTemporaryDir folder_;
};

TEST_F(ScreenSession, WholeDisplayAndRegion)
{
    Reports reports;
    DNScreenRecorder recorder;
    ASSERT_TRUE(recorder.hasCaptureSession());
    recorder.setDelegate(&reports);
    recorder.setSessionPreset(DNSessionPreset::High);
    recorder.setMaxScreenInputFramerate(25);
    const Recording whole = recordThreeSeconds(recorder, reports);
    ASSERT_EQ(text(reports.finished), text({whole.path}));

    recorder.addDislayInputTocaptureSession(DNScreenRecorder::kMainDisplayID, QRect(100, 50, 640, 360));
    recorder.setMaxScreenInputFramerate(10);
    const Recording region = recordThreeSeconds(recorder, reports);
    ASSERT_EQ(text(reports.finished), text({whole.path, region.path}));

    const struct
    {
        Recording recording;
        QSize size;
        int framesPerSecond;
    } movies[] = {{whole, QSize(1280, 720), 25}, {region, QSize(640, 360), 10}};
    for (const auto &movie : movies) {
        EXPECT_TRUE(QFileInfo(movie.recording.path).fileName().startsWith(QStringLiteral("Quivra Screen Recorder ")));
        const QJsonObject probe = testsupport::ffprobe(movie.recording.path);
        const QJsonObject video = testsupport::firstStream(probe, QStringLiteral("video"));
        EXPECT_EQ(QSize(video.value(QStringLiteral("width")).toInt(), video.value(QStringLiteral("height")).toInt()),
                  movie.size);
        capturetest::expectRecordedLength(movie.recording.path, movie.recording.recordedSeconds, movie.framesPerSecond);
        EXPECT_TRUE(testsupport::codecsOf(probe, QStringLiteral("audio")).isEmpty());
    }
}

TEST_F(ScreenSession, SoundFromAPulseAudioSource)
{
    const QString source = testsupport::privatePulseSource();
    if (source.isEmpty())
        GTEST_SKIP() << "no PulseAudio server could start";
    // The server's sources as the audio menu lists them, its output's monitor included.
    bool listed = false;
    for (const DNCaptureDevice &device : DNPulseAudioSources())
        listed = listed || (device.uniqueID == source && device.isMonitor);
    EXPECT_TRUE(listed);

    Reports reports;
    DNScreenRecorder recorder;
    recorder.setDelegate(&reports);
    recorder.setSessionPreset(DNSessionPreset::Size640x480);
    recorder.setMaxScreenInputFramerate(25);
    recorder.setAudioDevice(source);
    const Recording recording = recordThreeSeconds(recorder, reports);
    ASSERT_EQ(text(reports.finished), text({recording.path}));
    const QJsonObject probe = testsupport::ffprobe(recording.path);
    EXPECT_EQ(testsupport::codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("aac")});
    // The preset fits the 16:9 display inside 640x480.
    EXPECT_EQ(testsupport::firstStream(probe, QStringLiteral("video")).value(QStringLiteral("width")).toInt(), 640);
    EXPECT_EQ(testsupport::firstStream(probe, QStringLiteral("video")).value(QStringLiteral("height")).toInt(), 360);
    capturetest::expectRecordedLength(recording.path, recording.recordedSeconds, 25);
}

TEST_F(ScreenSession, ASourceThatIsGoneIsReportedNotFinished)
{
    Reports reports;
    DNScreenRecorder recorder;
    recorder.setDelegate(&reports);
    recorder.setAudioDevice(QStringLiteral("talvane_no_such_source"));
    const QString path = DNRecordingPath(folder_.path(), kScreenRecordingNameFormat, QDateTime::currentDateTime());
    recorder.startRecord(path);
    ASSERT_TRUE(capturetest::waitFor([&] { return reports.count() > 0; }));
    EXPECT_EQ(text(reports.failed), text({path}));
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(ScreenSession, OnlyX11SessionsCanBeRecorded)
{
    EXPECT_EQ(DNScreenCaptureAvailable(), DNScreenCaptureAvailability::Available);
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_EQ(DNScreenCaptureAvailable(), DNScreenCaptureAvailability::WaylandSession);
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "wayland");
    EXPECT_EQ(DNScreenCaptureAvailable(), DNScreenCaptureAvailability::WaylandSession);
    qunsetenv("XDG_SESSION_TYPE");
    qunsetenv("DISPLAY");
    EXPECT_EQ(DNScreenCaptureAvailable(), DNScreenCaptureAvailability::NoDisplay);
    DNScreenRecorder recorder;
    EXPECT_FALSE(recorder.hasCaptureSession());
}

TEST_F(ScreenSession, TheDeveloperAidRecordsThroughTheSession)
{
    const QString outDir = folder_.path() + QStringLiteral("/aid");
    const testsupport::ProcessResult run = testsupport::runProcess(
        testsupport::buildDir() + QStringLiteral("/bin/talvane-devtool"),
        {QStringLiteral("record-screen"), QStringLiteral("3"), outDir, QStringLiteral("--region"),
         QStringLiteral("320:240:16:16")});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QStringList movies = QDir(outDir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    ASSERT_EQ(movies.size(), 1);
    static const QRegularExpression name(
        QStringLiteral("^Quivra Screen Recorder \\d{4}-\\d\\d-\\d\\d at (AM|PM) (0\\d|1[01])\\.[0-5]\\d\\.[0-5]\\d\\.mov$"));
    EXPECT_TRUE(name.match(movies.first()).hasMatch()) << movies.first().toStdString();
    const QJsonObject probe = testsupport::ffprobe(outDir + QLatin1Char('/') + movies.first());
    EXPECT_EQ(testsupport::firstStream(probe, QStringLiteral("video")).value(QStringLiteral("width")).toInt(), 320);
    // The length asked for, at the recorder's default rate.
    capturetest::expectRecordedLength(outDir + QLatin1Char('/') + movies.first(), 3.0, 10);
    // Without a display it says why and records nothing.
    const testsupport::ProcessResult refused = testsupport::runProcess(
        QStringLiteral("/usr/bin/env"), {QStringLiteral("-u"), QStringLiteral("DISPLAY"),
                                         testsupport::buildDir() + QStringLiteral("/bin/talvane-devtool"),
                                         QStringLiteral("record-screen"), QStringLiteral("1"), outDir});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.output.contains("X display")) << refused.output.toStdString();
}

} // namespace
