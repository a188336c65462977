// The joining pass of a merged conversion: the parts of a group's titles, in the group's order,
// joined into one file named after the DVD.

#include "DVDBuilderTestSupport.h"

#include "builders/mencoder/DNMEDVDArgvMerge.h"
#include "profiles/NXProfileInfoBase.h"

#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

struct JoinCase
{
    const char *what;
    ArgvAssemblerFunction builder;
    const char *profileFile;
    const char *aspect;        // the profile's aspect value for the case
    const char *audioBitrate;  // the profile's audio bitrate value for the case
    QStringList familyWords;   // between the parts and "-o"
};

const JoinCase cases[] = {
    {"H.264, aspect kept", Merge_DVDTitle_To_H264_Default_With_MEncoder, "MacGen_MP4_H264.plist", "keep origin", "128",
     {"-of", "lavf", "-lavfopts", "format=ipod", "-oac", "faac", "-faacopts", "br=128:mpeg=4:object=2:raw", "-ovc",
      "copy"}},
    {"H.264, aspect 16x9", Merge_DVDTitle_To_H264_Default_With_MEncoder, "MacGen_MP4_H264.plist", "16x9", "96",
     {"-of", "lavf", "-lavfopts", "format=ipod", "-aspect", "16:9", "-oac", "faac", "-faacopts",
      "br=96:mpeg=4:object=2:raw", "-ovc", "copy"}},
    {"AVC, aspect 1.78x1", Merge_DVDTitle_To_AVC_Default_With_MEncoder, "PCGen_AVC.plist", "1.78x1", "160",
     {"-of", "lavf", "-lavfopts", "format=ipod", "-aspect", "1.78", "-oac", "faac", "-faacopts",
      "br=160:mpeg=4:object=2:raw", "-ovc", "copy"}},
    {"MPEG-4, a transport-stream profile joins into a transport stream", Merge_DVDTitle_To_MPEG4_Default_With_MEncoder,
     "TS_Video_MPEG4.plist", "16x9", "128",
     {"-of", "lavf", "-lavfopts", "format=mpegts", "-oac", "lavc", "-ovc", "copy", "-lavcopts",
      "aglobal=1:acodec=libfaac"}},
    {"MPEG-4, an MP4 profile joins into MP4", Merge_DVDTitle_To_MPEG4_Default_With_MEncoder,
     "PCGen_MP4_MPEG4.plist", "16x9", "128",
     {"-of", "lavf", "-lavfopts", "format=ipod", "-oac", "lavc", "-ovc", "copy", "-lavcopts",
      "aglobal=1:acodec=libfaac"}},
    {"FLV", Group_DVDTitle_To_FLV_With_MEncoder, "Video_Youtube_FLV.plist", "16x9", "128",
     {"-of", "lavf", "-lavfopts", "format=flv", "-oac", "copy", "-ovc", "copy"}},
    {"WMV", Group_DVDTitle_To_WMV_With_MEncoder, "PCGen_WMV_MP3.plist", "16x9", "128",
     {"-of", "lavf", "-lavfopts", "format=asf", "-oac", "copy", "-ovc", "copy"}},
    {"AVI", Group_DVDTitle_To_AVI_With_MEncoder, "PCGen_AVI_MP3_Audio.plist", "16x9", "128",
     {"-of", "avi", "-oac", "copy", "-ovc", "copy"}},
    {"MPEG-2, a transport-stream profile joins into a transport stream", Group_DVDTitle_To_MPEG2_With_MEncoder,
     "TS_Video_MPEG2.plist", "16x9", "128", {"-of", "lavf", "-lavfopts", "format=mpegts", "-oac", "copy", "-ovc", "copy"}},
    {"MPEG-2, a program-stream profile joins into a program stream", Group_DVDTitle_To_MPEG2_With_MEncoder,
     "PCGen_MPEG2_MP2.plist", "16x9", "128", {"-of", "mpeg", "-oac", "copy", "-ovc", "copy"}},
    {"main backup", Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder, "DVDMainBackup.plist", "16x9", "128",
     {"-of", "mpeg", "-oac", "copy", "-ovc", "copy"}},
};

struct Group
{
    DNDVDNodePtr node;
    DNDVDGroupTitlePtr group;
    QStringList parts;  // in the group's order
};

// A group of the NTSC disc's titles in the order given, each with the part its own pass wrote.
Group makeGroup(const QString &profileFile, const QList<int> &order, const QString &partsFolder)
{
    Group g;
    g.node = loadDisc(QStringLiteral("dvd/ntsc"), profileFile);
    if (!g.node)
        return g;
    g.node->setMergeIntoOne(true);
    const QString extension = g.node->profile()->fileNameSuffix();
    for (const DNDVDTitlePtr &title : g.node->titles())
        title->setIsSelected(false);
    g.group = std::make_shared<DNDVDGroupTitle>();
    g.group->setProfile(g.node->profile()->copy());
    g.group->setNodeInfo(g.node->nodeInfo());
    g.group->setSourceInfo(g.node->sourceInfo());
    g.group->setOriginalDVDNode(g.node.get());
    for (int index : order) {
        const DNDVDTitlePtr title = g.node->titleAt(index);
        const QString part = QDir(partsFolder).filePath(QStringLiteral("%1_T%2.%3")
                                                            .arg(outputNameOf(*g.node)).arg(index + 1).arg(extension));
        title->setOutputName(part);
        g.group->appendTitle(title);
        g.parts << part;
    }
    return g;
}

} // namespace

TEST(MergeBuilders, JoinThePartsInGroupOrder)
{
    for (const JoinCase &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir out;
        QTemporaryDir parts;
        Group g = makeGroup(QString::fromLatin1(c.profileFile), {2, 0, 1}, parts.path());
        ASSERT_TRUE(g.group);
        // Only the joins into MP4 read these; the backup profile has neither field.
        if (const auto aspect = g.group->profile()->videoAspect())
            aspect->setCurrentValue(QString::fromLatin1(c.aspect));
        if (const auto bitrate = g.group->profile()->audioQuality())
            bitrate->setCurrentValue(QString::fromLatin1(c.audioBitrate));

        ArgumentPtr argument(c.builder(g.group.get(), -1, passOptions(out.path())));
        ASSERT_TRUE(argument);
        // The joined file carries the DVD's name and the profile's extension, no title number.
        const QString joined = QDir(out.path()).filePath(outputNameOf(*g.node) + QLatin1Char('.')
                                                         + g.group->profile()->fileNameSuffix());
        const QStringList expected = QStringList{QStringLiteral("encoder")} + g.parts + c.familyWords
                                     + QStringList{QStringLiteral("-o"), joined, QStringLiteral("-cache"),
                                                   QStringLiteral("8192")};
        EXPECT_EQ(words(argument.get()), expected);
        EXPECT_EQ(argument->argc, 1 + 3 + c.familyWords.size() + 4);
        EXPECT_EQ(argument->endpos, 0);
        EXPECT_EQ(g.group->outputName(), joined);
        // The group's own name is apart from its tag record's.
        EXPECT_NE(g.node->nodeInfo()->outputName(), joined);
    }
}

TEST(MergeBuilders, PassFieldsAndIndexChangeNothing)
{
    QTemporaryDir out;
    QTemporaryDir parts;
    Group g = makeGroup(QStringLiteral("MacGen_MP4_H264.plist"), {0, 1}, parts.path());
    ASSERT_TRUE(g.group);
    VideoConvertOptions plain = passOptions(out.path(), true, false);
    VideoConvertOptions other = passOptions(out.path(), false, true);
    other.twoPass = 1;
    other.passIndex = 1;
    ArgumentPtr first(Merge_DVDTitle_To_H264_Default_With_MEncoder(g.group.get(), -1, plain));
    ArgumentPtr second(Merge_DVDTitle_To_H264_Default_With_MEncoder(g.group.get(), 4, other));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(words(first.get()), words(second.get()));
}

TEST(MergeBuilders, TakenJoinedNameIsNumbered)
{
    QTemporaryDir out;
    QTemporaryDir parts;
    Group g = makeGroup(QStringLiteral("PCGen_AVI_MP3_Audio.plist"), {0, 1}, parts.path());
    ASSERT_TRUE(g.group);
    QFile taken(QDir(out.path()).filePath(outputNameOf(*g.node) + QStringLiteral(".avi")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    ArgumentPtr argument(Group_DVDTitle_To_AVI_With_MEncoder(g.group.get(), -1, passOptions(out.path())));
    ASSERT_TRUE(argument);
    EXPECT_EQ(g.group->outputName(), QDir(out.path()).filePath(outputNameOf(*g.node) + QStringLiteral(" (1).avi")));
}

TEST(MergeBuilders, RefuseWhatCannotBeJoined)
{
    QTemporaryDir out;
    QTemporaryDir parts;
    const VideoConvertOptions options = passOptions(out.path());
    for (const DVDJoiningBuilder &builder : DVDJoiningBuilders) {
        SCOPED_TRACE(builder.name);
        Group g = makeGroup(QStringLiteral("PCGen_AVI_MP3_Audio.plist"), {0, 1, 2}, parts.path());
        ASSERT_TRUE(g.group);
        // A plain DVD node is no group.
        EXPECT_EQ(builder.function(g.node.get(), 0, options), nullptr);
        EXPECT_EQ(builder.function(nullptr, -1, options), nullptr);
        // A member whose part was never written.
        g.node->titleAt(1)->setOutputName(QString());
        EXPECT_EQ(builder.function(g.group.get(), -1, options), nullptr);
        // An empty group.
        auto empty = std::make_shared<DNDVDGroupTitle>();
        empty->setProfile(g.node->profile());
        EXPECT_EQ(builder.function(empty.get(), -1, options), nullptr);
    }
}

TEST(MergeBuilders, MorePartsThanSlotsFailThePass)
{
    QTemporaryDir out;
    QTemporaryDir parts;
    Group g = makeGroup(QStringLiteral("PCGen_AVI_MP3_Audio.plist"), {0}, parts.path());
    ASSERT_TRUE(g.group);
    // 116 parts fill the AVI join's slots exactly; one more cannot fit.
    for (int i = 1; i < 117; ++i) {
        auto title = std::make_shared<DNDVDTitle>();
        title->setIndex(i);
        title->setOutputName(QDir(parts.path()).filePath(QStringLiteral("part%1.avi").arg(i)));
        g.group->appendTitle(title);
    }
    ArgumentPtr full(Group_DVDTitle_To_AVI_With_MEncoder(g.group.get(), -1, passOptions(out.path())));
    ASSERT_TRUE(full);
    EXPECT_FALSE(ArgumentIsUsable(full.get()));
    EXPECT_LT(full->argc, MaxArguNumber);

    g.group->children().removeLast();
    ArgumentPtr fits(Group_DVDTitle_To_AVI_With_MEncoder(g.group.get(), -1, passOptions(out.path())));
    ASSERT_TRUE(fits);
    EXPECT_TRUE(ArgumentIsUsable(fits.get()));
    EXPECT_EQ(fits->argc, 127);
}
