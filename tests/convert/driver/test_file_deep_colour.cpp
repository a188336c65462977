// Pictures of more than 8 bits or finer colour than 4:2:0 (a 10-bit HEVC, a ProRes 4:2:2, a
// 4:4:4 H.264) through every H.264 file profile: each output is 8-bit 4:2:0 H.264 (yuv420p),
// which Flash, browsers and hardware decoders play, never High 10, High 4:2:2 or High 4:4:4
// Predictive. One test per source and profile, so ctest runs them side by side.

#include "FileRoadTestSupport.h"

using namespace fileroadtest;

namespace {

const FixtureSource kSources[] = {
    {"HEVC_10bit", "mixes/hevc10.mp4"},
    {"ProRes_422_10bit", "mixes/prores422.mov"},
    {"H264_444", "mixes/yuv444.mp4"},
};

// Every H.264 profile, each with the codec choice that takes its H.264 road.
const ProfileChoice kProfiles[] = {
    {"MP4_H264", "Video_MP4_H264.plist"},        {"HD_H264", "Video_HD_H264.plist"},
    {"MKV", "Video_MKV.plist", "libx264"},        {"HD_MKV", "Video_HD_MKV.plist"},
    {"FLV_H264", "Video_FLV.plist", "h264"},      {"F4V", "Video_F4V.plist"},
    {"3GP_H264", "Video_3GP.plist", "h264"},      {"3G2_H264", "Video_3G2.plist", "h264"},
};

class DeepColour : public FileRoadTest, public ::testing::WithParamInterface<SourceProfileRow>
{
};

} // namespace

TEST_P(DeepColour, BecomesEightBitFourTwoZeroH264)
{
    const SourceProfileRow &row = GetParam();
    const QString output =
        convertWith(row.source.path, [&](DNFileNode &item) { applyChoice(*item.profile(), row.profile); }, row.profile.file);
    ASSERT_FALSE(output.isEmpty());
    const QJsonObject video = firstStream(testsupport::ffprobe(output), QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("codec_name")).toString(), QStringLiteral("h264"));
    EXPECT_EQ(video.value(QStringLiteral("pix_fmt")).toString(), QStringLiteral("yuv420p"));
    const QString profile = video.value(QStringLiteral("profile")).toString();
    EXPECT_FALSE(profile.contains(QLatin1String("10")) || profile.contains(QLatin1String("4:")))
        << profile.toStdString();
}

INSTANTIATE_TEST_SUITE_P(H264Profiles, DeepColour,
                         ::testing::ValuesIn(everySourceWithEveryProfile(kSources, kProfiles)), sourceProfileTestName);
