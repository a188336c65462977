// The recording pipeline both recorders share, run for real with ffmpeg's own test pictures and
// tone as the source (the one thing not exercised is opening a camera or the screen): movies of
// the right size and streams, as long as recorded, under their own names, hidden names while
// recording, playable or nothing when stopped early or killed, sound to the end however late its
// device delivers it, and the live preview and sound level.
#include "convert/capture/DNCaptureRun.h"
#include "convert/capture/DNCaptureSession.h"
#include "convert/capture/DNRecordingName.h"

#include "capture_test_support.h"
#include "support/eventloop.h"
#include "support/ffprobe.h"
#include "support/privateservers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct Session
{
    DNCaptureSession session;
    std::vector<DNCaptureSession::Result> results;
    std::vector<QImage> frames;
    std::vector<double> levels;

    explicit Session(QSize size = QSize(320, 240), bool audio = true)
    {
        testsupport::application();
        session.setSourceProvider([size, audio] { return std::make_shared<DNTestCaptureSource>(size, 25, audio); });
        QObject::connect(&session, &DNCaptureSession::recordingFinished,
                         [this](const DNCaptureSession::Result &r) { results.push_back(r); });
        QObject::connect(&session, &DNCaptureSession::previewFrame, [this](const QImage &f) { frames.push_back(f); });
        QObject::connect(&session, &DNCaptureSession::audioLevel, [this](double l) { levels.push_back(l); });
    }

    // Starts a recording named like the camera's into folder.
    QString record(const QString &folder)
    {
        const QString finalPath = DNRecordingPath(folder, kCameraRecordingNameFormat, QDateTime::currentDateTime());
        EXPECT_TRUE(session.startRecording(DNRecordingFile::hiddenPathIn(folder, QStringLiteral("test")),
                                           [finalPath] { return finalPath; }));
        return finalPath;
    }
    bool finished() const { return !results.empty(); }
};

// A capture run of ffmpeg's test source straight into a movie named name in folder, its ending
// kept as the run reports it.
struct DirectRun
{
    DNCaptureRun run;
    std::optional<DNCaptureRun::Ending> ending;
    QString finalPath;

    DirectRun(const QString &folder, const QString &name,
              DNCaptureSourcePtr source = std::make_shared<DNTestCaptureSource>(QSize(320, 240), 25, true))
        : finalPath(folder + QLatin1Char('/') + name + QStringLiteral(".mov"))
    {
        testsupport::application();
        QObject::connect(&run, &DNCaptureRun::ended, [this](const DNCaptureRun::Ending &e) { ending = e; });
        DNCapturePlan plan;
        plan.source = std::move(source);
        plan.moviePath = DNRecordingFile::hiddenPathIn(folder, name);
        EXPECT_TRUE(run.start(plan, [path = finalPath] { return path; }));
    }
    bool ended() const { return ending.has_value(); }
};

TEST(CapturePipeline, AThreeSecondRecordingHasItsSizeLengthAndSound)
{
    QTemporaryDir folder;
    Session s;
    s.session.setPreview(QSize(160, 120));
    s.session.startRunning();
    ASSERT_TRUE(capturetest::waitFor([&] { return !s.frames.empty(); }));
    const QString finalPath = s.record(folder.path());
    // While it records, the movie exists only under its hidden name.
    ASSERT_TRUE(capturetest::waitFor([&] { return !entries(folder.path()).isEmpty(); }));
    EXPECT_FALSE(QFileInfo::exists(finalPath));
    const QStringList during = entries(folder.path());
    ASSERT_EQ(during.size(), 1);
    EXPECT_TRUE(during.first().startsWith(QLatin1Char('.')));
    ASSERT_TRUE(capturetest::waitFor([&] { return s.session.recordedSeconds() >= 3.0; }));
    s.session.stopRecording();
    const double recorded = s.session.recordedSeconds();
    ASSERT_TRUE(capturetest::waitFor([&] { return s.finished(); }));

    ASSERT_TRUE(s.results.front().finished) << s.results.front().problem.toStdString();
    EXPECT_EQ(s.results.front().path, finalPath);
    EXPECT_EQ(entries(folder.path()), QStringList{QFileInfo(finalPath).fileName()});
    const QJsonObject probe = testsupport::ffprobe(finalPath);
    const QJsonObject video = testsupport::firstStream(probe, QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("width")).toInt(), 320);
    EXPECT_EQ(video.value(QStringLiteral("height")).toInt(), 240);
    EXPECT_EQ(video.value(QStringLiteral("codec_name")).toString(), QStringLiteral("h264"));
    EXPECT_EQ(testsupport::codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("aac")});
    capturetest::expectRecordedLength(finalPath, recorded, 25);
    // The preview goes on after the recording.
    s.frames.clear();
    EXPECT_TRUE(capturetest::waitFor([&] { return !s.frames.empty(); }));
    s.session.stopRunning();
}

TEST(CapturePipeline, StoppedEarlyItIsPlayable)
{
    QTemporaryDir folder;
    Session s;
    const QString finalPath = s.record(folder.path());
    ASSERT_TRUE(capturetest::waitFor([&] { return s.session.recordedSeconds() >= 0.5; }));
    s.session.stopRecording();
    const double recorded = s.session.recordedSeconds();
    ASSERT_TRUE(capturetest::waitFor([&] { return s.finished(); }));
    ASSERT_TRUE(s.results.front().finished);
    capturetest::expectRecordedLength(finalPath, recorded, 25);
}

TEST(CapturePipeline, EndingTheSessionFinishesTheRecordingFirst)
{
    QTemporaryDir folder;
    QString finalPath;
    {
        Session s;
        finalPath = s.record(folder.path());
        ASSERT_TRUE(capturetest::waitFor([&] { return s.session.recordedSeconds() >= 0.5; }));
        // The program quitting, or the window's controller going, while it records.
    }
    EXPECT_FALSE(testsupport::firstStream(testsupport::ffprobe(finalPath), QStringLiteral("video")).isEmpty());
    EXPECT_EQ(entries(folder.path()), QStringList{QFileInfo(finalPath).fileName()});
}

TEST(CapturePipeline, AKilledEngineLeavesNothing)
{
    QTemporaryDir folder;
    DirectRun r(folder.path(), QStringLiteral("killed"));
    ASSERT_TRUE(capturetest::waitFor([&] { return r.run.writtenSeconds() >= 1.0; }));
    // As a crash or the system would end it: no chance to write the movie's index.
    ::kill(pid_t(r.run.processID()), SIGKILL);
    ASSERT_TRUE(capturetest::waitFor([&] { return r.ended(); }));
    EXPECT_FALSE(r.ending->movie.finished);
    EXPECT_TRUE(entries(folder.path()).isEmpty()) << entries(folder.path()).join(QLatin1Char(' ')).toStdString();
}

// A busy machine may take seconds to start the engine: stopped before its first picture, the
// recording still waits for it (the engine is held here longer than the usual drain) and is
// finished, not lost.
TEST(CapturePipeline, StoppedBeforeTheEnginesFirstPictureItIsStillMade)
{
    QTemporaryDir folder;
    DirectRun r(folder.path(), QStringLiteral("slow"));
    const pid_t engine = pid_t(r.run.processID());
    ASSERT_EQ(::kill(engine, SIGSTOP), 0);
    ASSERT_EQ(r.run.writtenSeconds(), 0.0);
    r.run.stop();
    capturetest::waitFor([] { return false; }, DNCaptureRun::kStopDrainMilliseconds + 1500);
    ::kill(engine, SIGCONT);
    ASSERT_TRUE(capturetest::waitFor([&] { return r.ended(); }));
    EXPECT_TRUE(r.ending->movie.finished) << r.ending->movie.problem.toStdString();
    EXPECT_FALSE(testsupport::firstStream(testsupport::ffprobe(r.finalPath), QStringLiteral("video")).isEmpty());
    EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("slow.mov")});
}

// ffmpeg's test pictures with the private PulseAudio server's sound.
class PulseSoundSource : public DNTestCaptureSource
{
public:
    explicit PulseSoundSource(QString sound)
        : DNTestCaptureSource(QSize(320, 240), 25, false), sound_(std::move(sound))
    {
    }
    QStringList inputArguments() const override { return DNTestCaptureSource::inputArguments() + DNPulseAudioInput(sound_); }
    bool hasAudio() const override { return true; }

private:
    QString sound_;
};

// A sound server that was slow to answer (held still while the engine opens it, as a busy machine
// may leave it) delivers its first sound well after the moment it stands for: before Stop, or only
// after it. Either way the movie has its sound track for its whole length, silent until the first
// sound came, and has the sound heard until Stop: the engine is ended once the sound has caught up
// too, not only the pictures.
struct LateSoundCase
{
    const char *name;
    bool answersBeforeStop;
};
void PrintTo(const LateSoundCase &c, std::ostream *os)
{
    *os << c.name;
}

class LateSound : public ::testing::TestWithParam<LateSoundCase>
{
};

TEST_P(LateSound, StillReachesTheEnd)
{
    const QString sound = testsupport::privatePulseSource();
    if (sound.isEmpty())
        GTEST_SKIP() << "no PulseAudio server could start";
    ASSERT_TRUE(testsupport::holdPrivatePulse(true));
    struct Release
    {
        ~Release() { testsupport::holdPrivatePulse(false); }
    } release;
    QTemporaryDir folder;
    DirectRun r(folder.path(), QStringLiteral("late"), std::make_shared<PulseSoundSource>(sound));
    capturetest::waitFor([] { return false; }, 1500);
    if (GetParam().answersBeforeStop) {
        ASSERT_TRUE(testsupport::holdPrivatePulse(false));
        // The engine writes its first pictures once the sound device is open.
        ASSERT_TRUE(capturetest::waitFor([&] { return r.run.writtenSeconds() > 0 || r.ended(); }));
    }
    r.run.stop();
    const double recorded = r.run.recordedSeconds();
    ASSERT_TRUE(testsupport::holdPrivatePulse(false));
    ASSERT_TRUE(capturetest::waitFor([&] { return r.ended(); }));
    ASSERT_TRUE(r.ending->movie.finished) << r.ending->movie.problem.toStdString();
    const QJsonObject audio = testsupport::firstStream(testsupport::ffprobe(r.finalPath), QStringLiteral("audio"));
    ASSERT_FALSE(audio.isEmpty()) << "no sound track";
    const double soundStarts = audio.value(QStringLiteral("start_time")).toString().toDouble();
    const double soundEnds = soundStarts + audio.value(QStringLiteral("duration")).toString().toDouble();
    // From the start, until the sound heard until Stop, give or take the level's tenth of a second
    // and an AAC frame.
    EXPECT_NEAR(soundStarts, 0.0, 0.05);
    EXPECT_GE(soundEnds, recorded - 0.15);
    capturetest::expectRecordedLength(r.finalPath, recorded, 25);
}

INSTANTIATE_TEST_SUITE_P(CapturePipeline, LateSound,
                         ::testing::Values(LateSoundCase{"BeforeStop", true}, LateSoundCase{"OnlyAfterStop", false}),
                         [](const ::testing::TestParamInfo<LateSoundCase> &info) { return std::string(info.param.name); });

TEST(CapturePipeline, ARecordingThatCannotBeWrittenIsReportedNotFinished)
{
    QTemporaryDir folder;
    Session s;
    const QString missing = folder.path() + QStringLiteral("/gone");
    const QString finalPath = missing + QStringLiteral("/movie.mov");
    ASSERT_TRUE(s.session.startRecording(DNRecordingFile::hiddenPathIn(missing, QStringLiteral("movie")),
                                         [finalPath] { return finalPath; }));
    ASSERT_TRUE(capturetest::waitFor([&] { return s.finished(); }));
    EXPECT_FALSE(s.results.front().finished);
    EXPECT_FALSE(s.results.front().problem.isEmpty());
    EXPECT_FALSE(s.session.isRecording());
}

TEST(CapturePipeline, PreviewPicturesAndSoundLevel)
{
    Session s(QSize(320, 240), true);
    s.session.setPreview(QSize(200, 100), true, 10);
    s.session.setAudioLevelWanted(true);
    s.session.startRunning();
    ASSERT_TRUE(capturetest::waitFor([&] { return s.frames.size() >= 2 && s.levels.size() >= 2; }));
    EXPECT_EQ(s.frames.back().size(), QSize(200, 100));
    // A 4:3 picture in a 2:1 box: black bars left and right, the picture in the middle.
    EXPECT_EQ(qGray(s.frames.back().pixel(5, 50)), 0);
    EXPECT_GT(qGray(s.frames.back().pixel(100, 50)) + qGray(s.frames.back().pixel(100, 20)), 0);
    // The test tone (a sine at an eighth of full scale, about -21 dBFS RMS) is far above silence.
    EXPECT_GT(s.levels.back(), -30.0);
    s.session.stopRunning();
}

TEST(CapturePipeline, TheMovieFitsInsideTheLargestSize)
{
    QTemporaryDir folder;
    Session s(QSize(640, 480), false);
    s.session.setMaxVideoSize(QSize(320, 200));
    s.session.setMaxRecordedDuration(1.0);
    const QString finalPath = s.record(folder.path());
    // A limited recording ends by itself.
    ASSERT_TRUE(capturetest::waitFor([&] { return s.finished(); }));
    ASSERT_TRUE(s.results.front().finished);
    const QJsonObject probe = testsupport::ffprobe(finalPath);
    const QJsonObject video = testsupport::firstStream(probe, QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("height")).toInt(), 200);
    EXPECT_EQ(video.value(QStringLiteral("width")).toInt(), 266);
    EXPECT_TRUE(testsupport::codecsOf(probe, QStringLiteral("audio")).isEmpty());
    EXPECT_NEAR(testsupport::durationOf(probe), 1.0, 0.05);
}

} // namespace
