// Every video file builder hands a file group whole to the join and returns the join's vector,
// whatever its profile would have it encode; only SWF and RealMedia, whose packets the engine
// cannot copy into another file, encode the joined parts with their own codecs, and DV, whose
// frames of sound cannot be copied into the joined frames, writes its sound afresh (the
// audio-only builders join on a road of their own, test_audio_only_builders.cpp).

#include "AVBuilderRun.h"

#include "builders/avencoder/DNAVVideoArgv_3GP.h"
#include "builders/avencoder/DNAVVideoArgv_ASF.h"
#include "builders/avencoder/DNAVVideoArgv_AVI.h"
#include "builders/avencoder/DNAVVideoArgv_DV.h"
#include "builders/avencoder/DNAVVideoArgv_FLV.h"
#include "builders/avencoder/DNAVVideoArgv_H264.h"
#include "builders/avencoder/DNAVVideoArgv_MKV.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG1.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG2.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG4.h"
#include "builders/avencoder/DNAVVideoArgv_ProRes.h"
#include "builders/avencoder/DNAVVideoArgv_RM.h"
#include "builders/avencoder/DNAVVideoArgv_SWF.h"
#include "builders/avencoder/DNAVVideoArgv_VOB.h"
#include "builders/avencoder/DNAVVideoArgv_WEBM.h"
#include "builders/avencoder/DNAVVideoArgv_WMV.h"
#include "builders/avencoder/DNAVVideoArgvPublic.h"

using namespace avbuildertest;

namespace {

struct GroupRow
{
    const char *name;
    ArgvAssemblerFunction builder;
    const char *profile;
    const char *videoCodec = nullptr;  // the profile's choice (null: its own)
    // The words that stand for "-c copy" in a join that encodes (empty: the join copies).
    QStringList encoding = {};
};

void PrintTo(const GroupRow &row, std::ostream *out)
{
    *out << row.name;
}

const GroupRow groupRows[] = {
    {"H264", Video_To_H264_With_AVEncoder, "Video_MP4_H264.plist"},
    {"HD_H264", Video_To_HD_H264_With_AVEncoder, "Video_HD_H264.plist"},
    {"MPEG4", Video_To_MPEG4_With_AVEncoder, "Video_MP4_MPEG4.plist"},
    {"MP4_MP3", Video_To_MP4_MP3Audio_With_AVEncoder, "Video_MP4_MP3.plist"},
    {"AVI", Video_To_AVI_With_AVEncoder, "Video_AVI.plist"},
    {"WMV", Video_To_WMV2_With_AVEncoder, "Video_WMV.plist"},
    {"MPEG1", Video_To_MPEG1_With_AVEncoder, "Video_MPEG1.plist"},
    {"MPEG2", Video_To_MPEG2_With_AVEncoder, "Video_MPEG2.plist"},
    {"MPEG2_AC3", Video_To_MPEG2AC3_With_AVEncoder, "Video_MPEG2_AC3.plist"},
    {"VOB", Video_To_VOB_With_AVEncoder, "Video_VOB.plist"},
    {"NTSC_DVD", Video_To_NTSCDVD_With_AVEncoder, "Video_NTSC_DVD.plist"},
    {"PAL_DVD", Video_To_PALDVD_With_AVEncoder, "Video_PAL_DVD.plist"},
    {"MKV", Video_To_MKV_With_AVEncoder, "Video_MKV.plist"},
    {"HD_MKV", Video_To_HD_MKV_With_AVEncoder, "Video_HD_MKV.plist"},
    {"WEBM", Video_To_WEBM_With_AVEncoder, "Video_WEBM.plist"},
    {"ASF", Video_To_ASF_With_AVEncoder, "Video_ASF.plist"},
    {"3GP", Video_To_3GP_With_AVEncoder, "Video_3GP.plist"},
    {"3G2_H264", Video_To_3G2_With_AVEncoder, "Video_3G2.plist", "h264"},
    {"FLV", Video_To_FLV_With_AVEncoder, "Video_FLV.plist"},
    {"F4V", Video_To_F4V_With_AVEncoder, "Video_F4V.plist"},
    {"DV", Video_To_DV_With_AVEncoder, "Video_DV.plist", nullptr, {"-c:v", "copy", "-filter:a", "asetpts=PTS-0.1/TB,apad=pad_len=4800", "-c:a", "pcm_s16le", "-f", "dv"}},
    {"SWF", Video_To_SWF_With_AVEncoder, "Video_SWF.plist", nullptr,
     {"-b:v", "800k", "-c:v", "flv1", "-c:a", "libmp3lame", "-b:a", "128k", "-ar", "44100", "-ac", "2"}},
    {"RM", Video_To_RM_With_AVEncoder, "Video_RM.plist", nullptr,
     {"-b:v", "800k", "-c:v", "rv20", "-c:a", "ac3", "-b:a", "128k", "-ar", "44100", "-ac", "2"}},
    {"ProRes4444", Video_To_ProRes4444_With_AVEncoder, "Video_ProRes_4444.plist"},
    {"ProRes422HQ", Video_To_ProRes422HQ_With_AVEncoder, "Video_ProRes_422HQ.plist"},
    {"ProRes422", Video_To_ProRes422_With_AVEncoder, "Video_ProRes_422.plist"},
    {"ProRes422LT", Video_To_ProRes422LT_With_AVEncoder, "Video_ProRes_422LT.plist"},
    {"ProRes422Proxy", Video_To_ProRes422Poxy_With_AVEncoder, "Video_ProRes_422Proxy.plist"},
};

class FileBuilderWithGroup : public ::testing::TestWithParam<GroupRow>
{
};

} // namespace

TEST_P(FileBuilderWithGroup, ReturnsTheJoinsVector)
{
    const GroupRow &row = GetParam();
    QTemporaryDir out;
    QList<DNFileNodePtr> members{makeItem({.duration = 10.6f}), makeItem({.path = QStringLiteral("/media/b.mp4"), .duration = 20.7f})};
    members[0]->setOutputName(out.filePath(QStringLiteral("part1")));
    members[1]->setOutputName(out.filePath(QStringLiteral("part2")));
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    group->setProfile(videoProfile(QString::fromLatin1(row.profile)));
    if (row.videoCodec)
        group->profile()->videoCodec()->setCurrentValue(QString::fromLatin1(row.videoCodec));
    const ArgumentPtr built(row.builder(group.get(), -1, passOptions(out.path(), 2)));
    ASSERT_TRUE(built);
    const QStringList w = words(built.get());
    EXPECT_EQ(w.mid(0, 6), (QStringList{"encoder", "-d", "-y", "-f", "concat", "-i"}));
    if (row.encoding.isEmpty()) {
        EXPECT_EQ(w.mid(7, 2), (QStringList{"-c", "copy"}));
        EXPECT_EQ(w.indexOf(QStringLiteral("-c:v")), -1);
    } else {
        EXPECT_EQ(w.mid(7, row.encoding.size()), row.encoding);
    }
    EXPECT_EQ(w.last(), group->outputName());
    EXPECT_EQ(QFileInfo(w.last()).suffix(), group->profile()->fileNameSuffix());
    EXPECT_EQ(built->endpos, 30);
}

INSTANTIATE_TEST_SUITE_P(Table, FileBuilderWithGroup, ::testing::ValuesIn(groupRows),
                         [](const ::testing::TestParamInfo<GroupRow> &info) { return std::string(info.param.name); });
