// The rows of the general, web and tablet profiles, the audio-only and backup rows, and the
// hand-over of a group of titles from every family's builder to its joining builder.

#include "builders/mencoder/DNMEDVDArgvAudio.h"
#include "builders/mencoder/DNMEDVDArgvBackup.h"
#include "builders/mencoder/DNMEDVDArgvMerge.h"
#include "builders/mencoder/DNMEDVDArgv_AVI.h"
#include "builders/mencoder/DNMEDVDArgvMPEG2.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "profiles/NXProfileInfoBase.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

struct RowTarget
{
    const char *row;
    const char *target;
};

// Every row of these families and what it must lead to.
const RowTarget rowTargets[] = {
    {"DVD_To_DVDMainBackup_MPEG_With_MEncoder", "DVD_To_DVD_MainBackup_MPEG2_With_MEncoder"},
    {"DVD_To_DVDFullBackup_MPEG_With_MEncoder", "DVD_To_DVD_FullBackup_MPEG2_With_MEncoder"},
    {"DVD_To_Music_MP3_With_MEncoder", "DVD_To_MP3_Default_With_MEncoder"},
    {"DVD_To_Music_AAC_With_MEncoder", "DVD_To_AAC_Default_With_MEncoder"},
    {"DVD_To_Music_AC3_With_MEncoder", "DVD_To_AC3_Default_With_MEncoder"},
    {"DVD_To_WP8Pad_General_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Microsoft_SurfaceRT_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Microsoft_SurfaceRT_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Microsoft_SurfacePro_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Microsoft_SurfacePro_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Acer_Aspire_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Acer_Aspire_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Acer_IconiaTabW700_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Acer_IconiaTabW700_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Acer_IconiaTabW510_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Acer_IconiaTabW510_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Asus_Taochi_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Asus_Taochi_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Asus_EeeSlate_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Asus_EeeSlate_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Samsung_ATIVTab_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Samsung_ATIVTab_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_WP8_Lenovo_ThinkPadTab_AVI_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_WP8_Lenovo_ThinkPadTab_WMV_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_PCGen_AVI_MP3_Audio_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_PCGen_AVI_Copy_Audio_With_MEncoder", "DVD_To_AVI_ByVideoCodec_With_MEncoder"},
    {"DVD_To_PCGen_MP4_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_PCGen_AVC_With_MEncoder", "DVD_To_AVC_Default_With_MEncoder"},
    {"DVD_To_PCGen_MPEG_MPEG2_With_MEncoder", "DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder"},
    {"DVD_To_PCGen_MPEG2_MP2_With_MEncoder", "DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder"},
    {"DVD_To_PCGen_WMV_MP3_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_PCGen_MOV_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_MacGen_MP4_H264_With_MEncoder", "DVD_To_H264_ByFileSuffix_With_MEncoder"},
    {"DVD_To_MacGen_MP4_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_MacGen_MOV_H264_With_MEncoder", "DVD_To_H264_ByFileSuffix_With_MEncoder"},
    {"DVD_To_MacGen_MOV_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_MacGen_M4V_H264_With_MEncoder", "DVD_To_H264_ByFileSuffix_With_MEncoder"},
    {"DVD_To_MacGen_M4V_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_Video_Youtube_MP4_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_Video_Youtube_MP4_H264_With_MEncoder", "DVD_To_H264_ByFileSuffix_With_MEncoder"},
    {"DVD_To_Video_Youtube_FLV_With_MEncoder", "DVD_To_FLV_With_MEncoder"},
    {"DVD_To_Video_Facebook_MP4_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_Video_Facebook_MOV_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_Video_Facebook_AVI_DIVX_With_MEncoder", "DVD_To_AVI_DIVX_Default_With_MEncoder"},
    {"DVD_To_Video_Facebook_FLV_With_MEncoder", "DVD_To_FLV_With_MEncoder"},
    {"DVD_To_Video_Vimeo_MP4_H264_With_MEncoder", "DVD_To_H264_ByFileSuffix_With_MEncoder"},
    {"DVD_To_Video_Other_WMV_MP3_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"},
    {"DVD_To_Video_Other_AVI_DIVX_With_MEncoder", "DVD_To_AVI_DIVX_Default_With_MEncoder"},
    {"DVD_To_Video_Other_MOV_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
    {"DVD_To_Video_Other_MP4_MPEG4_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"},
};

QStringList vectorOf(ArgvAssemblerFunction builder, NXBasicMediaNode *node, int titleIndex,
                     const VideoConvertOptions &options)
{
    if (!builder)
        return {QStringLiteral("<no builder>")};
    ArgumentPtr argument(builder(node, titleIndex, options));
    return argument ? words(argument.get()) : QStringList{QStringLiteral("<no vector>")};
}

ArgvAssemblerFunction tableRow(const char *name)
{
    return DVDArgvAssemblerForName(name);
}

} // namespace

TEST(MergeAudioBackupWrapperRows, EveryRowLeadsToItsBuilder)
{
    QTemporaryDir out;
    const VideoConvertOptions options = passOptions(out.path());
    for (const RowTarget &rt : rowTargets) {
        SCOPED_TRACE(rt.row);
        const ArgvAssemblerFunction row = tableRow(rt.row);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row, RegisteredArgvAssemblerForName(rt.target)) << rt.target;
        // Without a node the pass fails; the program goes on.
        EXPECT_EQ(row(nullptr, 0, options), nullptr);
    }
}

TEST(MergeAudioBackupWrapperRows, CodecAndContainerChoicesFollowTheProfile)
{
    QTemporaryDir out;
    const VideoConvertOptions options = passOptions(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("PCGen_AVI_MP3_Audio.plist"));
    ASSERT_TRUE(node);
    const auto codec = node->profile()->videoCodec();
    ASSERT_TRUE(codec);

    struct CodecCase
    {
        const char *row;
        const char *codec;
        ArgvAssemblerFunction expected;  // null: no vector
    } codecCases[] = {
        {"DVD_To_PCGen_AVI_MP3_Audio_With_MEncoder", "divx", DVD_To_AVI_DIVX_Default_With_MEncoder},
        {"DVD_To_PCGen_AVI_Copy_Audio_With_MEncoder", "Xvid", DVD_To_AVI_XVID_Default_With_MEncoder},
        {"DVD_To_PCGen_AVI_Copy_Audio_With_MEncoder", "H264", nullptr},
        {"DVD_To_WP8_Acer_Aspire_AVI_With_MEncoder", "XVID", DVD_To_AVI_XVID_Default_With_MEncoder},
        {"DVD_To_Video_Facebook_AVI_DIVX_With_MEncoder", "XVID", DVD_To_AVI_DIVX_Default_With_MEncoder},
        {"DVD_To_Video_Other_AVI_DIVX_With_MEncoder", "XVID", DVD_To_AVI_DIVX_Default_With_MEncoder},
    };
    for (const CodecCase &c : codecCases) {
        SCOPED_TRACE(std::string(c.row) + " " + c.codec);
        codec->setCurrentValue(QString::fromLatin1(c.codec));
        const QStringList built = vectorOf(tableRow(c.row), node.get(), 0, options);
        if (c.expected)
            EXPECT_EQ(built, vectorOf(c.expected, node.get(), 0, options));
        else
            EXPECT_EQ(built, QStringList{QStringLiteral("<no vector>")});
    }

    struct ContainerCase
    {
        const char *row;
        const char *profileFile;
        const char *suffix;
        const char *containerWord;
    } containerCases[] = {
        {"DVD_To_MacGen_MOV_H264_With_MEncoder", "MacGen_MOV_H264.plist", "MOV", "format=mov"},
        {"DVD_To_MacGen_M4V_H264_With_MEncoder", "MacGen_M4V_H264.plist", "m4v", "format=ipod"},
        {"DVD_To_MacGen_MOV_MPEG4_With_MEncoder", "MacGen_MOV_MPEG4.plist", "mov", "format=mov"},
        {"DVD_To_MacGen_M4V_MPEG4_With_MEncoder", "MacGen_M4V_MPEG4.plist", "m4v", "format=ipod"},
        {"DVD_To_Video_Youtube_MP4_H264_With_MEncoder", "Video_Youtube_MP4_H264.plist", "mp4", "format=ipod"},
    };
    for (const ContainerCase &c : containerCases) {
        SCOPED_TRACE(c.row);
        DNDVDNodePtr device = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(c.profileFile));
        ASSERT_TRUE(device);
        device->profile()->setFileNameSuffix(QString::fromLatin1(c.suffix));
        EXPECT_TRUE(vectorOf(tableRow(c.row), device.get(), 0, options).contains(QLatin1String(c.containerWord)));
    }
}

TEST(MergeAudioBackupWrapperRows, EveryFamilyHandsAGroupToItsJoin)
{
    struct GroupCase
    {
        const char *profileFile;
        ArgvAssemblerFunction join;
    } cases[] = {
        {"MacGen_MP4_H264.plist", Merge_DVDTitle_To_H264_Default_With_MEncoder},
        {"TS_Video_H264.plist", Merge_DVDTitle_To_H264_Default_With_MEncoder},
        {"PCGen_AVC.plist", Merge_DVDTitle_To_AVC_Default_With_MEncoder},
        {"MacGen_MOV_MPEG4.plist", Merge_DVDTitle_To_MPEG4_Default_With_MEncoder},
        {"TS_Video_MPEG4.plist", Merge_DVDTitle_To_MPEG4_Default_With_MEncoder},
        {"Video_Youtube_FLV.plist", Group_DVDTitle_To_FLV_With_MEncoder},
        {"PCGen_WMV_MP3.plist", Group_DVDTitle_To_WMV_With_MEncoder},
        {"WP8Pad_General_WMV.plist", Group_DVDTitle_To_WMV_With_MEncoder},
        {"PCGen_AVI_MP3_Audio.plist", Group_DVDTitle_To_AVI_With_MEncoder},
        {"Video_Facebook_AVI_DIVX.plist", Group_DVDTitle_To_AVI_With_MEncoder},
        {"PCGen_MPEG_MPEG2.plist", Group_DVDTitle_To_MPEG2_With_MEncoder},
        {"PCGen_MPEG2_MP2.plist", Group_DVDTitle_To_MPEG2_With_MEncoder},
        {"TS_Video_MPEG2.plist", Group_DVDTitle_To_MPEG2_With_MEncoder},
        {"DVDMainBackup.plist", Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder},
    };
    for (const GroupCase &c : cases) {
        SCOPED_TRACE(c.profileFile);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(c.profileFile));
        ASSERT_TRUE(node);
        node->setMergeIntoOne(true);
        for (const DNDVDTitlePtr &title : node->titles()) {
            title->setIsSelected(true);
            title->setOutputName(QDir(out.path()).filePath(QStringLiteral("part%1").arg(title->index())));
        }
        const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
        ASSERT_TRUE(group);
        const QByteArray rowName = group->profile()->argvAssembler().toUtf8();
        const VideoConvertOptions options = passOptions(out.path());
        const QStringList joined = vectorOf(ArgvAssemblerForName(rowName.constData()), group.get(), -1, options);
        EXPECT_EQ(joined, vectorOf(c.join, group.get(), -1, options)) << rowName.constData();
        EXPECT_EQ(joined.mid(1, 3), (QStringList{QDir(out.path()).filePath(QStringLiteral("part0")),
                                                 QDir(out.path()).filePath(QStringLiteral("part1")),
                                                 QDir(out.path()).filePath(QStringLiteral("part2"))}));
    }
}
