#include "support/testname.h"
#include "convert/engine/DNAVEncoder.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNTemporaryFolder.h"
#include "support/ffprobe.h"
#include "support/paths.h"
#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;
using testsupport::durationOf;

namespace {
struct Notices
{
    std::atomic<int> started{0};
    std::atomic<int> other{0};
};

int onState(void *context, int code)
{
    auto *n = static_cast<Notices *>(context);
    (code == EncodeStateStarted ? n->started : n->other)++;
    return 0;
}

std::mutex logLock;
std::vector<std::string> logLines;
void onLog(const char *line)
{
    std::lock_guard<std::mutex> lock(logLock);
    logLines.emplace_back(line);
}

bool logHas(const std::string &text)
{
    std::lock_guard<std::mutex> lock(logLock);
    for (const std::string &l : logLines)
        if (l.find(text) != std::string::npos)
            return true;
    return false;
}

// Children of this test process whose program is ffmpeg.
std::vector<pid_t> ffmpegChildren()
{
    std::vector<pid_t> pids;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const pid_t pid = entry.toInt(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const int close = text.lastIndexOf(')');
        const QByteArray comm = text.mid(text.indexOf('(') + 1, close - text.indexOf('(') - 1);
        const QList<QByteArray> rest = text.mid(close + 2).split(' ');
        if (comm == "ffmpeg" && rest.size() > 1 && rest.at(1).toInt() == ::getpid())
            pids.push_back(pid);
    }
    return pids;
}

struct Vector
{
    std::vector<QByteArray> storage;
    std::vector<char *> argv;
    explicit Vector(const QStringList &words)
    {
        for (const QString &w : words)
            storage.push_back(w.toUtf8());
        for (QByteArray &b : storage)
            argv.push_back(b.data());
        argv.push_back(nullptr);
    }
    int argc() const { return int(storage.size()); }
};

int streamsOfType(const QJsonObject &probe, const QString &type)
{
    int n = 0;
    for (const QJsonValue &s : probe.value(QStringLiteral("streams")).toArray())
        n += s.toObject().value(QStringLiteral("codec_type")).toString() == type;
    return n;
}

TEST(AVEncoderBridge, WithoutAPassEveryFigureIsZeroAndReleaseSaysSo)
{
    EXPECT_EQ(AVEncoderProgress(), 0);
    EXPECT_EQ(AVEncoderFPS(), 0);
    EXPECT_EQ(AVEncoderTime(), 0);
    EXPECT_EQ(AVEncoderFrame(), 0);
    EXPECT_EQ(AVEncoderRelease(), -1);
    Vector v({QStringLiteral("encoder")});
    EXPECT_EQ(AVEncoderEncode(v.argc(), v.argv.data(), 0), -1);
}

TEST(AVEncoderBridge, ConvertsAFileReportingTheStartOnceAndProgressUpToTheEnd)
{
    QTemporaryDir out;
    const QString output = out.filePath(QStringLiteral("clip.mp4"));
    Notices notices, ignored;
    ASSERT_EQ(AVEncoderInit(onState, &notices), 0);
    // A second set-up before the release keeps the first receiver.
    EXPECT_EQ(AVEncoderInit(onState, &ignored), 0);
    AVEncoderSetLogCallback(onLog);

    // The builders' words that this ffmpeg no longer takes are translated on the way.
    Vector v({QStringLiteral("encoder"), QStringLiteral("-d"), QStringLiteral("-y"), QStringLiteral("-i"),
              testsupport::fixturePath(QStringLiteral("media/clip.mkv")), QStringLiteral("-map"), QStringLiteral("0"),
              QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-profile:v"),
              QStringLiteral("baseline"), QStringLiteral("-c:a"), QStringLiteral("libfdk_aac"),
              QStringLiteral("-b:a"), QStringLiteral("96k"), output});
    std::atomic<bool> done{false};
    std::vector<int> percents, frames;
    std::thread watcher([&] {
        while (!done.load()) {
            percents.push_back(AVEncoderProgress());
            frames.push_back(AVEncoderFrame());
            std::this_thread::sleep_for(20ms);
        }
    });
    const int result = AVEncoderEncode(v.argc(), v.argv.data(), 0);
    done = true;
    watcher.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(AVEncoderProgress(), 100) << "the pass length comes from the input when the vector gives none";
    EXPECT_EQ(AVEncoderTime(), 4);
    const int framesCounted = AVEncoderFrame();
    EXPECT_EQ(AVEncoderRelease(), 0);

    for (int i = 0; i < 250 && notices.started.load() == 0; ++i)
        std::this_thread::sleep_for(20ms);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(notices.started.load(), 1);
    EXPECT_EQ(notices.other.load(), 0);
    EXPECT_EQ(ignored.started.load(), 0);
    for (size_t i = 1; i < percents.size(); ++i) {
        EXPECT_GE(percents[i], percents[i - 1]) << "progress never goes back";
        EXPECT_GE(frames[i], frames[i - 1]) << "the frame count never goes back";
    }

    EXPECT_TRUE(logHas("-c:a libfdk_aac -> -c:a aac"));
    EXPECT_TRUE(logHas("-d -> (dropped)"));
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_EQ(streamsOfType(probe, QStringLiteral("video")), 1);
    EXPECT_EQ(streamsOfType(probe, QStringLiteral("audio")), 2);
    EXPECT_NEAR(durationOf(probe), 4.0, 0.3);
    // The engine counted every picture the output holds, and never more along the way.
    const int written = testsupport::firstStream(probe, QStringLiteral("video")).value(QStringLiteral("nb_frames")).toString().toInt();
    EXPECT_GE(written, 100);
    EXPECT_EQ(framesCounted, written);
    for (int seen : frames)
        EXPECT_LE(seen, written);
}

TEST(AVEncoderBridge, StopEndsTheEngineQuicklyAndThePassFails)
{
    QTemporaryDir out;
    Notices notices;
    ASSERT_EQ(AVEncoderInit(onState, &notices), 0);
    // An endless synthetic source: only a stop ends this pass.
    Vector v({QStringLiteral("encoder"), QStringLiteral("-y"), QStringLiteral("-re"), QStringLiteral("-f"),
              QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("testsrc2=size=320x240:rate=25"),
              QStringLiteral("-c:v"), QStringLiteral("mpeg4"), out.filePath(QStringLiteral("endless.avi"))});
    auto pass = std::async(std::launch::async, [&] { return AVEncoderEncode(v.argc(), v.argv.data(), 60); });

    std::vector<pid_t> engines;
    for (int i = 0; i < 500 && (engines.empty() || AVEncoderTime() < 1); ++i) {
        std::this_thread::sleep_for(20ms);
        engines = ffmpegChildren();
    }
    ASSERT_EQ(engines.size(), 1u);
    EXPECT_GT(AVEncoderFPS(), 0) << "a running video pass has a measured speed";
    EXPECT_GT(AVEncoderProgress(), 0);
    // A second of the 25-a-second source is written: its pictures are counted.
    EXPECT_GE(AVEncoderFrame(), 25);

    AVEncoderStop();
    ASSERT_EQ(pass.wait_for(2s), std::future_status::ready);
    EXPECT_NE(pass.get(), 0) << "a stopped pass is not a finished one";
    EXPECT_EQ(AVEncoderRelease(), 0);
    EXPECT_TRUE(ffmpegChildren().empty());
    EXPECT_NE(::kill(engines.front(), 0), 0);
}

TEST(AVEncoderBridge, AnOptionTheEngineRejectsFailsThePass)
{
    QTemporaryDir out;
    ASSERT_EQ(AVEncoderInit(nullptr, nullptr), 0);
    Vector v({QStringLiteral("encoder"), QStringLiteral("-i"),
              testsupport::fixturePath(QStringLiteral("media/clip.mp4")), QStringLiteral("-no_such_option"),
              QStringLiteral("1"), out.filePath(QStringLiteral("x.mp4"))});
    EXPECT_NE(AVEncoderEncode(v.argc(), v.argv.data(), 0), 0);
    EXPECT_EQ(AVEncoderRelease(), 0);
}

TEST(AVEncoderBridge, AMissingLibraryFailsWithoutEndingTheProgram)
{
    QTemporaryDir empty;
    DNBundle::setPrefixOverride(empty.path());
    EXPECT_EQ(AVEncoderInit(nullptr, nullptr), -1);
    EXPECT_EQ(AVEncoderRelease(), -1);
    EXPECT_EQ(AVEncoderMediaInfo(testsupport::fixturePath(QStringLiteral("media/clip.mp4")).toUtf8().constData()),
              nullptr);
    EXPECT_TRUE(AVEncoderExtractImage(testsupport::fixturePath(QStringLiteral("media/clip.mp4")), 160, nullptr, 1)
                    .isEmpty());
    DNBundle::setPrefixOverride(QString());
}

struct MediaCase
{
    const char *file;
    int video;
    int audio;
};

class AVEncoderMediaInformation : public testing::TestWithParam<MediaCase>
{
};

TEST_P(AVEncoderMediaInformation, CountsTheStreamsAtTheirFixedPlaces)
{
    const MediaCase &c = GetParam();
    const auto info = AVEncoderMediaInfo(testsupport::fixturePath(QString::fromLatin1(c.file)).toUtf8().constData());
    ASSERT_NE(info, nullptr);
    int32_t video = 0, audio = 0;
    std::memcpy(&video, reinterpret_cast<const char *>(info.get()) + 1028, 4);
    std::memcpy(&audio, reinterpret_cast<const char *>(info.get()) + 1032, 4);
    EXPECT_EQ(video, c.video);
    EXPECT_EQ(audio, c.audio);
    EXPECT_GT(info->durationMicroseconds, 2'500'000);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, AVEncoderMediaInformation,
                         testing::Values(MediaCase{"media/clip.mp4", 1, 1}, MediaCase{"media/clip.mkv", 1, 2},
                                         MediaCase{"media/clip.avi", 1, 1}, MediaCase{"media/clip.mpg", 1, 1},
                                         MediaCase{"media/audio.mp3", 0, 1}, MediaCase{"media/audio.m4a", 0, 1},
                                         MediaCase{"dvd/pal/VIDEO_TS/VTS_01_1.VOB", 1, 2}),
                         [](const auto &info) { return testsupport::testName(info.param.file); });

TEST(AVEncoderMediaInformationErrors, AnUnreadableFileGivesNoRecord)
{
    QTemporaryDir dir;
    QFile junk(dir.filePath(QStringLiteral("junk.mp4")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_EQ(AVEncoderMediaInfo(junk.fileName().toUtf8().constData()), nullptr);
    EXPECT_EQ(AVEncoderMediaInfo(dir.filePath(QStringLiteral("absent.mkv")).toUtf8().constData()), nullptr);
    EXPECT_EQ(AVEncoderMediaInfo(nullptr), nullptr);
}

TEST(AVEncoderFrameGrab, ChoosesThePlainScaleUpToSecondTenAndTheThumbnailFilterAfter)
{
    EXPECT_EQ(AVEncoderImageArguments(QStringLiteral("in.mp4"), 160.9f, 10, QStringLiteral("o.jpg")).at(8),
              QStringLiteral("scale=160:-1"));
    EXPECT_EQ(AVEncoderImageArguments(QStringLiteral("in.mp4"), 160.9f, 11, QStringLiteral("o.jpg")).at(8),
              QStringLiteral("thumbnail,scale=160:-1"));
}

TEST(AVEncoderFrameGrab, GivesAJpegOfTheAskedWidth)
{
    const QByteArray jpeg = AVEncoderExtractImage(testsupport::fixturePath(QStringLiteral("media/clip.mp4")),
                                                  160, nullptr, 2);
    ASSERT_GE(jpeg.size(), 4);
    EXPECT_EQ(jpeg.left(2), QByteArray("\xFF\xD8", 2));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("frame.jpg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jpeg);
    file.close();
    const QJsonArray streams = testsupport::ffprobe(file.fileName()).value(QStringLiteral("streams")).toArray();
    ASSERT_EQ(streams.size(), 1);
    EXPECT_EQ(streams.at(0).toObject().value(QStringLiteral("width")).toInt(), 160);
    EXPECT_EQ(streams.at(0).toObject().value(QStringLiteral("height")).toInt(), 120);

    // Past the end of the clip there is no frame: no picture rather than a broken one.
    EXPECT_TRUE(AVEncoderExtractImage(testsupport::fixturePath(QStringLiteral("media/clip.mp4")), 160, nullptr, 30)
                    .isEmpty());
    EXPECT_TRUE(AVEncoderExtractImage(QString(), 160, nullptr, 1).isEmpty());
}

// The one-shot jobs share the library loaded once and run side by side: a thumbnail of one file
// being made while another file is probed, as the file list does when many files come at once.
TEST(AVEncoderJobs, RunSideBySideWithTheirOwnResults)
{
    const struct
    {
        const char *file;
        int video;
        int audio;
        int width;
    } files[] = {{"media/clip.mp4", 1, 1, 96}, {"media/clip.mkv", 1, 2, 112}, {"media/clip.avi", 1, 1, 128},
                 {"media/clip.mov", 1, 1, 144}};
    std::vector<std::future<std::string>> runs;
    for (int round = 0; round < 3; ++round) {
        for (const auto &f : files) {
            runs.push_back(std::async(std::launch::async, [f]() -> std::string {
                const QString path = testsupport::fixturePath(QString::fromLatin1(f.file));
                const auto info = AVEncoderMediaInfo(path.toUtf8().constData());
                if (!info || info->videoStreams != f.video || info->audioStreams != f.audio)
                    return std::string(f.file) + ": wrong stream counts";
                const QByteArray jpeg = AVEncoderExtractImage(path, float(f.width), nullptr, 1);
                QTemporaryDir dir;
                QFile frame(dir.filePath(QStringLiteral("frame.jpg")));
                if (!frame.open(QIODevice::WriteOnly) || frame.write(jpeg) != jpeg.size())
                    return std::string(f.file) + ": no frame";
                frame.close();
                const int width = testsupport::ffprobe(frame.fileName())
                                      .value(QStringLiteral("streams")).toArray().at(0).toObject()
                                      .value(QStringLiteral("width")).toInt();
                if (width != f.width)
                    return std::string(f.file) + ": frame " + std::to_string(width) + " wide";
                return {};
            }));
        }
    }
    for (auto &run : runs)
        EXPECT_EQ(run.get(), "");
}

TEST(AVEncoderSubtitleExtraction, WritesTheChosenStreamAsSubRipText)
{
    QTemporaryDir dir;
    const QString withSubs = dir.filePath(QStringLiteral("subs.mkv"));
    // Two subtitle streams: the UTF-8 side-car first, the GB18030 one second.
    const auto made = testsupport::runProcess(
        QStringLiteral("/usr/bin/ffmpeg"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"),
         testsupport::fixturePath(QStringLiteral("media/subtitled/movie.srt")), QStringLiteral("-sub_charenc"),
         QStringLiteral("GB18030"), QStringLiteral("-i"),
         testsupport::fixturePath(QStringLiteral("media/subtitled/movie.zh.srt")), QStringLiteral("-map"),
         QStringLiteral("0"), QStringLiteral("-map"), QStringLiteral("1"), QStringLiteral("-c:s"),
         QStringLiteral("srt"), withSubs});
    ASSERT_EQ(made.exitCode, 0) << made.output.constData();

    const QString srt = dir.filePath(QStringLiteral("out.srt"));
    EXPECT_EQ(AVEncoderExtractSubFile(withSubs.toUtf8().constData(), 1, srt.toUtf8().constData()), 0);
    QFile file(srt);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("你好，世界"))) << qPrintable(text);
    EXPECT_FALSE(text.contains(QStringLiteral("Grüße"))) << "the second stream, not the first";
    EXPECT_TRUE(text.contains(QStringLiteral("00:00:02,000 --> 00:00:03,000"))) << qPrintable(text);

    EXPECT_EQ(AVEncoderExtractSubFile(withSubs.toUtf8().constData(), -1, srt.toUtf8().constData()), -1);
    EXPECT_NE(AVEncoderExtractSubFile(withSubs.toUtf8().constData(), 3, dir.filePath(QStringLiteral("no.srt"))
                                                                            .toUtf8().constData()), 0);
    EXPECT_EQ(AVEncoderExtractSubFile(nullptr, 0, srt.toUtf8().constData()), -1);
}
} // namespace
