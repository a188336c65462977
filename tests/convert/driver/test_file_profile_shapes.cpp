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

const FixtureSource kSources[] = {
    {"square_MP4", "shapes/square.mp4"},
    {"anamorphic_MPEG2", "shapes/anamorphic.mpg"},
    {"FLV", "shapes/flash.flv"},
    {"MKV_tracks", "shapes/tracks.mkv"},
    {"AVI_4x3", "shapes/narrow.avi"},
    {"phone_turned", "shapes/phone.mp4"},
    {"MP4_timed_text", "shapes/timedtext.mp4"},
};

// Every shipped profile with a picture, read from the shipped folder, with its own choices. The
// rows keep pointers into these names, so they live as long as the test program.
const std::vector<ProfileChoice> &shippedProfiles()
{
    static const std::vector<std::string> files = shippedFileProfiles(true);
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const std::string &file : files) {
            std::string name = file.substr(0, file.rfind('.'));
            if (name.rfind("Video_", 0) == 0)
                name.erase(0, 6);
            out.push_back(name);
        }
        return out;
    }();
    static const std::vector<ProfileChoice> choices = [] {
        std::vector<ProfileChoice> out;
        for (size_t i = 0; i < files.size(); ++i)
            out.push_back({names[i].c_str(), files[i].c_str()});
        return out;
    }();
    return choices;
}

// Choices that change the frame's pixels: a frame flagged with another shape, a DV frame of the
// other standard and aspect, the Flash and 3GP H.264 roads, a square-pixel codec that keeps the
// source's size. Run on the sources whose pixels or shape differ most.
const ProfileChoice kVariants[] = {
    {.name = "MP4_H264_640x480_flagged_16x9", .file = "Video_MP4_H264.plist", .resolution = "640x480", .aspect = "16x9"},
    {.name = "DV_PAL_16x9", .file = "Video_DV.plist", .resolution = "720x576", .aspect = "16x9"},
    {.name = "FLV_H264", .file = "Video_FLV.plist", .videoCodec = "h264"},
    {.name = "3GP_H264", .file = "Video_3GP.plist", .videoCodec = "h264"},
    {.name = "RM_keep_origin", .file = "Video_RM.plist", .resolution = "keep origin"},
};
const char *const kVariantSources[] = {"anamorphic_MPEG2", "AVI_4x3", "phone_turned"};

std::vector<SourceProfileRow> shapeRows()
{
    std::vector<SourceProfileRow> rows = everySourceWithEveryProfile(kSources, shippedProfiles());
    for (const FixtureSource &source : kSources) {
        for (const char *name : kVariantSources) {
            if (qstrcmp(name, source.name) != 0)
                continue;
            for (const ProfileChoice &variant : kVariants)
                rows.push_back({source, variant});
        }
    }
    return rows;
}

class ShapeConversion : public FileRoadTest, public ::testing::WithParamInterface<SourceProfileRow>
{
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
    const SourceProfileRow &row = GetParam();
    DNFileNodePtr item = loadFile(QString::fromLatin1(row.source.path), QString::fromLatin1(row.profile.file));
    ASSERT_TRUE(item);
    applyChoice(*item->profile(), row.profile);

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

INSTANTIATE_TEST_SUITE_P(EverySourceKind, ShapeConversion, ::testing::ValuesIn(shapeRows()), sourceProfileTestName);
