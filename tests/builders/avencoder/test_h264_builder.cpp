// The H.264 file builder, which is the builder frame at its fullest: the plain vector word for
// word, then what each edit and choice changes in it, and the items it refuses.

#include "AVBuilderTestSupport.h"

#include "builders/avencoder/DNAVVideoArgv_H264.h"
#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "core/util/DNSystemInfo.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <QTemporaryDir>

using namespace avbuildertest;

namespace {

struct Build
{
    QTemporaryDir out;
    DNFileNodePtr item;
    int cpuCore = int(DNNumberOfCPUCores());
    bool safeMode = false;

    explicit Build(const ItemFacts &facts = {}) : item(makeItem(facts)) {}
    ArgumentPtr run(int titleIndex = 0)
    {
        return ArgumentPtr(Video_To_H264_With_AVEncoder(item.get(), titleIndex, passOptions(out.path(), cpuCore, safeMode)));
    }
    QStringList runWords()
    {
        const ArgumentPtr argument = run();
        EXPECT_TRUE(argument);
        return words(argument.get());
    }
};

bool comesBefore(const QStringList &words, const QString &first, const QString &second)
{
    return words.indexOf(first) >= 0 && words.indexOf(second) > words.indexOf(first);
}

} // namespace

TEST(H264FileBuilder, PlainItemGivesTheFramesVectorWordForWord)
{
    Build build;
    const ArgumentPtr argument = build.run();
    ASSERT_TRUE(argument);
    const QString output = build.out.filePath(QStringLiteral("clip.mp4"));
    QStringList expected{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-b:v", "1000k"};
    expected << kH264BlockWords;
    expected << QStringList{"-crf", "22", "-qmin", "2", "-qmax", "30", "-maxrate", "5000k", "-bufsize", "1835k",
                            "-c:a", "libfdk_aac", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-sn", "-f", "mp4", output};
    EXPECT_EQ(words(argument.get()), expected);
    EXPECT_EQ(argument->endpos, 100);
    EXPECT_EQ(build.item->outputName(), output);
}

TEST(H264FileBuilder, QualityPhaseAndBitrateModelChooseTheRateWords)
{
    struct Row { int model; int phase; QStringList words; };
    const Row rows[] = {
        {0, 0, {"-crf", "24", "-qmin", "2", "-qmax", "41", "-maxrate", "5000k", "-bufsize", "1835k"}},
        {0, 2, {"-crf", "15", "-qmin", "2", "-qmax", "15", "-maxrate", "5000k", "-bufsize", "1835k"}},
        {0, 7, {"-crf", "22", "-qmin", "2", "-qmax", "30", "-maxrate", "5000k", "-bufsize", "1835k"}},
        {1, 2, {"-minrate", "1000k", "-maxrate", "1000k", "-bufsize", "1835k"}},
    };
    for (const Row &row : rows) {
        Build build;
        build.item->profile()->videoQuality()->setCurBitrateModel(row.model);
        build.item->profile()->setQualityPhase(row.phase);
        build.item->profile()->videoQuality()->setCurrentValue(QStringLiteral("1000"));
        const QStringList w = build.runWords();
        const qsizetype at = w.indexOf(QStringLiteral("-coder")) + 2;
        EXPECT_EQ(w.mid(at, row.words.size()), row.words) << row.model << " " << row.phase;
        EXPECT_EQ(w.at(at + row.words.size()), QStringLiteral("-c:a"));
    }
}

TEST(H264FileBuilder, StreamChoicesMapExplicitly)
{
    {   // a second audio track: both streams named by their ids
        Build build({.audioTracks = 2});
        build.item->setting()->setAudioIndex(1);
        const QStringList w = build.runWords();
        EXPECT_TRUE(w.join(' ').contains(QStringLiteral("-map 0:#1 -map 0:#3 -sn"))) << w.join(' ').toStdString();
    }
    {   // no audio chosen from a file that has some
        Build build;
        build.item->setting()->setAudioIndex(-1);
        EXPECT_TRUE(build.runWords().join(' ').contains(QStringLiteral("-map 0:#1 -an -sn")));
    }
    {   // probes that disagree, in a Matroska file: positions, not ids
        Build build({.path = QStringLiteral("/media/clip.mkv"), .format = QStringLiteral("Matroska")});
        build.item->setSameStreams(false);
        EXPECT_TRUE(build.runWords().join(' ').contains(QStringLiteral("-map 0:v:0 -map 0:a:0 -sn")));
    }
    {   // without audio tracks nothing is mapped and no audio is asked for
        Build build({.audioTracks = 0});
        const QStringList w = build.runWords();
        EXPECT_FALSE(w.contains(QStringLiteral("-map")));
        EXPECT_FALSE(w.contains(QStringLiteral("-an")));
    }
}

TEST(H264FileBuilder, TrimGoesBeforeTheInputUnlessASubtitleIsBurntIn)
{
    Build build;
    build.item->setEnableTrimming(true);
    build.item->setting()->setTrimStartPercent(0.25f);
    build.item->setting()->setTrimEndPercent(0.75f);
    ArgumentPtr argument = build.run();
    ASSERT_TRUE(argument);
    QStringList w = words(argument.get());
    EXPECT_EQ(w.mid(3, 6), (QStringList{"-ss", "25", "-t", "50", "-i", "/media/clip.mp4"}));
    EXPECT_EQ(argument->endpos, 50);
    // The trim bounds the input; the output is bounded too, so that the chapters end with it.
    EXPECT_EQ(w.mid(w.size() - 3, 2), (QStringList{"-t", "50"}));

    // A subtitle burnt in reads the input's own timestamps: the trim follows the input (and the
    // thread count), and the graph's output is mapped.
    addSubtitleFile(*build.item, build.out.path());
    build.item->setting()->setSubtitleIndex(0);
    build.cpuCore = 3;
    argument = build.run();
    ASSERT_TRUE(argument);
    w = words(argument.get());
    EXPECT_EQ(w.mid(3, 8), (QStringList{"-i", "/media/clip.mp4", "-threads", "3", "-ss", "25", "-t", "50"}));
    EXPECT_EQ(w.count(QStringLiteral("-t")), 1);
}

TEST(H264FileBuilder, TrimOfLessThanASecondIsRefused)
{
    Build build({.duration = 10.0f});
    build.item->setEnableTrimming(true);
    build.item->setting()->setTrimStartPercent(0.5f);
    build.item->setting()->setTrimEndPercent(0.52f);
    EXPECT_FALSE(build.run());
}

TEST(H264FileBuilder, FrameRateAspectContainerAndPixelFormat)
{
    {   // a wild source rate under "keep origin" gets the film rate; a rate of 0 none
        Build wild({.fps = 240.0f});
        EXPECT_EQ(valueOf(wild.runWords(), QStringLiteral("-r")), QStringLiteral("24000/1001"));
        Build none({.fps = 0.0f});
        EXPECT_FALSE(none.runWords().contains(QStringLiteral("-r")));
    }
    {
        Build build;
        build.item->profile()->videoFrameRate()->setCurrentValue(QStringLiteral("29.97"));
        build.item->profile()->videoAspect()->setCurrentValue(QStringLiteral("16x9"));
        const QStringList w = build.runWords();
        EXPECT_EQ(valueOf(w, QStringLiteral("-r")), QStringLiteral("30000/1001"));
        EXPECT_EQ(valueOf(w, QStringLiteral("-aspect")), QStringLiteral("16:9"));
    }
    struct Row { const char *format; const char *suffix; const char *muxer; };
    for (const Row &row : {Row{"iPod", "m4v", "ipod"}, Row{"MOV", "MOV", "mov"}, Row{"MP4", "m4v", "mp4"}}) {
        Build build;
        build.item->profile()->setFileFormat(QString::fromLatin1(row.format));
        build.item->profile()->setFileNameSuffix(QString::fromLatin1(row.suffix));
        EXPECT_EQ(valueOf(build.runWords(), QStringLiteral("-f")), QString::fromLatin1(row.muxer)) << row.format;
    }
    Build yuv;
    yuv.item->videoTracks().first()->codec = QStringLiteral("2vuy");
    EXPECT_TRUE(comesBefore(yuv.runWords(), QStringLiteral("-pix_fmt"), QStringLiteral("-f")));
}

// The level word is one the stream keeps: 3.0 for a picture it holds, the lowest that holds a
// larger one at the rate the vector gives (the picture as the filters hand it over, turned or
// cropped).
TEST(H264FileBuilder, LevelHoldsThePictureAtItsRate)
{
    struct Row { QSize size; const char *resolution; const char *rate; int rotation; const char *level; };
    const Row rows[] = {
        {{640, 360}, "keep origin", "keep origin", 0, "30"},
        {{1280, 720}, "keep origin", "keep origin", 0, "31"},
        {{640, 360}, "1280x720", "29.97", 0, "31"},
        {{1920, 1080}, "keep origin", "25", 0, "40"},
        {{1920, 1080}, "854x480", "29.97", 0, "31"},
        {{1920, 1080}, "720x480", "keep origin", 90, "30"},
    };
    for (const Row &row : rows) {
        Build build({.size = row.size});
        build.item->profile()->videoResolution()->setCurrentValue(QString::fromLatin1(row.resolution));
        build.item->profile()->videoFrameRate()->setCurrentValue(QString::fromLatin1(row.rate));
        build.item->setRotationAngle(row.rotation);
        EXPECT_EQ(valueOf(build.runWords(), QStringLiteral("-level")), QLatin1String(row.level))
            << row.size.width() << "x" << row.size.height() << " into " << row.resolution;
    }
}

TEST(H264FileBuilder, TagsVolumeAndSafeModeFilter)
{
    Build build;
    build.item->nodeInfo()->setDisplayName(QStringLiteral(""));
    build.item->nodeInfo()->setArtist(QStringLiteral("Ana"));
    build.item->setGeneralVolume(50);
    build.safeMode = true;
    const QStringList w = build.runWords();
    const QString text = w.join(' ');
    // An empty title is written; the missing genre is not.
    EXPECT_TRUE(text.contains(QStringLiteral("-filter:a volume=0.5[audio] -metadata title= -metadata artist=Ana -map [video]")))
        << text.toStdString();
    EXPECT_EQ(valueOf(w, QStringLiteral("-filter_complex")),
              QStringLiteral("[0:v:0]null[VDAPD];[VDAPD]setpts=N/(FRAME_RATE*TB)[video]"));
}

TEST(H264FileBuilder, GroupGoesToTheJoin)
{
    QTemporaryDir out;
    QList<DNFileNodePtr> members{makeItem(), makeItem({.path = QStringLiteral("/media/b.mp4")})};
    members[0]->setOutputName(out.filePath(QStringLiteral("part1.mp4")));
    members[1]->setOutputName(out.filePath(QStringLiteral("part2.mp4")));
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    group->setProfile(videoProfile(QStringLiteral("Video_MP4_H264.plist")));
    const VideoConvertOptions options = passOptions(out.path(), 2);
    ArgumentPtr built(Video_To_H264_With_AVEncoder(group.get(), -1, options));
    const QString firstOutput = group->outputName();
    ArgumentPtr joined(Video_Concat_With_AVEncoder(group.get(), -1, options));
    ASSERT_TRUE(built);
    ASSERT_TRUE(joined);
    EXPECT_EQ(words(built.get()).mid(0, 6), (QStringList{"encoder", "-d", "-y", "-f", "concat", "-i"}));
    EXPECT_EQ(words(built.get()).last(), firstOutput);
    EXPECT_EQ(built->endpos, joined->endpos);
}

// Items the builder cannot make a vector for fail the pass; nothing ends the program.
TEST(H264FileBuilder, MissingTracksAndItemsGiveNoVector)
{
    QTemporaryDir out;
    const VideoConvertOptions options = passOptions(out.path(), 2);
    EXPECT_FALSE(Video_To_H264_With_AVEncoder(nullptr, 0, options));
    NXBasicMediaNode plain;
    EXPECT_FALSE(Video_To_H264_With_AVEncoder(&plain, 0, options));

    DNFileNodePtr noVideo = makeItem();
    noVideo->videoTracks().clear();
    EXPECT_FALSE(Video_To_H264_With_AVEncoder(noVideo.get(), 0, options));

    DNFileNodePtr badAudio = makeItem();
    badAudio->setting()->setAudioIndex(3);
    EXPECT_FALSE(Video_To_H264_With_AVEncoder(badAudio.get(), 0, options));

    DNFileNodePtr badSubtitle = makeItem();
    badSubtitle->setting()->setSubtitleIndex(0);
    EXPECT_FALSE(Video_To_H264_With_AVEncoder(badSubtitle.get(), 0, options));
}

TEST(H264FileBuilder, AnOverLongTagFailsThePassInsteadOfBeingCut)
{
    Build build;
    build.item->nodeInfo()->setDisplayName(QString(3000, QLatin1Char('x')));
    const ArgumentPtr argument = build.run();
    ASSERT_TRUE(argument);
    EXPECT_FALSE(ArgumentIsUsable(argument.get()));
}
