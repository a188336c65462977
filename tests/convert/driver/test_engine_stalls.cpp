// An engine that stops answering (held with SIGSTOP, as a hung read holds it) ends its pass with
// "the ... engine stopped answering (no progress for N s)" once it has shown no progress for the limit the settings give:
// the engine is ended, the pass fails and leaves nothing. Every engine road, the real engines, a
// short limit.

#include "FileRoadTestSupport.h"
#include "UnfinishedOutputSupport.h"

#include "../../slideshow/slideshow_fixture.h"

#include "convert/slideshow/NXSlideshowConversion.h"
#include "dvd/slideshow/DNGraphicsNode.h"

using namespace fileroadtest;

namespace {

// The limit the settings give, short for the test and set back afterwards.
class ShortStallLimit
{
public:
    ShortStallLimit() { DNSetting::shareSetting().mainWindowSetting()->setEngineStallSeconds(2); }
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
