// The SWF and RealMedia builders: the plain frame with fixed codecs and container, word for
// word, and the audio words written even for an item without audio.

#include "AVBuilderRun.h"

#include "builders/avencoder/DNAVVideoArgv_RM.h"
#include "builders/avencoder/DNAVVideoArgv_SWF.h"

using namespace avbuildertest;

TEST(RMFileBuilder, TrimmedItemWithATitleGivesTheVectorWordForWord)
{
    BuilderRun rm(Video_To_RM_With_AVEncoder, {.duration = 600.0f, .profile = QStringLiteral("Video_RM.plist")});
    rm.choose(rm.item->profile()->videoResolution(), "keep origin");
    rm.choose(rm.item->profile()->videoQuality(), "800");
    rm.item->nodeInfo()->setDisplayName(QStringLiteral("Harbour"));
    rm.trim(0.25f, 0.5f);
    const ArgumentPtr argument = rm.run();
    ASSERT_TRUE(argument);
    EXPECT_EQ(words(argument.get()),
              (QStringList{"encoder", "-d", "-y", "-ss", "150", "-t", "150", "-i", "/media/clip.mp4", "-b:v", "800k",
                           "-c:v", "rv20", "-c:a", "ac3", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-metadata",
                           "title=Harbour", "-sn", "-f", "rm", "-t", "150", rm.output("rm")}));
    EXPECT_EQ(argument->argc, 29);
    EXPECT_EQ(argument->endpos, 150);
}

TEST(SWFFileBuilder, PlainItemGivesTheVectorWordForWord)
{
    BuilderRun swf(Video_To_SWF_With_AVEncoder, {.profile = QStringLiteral("Video_SWF.plist")});
    swf.choose(swf.item->profile()->videoResolution(), "keep origin");
    swf.choose(swf.item->profile()->videoFrameRate(), "29.970");
    swf.choose(swf.item->profile()->videoAspect(), "4x3");
    EXPECT_EQ(swf.runWords(), (QStringList{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-r", "30000/1001", "-b:v",
                                           "1000k", "-aspect", "4:3", "-c:v", "flv1", "-c:a", "libmp3lame", "-b:a",
                                           "128k", "-ar", "44100", "-ac", "2", "-sn", "-f", "swf", swf.output("swf")}));
}

// The codecs are fixed: the audio words stand even when there is no audio to map.
TEST(SWFFileBuilder, ItemWithoutAudioStillGetsTheAudioWords)
{
    BuilderRun swf(Video_To_SWF_With_AVEncoder, {.audioTracks = 0, .profile = QStringLiteral("Video_SWF.plist")});
    swf.choose(swf.item->profile()->videoResolution(), "keep origin");
    swf.item->setSameStreams(false);
    const QString text = swf.runWords().join(' ');
    EXPECT_TRUE(text.contains(QStringLiteral("-c:a libmp3lame -b:a 128k -ar 44100 -ac 2 -map 0:#1 -an -sn -f swf")))
        << text.toStdString();
}
