// Pictures of more than 8 bits or finer colour than 4:2:0 (a 10-bit HEVC, a ProRes 4:2:2, a
// 4:4:4 H.264) through every H.264 file profile: each output is 8-bit 4:2:0 H.264 (yuv420p),
// which Flash, browsers and hardware decoders play, never High 10, High 4:2:2 or High 4:4:4
// Predictive. One test per source and profile, so ctest runs them side by side.

#include "FileRoadTestSupport.h"

#include "support/testname.h"

#include <vector>

using namespace fileroadtest;

namespace {

struct DeepSource
{
    const char *name;
    const char *path;  // below the fixtures folder
};

const DeepSource kSources[] = {
    {"HEVC_10bit", "mixes/hevc10.mp4"},
    {"ProRes_422_10bit", "mixes/prores422.mov"},
    {"H264_444", "mixes/yuv444.mp4"},
};

struct H264Profile
{
    const char *name;
    const char *file;
    const char *videoCodec;  // the profile's choice that takes its H.264 road ("" its own)
};

const H264Profile kProfiles[] = {
    {"MP4_H264", "Video_MP4_H264.plist", ""}, {"HD_H264", "Video_HD_H264.plist", ""},
    {"MKV", "Video_MKV.plist", "libx264"},     {"HD_MKV", "Video_HD_MKV.plist", ""},
    {"FLV_H264", "Video_FLV.plist", "h264"},   {"F4V", "Video_F4V.plist", ""},
    {"3GP_H264", "Video_3GP.plist", "h264"},   {"3G2_H264", "Video_3G2.plist", "h264"},
};

struct DeepRow
{
    DeepSource source;
    H264Profile profile;
};

void PrintTo(const DeepRow &row, std::ostream *out)
{
    *out << row.source.name << " to " << row.profile.name;
}

std::vector<DeepRow> deepRows()
{
    std::vector<DeepRow> rows;
    for (const DeepSource &source : kSources)
        for (const H264Profile &profile : kProfiles)
            rows.push_back({source, profile});
    return rows;
}

class DeepColour : public FileRoadTest, public ::testing::WithParamInterface<DeepRow>
{
};

} // namespace

TEST_P(DeepColour, BecomesEightBitFourTwoZeroH264)
{
    const DeepRow &row = GetParam();
    const QString output = convertWith(row.source.path, [&](DNFileNode &item) {
        if (*row.profile.videoCodec)
            item.profile()->videoCodec()->setCurrentValue(QString::fromLatin1(row.profile.videoCodec));
    }, row.profile.file);
    ASSERT_FALSE(output.isEmpty());
    const QJsonObject video = firstStream(testsupport::ffprobe(output), QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("codec_name")).toString(), QStringLiteral("h264"));
    EXPECT_EQ(video.value(QStringLiteral("pix_fmt")).toString(), QStringLiteral("yuv420p"));
    const QString profile = video.value(QStringLiteral("profile")).toString();
    EXPECT_FALSE(profile.contains(QLatin1String("10")) || profile.contains(QLatin1String("4:")))
        << profile.toStdString();
}

INSTANTIATE_TEST_SUITE_P(H264Profiles, DeepColour, ::testing::ValuesIn(deepRows()),
                         [](const ::testing::TestParamInfo<DeepRow> &info) {
                             return testsupport::testName(info.param.source.name) + "__"
                                    + testsupport::testName(info.param.profile.name);
                         });
