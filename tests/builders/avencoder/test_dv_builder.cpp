// The DV builder: the target chosen by the profile's frame, the picture always fitted as shown
// into that frame (its pixels as wide as the flagged aspect makes them) and padded out, without
// changing the user's choice, the audio made to start with the picture, and nothing of the
// encoder's own options.

#include "AVBuilderRun.h"

#include "builders/avencoder/DNAVVideoArgv_DV.h"

using namespace avbuildertest;

namespace {

// A DV run at the profile's frame resolution, with the aspect kept.
struct DVRun : BuilderRun
{
    explicit DVRun(const char *resolution, float duration = 100.0f)
        : BuilderRun(Video_To_DV_With_AVEncoder, {.duration = duration, .profile = QStringLiteral("Video_DV.plist")})
    {
        choose(item->profile()->videoResolution(), resolution);
        choose(item->profile()->videoAspect(), "keep origin");
    }
};

} // namespace

// A 4:3 picture in a PAL frame flagged 4:3 by its own shape: its pixels are 16:15, so it takes
// the frame's whole 720 x 576.
TEST(DVFileBuilder, PlainItemFillsThePALFrameAndItsAudioStartsWithThePicture)
{
    DVRun dv("keep origin");
    const ArgumentPtr argument = dv.run();
    ASSERT_TRUE(argument);
    EXPECT_EQ(words(argument.get()),
              (QStringList{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-target", "pal-dv", "-filter_complex",
                           "[0:#1]scale=720:576,pad=720:576:(ow-iw)/2:(oh-ih)/2[video]", "-filter:a",
                           "aresample=first_pts=0", "-map", "[video]", "-map", "0:#2", "-sn", "-f", "dv", dv.output("dv")}));
    EXPECT_EQ(argument->endpos, 100);
}

TEST(DVFileBuilder, OnlyTheNTSCFrameChoosesNTSC)
{
    struct Row { const char *resolution; const char *target; };
    for (const Row &row : {Row{"720x480", "ntsc-dv"}, Row{"720x576", "pal-dv"}, Row{"720X480", "pal-dv"},
                           Row{"keep origin", "pal-dv"}}) {
        DVRun dv(row.resolution);
        EXPECT_EQ(valueOf(dv.runWords(), QStringLiteral("-target")), QLatin1String(row.target)) << row.resolution;
    }
}

TEST(DVFileBuilder, PictureIsPaddedToTheFrameWhateverTheUserChose)
{
    for (const bool chosen : {false, true}) {
        DVRun dv("720x480");
        dv.item->setting()->setAutoExpandToProfile(chosen);
        dv.choose(dv.item->profile()->videoAspect(), "16x9");
        const QStringList w = dv.runWords();
        // An NTSC frame flagged 16:9 has pixels 32:27 wide: a 4:3 picture is 540 of them wide.
        EXPECT_EQ(valueOf(w, QStringLiteral("-filter_complex")),
                  QStringLiteral("[0:#1]scale=540:480,pad=720:480:(ow-iw)/2:(oh-ih)/2[video]"));
        EXPECT_EQ(valueOf(w, QStringLiteral("-aspect")), QStringLiteral("16:9"));
        EXPECT_EQ(dv.item->setting()->autoExpandToProfile(), chosen);
        EXPECT_TRUE(w.join(' ').contains(QStringLiteral("-map [video] -map 0:#2 -sn -f dv")));
    }
}

// The target sets codecs, rate, size and audio: the profile's own values never reach the encoder.
TEST(DVFileBuilder, WritesNoCodecRateOrAudioOptions)
{
    DVRun dv("720x576");
    dv.choose(dv.item->profile()->videoFrameRate(), "29.97");
    dv.safeMode = true;
    const QStringList w = dv.runWords();
    for (const char *option : {"-c:v", "-b:v", "-r", "-c:a", "-b:a", "-ar", "-ac"})
        EXPECT_FALSE(w.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(valueOf(w, QStringLiteral("-filter_complex")).endsWith(QStringLiteral("setpts=N/(FRAME_RATE*TB)[video]")));
}

// The audio is made to start with the picture (a DV frame carries its own share of it); a changed
// volume follows, and a source without sound gets no audio filter.
TEST(DVFileBuilder, AudioStartsWithThePictureAndKeepsItsVolume)
{
    DVRun loud("720x576");
    loud.item->setting()->setVolume(200);
    EXPECT_EQ(valueOf(loud.runWords(), QStringLiteral("-filter:a")), QStringLiteral("aresample=first_pts=0,volume=2[audio]"));
    DVRun silent("720x576");
    silent.item->audioTracks().clear();
    EXPECT_FALSE(silent.runWords().contains(QStringLiteral("-filter:a")));
}
