// The steps the DVD title builders share, seen through the builders that take them: volume,
// trimming, source, tags, group hand-over, entry names, container choice and broken input.

#include "DVDBuilderTestSupport.h"

#include "builders/mencoder/DNMEDVDArgvFLV.h"
#include "builders/mencoder/DNMEDVDArgvMPEG2.h"
#include "builders/mencoder/DNMEDVDArgvMPEG4.h"
#include "builders/mencoder/DNMEDVDArgvTS.h"
#include "builders/mencoder/DNMEDVDArgvWMV.h"
#include "builders/mencoder/steps/DVDGroupBuilders.h"
#include "builders/mencoder/steps/VolumeFilter.h"

#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

struct NamedBuilder
{
    const char *name;
    ArgvAssemblerFunction builder;
    const char *profileFile;
    const char *groupBuilderName;
};

const NamedBuilder videoBuilders[] = {
    {"mpeg2 ac3 copy", DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder, "SonyPS3_MPEG2.plist", MPEG2GroupBuilderName},
    {"mpeg2 ac3 re-encode", DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder, "PCGen_MPEG_MPEG2.plist",
     MPEG2GroupBuilderName},
    {"mpeg2 mp2", DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder, "PCGen_MPEG2_MP2.plist", MPEG2GroupBuilderName},
    {"ts mpeg2", DVD_To_TS_MPEG2_Default_With_MEncoder, "TS_Video_MPEG2.plist", MPEG2GroupBuilderName},
    {"ts h264", DVD_To_TS_H264_Default_With_MEncoder, "TS_Video_H264.plist", H264GroupBuilderName},
    {"ts mpeg4", DVD_To_TS_MPEG4_Default_With_MEncoder, "TS_Video_MPEG4.plist", MPEG4GroupBuilderName},
    {"wmv", DVD_To_WMV_MP3_Default_With_MEncoder, "PCGen_WMV_MP3.plist", WMVGroupBuilderName},
    {"flv", DVD_To_FLV_With_MEncoder, "Video_Youtube_FLV.plist", FLVGroupBuilderName},
    {"mov or ipod mpeg4", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", MPEG4GroupBuilderName},
    {"psp mpeg4", DVD_To_PSP_MPEG4_With_MEncoder, "SonyPSP_MPEG4.plist", MPEG4GroupBuilderName},
    {"mp4 mpeg4", DVD_To_MP4_MPEG4_With_MEncoder, "PCGen_MP4_MPEG4.plist", MPEG4GroupBuilderName},
    {"ps mpeg4", DVD_To_PS_MPEG4_With_MEncoder, "PCGen_MP4_MPEG4.plist", MPEG4GroupBuilderName},
};

// The word after the first occurrence of option, or a null text.
QString after(const QStringList &words, const QString &option)
{
    const qsizetype at = words.indexOf(option);
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
}

Argument *fakeGroupVector(NXBasicMediaNode *, int titleIndex, VideoConvertOptions)
{
    Argument *argument = CreateArgument();
    AppendArgument(argument, "joined");
    AppendArgumentFormat(argument, "%d", titleIndex);
    return argument;
}

} // namespace

TEST(DVDTitleSteps, VolumeFilter)
{
    const struct
    {
        quint32 volume;
        const char *filter;
    } rows[] = {
        {100, "volnorm=1"}, {200, "volume=10"}, {150, "volume=8"},  {110, "volume=6"}, {130, "volume=6"},
        {50, "volume=-10"}, {25, "volume=-20"}, {99, "volume=0"}, {1, "volume=-66"}, {0, "volume=-200"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(volumeFilterText(row.volume), QLatin1String(row.filter)) << row.volume;
}

TEST(DVDTitleSteps, TrimSourceAndTagsOfEveryBuilder)
{
    for (const NamedBuilder &b : videoBuilders) {
        SCOPED_TRACE(b.name);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(b.profileFile));
        ASSERT_TRUE(node);
        node->sourceInfo()->setSourceType(NXDVDSourceInfo::SourceDisc);
        node->sourceInfo()->setDevicePath(QStringLiteral("/dev/sr0"));
        node->nodeInfo()->setDisplayName(QStringLiteral("The \"Best\" Film"));
        node->nodeInfo()->setArtist(QStringLiteral("X"));
        node->nodeInfo()->setGenre(QString());
        DNDVDTitlePtr title = node->titleAt(1);
        title->setLength(3600);
        title->setting()->setTrimEnable(true);
        title->setting()->setTrimStartPercent(0.25f);
        title->setting()->setTrimEndPercent(0.5f);

        ArgumentPtr argument(b.builder(node.get(), 1, passOptions(out.path())));
        ASSERT_TRUE(argument);
        const QStringList w = words(argument.get());
        EXPECT_EQ(after(w, QStringLiteral("-dvd-device")), QStringLiteral("/dev/sr0"));
        EXPECT_EQ(after(w, QStringLiteral("-ss")), QStringLiteral("900"));
        EXPECT_EQ(after(w, QStringLiteral("-endpos")), QStringLiteral("900"));
        EXPECT_EQ(argument->endpos, 900);
        if (b.builder != DVD_To_FLV_With_MEncoder)
            EXPECT_EQ(after(w, QStringLiteral("-info")),
                      QStringLiteral("name=\"The _Best_ Film\":artist=\" \":genre=\"unknown\""));
        else
            EXPECT_FALSE(w.contains(QStringLiteral("-info")));

        // A title of length 0 is never trimmed.
        title->setLength(0);
        argument.reset(b.builder(node.get(), 1, passOptions(out.path())));
        ASSERT_TRUE(argument);
        EXPECT_EQ(after(words(argument.get()), QStringLiteral("-ss")), QStringLiteral("0"));
        EXPECT_FALSE(words(argument.get()).contains(QStringLiteral("-endpos")));
        EXPECT_EQ(argument->endpos, 0);
    }
}

// Trim points come from whole seconds divided by the title's length; multiplying back must give
// those seconds, not one less.
TEST(DVDTitleSteps, WholeSecondTrimsStayWhole)
{
    const struct
    {
        int length, start, end;
    } rows[] = {{6, 1, 3}, {6, 2, 5}, {10, 3, 10}, {7, 1, 6}, {3600, 1234, 2345}};
    QTemporaryDir out;
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("PCGen_WMV_MP3.plist"));
    ASSERT_TRUE(node);
    DNDVDTitlePtr title = node->titleAt(0);
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1: %2-%3").arg(row.length).arg(row.start).arg(row.end).toStdString());
        title->setLength(row.length);
        title->setting()->setTrimEnable(true);
        title->setting()->setTrimStartPercent(float(row.start) / float(row.length));
        title->setting()->setTrimEndPercent(float(row.end) / float(row.length));
        ArgumentPtr argument(DVD_To_WMV_MP3_Default_With_MEncoder(node.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        const QStringList w = words(argument.get());
        EXPECT_EQ(after(w, QStringLiteral("-ss")), QString::number(row.start));
        EXPECT_EQ(after(w, QStringLiteral("-endpos")), QString::number(row.end - row.start));
        EXPECT_EQ(argument->endpos, row.end - row.start);
    }
}

TEST(DVDTitleSteps, GroupsGoToTheirJoiningBuilder)
{
    QTemporaryDir out;
    for (const NamedBuilder &b : videoBuilders) {
        SCOPED_TRACE(b.name);
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(b.profileFile));
        ASSERT_TRUE(node);
        node->setMergeIntoOne(true);
        for (const DNDVDTitlePtr &title : node->titles())
            title->setIsSelected(true);
        const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
        ASSERT_TRUE(group);

        const ArgvAssemblerFunction installed = dvdGroupBuilder(b.groupBuilderName);
        setDVDGroupBuilder(b.groupBuilderName, fakeGroupVector);
        ArgumentPtr argument(b.builder(group.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        EXPECT_EQ(words(argument.get()), QStringList({"joined", "-1"}));
        EXPECT_TRUE(node->titleAt(0)->outputName().isEmpty()) << "no single-title build happened";

        // Without a joining builder the pass fails instead of building the wrong thing.
        setDVDGroupBuilder(b.groupBuilderName, nullptr);
        EXPECT_EQ(b.builder(group.get(), 0, passOptions(out.path())), nullptr);
        setDVDGroupBuilder(b.groupBuilderName, installed);

        // The plain node is no group: a subclass test would be wrong the other way round.
        argument.reset(b.builder(node.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        EXPECT_EQ(words(argument.get()).value(0), QStringLiteral("encoder"));
    }
}

TEST(DVDTitleSteps, BrokenInputFailsThePassWithoutStopping)
{
    QTemporaryDir out;
    const VideoConvertOptions options = passOptions(out.path());
    for (const NamedBuilder &b : videoBuilders) {
        SCOPED_TRACE(b.name);
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(b.profileFile));
        ASSERT_TRUE(node);
        EXPECT_EQ(b.builder(nullptr, 0, options), nullptr);
        EXPECT_EQ(b.builder(node.get(), 3, options), nullptr);
        EXPECT_EQ(b.builder(node.get(), -2, options), nullptr);
        node->titleAt(0)->setting()->setAudioIndex(2);
        EXPECT_EQ(b.builder(node.get(), 0, options), nullptr);

        // A tag too long for one argument: the vector exists but no engine may run it.
        node->titleAt(0)->setting()->setAudioIndex(0);
        node->nodeInfo()->setOutputName(QString(3000, u'n'));
        node->nodeInfo()->setDisplayName(QString(3000, u'n'));
        ArgumentPtr argument(b.builder(node.get(), 0, options));
        ASSERT_TRUE(argument);
        EXPECT_FALSE(ArgumentIsUsable(argument.get()));
    }
}

TEST(DVDTitleSteps, ContainerFollowsTheFileSuffix)
{
    const struct
    {
        ArgvAssemblerFunction builder;
        const char *profileFile;
        const char *suffix;
        const char *of;           // the word after -of
        const char *format;       // the word after -lavfopts or -mpegopts
    } rows[] = {
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "mov", "lavf", "format=mov"},
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "MOV", "lavf", "format=mov"},
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "Mov", "lavf", "format=mov"},
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "mp4", "lavf", "format=ipod"},
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "m4v", "lavf", "format=ipod"},
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "3gp", "lavf", "format=ipod"},
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "", "lavf", "format=ipod"},
        {DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, "MacGen_MOV_MPEG4.plist", "ts", "lavf", "format=mpegts"},
        {DVD_To_PSP_MPEG4_With_MEncoder, "SonyPSP_MPEG4.plist", "m2ts", "lavf", "format=mpegts"},
        {DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder, "PCGen_MPEG2_MP2.plist", "mpg", "mpeg", "format=mpeg2"},
        {DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder, "PCGen_MPEG2_MP2.plist", "TS", "lavf", "format=mpegts"},
        {DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder, "SonyPS3_MPEG2.plist", "mts", "lavf", "format=mpegts"},
        {DVD_To_WMV_MP3_Default_With_MEncoder, "PCGen_WMV_MP3.plist", "wmv", "lavf", "format=wmv"},
        {DVD_To_FLV_With_MEncoder, "Video_Youtube_FLV.plist", "flv", "lavf", "format=flv"},
    };
    QTemporaryDir out;
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.profileFile) + " ." + row.suffix);
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(row.profileFile));
        ASSERT_TRUE(node);
        node->profile()->setFileNameSuffix(QString::fromLatin1(row.suffix));
        ArgumentPtr argument(row.builder(node.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        const QStringList w = words(argument.get());
        EXPECT_EQ(after(w, QStringLiteral("-of")), QLatin1String(row.of));
        const QString format = QLatin1String(row.of) == u"mpeg" ? after(w, QStringLiteral("-mpegopts"))
                                                                 : after(w, QStringLiteral("-lavfopts"));
        EXPECT_EQ(format, QLatin1String(row.format));
    }
}

TEST(DVDTitleSteps, MPEG2VideoRateNeverExceedsItsMaximum)
{
    const struct
    {
        ArgvAssemblerFunction builder;
        const char *profileBitrate;
        const char *written;
    } rows[] = {
        {DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder, "8000", "vbitrate=5800:"},
        {DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder, "5801", "vbitrate=5800:"},
        {DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder, "5800", "vbitrate=5800:"},
        {DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder, "4000", "vbitrate=4000:"},
        {DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder, "8000", "vbitrate=8000:"},
        {DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder, "25000", "vbitrate=20000:"},
    };
    QTemporaryDir out;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.profileBitrate);
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("PCGen_MPEG_MPEG2.plist"));
        ASSERT_TRUE(node);
        node->profile()->videoQuality()->setCurrentValue(QString::fromLatin1(row.profileBitrate));
        ArgumentPtr argument(row.builder(node.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        EXPECT_TRUE(after(words(argument.get()), QStringLiteral("-lavcopts")).contains(QLatin1String(row.written)));
    }
}
