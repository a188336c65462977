// File groups through the driver: members of different sizes, rates and audio layouts become
// one playable file of their summed length, under a name with quotes, blanks and non-ASCII
// letters, or a line break; the parts pass through the temporary folder and are gone afterwards;
// members of every kind of source join into the profiles whose frames or containers are their own
// (SWF and RealMedia, whose parts the engine cannot copy, among them), each part keeping its
// shape. Also two passes of a file item, which end in one output.

#include "FileRoadTestSupport.h"

#include "core/platform/DNTemporaryFolder.h"
#include "support/discshape.h"
#include "support/testname.h"

#include <QTemporaryDir>

#include <vector>

using namespace fileroadtest;

TEST(FileGroups, MembersOfEveryShapeJoinIntoOnePlayableFile)
{
    app();
    QTemporaryDir logDir, out;
    const QString logFile = freshLog(logDir);
    useOutputFolder(out.path());
    const QString name = QStringLiteral("Tom's «Grüße» – 1");
    const DNFileGroupNodePtr group = groupOf({QStringLiteral("fileroad/h264_aac.mp4"), QStringLiteral("fileroad/fps50.mp4"),
                                              QStringLiteral("fileroad/odd_718x478.mp4"), QStringLiteral("fileroad/quadrants.mp4")},
                                             name);
    ASSERT_TRUE(group);
    // A member's own edits stay its own in the join: its part is its first second.
    const auto firstMember = std::static_pointer_cast<DNFileNode>(group->children().first());
    firstMember->setEnableTrimming(true);
    firstMember->setTrimEndTime(1);

    StateLog log;
    ASSERT_EQ(convert(group.get(), &log), 0) << readText(logFile).right(4000).toStdString();
    EXPECT_EQ(log.started, 5);  // four parts and the join
    const QString output = group->outputName();
    EXPECT_EQ(output, out.filePath(name + QStringLiteral(".mp4")));
    EXPECT_EQ(filesIn(out.path()), QStringList{name + QStringLiteral(".mp4")});
    EXPECT_TRUE(partsLeftIn(DNTemporaryFolder::path()).isEmpty());

    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_NEAR(durationOf(probe), 10.0, 0.5);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("h264")});
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("aac")});
    const QJsonObject video = firstStream(probe, QStringLiteral("video"));
    // The largest width and height among the members, raised to multiples of 4, at the first
    // member's rate.
    EXPECT_EQ(video.value(QStringLiteral("width")).toInt(), 720);
    EXPECT_EQ(video.value(QStringLiteral("height")).toInt(), 480);
    const QStringList rate = video.value(QStringLiteral("avg_frame_rate")).toString().split(QLatin1Char('/'));
    ASSERT_EQ(rate.size(), 2);
    EXPECT_NEAR(rate.at(0).toDouble() / rate.at(1).toDouble(), 25.0, 0.3);
    EXPECT_EQ(testsupport::tagValue(probe.value(QStringLiteral("format")).toObject(), QStringLiteral("title")),
              QStringLiteral("Joined"));
    // Every part's audio is there, to the end.
    for (double at : {0.0, 2.0, 5.0, 8.5}) {
        const auto tone = testsupport::measureTone(output, 0, at, 1.0);
        ASSERT_TRUE(tone) << at;
        EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0) << at;
    }
    // The members are given back as they were.
    EXPECT_TRUE(firstMember->setting()->trimEnable());
    EXPECT_EQ(firstMember->profile()->videoResolution()->currentValue(), QStringLiteral("keep origin"));
    EXPECT_NE(firstMember->nodeInfo(), group->nodeInfo());
}

TEST(FileGroups, AFailingMemberEndsTheGroupWithoutAJoin)
{
    app();
    QTemporaryDir logDir, out;
    const QString logFile = freshLog(logDir);
    useOutputFolder(out.path());
    const DNFileGroupNodePtr group = groupOf({QStringLiteral("fileroad/h264_aac.mp4"), QStringLiteral("fileroad/fps50.mp4")},
                                             QStringLiteral("broken"));
    ASSERT_TRUE(group);
    std::static_pointer_cast<DNFileNode>(group->children().last())->setPath(out.filePath(QStringLiteral("gone.mp4")));
    EXPECT_EQ(convert(group.get()), ConvertResultFailed);
    EXPECT_TRUE(readText(logFile).contains(QLatin1String("Convert Group child failed, so exit merge...")));
    EXPECT_TRUE(filesIn(out.path()).isEmpty());
    // The part the first member made goes too.
    EXPECT_EQ(partsLeftIn(DNTemporaryFolder::path()), QStringList());
}

// A group whose first member's file name holds a line break takes its name, and joins as that
// member converts alone: the list of parts the join reads holds one path a line, and the parts
// are named without the break; the joined file keeps it, and nothing else is left.
TEST(FileGroups, AMemberWhoseNameHoldsALineBreakJoins)
{
    app();
    QTemporaryDir logDir, out, sources;
    const QString logFile = freshLog(logDir);
    useOutputFolder(out.path());
    const QString broken = sources.filePath(QStringLiteral("two\nlines.mp4"));
    ASSERT_TRUE(QFile::copy(testsupport::fixturePath(QStringLiteral("fileroad/h264_aac.mp4")), broken));
    QString error;
    const DNFileNodePtr first = fileNodeWithFile(broken, false, &error);
    ASSERT_TRUE(first) << error.toStdString();
    first->setProfile(videoProfile(QStringLiteral("Video_MP4_H264.plist")));
    const DNFileNodePtr second = loadFile(QStringLiteral("fileroad/fps50.mp4"));
    ASSERT_TRUE(second);
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes({first, second});
    group->setProfile(first->profile());

    ASSERT_EQ(convert(group.get()), 0) << readText(logFile).right(4000).toStdString();
    EXPECT_EQ(group->outputName(), out.filePath(QStringLiteral("two\nlines.mp4")));
    EXPECT_EQ(filesIn(out.path()), QStringList{QStringLiteral("two\nlines.mp4")});
    EXPECT_EQ(partsLeftIn(DNTemporaryFolder::path()), QStringList());
    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(group->outputName(), &errors)) << errors.toStdString();
    EXPECT_NEAR(durationOf(testsupport::ffprobe(group->outputName())), 6.0, 0.5);
}

namespace {

// A test joining fixture files into an output folder of its own.
class JoinTest : public FileRoadTest
{
protected:
    // The group of the fixture files sources, joined with profile after adjust: the joined
    // file, "" when the conversion failed.
    QString joined(const QStringList &sources, const char *profile,
                   const std::function<void(DNFileGroupNode &)> &adjust = {})
    {
        const DNFileGroupNodePtr group = groupOf(sources, QStringLiteral("joined"));
        if (!group)
            return {};
        group->setProfile(videoProfile(QString::fromLatin1(profile)));
        if (adjust)
            adjust(*group);
        const int result = convert(group.get());
        EXPECT_EQ(result, 0) << readText(logFile).right(4000).toStdString();
        return result == 0 ? group->outputName() : QString();
    }
};

struct JoinRow
{
    const char *name;
    const char *profile;
};

void PrintTo(const JoinRow &row, std::ostream *out)
{
    *out << row.name;
}

const JoinRow joinRows[] = {
    {"SWF", "Video_SWF.plist"},     {"RM", "Video_RM.plist"},           {"FLV", "Video_FLV.plist"},
    {"DV", "Video_DV.plist"},       {"PAL_DVD", "Video_PAL_DVD.plist"}, {"MP4_H264", "Video_MP4_H264.plist"},
    {"WEBM", "Video_WEBM.plist"},   {"AVI", "Video_AVI.plist"},         {"MKV", "Video_MKV.plist"},
    {"ProRes_422", "Video_ProRes_422.plist"},
};

class JoinInto : public JoinTest, public ::testing::WithParamInterface<JoinRow>
{
};

// A join's part keeps the shape it is shown with: its disc is round within 2 % (a picture padded
// into its frame is scaled to even sizes, a pixel off its shape at most: 82 columns for 81).
constexpr double kRoundWithin = 0.02;

void expectRoundAt(const QString &output, double seconds)
{
    const auto disc = testsupport::measureDisc(output, seconds);
    ASSERT_TRUE(disc) << seconds;
    EXPECT_NEAR(disc->shownRatio(), 1.0, kRoundWithin)
        << "at " << seconds << " s: disc " << disc->width << "x" << disc->height << " of pixels " << disc->pixelAspect
        << " wide";
}

} // namespace

// A square-pixel MP4, a DVD rip of 64:45 pixels, a Flash video (no stream ids) and a phone clip
// held upright (stored turned), 2 s each.
TEST_P(JoinInto, KeepsEveryPartsShapeAndSound)
{
    const QString output = joined({QStringLiteral("shapes/square.mp4"), QStringLiteral("shapes/anamorphic.mpg"),
                                   QStringLiteral("shapes/flash.flv"), QStringLiteral("shapes/phone.mp4")},
                                  GetParam().profile);
    ASSERT_FALSE(output.isEmpty());
    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")).size(), 1);
    // A SWF header holds no length: its packets tell it.
    EXPECT_NEAR(durationOf(probe) > 0 ? durationOf(probe) : testsupport::packetEndOf(output), 8.0, 0.5);
    for (const double at : {1.0, 3.0, 5.0, 7.0}) {
        expectRoundAt(output, at);
        const auto tone = testsupport::measureTone(output, 0, at - 0.5, 1.0);
        ASSERT_TRUE(tone) << at;
        EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0) << at;
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, JoinInto, ::testing::ValuesIn(joinRows),
                         [](const ::testing::TestParamInfo<JoinRow> &info) { return testsupport::testName(info.param.name); });

namespace {

// The small frames of the mobile and MPEG-1 profiles, where a narrow picture is a few dozen
// pixels wide.
const JoinRow smallFrameRows[] = {
    {"3G2", "Video_3G2.plist"}, {"3GP", "Video_3GP.plist"}, {"MPEG1", "Video_MPEG1.plist"},
};

class JoinIntoSmallFrame : public JoinTest, public ::testing::WithParamInterface<JoinRow>
{
};

} // namespace

// A phone clip held upright, after a landscape clip, padded into a small landscape frame.
TEST_P(JoinIntoSmallFrame, KeepsAPortraitPartsShape)
{
    const QString output =
        joined({QStringLiteral("shapes/square.mp4"), QStringLiteral("shapes/phone.mp4")}, GetParam().profile);
    ASSERT_FALSE(output.isEmpty());
    for (const double at : {1.0, 3.0})
        expectRoundAt(output, at);
}

INSTANTIATE_TEST_SUITE_P(Profiles, JoinIntoSmallFrame, ::testing::ValuesIn(smallFrameRows),
                         [](const ::testing::TestParamInfo<JoinRow> &info) { return testsupport::testName(info.param.name); });

namespace {

// Sources of every kind a user mixes, of lengths that are no whole number of NTSC DV's
// five-frame audio pattern (the mixes set), so that its parts meet where the pattern does not
// start again.
struct DVMixRow
{
    const char *name;
    const char *resolution;  // the DV profile's frame: 720x480 NTSC, 720x576 PAL
    std::vector<const char *> sources;
};

void PrintTo(const DVMixRow &row, std::ostream *out)
{
    *out << row.name;
}

const DVMixRow dvMixRows[] = {
    {"NTSC_VP9_HEVC10_camcorder_ProRes", "720x480",
     {"mixes/vp9.webm", "mixes/hevc10.mp4", "mixes/camcorder.ts", "mixes/prores422.mov"}},
    {"NTSC_WMV_chapters_anamorphic_AVI", "720x480",
     {"mixes/clip.wmv", "mixes/chapters.mkv", "shapes/anamorphic.mpg", "shapes/narrow.avi"}},
    {"NTSC_VP9_phone_timed_text_444", "720x480",
     {"mixes/vp9.webm", "shapes/phone.mp4", "shapes/timedtext.mp4", "mixes/yuv444.mp4"}},
    {"PAL_camcorder_WMV_phone", "720x576", {"mixes/camcorder.ts", "mixes/clip.wmv", "shapes/phone.mp4"}},
};

class DVJoin : public JoinTest, public ::testing::WithParamInterface<DVMixRow>
{
};

} // namespace

// The joined DV file is whole: one picture and one sound stream, as long as its parts together,
// each part's picture in its shape and its sound to the very end.
TEST_P(DVJoin, OfMixedSourcesIsWhole)
{
    const DVMixRow &row = GetParam();
    QStringList sources;
    for (const char *source : row.sources)
        sources << QString::fromLatin1(source);
    std::vector<double> partEnds;
    double total = 0;
    const QString output = joined(sources, "Video_DV.plist", [&](DNFileGroupNode &group) {
        group.profile()->videoResolution()->setCurrentValue(QString::fromLatin1(row.resolution));
        for (const NXMediaNodePtr &child : group.children()) {
            total += std::static_pointer_cast<DNFileNode>(child)->selectedVideoTrack()->duration;
            partEnds.push_back(total);
        }
    });
    ASSERT_FALSE(output.isEmpty());
    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("dvvideo")});
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("pcm_s16le")});
    EXPECT_EQ(firstStream(probe, QStringLiteral("video")).value(QStringLiteral("height")).toInt(),
              QString::fromLatin1(row.resolution).section(QLatin1Char('x'), 1).toInt());
    EXPECT_NEAR(durationOf(probe), total, 0.2);
    double partStart = 0;
    for (const double partEnd : partEnds) {
        const double middle = (partStart + partEnd) / 2;
        const auto disc = testsupport::measureDisc(output, middle);
        ASSERT_TRUE(disc) << middle;
        EXPECT_NEAR(disc->shownRatio(), 1.0, 0.04) << middle;
        // The part's sound from its first to its last tenth of a second.
        for (const double at : {partStart + 0.1, partEnd - 0.6}) {
            const auto tone = testsupport::measureTone(output, 0, at, 0.5);
            ASSERT_TRUE(tone) << at;
            EXPECT_GT(tone->rmsDb, -40.0) << at;
            EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0) << at;
        }
        partStart = partEnd;
    }
}

INSTANTIATE_TEST_SUITE_P(Mixes, DVJoin, ::testing::ValuesIn(dvMixRows),
                         [](const ::testing::TestParamInfo<DVMixRow> &info) { return testsupport::testName(info.param.name); });

using GroupMembers = JoinTest;

TEST_F(GroupMembers, KeepTheirWatermarkInTheirPart)
{
    const QString movie = QStringLiteral("fileroad/sidecar/movie.mp4");
    const QString output = joined({movie, movie}, "Video_MP4_H264.plist", [](DNFileGroupNode &group) {
        // The first member's text watermark, nearly opaque, over the top-right quarter.
        const auto marked = std::static_pointer_cast<DNFileNode>(group.children().first());
        marked->setEnableWatermark(true);
        marked->setTypeOfWatermark(1);
        marked->setTextOfWatermark(QStringLiteral("TALVANE"));
        marked->setTextWatermarkColor(DNColor::rgb(255, 255, 255));
        marked->setWatermarkTransparency(5);
        marked->setting()->setWatermarkRectPercent({0.5f, 0.5f, 0.5f, 0.5f});
    });
    ASSERT_FALSE(output.isEmpty());
    EXPECT_NEAR(durationOf(testsupport::ffprobe(output)), 6.0, 0.5);
    // The grey movie is even: the marked part's top-right quarter is brighter than the same
    // quarter of the unmarked part, and its left half is not.
    const auto withMark = testsupport::grabFrame(output, 1.5);
    const auto without = testsupport::grabFrame(output, 4.5);
    ASSERT_TRUE(withMark && without);
    ASSERT_EQ(withMark->width, 320);
    const auto brightness = [](const testsupport::Rgb &c) { return (c.red + c.green + c.blue) / 3; };
    EXPECT_GT(brightness(withMark->mean(160, 0, 160, 120)), brightness(without->mean(160, 0, 160, 120)) + 20);
    EXPECT_NEAR(brightness(withMark->mean(0, 0, 160, 240)), brightness(without->mean(0, 0, 160, 240)), 3);
}

TEST(FileItems, TwoPassesEndInOneOutput)
{
    app();
    QTemporaryDir logDir, out;
    const QString logFile = freshLog(logDir);
    useOutputFolder(out.path());
    DNFileNodePtr item = loadFile(QStringLiteral("fileroad/h264_aac.mp4"));
    ASSERT_TRUE(item);
    item->profile()->setUserEnableTwopassCode(true);
    StateLog log;
    ASSERT_EQ(convert(item.get(), &log), 0);
    // The builder has no two-pass form: its second vector is the first, so it runs once.
    EXPECT_EQ(log.started, 1);
    const QString logged = readText(logFile);
    EXPECT_TRUE(logged.contains(QLatin1String("two pass encode - first encode..")));
    EXPECT_TRUE(logged.contains(QLatin1String("two pass encode - second encode..")));
    EXPECT_EQ(filesIn(out.path()), QStringList{QStringLiteral("h264_aac.mp4")});
    EXPECT_NEAR(durationOf(testsupport::ffprobe(item->outputName())), 3.0, 0.5);
}
