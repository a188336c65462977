// The two video-codec option blocks the file builders share: the MPEG-4 Part 2 block with its
// rate control by bitrate model, quality phase and the iPod format, and the H.264 block, which is
// the H.264 builder's own.

#include "AVBuilderTestSupport.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"

using namespace avbuildertest;

namespace {

QStringList blockOf(const std::function<int(Argument *)> &write)
{
    const ArgumentPtr argument(CreateArgument());
    EXPECT_EQ(write(argument.get()), argument->argc);
    return words(argument.get());
}

} // namespace

TEST(CodecOptionBlocks, MPEG4RateControlByModelPhaseAndFormat)
{
    struct Row { int model; int phase; const char *format; QStringList rate; };
    const Row rows[] = {
        {1, 1, "MP4", {"-minrate", "512k", "-maxrate", "512k", "-bufsize", "1835k"}},
        {1, 1, "iPod", {}},
        {0, 0, "iPod", {"-qmin", "2", "-qmax", "41", "-qscale:v", "10", "-maxrate", "768k", "-bufsize", "1835k"}},
        {0, 1, "MP4", {"-qmin", "2", "-qmax", "28", "-qscale:v", "3", "-maxrate", "768k", "-bufsize", "1835k"}},
        {0, 2, "MP4", {"-qmin", "2", "-qmax", "15", "-qscale:v", "1", "-maxrate", "768k", "-bufsize", "1835k"}},
        {0, 5, "MP4", {"-qmin", "2", "-qmax", "28", "-qscale:v", "3", "-maxrate", "768k", "-bufsize", "1835k"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.model << " " << row.phase << " " << row.format);
        const auto profile = videoProfile(QStringLiteral("Video_ASF.plist"));
        profile->setQualityPhase(row.phase);  // which sets the phase's bitrate
        profile->videoQuality()->setCurBitrateModel(row.model);
        profile->videoQuality()->setCurrentValue(QStringLiteral("512"));
        profile->videoQuality()->setMaxVideoBitrate(768);
        profile->setFileFormat(QString::fromLatin1(row.format));
        QStringList expected{"-c:v", "libxvid"};
        expected << kMPEG4BlockWords << row.rate;
        EXPECT_EQ(blockOf([&](Argument *a) { return AVEncoder_MPEG4_Options(a, "libxvid", *profile); }), expected);
    }
}

TEST(CodecOptionBlocks, H264BlockIsTheH264BuildersCodecAndRateWords)
{
    const auto profile = videoProfile(QStringLiteral("Video_MKV.plist"));
    profile->videoQuality()->setCurBitrateModel(0);
    profile->videoQuality()->setMaxVideoBitrate(3000);
    profile->setQualityPhase(1);
    const QStringList block = blockOf([&](Argument *a) { return AVEncoder_H264_Options(a, *profile); });
    ASSERT_EQ(block.size(), 60);
    EXPECT_EQ(block.mid(0, 2), (QStringList{"-c:v", "libx264"}));
    EXPECT_EQ(block.mid(42, 8), (QStringList{"-profile:v", "baseline", "-level", "30", "-bf", "0", "-coder", "0"}));
    EXPECT_EQ(block.mid(50), (QStringList{"-crf", "22", "-qmin", "2", "-qmax", "30", "-maxrate", "3000k", "-bufsize", "1835k"}));

    // Nothing is written for a profile without a video quality.
    const auto audio = videoProfile(QStringLiteral("Audio_MP3.plist"));
    const ArgumentPtr argument(CreateArgument());
    EXPECT_EQ(AVEncoder_H264_Options(argument.get(), *audio), -1);
    EXPECT_EQ(AVEncoder_MPEG4_Options(argument.get(), "mpeg4", *audio), -1);
    EXPECT_EQ(argument->argc, 0);
}

// The level a stream keeps: 3.0 while the picture, its rate and the rate ceiling fit it, else
// the lowest that holds them all.
TEST(CodecOptionBlocks, H264LevelIsTheLowestTheStreamKeeps)
{
    struct Row { QSize size; double fps; int kbps; int level; };
    const Row rows[] = {
        {{176, 144}, 15, 384, 30},     {{720, 576}, 25, 2500, 30},     {{720, 480}, 29.97, 2500, 30},
        {{854, 480}, 30, 2500, 31},    {{1280, 720}, 25, 2500, 31},    {{1280, 720}, 29.97, 2500, 31},
        {{1280, 720}, 50, 2500, 32},   {{1920, 1080}, 25, 8000, 40},   {{1920, 1080}, 25, 30000, 41},
        {{640, 360}, 25, 12000, 31},   {{1920, 200}, 25, 2500, 31},    {{4096, 2160}, 60, 2500, 52},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(H264LevelFor(row.size, row.fps, row.kbps, 2, 30), row.level)
            << row.size.width() << "x" << row.size.height() << " at " << row.fps << ", " << row.kbps << " kbit/s";
    }
}
