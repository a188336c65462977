// The FLV and F4V builders: the FLV vector word for word, the H.263 choice, the Flash rate
// control, and what F4V changes (the thread count against this machine's, always H.264, its
// container).

#include "AVBuilderRun.h"

#include "builders/avencoder/DNAVVideoArgv_FLV.h"

using namespace avbuildertest;

namespace {

const QStringList kFlashX264Words = {
    "-c:v", "libx264", "-flags", "+loop", "-cmp", "chroma", "-partitions", "+parti4x4+partp8x8+partb8x8",
    "-me_method", "hex", "-subq", "6", "-me_range", "16", "-g", "250", "-keyint_min", "25",
    "-sc_threshold", "40", "-i_qfactor", "0.71", "-b_strategy", "1", "-qcomp", "0.6", "-qdiff", "4",
    "-bf", "3", "-coder", "1", "-refs", "3", "-direct-pred", "1", "-trellis", "1", "-wpredp", "2"};

// A 16:9 picture, the shape the word-for-word vector flags.
ItemFacts flashItem(const char *profile)
{
    return {.size = {640, 360}, .duration = 60.0f, .profile = QString::fromLatin1(profile)};
}

} // namespace

TEST(FLVFileBuilder, H264ItemGivesTheWholeVectorWordForWord)
{
    BuilderRun flv(Video_To_FLV_With_AVEncoder, flashItem("Video_FLV.plist"));
    const auto profile = flv.item->profile();
    flv.choose(profile->videoResolution(), "keep origin");
    flv.choose(profile->videoFrameRate(), "25");
    flv.choose(profile->videoQuality(), "800");
    profile->videoQuality()->setMaxVideoBitrate(1500);
    flv.choose(profile->videoAspect(), "16x9");
    flv.choose(profile->videoCodec(), "h264");
    flv.choose(profile->audioQuality(), "128");
    flv.choose(profile->audioChannel(), "2");
    const ArgumentPtr argument = flv.run();
    ASSERT_TRUE(argument);
    QStringList expected{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-r", "25", "-b:v", "800k",
                         "-aspect", "16:9"};
    expected << kFlashX264Words;
    expected << QStringList{"-crf", "22", "-qmin", "2", "-qmax", "30", "-maxrate", "1500k", "-c:a", "libmp3lame",
                            "-b:a", "128k", "-ar", "44100", "-ac", "2", "-sn", "-pix_fmt", "yuv420p", "-f", "flv",
                            flv.output("flv")};
    EXPECT_EQ(words(argument.get()), expected);
    EXPECT_EQ(argument->argc, 73);
    EXPECT_EQ(argument->endpos, 60);
}

// Only FLV reads the profile's codec, and only "h263" spelt so is Flash's own video, which
// takes no tuning; the bitrate stands either way.
TEST(FLVFileBuilder, OnlyH263SpeltSoIsFlashVideo)
{
    struct Row { ArgvAssemblerFunction builder; const char *codec; QStringList words; };
    const Row rows[] = {
        {Video_To_FLV_With_AVEncoder, "h263", {"1000k", "-c:v", "flv"}},
        {Video_To_FLV_With_AVEncoder, "H263", QStringList{"1000k"} + kFlashX264Words},
        {Video_To_F4V_With_AVEncoder, "h263", QStringList{"1000k"} + kFlashX264Words},
    };
    for (const Row &row : rows) {
        BuilderRun run(row.builder, flashItem("Video_FLV.plist"));
        run.choose(run.item->profile()->videoResolution(), "keep origin");
        run.choose(run.item->profile()->videoCodec(), row.codec);
        run.item->profile()->videoQuality()->setCurBitrateModel(1);
        const QStringList w = run.runWords();
        EXPECT_EQ(between(w, QStringLiteral("-b:v"), QStringLiteral("-c:a")).mid(0, row.words.size()), row.words)
            << row.codec;
    }
}

// VBR names the quality phase's range and a ceiling without a buffer; CBR holds the rate.
TEST(FLVFileBuilder, BitrateModelAndQualityPhaseChooseTheRateWords)
{
    struct Row { int model; int phase; QStringList words; };
    const Row rows[] = {
        {0, 0, {"-crf", "24", "-qmin", "2", "-qmax", "41", "-maxrate", "3000k"}},
        {0, 2, {"-crf", "15", "-qmin", "2", "-qmax", "15", "-maxrate", "3000k"}},
        {0, 5, {"-crf", "22", "-qmin", "2", "-qmax", "30", "-maxrate", "3000k"}},
        {1, 2, {"-minrate", "1200k", "-maxrate", "1200k", "-bufsize", "1835k"}},
    };
    for (ArgvAssemblerFunction builder : {Video_To_FLV_With_AVEncoder, Video_To_F4V_With_AVEncoder}) {
        for (const Row &row : rows) {
            BuilderRun run(builder, flashItem("Video_FLV.plist"));
            const auto quality = run.item->profile()->videoQuality();
            run.choose(run.item->profile()->videoCodec(), "h264");
            run.choose(run.item->profile()->videoResolution(), "keep origin");
            run.item->profile()->setQualityPhase(row.phase);
            quality->setCurBitrateModel(row.model);
            quality->setMaxVideoBitrate(3000);
            run.choose(quality, "1200");
            const QStringList w = run.runWords();
            EXPECT_EQ(valueOf(w, QStringLiteral("-b:v")), QStringLiteral("1200k"));
            EXPECT_EQ(between(w, QStringLiteral("-wpredp"), QStringLiteral("-c:a")).mid(1), row.words)
                << row.model << " " << row.phase;
        }
    }
}

// The thread count is written only when the pass asks for another count than this machine has.
TEST(F4VFileBuilder, ThreadCountOtherThanTheMachinesFollowsTheInput)
{
    const int machine = int(DNNumberOfCPUCores());
    for (const int cores : {machine + 1, machine - 1}) {
        BuilderRun f4v(Video_To_F4V_With_AVEncoder, flashItem("Video_F4V.plist"));
        f4v.cpuCore = cores;
        EXPECT_EQ(f4v.runWords().mid(3, 4), (QStringList{"-i", "/media/clip.mp4", "-threads", QString::number(cores)}));
    }
    BuilderRun same(Video_To_F4V_With_AVEncoder, flashItem("Video_F4V.plist"));
    EXPECT_FALSE(same.runWords().contains(QStringLiteral("-threads")));

    // A subtitle burnt in moves the trim after the input, and after the thread count.
    BuilderRun subtitled(Video_To_F4V_With_AVEncoder, flashItem("Video_F4V.plist"));
    subtitled.cpuCore = machine + 1;
    subtitled.trim(0.25f, 0.75f);
    addSubtitleFile(*subtitled.item, subtitled.out.path());
    subtitled.item->setting()->setSubtitleIndex(0);
    const ArgumentPtr argument = subtitled.run();
    ASSERT_TRUE(argument);
    EXPECT_EQ(words(argument.get()).mid(3, 8), (QStringList{"-i", "/media/clip.mp4", "-threads",
                                                            QString::number(machine + 1), "-ss", "15", "-t", "30"}));
    EXPECT_EQ(argument->endpos, 30);
}

TEST(F4VFileBuilder, MP3InAnF4VContainer)
{
    BuilderRun f4v(Video_To_F4V_With_AVEncoder, flashItem("Video_F4V.plist"));
    const QStringList w = f4v.runWords();
    EXPECT_EQ(valueOf(w, QStringLiteral("-c:a")), QStringLiteral("libmp3lame"));
    EXPECT_EQ(w.mid(w.size() - 6), (QStringList{"-sn", "-pix_fmt", "yuv420p", "-f", "f4v", f4v.output("f4v")}));
}
