// An engine that stops answering (held with SIGSTOP, as a hung read holds it) ends its pass with
// "the ... engine stopped answering (no progress for N s)" once it has shown no progress for the limit the settings give:
// the engine is ended, the pass fails and leaves nothing. Every engine road, the real engines, a
// short limit.

#include "FileRoadTestSupport.h"
#include "UnfinishedOutputSupport.h"

#include "../../slideshow/slideshow_fixture.h"

#include "convert/slideshow/NXSlideshowConversion.h"
#include "dvd/slideshow/DNGraphicsNode.h"

#include "support/privatemounts.h"

#include <QFile>
#include <QTemporaryDir>

using namespace fileroadtest;

namespace {

// The limit the settings give, short for the test and set back afterwards.
class ShortStallLimit
{
public:
    explicit ShortStallLimit(double seconds = 2)
    {
        DNSetting::shareSetting().mainWindowSetting()->setEngineStallSeconds(seconds);
    }
    ~ShortStallLimit() { DNSetting::shareSetting().mainWindowSetting()->setEngineStallSeconds(m_saved); }

private:
    double m_saved = DNSetting::shareSetting().mainWindowSetting()->engineStallSeconds();
};

struct Road
{
    const char *what;
    const char *engine;   // the process held, by the name the system keeps (15 characters at most)
    std::function<NXMediaNodePtr()> item;
    int titleIndex;
};

DNDVDNodePtr disc(const char *profile)
{
    return loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(profile));
}

// Runs the road's conversion on a worker, holds its engine as soon as it runs, and waits for the
// pass to end; reason is why the conversion failed. False when the conversion ended before its
// engine could be held.
bool holdEngineOf(const Road &road, const QString &out, int &result, ConvertFailureReason &reason)
{
    useOutputFolder(out);
    const NXMediaNodePtr item = road.item();
    EXPECT_TRUE(item);
    if (!item)
        return true;
    NXImageEngine imageEngine;
    std::future<int> run = std::async(std::launch::async, [&] {
        if (auto *slideshow = dynamic_cast<DNGraphicsNode *>(item.get()))
            return NXConvertSlideshowItem(*slideshow, imageEngine, nullptr, nullptr, {}, &reason);
        const int result = DNVideoConverterStart(item.get(), road.titleIndex, nullptr, nullptr);
        reason = DNVideoConverterFailureReason();
        return result;
    });
    QList<qint64> found;
    EXPECT_TRUE(waitFor([&] {
        found = testsupport::descendantProcesses(QString::fromLatin1(road.engine));
        return !found.isEmpty() || run.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }));
    bool held = !found.isEmpty();
    for (const qint64 pid : found)
        held = holdProcess(pid) && held;
    result = run.get();
    return held;
}

const Road kRoads[] = {
    {"mencoder", "mencoder", [] { return disc("Video_Other_AVI_DIVX.plist"); }, 1},
    {"ffmpeg_beside_mencoder", "ffmpeg", [] { return disc("MacGen_MP4_MPEG4.plist"); }, 1},
    {"HandBrakeCLI", "HandBrakeCLI", [] { return disc("DVDBackupMKV.plist"); }, 1},
    {"player_dump", "mplayer", [] { return disc("DVDFullBackup.plist"); }, 1},
    {"ISO_backup", "HVDVDISOBackup", [] { return disc("DVDBackupISO.plist"); }, 1},
    {"ffmpeg_of_the_file_road", "ffmpeg", [] { return loadFile(QStringLiteral("fileroad/h264_aac.mp4")); }, 0},
    {"image_engine", "HarnvaleAVEngin",
     [] {
         const std::atomic_bool never{false};
         const DNGraphicsNodePtr node = DNGraphicsNode::graphicsNodeWithDirs({slideshowfixture::photosFolder()}, &never);
         node->setProfile(videoProfile(QStringLiteral("Video_MP4_H264.plist")));
         return node;
     },
     0},
};

class EngineStalls : public testing::TestWithParam<Road>
{
};

TEST_P(EngineStalls, AHeldEngineEndsItsPassWithItsMessage)
{
    app();
    const ShortStallLimit limit;
    const Road &road = GetParam();
    // A quick engine on a busy machine may end before it is seen; that run says nothing here.
    bool held = false;
    for (int attempt = 0; attempt < 5 && !held; ++attempt) {
        QTemporaryDir logs;
        const QString log = freshLog(logs);
        QTemporaryDir out;
        int result = 0;
        ConvertFailureReason reason;
        held = holdEngineOf(road, out.path(), result, reason);
        if (!held)
            continue;
        EXPECT_NE(result, 0);
        // The reason the user is shown, with the limit.
        EXPECT_TRUE(reason.text().contains(QLatin1String(" engine stopped answering (no progress for 2 s)")))
            << reason.text().toStdString();
        EXPECT_TRUE(readText(log).contains(QLatin1String("the engine stopped answering"))) << readText(log).toStdString();
        EXPECT_EQ(entriesIn(out.path()), QStringList());
        EXPECT_TRUE(waitFor([&] { return testsupport::descendantProcesses(QString::fromLatin1(road.engine)).isEmpty(); }))
            << "the held engine was not ended";
    }
    EXPECT_TRUE(held) << "the engine ended before it could be held, five times";
}

INSTANTIATE_TEST_SUITE_P(Roads, EngineStalls, testing::ValuesIn(kRoads),
                         [](const testing::TestParamInfo<Road> &info) { return std::string(info.param.what); });

} // namespace

namespace {

constexpr const char *kHandBrake = "/usr/bin/HandBrakeCLI";
constexpr double kScanStepSeconds = 0.2;

// A HandBrakeCLI that scans the disc in steps of kScanStepSeconds, each a "Progress" block as
// HandBrakeCLI prints it, and then hands the job to the real one; with 0 steps it prints the
// same step again and again, as HandBrakeCLI does while its scan hangs.
QString writeScanningHandBrake(const QString &folder, int steps, const QString &real)
{
    const QString path = folder + QStringLiteral("/HandBrakeCLI");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(QStringLiteral(R"(#!/bin/sh
i=1
while :; do
    printf 'Progress: {\n    "Scanning": {\n        "Preview": %d,\n        "PreviewCount": 10,\n' "$i"
    printf '        "Progress": 0.0,\n        "Title": 1,\n        "TitleCount": 1\n    },\n'
    printf '    "State": "SCANNING"\n}\n'
    sleep %2
    [ %1 -eq 0 ] && continue
    i=$((i + 1))
    [ "$i" -gt %1 ] && break
done
exec "%3" "$@"
)")
                     .arg(steps)
                     .arg(kScanStepSeconds)
                     .arg(real)
                     .toUtf8());
    script.close();
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ? path : QString();
}

// Runs run on a thread of its own that sees standIn at HandBrakeCLI's place and the real one
// at real (mounts of that thread alone, which the engines it starts share); the rest of the
// machine sees nothing of it. False, with why, where this process may not do that.
bool withHandBrakeReplaced(const QString &standIn, const QString &real, const std::function<void()> &run,
                           QString &why)
{
    bool replaced = false;
    std::thread thread([&] {
        testsupport::PrivateMounts mounts;
        if (!QFile(real).open(QIODevice::WriteOnly) || !mounts.bindFile(QString::fromLatin1(kHandBrake), real)
            || !mounts.bindFile(standIn, QString::fromLatin1(kHandBrake))) {
            why = QStringLiteral("HandBrakeCLI cannot be replaced: %1").arg(mounts.why());
            return;
        }
        replaced = true;
        run();
    });
    thread.join();
    return replaced;
}

struct Scan
{
    const char *what;
    int steps;   // 0: one step, repeated without end
};

class HandBrakeScans : public testing::TestWithParam<Scan>
{
};

// HandBrakeCLI scans the disc before it encodes, writing nothing and moving no figure of the
// encoding; on a disc of many titles the scan outlasts the limit. A scan whose steps keep coming
// is let run however long it takes; one that only repeats its step is ended as a held engine is.
TEST_P(HandBrakeScans, AScanIsEndedOnlyWhenItStopsMovingOn)
{
    app();
    const Scan &scan = GetParam();
    // Long enough that the real HandBrakeCLI, which takes the job after the scan, shows a sign of
    // work within it on a machine whose every core is busy.
    const double limitSeconds = 20;
    const ShortStallLimit limit(limitSeconds);
    QTemporaryDir bin, out, logs;
    const QString log = freshLog(logs);
    const QString real = bin.filePath(QStringLiteral("real-HandBrakeCLI"));
    const QString standIn = writeScanningHandBrake(bin.path(), scan.steps, real);
    ASSERT_FALSE(standIn.isEmpty());
    if (scan.steps > 0) {
        ASSERT_GE(scan.steps * kScanStepSeconds, 2 * limitSeconds) << "the scan must outlast the limit";
    }

    useOutputFolder(out.path());
    const DNDVDNodePtr node = disc("DVDBackupMKV.plist");
    ASSERT_TRUE(node);
    trimTitle(node->titleAt(1), 0, 3);
    int result = 0;
    QString reason, why;
    const bool replaced = withHandBrakeReplaced(
        standIn, real,
        [&] {
            result = DNVideoConverterStart(node.get(), 1, nullptr, nullptr);
            reason = DNVideoConverterFailureReason().text();
        },
        why);
    if (!replaced)
        GTEST_SKIP() << why.toStdString();

    if (scan.steps > 0) {
        ASSERT_EQ(result, 0) << reason.toStdString();
        const QJsonObject probe = testsupport::ffprobe(node->titleAt(1)->outputName());
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")).size(), 1);
        EXPECT_NEAR(durationOf(probe), 3, 0.5);
    } else {
        EXPECT_NE(result, 0);
        EXPECT_TRUE(reason.contains(QLatin1String("engine stopped answering"))) << reason.toStdString();
        EXPECT_TRUE(readText(log).contains(QLatin1String("the engine stopped answering"))) << readText(log).toStdString();
        EXPECT_EQ(entriesIn(out.path()), QStringList());
    }
}

INSTANTIATE_TEST_SUITE_P(Scans, HandBrakeScans,
                         testing::Values(Scan{"moving_on_for_two_limits", 200}, Scan{"repeating_one_step", 0}),
                         [](const testing::TestParamInfo<Scan> &info) { return std::string(info.param.what); });

} // namespace
