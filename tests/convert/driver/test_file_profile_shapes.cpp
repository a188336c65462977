// Every video file profile from every kind of source a user has: a square-pixel MP4, a DVD rip
// (MPEG-2 with 64:45 pixels, shown 16:9), Flash video (no stream ids), Matroska with two audio
// tracks and a subtitle stream, a 4:3 AVI, a phone clip stored turned, and an MP4 with a
// timed-text subtitle. Each source shows a disc that is round as the picture is shown; each
// output, converted for real and read back, must hold exactly one video stream, show the disc
// round (within 4 % once the output's own pixel aspect is applied), last as long as the source
// and sound. The profiles are the shipped ones with a picture, read from the shipped folder, so
// a new one is converted here too. One test per source and profile, so ctest runs them side by
// side.

#include "FileRoadTestSupport.h"
#include "ShippedProfiles.h"

#include "support/discshape.h"
#include "support/testname.h"

#include <QTemporaryDir>

#include <vector>

using namespace fileroadtest;

namespace {

struct ShapeSource
{
    const char *name;
    const char *path;  // below the fixtures folder
};

const ShapeSource kSources[] = {
    {"square_MP4", "shapes/square.mp4"},
    {"anamorphic_MPEG2", "shapes/anamorphic.mpg"},
    {"FLV", "shapes/flash.flv"},
    {"MKV_tracks", "shapes/tracks.mkv"},
    {"AVI_4x3", "shapes/narrow.avi"},
    {"phone_turned", "shapes/phone.mp4"},
    {"MP4_timed_text", "shapes/timedtext.mp4"},
};

// A shipped profile with its own choices, or with some of them changed.
struct ShapeProfile
{
    std::string name;
    std::string file;
    const char *videoCodec = "";  // "" its own
    const char *resolution = "";
    const char *aspect = "";
};

// Every shipped profile with a picture, read from the shipped folder, with its own choices.
std::vector<ShapeProfile> shippedProfiles()
{
    std::vector<ShapeProfile> profiles;
    for (const std::string &file : shippedFileProfiles(true)) {
        std::string name = file.substr(0, file.rfind('.'));
        if (name.rfind("Video_", 0) == 0)
            name.erase(0, 6);
        profiles.push_back({name, file});
    }
    return profiles;
}

// Choices that change the frame's pixels: a frame flagged with another shape, a DV frame of the
// other standard and aspect, the Flash and 3GP H.264 roads, a square-pixel codec that keeps the
// source's size. Run on the sources whose pixels or shape differ most.
const ShapeProfile kVariants[] = {
    {.name = "MP4_H264_640x480_flagged_16x9", .file = "Video_MP4_H264.plist", .resolution = "640x480", .aspect = "16x9"},
    {.name = "DV_PAL_16x9", .file = "Video_DV.plist", .resolution = "720x576", .aspect = "16x9"},
    {.name = "FLV_H264", .file = "Video_FLV.plist", .videoCodec = "h264"},
    {.name = "3GP_H264", .file = "Video_3GP.plist", .videoCodec = "h264"},
    {.name = "RM_keep_origin", .file = "Video_RM.plist", .resolution = "keep origin"},
};
const char *const kVariantSources[] = {"anamorphic_MPEG2", "AVI_4x3", "phone_turned"};

struct ShapeRow
{
    ShapeSource source;
    ShapeProfile profile;
};

void PrintTo(const ShapeRow &row, std::ostream *out)
{
    *out << row.source.name << " to " << row.profile.name;
}

std::vector<ShapeRow> shapeRows()
{
    const std::vector<ShapeProfile> profiles = shippedProfiles();
    std::vector<ShapeRow> rows;
    for (const ShapeSource &source : kSources) {
        for (const ShapeProfile &profile : profiles)
            rows.push_back({source, profile});
        for (const char *name : kVariantSources) {
            if (qstrcmp(name, source.name) != 0)
                continue;
            for (const ShapeProfile &variant : kVariants)
                rows.push_back({source, variant});
        }
    }
    return rows;
}

void choose(const std::shared_ptr<NXProfileInfoBase> &field, const char *value)
{
    if (*value && field)
        field->setCurrentValue(QString::fromLatin1(value));
}

class ShapeConversion : public ::testing::TestWithParam<ShapeRow>
{
protected:
    void SetUp() override
    {
        app();
        logFile = freshLog(logDir);
        useOutputFolder(out.path());
    }
    QTemporaryDir logDir;
    QTemporaryDir out;
    QString logFile;
};

int videoStreamsIn(const QJsonObject &probe)
{
    int count = 0;
    for (const QJsonValue &stream : probe.value(QStringLiteral("streams")).toArray())
        count += stream.toObject().value(QStringLiteral("codec_type")).toString() == QLatin1String("video");
    return count;
}

} // namespace

TEST_P(ShapeConversion, KeepsOneVideoStreamTheShapeTheLengthAndTheSound)
{
    const ShapeRow &row = GetParam();
    DNFileNodePtr item = loadFile(QString::fromLatin1(row.source.path), QString::fromStdString(row.profile.file));
    ASSERT_TRUE(item);
    const auto profile = item->profile();
    choose(profile->videoCodec(), row.profile.videoCodec);
    choose(profile->videoResolution(), row.profile.resolution);
    choose(profile->videoAspect(), row.profile.aspect);

    ASSERT_EQ(convert(item.get()), 0) << readText(logFile).right(3000).toStdString();
    const QString output = item->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_EQ(videoStreamsIn(probe), 1);

    const auto disc = testsupport::measureDisc(output);
    ASSERT_TRUE(disc) << output.toStdString();
    EXPECT_NEAR(disc->shownRatio(), 1.0, 0.04)
        << "disc " << disc->width << "x" << disc->height << " of pixels " << disc->pixelAspect << " wide";

    // A SWF header holds no length: its packets tell it.
    const double seconds = durationOf(probe) > 0 ? durationOf(probe) : testsupport::packetEndOf(output);
    EXPECT_NEAR(seconds, 2.0, 0.5);
    const auto tone = testsupport::measureTone(output, 0, 0.5, 1.0);
    ASSERT_TRUE(tone);
    EXPECT_GT(tone->rmsDb, -40.0);
    EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0);
}

INSTANTIATE_TEST_SUITE_P(EverySourceKind, ShapeConversion, ::testing::ValuesIn(shapeRows()),
                         [](const ::testing::TestParamInfo<ShapeRow> &info) {
                             return testsupport::testName(info.param.source.name) + "__"
                                    + testsupport::testName(info.param.profile.name.c_str());
                         });
