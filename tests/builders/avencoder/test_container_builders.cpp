// The Matroska, HD Matroska, WebM, ASF and 3GP/3G2 builders: each one's plain vector word for
// word, then what sets it apart from the frame (subtitle streams, source rates, rate words,
// thread count, codec choice, container choice, an AVI source's shape).

#include "AVBuilderTestSupport.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/DNAVVideoArgv_3GP.h"
#include "builders/avencoder/DNAVVideoArgv_ASF.h"
#include "builders/avencoder/DNAVVideoArgv_MKV.h"
#include "builders/avencoder/DNAVVideoArgv_WEBM.h"
#include "core/util/DNSystemInfo.h"

#include <QTemporaryDir>

using namespace avbuildertest;

namespace {

using Builder = Argument *(*)(NXBasicMediaNode *, int, VideoConvertOptions);

// An item of facts with profile on it: no picture filter (keep-origin frame), VBR phase 1 at
// 1000 kbps with a 3000 kbps ceiling, the machine's own thread count.
struct Build
{
    QTemporaryDir out;
    DNFileNodePtr item;
    VideoConvertOptions options;

    Build(const char *profile, ItemFacts facts = {})
    {
        facts.profile = QString::fromLatin1(profile);
        item = makeItem(facts);
        item->profile()->videoResolution()->setCurrentValue(QStringLiteral("keep origin"));
        item->profile()->videoQuality()->setMaxVideoBitrate(3000);
        options = passOptions(out.path(), int(DNNumberOfCPUCores()));
    }
    QStringList run(Builder builder)
    {
        const ArgumentPtr argument(builder(item.get(), 0, options));
        return argument ? words(argument.get()) : QStringList{QStringLiteral("(no vector)")};
    }
    QString output(const char *suffix) const { return out.filePath(QStringLiteral("clip.") + QLatin1String(suffix)); }
};

const QStringList kHead{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-b:v", "1000k"};

QStringList audioWords(const char *codec, const char *kbps, const char *rate)
{
    return {"-c:a", codec, "-b:a", kbps, "-ar", rate, "-ac", "2"};
}

} // namespace

TEST(ContainerBuilders, PlainVectorsWordForWord)
{
    struct Row { const char *name; Builder builder; const char *profile; QStringList middle; QStringList tail; };
    const QStringList vbrCeiling{"-maxrate", "3000k", "-bufsize", "1835k"};
    const Row rows[] = {
        {"MKV", Video_To_MKV_With_AVEncoder, "Video_MKV.plist",
         kH264BlockWords + QStringList{"-crf", "22", "-qmin", "2", "-qmax", "30"} + vbrCeiling
             + audioWords("aac", "128k", "44100"),
         {"-sn", "-f", "matroska"}},
        {"HD MKV", Video_To_HD_MKV_With_AVEncoder, "Video_HD_MKV.plist",
         QStringList{"-c:v", "libx264", "-preset", "slow", "-crf", "20", "-qp", "0"} + audioWords("libfaac", "160k", "48000"),
         {"-sn", "-pix_fmt", "yuv420p", "-f", "matroska"}},
        {"ASF", Video_To_ASF_With_AVEncoder, "Video_ASF.plist",
         QStringList{"-c:v", "mpeg4"} + kMPEG4BlockWords + QStringList{"-qmin", "2", "-qmax", "28", "-qscale:v", "3"}
             + vbrCeiling + audioWords("wmav2", "128k", "44100"),
         {"-sn", "-f", "asf"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Build build(row.profile);
        const QString suffix = build.item->profile()->fileNameSuffix();
        EXPECT_EQ(build.run(row.builder),
                  kHead + row.middle + row.tail + QStringList{build.out.filePath(QStringLiteral("clip.") + suffix)});
    }

    // WebM writes its thread count always, and for CBR the rate limits.
    Build webm("Video_WEBM.plist");
    webm.item->profile()->videoQuality()->setCurBitrateModel(1);
    webm.options.cpuCore = 2;
    EXPECT_EQ(webm.run(Video_To_WEBM_With_AVEncoder),
              (QStringList{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-threads", "2", "-b:v", "1000k", "-c:v", "vp8",
                           "-minrate", "1000k", "-maxrate", "1000k", "-bufsize", "1835k"}
               + audioWords("libvorbis", "128k", "44100") + QStringList{"-sn", "-f", "webm", webm.output("webm")}));
}

TEST(ContainerBuilders, QualityWordsOfWebMAndHDMatroska)
{
    struct Row { int phase; QStringList words; };
    for (const Row &row : {Row{0, {"-crf", "30", "-qmin", "4", "-qmax", "63"}}, Row{2, {"-crf", "5", "-qmin", "4", "-qmax", "15"}},
                           Row{1, {"-crf", "10", "-qmin", "4", "-qmax", "30"}}}) {
        Build build("Video_WEBM.plist");
        build.item->profile()->setQualityPhase(row.phase);
        const QStringList w = build.run(Video_To_WEBM_With_AVEncoder);
        const qsizetype codec = w.indexOf(QStringLiteral("vp8"));
        EXPECT_EQ(w.mid(codec + 1, 6), row.words) << row.phase;
        EXPECT_FALSE(w.contains(QStringLiteral("-maxrate")));
    }
    Build hd("Video_HD_MKV.plist");
    hd.item->profile()->videoQuality()->setCurBitrateModel(1);
    const QStringList w = hd.run(Video_To_HD_MKV_With_AVEncoder);
    EXPECT_EQ(w.mid(w.indexOf(QStringLiteral("slow")) + 1, 2), (QStringList{"-c:a", "libfaac"}));
}

TEST(ContainerBuilders, MatroskaCarriesTheChosenSubtitleAsAStream)
{
    // An inner stream of a Matroska source is named by its position.
    Build inner("Video_MKV.plist", {.format = QStringLiteral("Matroska")});
    auto stream = std::make_shared<DNTSubtitle>();
    stream->sid = 3;
    inner.item->subtitleTracks() << stream;
    inner.item->setting()->setSubtitleIndex(0);
    QString text = inner.run(Video_To_MKV_With_AVEncoder).join(' ');
    EXPECT_TRUE(text.contains(QStringLiteral("-ac 2 -c:s copy -map 0:v:0 -map 0:a:0 -map 0:s:0 -f matroska"))) << text.toStdString();

    // Text goes in as it is where Matroska has a codec for it, else as SubRip; pictures as they are.
    struct Kind { const char *codecID; const char *codec; };
    for (const Kind &kind : {Kind{"S_TEXT/ASS", "copy"}, Kind{"S_TEXT/UTF8", "copy"}, Kind{"D_WEBVTT/SUBTITLES", "copy"},
                             Kind{"tx3g", "srt"}, Kind{"text", "srt"}, Kind{"S_VOBSUB", "copy"}}) {
        stream->codecID = QString::fromLatin1(kind.codecID);
        for (const Builder builder : {Video_To_MKV_With_AVEncoder, Video_To_HD_MKV_With_AVEncoder})
            EXPECT_EQ(valueOf(inner.run(builder), QStringLiteral("-c:s")), QLatin1String(kind.codec)) << kind.codecID;
    }

    // A side-car file is the second input, trimmed with the movie after both inputs, in UTF-8.
    Build file("Video_HD_MKV.plist");
    const QString srt = file.out.filePath(QStringLiteral("clip.srt"));
    QFile gb(srt);
    ASSERT_TRUE(gb.open(QIODevice::WriteOnly));
    const QByteArray cue = "1\n00:00:01,000 --> 00:00:02,000\n\xC4\xE3\xBA\xC3 Talvane\n";  // 你好 in GB18030
    gb.write(cue);
    gb.close();
    file.item->addExtraSubtitle(srt);
    std::dynamic_pointer_cast<DNTExtSubtitle>(file.item->subtitleTracks().last())->setCodePage(QStringLiteral("GB18030"));
    file.item->setting()->setSubtitleIndex(0);
    file.item->setEnableTrimming(true);
    file.item->setting()->setTrimStartPercent(0.25f);
    file.item->setting()->setTrimEndPercent(0.75f);
    file.item->setting()->setVolume(50);
    const ArgumentPtr argument(Video_To_HD_MKV_With_AVEncoder(file.item.get(), 0, file.options));
    ASSERT_TRUE(argument);
    const QStringList w = words(argument.get());
    ASSERT_EQ(w.mid(3, 4), (QStringList{"-i", "/media/clip.mp4", "-i", w.value(6)}));
    EXPECT_EQ(w.mid(7, 4), (QStringList{"-ss", "25", "-t", "50"}));
    EXPECT_EQ(argument->endpos, 50);
    QFile copy(w.at(6));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(copy.readAll()), QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n你好 Talvane\n"));
    text = w.join(' ');
    EXPECT_TRUE(text.contains(QStringLiteral("-filter:a volume=0.5[audio] -c:s copy -map 0:#1 -map 0:#2 -map 1:0 -pix_fmt yuv420p -f matroska ")
                              + file.output("mkv")))
        << text.toStdString();

    // A subtitle that does not exist, or cannot be read, makes no vector.
    file.item->setting()->setSubtitleIndex(1);
    EXPECT_EQ(file.run(Video_To_HD_MKV_With_AVEncoder), QStringList{QStringLiteral("(no vector)")});
    file.item->setting()->setSubtitleIndex(0);
    file.item->addExtraSubtitle(file.out.filePath(QStringLiteral("gone.srt")));
    std::dynamic_pointer_cast<DNTExtSubtitle>(file.item->subtitleTracks().last())->setCodePage(QStringLiteral("GB18030"));
    EXPECT_EQ(file.run(Video_To_MKV_With_AVEncoder), QStringList{QStringLiteral("(no vector)")});
}

TEST(ContainerBuilders, KeptSourceRateIsWrittenWhereTheEngineNeedsIt)
{
    struct Row { const char *name; const char *format; float fps; bool engineSafeMode; const char *rate; };
    const Row rows[] = {
        {"plain", "MPEG-4", 25.0f, false, nullptr},
        {"engine safe mode", "MPEG-4", 25.0f, true, "25"},
        {"RealMedia", "RealMedia", 29.97f, false, "30000/1001"},
        {"wild rate", "MPEG-4", 200.0f, false, "24000/1001"},
        {"negative rate", "MPEG-4", -1.0f, false, "24000/1001"},
    };
    for (Builder builder : {Video_To_MKV_With_AVEncoder, Video_To_ASF_With_AVEncoder, Video_To_3GP_With_AVEncoder}) {
        for (const Row &row : rows) {
            SCOPED_TRACE(row.name);
            Build build(builder == Video_To_3GP_With_AVEncoder ? "Video_3GP.plist"
                        : builder == Video_To_ASF_With_AVEncoder ? "Video_ASF.plist" : "Video_MKV.plist",
                        {.format = QString::fromLatin1(row.format), .fps = row.fps});
            build.item->profile()->videoFrameRate()->setCurrentValue(QStringLiteral("keep origin"));
            build.options.engineSafeMode = row.engineSafeMode;
            const QStringList w = build.run(builder);
            EXPECT_EQ(valueOf(w, QStringLiteral("-r")), row.rate ? QString::fromLatin1(row.rate) : QString());
        }
    }
    // HD Matroska and WebM keep the frame's rule: only a wild rate is replaced.
    Build hd("Video_HD_MKV.plist", {.format = QStringLiteral("RealMedia"), .fps = 29.97f});
    EXPECT_FALSE(hd.run(Video_To_HD_MKV_With_AVEncoder).contains(QStringLiteral("-r")));
}

TEST(ContainerBuilders, ThreeGPSelectorsChooseCodecAndContainer)
{
    struct Row { Builder builder; const char *codec; const char *encoder; const char *container; };
    const Row rows[] = {
        {Video_To_3GP_With_AVEncoder, "h264", "libx264", "3gp"},
        {Video_To_3GP_With_AVEncoder, "mpeg4", "libxvid", "3gp"},
        {Video_To_3GP_With_AVEncoder, "H264", "libxvid", "3gp"},
        {Video_To_3G2_With_AVEncoder, "h264", "libx264", "3g2"},
        {Video_To_3G2_With_AVEncoder, "x264", "libxvid", "3g2"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.codec << " " << row.container);
        Build build("Video_3GP.plist");
        build.item->profile()->videoCodec()->setCurrentValue(QString::fromLatin1(row.codec));
        const QStringList w = build.run(row.builder);
        EXPECT_EQ(valueOf(w, QStringLiteral("-c:v")), QString::fromLatin1(row.encoder));
        EXPECT_EQ(valueOf(w, QStringLiteral("-c:a")), QStringLiteral("libfaac"));
        EXPECT_EQ(w.mid(w.size() - 4), (QStringList{"-sn", "-f", row.container, build.output("3gp")}));
        // Only the H.264 road tells the thread count, and only one other than the machine's.
        build.options.cpuCore = 3;
        EXPECT_EQ(build.run(row.builder).contains(QStringLiteral("-threads")), QLatin1String(row.encoder) == "libx264");
    }
}

TEST(ContainerBuilders, AnAVISourceKeepsItsShapeOnTheMPEG4Road)
{
    struct Row { const char *format; const char *profileAspect; const char *aspect; };
    const Row rows[] = {
        {"AVI", "keep origin", "16:9"},
        {"MPEG-4", "keep origin", nullptr},
        {"AVI", "4x3", "4:3"},
        {"MPEG-4", "2.35x1", "2.35"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.format << " " << row.profileAspect);
        Build build("Video_3G2.plist", {.format = QString::fromLatin1(row.format)});
        build.item->videoTracks().first()->aspectRatio = QStringLiteral("16x9");
        build.item->profile()->videoAspect()->setCurrentValue(QString::fromLatin1(row.profileAspect));
        EXPECT_EQ(valueOf(build.run(Video_To_3G2_With_AVEncoder), QStringLiteral("-aspect")),
                  row.aspect ? QString::fromLatin1(row.aspect) : QString());
    }
}
