// The ProRes builders: the common vector word for word, each flavour's profile and pixel format,
// the thread count against this machine's, and the quality words that stand for a bitrate.

#include "AVBuilderRun.h"

#include "builders/avencoder/DNAVVideoArgv_ProRes.h"

using namespace avbuildertest;

namespace {

ItemFacts proresItem(float duration = 100.0f)
{
    return {.duration = duration, .profile = QStringLiteral("Video_ProRes_422HQ.plist")};
}

} // namespace

TEST(ProResFileBuilder, HQItemGivesTheVectorWordForWord)
{
    BuilderRun hq(Video_To_ProRes422HQ_With_AVEncoder, proresItem(90.5f));
    hq.item->profile()->setQualityPhase(2);
    const ArgumentPtr argument = hq.run();
    ASSERT_TRUE(argument);
    EXPECT_EQ(words(argument.get()),
              (QStringList{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-c:v", "prores", "-qmin", "2", "-qmax",
                           "15", "-qscale:v", "1", "-profile:v", "3", "-c:a", "libfdk_aac", "-b:a", "256k", "-ar",
                           "48000", "-ac", "2", "-sn", "-pix_fmt", "yuv422p10le", "-f", "mov", hq.output("mov")}));
    EXPECT_EQ(argument->argc, 29);
    EXPECT_EQ(argument->endpos, 90);
}

TEST(ProResFileBuilder, EachFlavourWritesItsProfileAndPixelFormat)
{
    struct Row { ArgvAssemblerFunction builder; const char *profile; const char *pixelFormat; };
    const Row rows[] = {
        {Video_To_ProRes4444_With_AVEncoder, nullptr, "yuv444p10le"},
        {Video_To_ProRes422HQ_With_AVEncoder, "3", "yuv422p10le"},
        {Video_To_ProRes422_With_AVEncoder, "2", "yuv422p10le"},
        {Video_To_ProRes422LT_With_AVEncoder, "1", "yuv422p10le"},
        {Video_To_ProRes422Poxy_With_AVEncoder, "0", "yuv422p10le"},
    };
    for (const Row &row : rows) {
        BuilderRun run(row.builder, proresItem());
        const QStringList w = run.runWords();
        EXPECT_EQ(valueOf(w, QStringLiteral("-profile:v")), row.profile ? QLatin1String(row.profile) : QString());
        EXPECT_EQ(w.mid(w.size() - 6, 5), (QStringList{"-sn", "-pix_fmt", row.pixelFormat, "-f", "mov"}));
    }
}

// No bitrate is ever asked for: VBR names the quality phase's range, CBR nothing at all.
TEST(ProResFileBuilder, BitrateModelAndQualityPhase)
{
    struct Row { int model; int phase; QStringList words; };
    const Row rows[] = {
        {0, 0, {"-qmin", "2", "-qmax", "41", "-qscale:v", "6", "-profile:v", "2"}},
        {0, 1, {"-qmin", "2", "-qmax", "28", "-qscale:v", "3", "-profile:v", "2"}},
        {1, 2, {"-profile:v", "2"}},
    };
    for (const Row &row : rows) {
        BuilderRun run(Video_To_ProRes422_With_AVEncoder, proresItem());
        run.item->profile()->videoQuality()->setCurBitrateModel(row.model);
        run.item->profile()->setQualityPhase(row.phase);
        const QStringList w = run.runWords();
        EXPECT_EQ(between(w, QStringLiteral("prores"), QStringLiteral("-c:a")), row.words) << row.model << " " << row.phase;
        EXPECT_FALSE(w.contains(QStringLiteral("-b:v")));
    }
}

// The thread count is written only when the pass asks for another count than this machine has,
// right after the input and before a trim that follows it.
TEST(ProResFileBuilder, ThreadCountOtherThanTheMachines)
{
    const int machine = int(DNNumberOfCPUCores());
    for (const int cores : {machine + 1, machine - 1}) {
        BuilderRun run(Video_To_ProRes422LT_With_AVEncoder, proresItem());
        run.cpuCore = cores;
        run.trim(0.0f, 0.5f);
        addSubtitleFile(*run.item, run.out.path());
        run.item->setting()->setSubtitleIndex(0);
        EXPECT_EQ(run.runWords().mid(3, 8), (QStringList{"-i", "/media/clip.mp4", "-threads", QString::number(cores),
                                                         "-ss", "0", "-t", "50"}));
    }
    BuilderRun same(Video_To_ProRes422LT_With_AVEncoder, proresItem());
    EXPECT_FALSE(same.runWords().contains(QStringLiteral("-threads")));
}
