// The MPEG-family file builders (HD H.264, MPEG-4 Part 2 in MP4 and AVI, Windows Media, MPEG-1,
// MPEG-2, VOB, DVD): each plain vector word for word, then where each departs from the frame
// (frame rate under "keep origin", rate control, codec tag, input decoder, thread count, pixel
// format), and the DVD's aspect and frame.

#include "AVBuilderRun.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/DNAVVideoArgv_AVI.h"
#include "builders/avencoder/DNAVVideoArgv_H264.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG1.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG2.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG4.h"
#include "builders/avencoder/DNAVVideoArgv_VOB.h"
#include "builders/avencoder/DNAVVideoArgv_WMV.h"
#include "core/util/DNSystemInfo.h"

#include <QTemporaryDir>

#include <algorithm>

using namespace avbuildertest;

namespace {

using Builder = Argument *(*)(NXBasicMediaNode *, int, VideoConvertOptions);

struct Family
{
    const char *name;
    Builder build;
    const char *profile;
};

const Family HD{"HD H.264", Video_To_HD_H264_With_AVEncoder, "Video_HD_H264.plist"};
const Family MPEG4{"MPEG-4", Video_To_MPEG4_With_AVEncoder, "Video_MP4_MPEG4.plist"};
const Family MP4MP3{"MP4 with MP3", Video_To_MP4_MP3Audio_With_AVEncoder, "Video_MP4_MP3.plist"};
const Family AVI{"AVI", Video_To_AVI_With_AVEncoder, "Video_AVI.plist"};
const Family WMV{"WMV", Video_To_WMV2_With_AVEncoder, "Video_WMV.plist"};
const Family MPEG1{"MPEG-1", Video_To_MPEG1_With_AVEncoder, "Video_MPEG1.plist"};
const Family MPEG2{"MPEG-2", Video_To_MPEG2_With_AVEncoder, "Video_MPEG2.plist"};
const Family MPEG2AC3{"MPEG-2 with AC-3", Video_To_MPEG2AC3_With_AVEncoder, "Video_MPEG2_AC3.plist"};
const Family VOB{"VOB", Video_To_VOB_With_AVEncoder, "Video_VOB.plist"};
const Family NTSC{"NTSC DVD", Video_To_NTSCDVD_With_AVEncoder, "Video_NTSC_DVD.plist"};
const Family PAL{"PAL DVD", Video_To_PALDVD_With_AVEncoder, "Video_PAL_DVD.plist"};
const Family All[] = {HD, MPEG4, MP4MP3, AVI, WMV, MPEG1, MPEG2, MPEG2AC3, VOB, NTSC, PAL};

const QStringList kMPEG4Words = QStringList{"-c:v", "mpeg4"} + kMPEG4BlockWords;
const QStringList kMPEGTuning = {"-g", "12", "-mbd", "rd", "-trellis", "1", "-flags", "+mv0", "-cmp", "0", "-subcmp", "2"};

// One item of 320x240 at 25 fps, 100 s, with a profile at a fixed rate of 25, a 4:3 aspect, the
// source's size, 1000 kbps VBR at the normal phase and a ceiling of 4000 kbps.
ItemFacts withProfile(ItemFacts facts, const Family &family)
{
    facts.profile = QString::fromLatin1(family.profile);
    return facts;
}

struct Build : BuilderRun
{
    const Family &family;

    explicit Build(const Family &f, const ItemFacts &facts = {}) : BuilderRun(f.build, withProfile(facts, f)), family(f)
    {
        const auto profile = item->profile();
        choose(profile->videoFrameRate(), "25");
        choose(profile->videoAspect(), "4x3");
        choose(profile->videoResolution(), "keep origin");
        profile->videoQuality()->setMaxVideoBitrate(4000);
    }
    void keepOriginRate() { choose(item->profile()->videoFrameRate(), "keep origin"); }
    void useCBR() { item->profile()->videoQuality()->setCurBitrateModel(1); }
};

} // namespace

TEST(MPEGFamilyBuilders, PlainItemsGiveTheirVectorsWordForWord)
{
    const QStringList head{"encoder", "-d", "-y", "-i", "/media/clip.mp4"};
    const QStringList picture{"-r", "25", "-b:v", "1000k", "-aspect", "4:3"};
    const QStringList mpeg4Rate{"-qmin", "2", "-qmax", "28", "-qscale:v", "3", "-maxrate", "4000k", "-bufsize", "1835k"};
    const QStringList mpegRate{"-qscale:v", "4", "-qmin", "2", "-qmax", "30", "-maxrate", "4000k", "-bufsize", "1835k"};
    struct Row
    {
        const Family &family;
        QStringList tail;  // after the head
        const char *suffix;
    };
    const Row rows[] = {
        {HD, picture + QStringList{"-c:v", "libx264", "-preset", "slow", "-crf", "20", "-qp", "0", "-c:a", "libfdk_aac",
                                   "-b:a", "160k", "-ar", "48000", "-ac", "2", "-sn", "-pix_fmt", "yuv420p", "-f", "mp4"},
         "mp4"},
        {MPEG4, picture + kMPEG4Words + mpeg4Rate
                    + QStringList{"-c:a", "libfdk_aac", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-sn", "-f", "mp4"},
         "mp4"},
        {MP4MP3, picture + kMPEG4Words + mpeg4Rate
                     + QStringList{"-c:a", "libmp3lame", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-sn", "-f", "mp4"},
         "mp4"},
        {AVI, picture + kMPEG4Words + mpeg4Rate
                  + QStringList{"-c:a", "libmp3lame", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-sn", "-tag:v", "XVID",
                                "-f", "avi"},
         "avi"},
        {WMV, picture + QStringList{"-c:v", "wmv2", "-c:a", "wmav2", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-sn"}, "wmv"},
        {MPEG1, picture + QStringList{"-c:v", "mpeg1video"} + kMPEGTuning + mpegRate
                    + QStringList{"-c:a", "mp2", "-b:a", "224k", "-ar", "44100", "-ac", "2", "-sn"},
         "mpg"},
        {MPEG2, picture + QStringList{"-c:v", "mpeg2video"} + kMPEGTuning + mpegRate
                    + QStringList{"-c:a", "mp2", "-b:a", "224k", "-ar", "48000", "-ac", "2", "-sn", "-pix_fmt", "yuv420p"},
         "mpg"},
        {MPEG2AC3, picture + QStringList{"-c:v", "mpeg2video"} + kMPEGTuning + mpegRate
                       + QStringList{"-c:a", "ac3", "-b:a", "192k", "-ar", "48000", "-ac", "2", "-sn", "-pix_fmt", "yuv420p",
                                     "-f", "vob"},
         "mpg"},
        {VOB, picture + QStringList{"-c:v", "mpeg2video"} + kMPEGTuning + mpegRate
                  + QStringList{"-c:a", "mp2", "-b:a", "224k", "-ar", "48000", "-ac", "2", "-sn", "-pix_fmt", "yuv420p",
                                "-f", "vob"},
         "vob"},
        {NTSC, {"-aspect", "4:3", "-filter_complex", "[0:#1]scale=720:480,pad=720:480:(ow-iw)/2:(oh-ih)/2[video]", "-map",
                "[video]", "-map", "0:#2", "-sn", "-f", "dvd", "-target", "ntsc-dvd"},
         "mpg"},
        {PAL, {"-aspect", "4:3", "-filter_complex", "[0:#1]scale=720:576,pad=720:576:(ow-iw)/2:(oh-ih)/2[video]", "-map",
               "[video]", "-map", "0:#2", "-sn", "-f", "dvd", "-target", "pal-dvd"},
         "mpg"},
    };
    for (const Row &row : rows) {
        Build build(row.family);
        const ArgumentPtr argument = build.run();
        ASSERT_TRUE(argument) << row.family.name;
        const QString output = build.output(row.suffix);
        EXPECT_EQ(words(argument.get()), head + row.tail + QStringList{output}) << row.family.name;
        EXPECT_EQ(argument->endpos, 100) << row.family.name;
        EXPECT_EQ(build.item->outputName(), output) << row.family.name;
    }
}

TEST(MPEGFamilyBuilders, KeepOriginFrameRateFollowsEachFamilysRule)
{
    struct Row
    {
        const Family &family;
        float fps;
        bool safeMode = false;
        const char *format = "MPEG-4";
        const char *rate = nullptr;  // the "-r" value; none when null
    };
    const Row rows[] = {
        // MPEG-4 Part 2: the source's own rate in safe mode or from RealMedia; the film rate for
        // a wild one.
        {MPEG4, 25.0f},
        {MPEG4, 150.0f},
        {MPEG4, 0.0f},
        {MPEG4, 150.5f, false, "MPEG-4", "24000/1001"},
        {AVI, -1.0f, false, "MPEG-4", "24000/1001"},
        {MP4MP3, 1000.0f, false, "MPEG-4", "24000/1001"},
        {AVI, 25.0f, false, "RealMedia", "25"},
        {MPEG4, 29.97f, true, "MPEG-4", "30000/1001"},
        {AVI, 50.0f, true, "MPEG-4", "50"},
        // MPEG-1/2: 25 outside the rates the encoders carry.
        {MPEG1, 19.9f, false, "MPEG-4", "25"},
        {MPEG2, 0.0f, false, "MPEG-4", "25"},
        {MPEG2AC3, 150.5f, false, "MPEG-4", "25"},
        {MPEG1, 20.0f},
        {MPEG2, 150.0f},
        // VOB, WMV and HD H.264: the frame's rule, safe mode or not.
        {VOB, 19.9f},
        {VOB, 0.0f},
        {VOB, 150.5f, false, "MPEG-4", "24000/1001"},
        {WMV, 29.97f, true},
        {WMV, 200.0f, false, "MPEG-4", "24000/1001"},
        {HD, 150.5f, false, "MPEG-4", "24000/1001"},
    };
    for (const Row &row : rows) {
        Build build(row.family, {.format = QString::fromLatin1(row.format), .fps = row.fps});
        build.keepOriginRate();
        build.safeMode = row.safeMode;
        const QString rate = valueOf(build.runWords(), QStringLiteral("-r"));
        EXPECT_EQ(rate, row.rate ? QString::fromLatin1(row.rate) : QString()) << row.family.name << " " << row.fps;
    }
    // The DVD target decides the rate, whatever the profile says.
    for (const Family &dvd : {NTSC, PAL}) {
        Build build(dvd, {.fps = 200.0f});
        EXPECT_FALSE(build.runWords().contains(QStringLiteral("-r"))) << dvd.name;
    }
}

TEST(MPEGFamilyBuilders, RateControlByModelPhaseAndFormat)
{
    struct Row
    {
        const Family &family;
        int model;
        int phase;
        const char *fileFormat;
        QStringList words;  // between "-level" or the codec words and "-c:a"
    };
    const QStringList cbr{"-minrate", "1000k", "-maxrate", "1000k", "-bufsize", "1835k"};
    const QStringList ceiling{"-maxrate", "4000k", "-bufsize", "1835k"};
    const Row rows[] = {
        {MPEG4, 0, 2, "MP4", QStringList{"-qmin", "2", "-qmax", "15", "-qscale:v", "1"} + ceiling},
        {MPEG4, 0, 0, "MP4", QStringList{"-qmin", "2", "-qmax", "41", "-qscale:v", "10"} + ceiling},
        {AVI, 0, -1, "AVI", QStringList{"-qmin", "2", "-qmax", "28", "-qscale:v", "3"} + ceiling},
        {MPEG4, 1, 1, "MP4", cbr},
        {MPEG4, 1, 1, "iPod", {}},
        {AVI, 1, 1, "ipod", {}},
        {MP4MP3, 0, 1, "IPOD", QStringList{"-qmin", "2", "-qmax", "28", "-qscale:v", "3"} + ceiling},
        {MPEG1, 0, 2, "MPG", QStringList{"-qscale:v", "2", "-qmin", "2", "-qmax", "15"} + ceiling},
        {MPEG2, 0, 0, "MPG", QStringList{"-qscale:v", "10", "-qmin", "2", "-qmax", "41"} + ceiling},
        {VOB, 0, 3, "VOB", QStringList{"-qscale:v", "4", "-qmin", "2", "-qmax", "30"} + ceiling},
        {MPEG2AC3, 1, 2, "MPG", cbr},
        {HD, 0, 0, "MP4", {"-crf", "20", "-qp", "0"}},
        {HD, 0, 2, "MP4", {"-crf", "20", "-qp", "0"}},
        {HD, 1, 1, "MP4", {}},
    };
    for (const Row &row : rows) {
        Build build(row.family);
        build.item->profile()->videoQuality()->setCurBitrateModel(row.model);
        build.item->profile()->setQualityPhase(row.phase);  // which proposes its own bitrate
        build.item->profile()->videoQuality()->setCurrentValue(QStringLiteral("1000"));
        build.item->profile()->setFileFormat(QString::fromLatin1(row.fileFormat));
        const QStringList w = build.runWords();
        // The rate words follow the codec words (whose last option is one of these) up to "-c:a".
        qsizetype from = -1;
        for (const char *lastCodecOption : {"-level", "-preset", "-subcmp"})
            from = std::max(from, w.indexOf(QLatin1String(lastCodecOption)));
        ASSERT_GE(from, 0) << row.family.name;
        EXPECT_EQ(w.mid(from + 2, w.indexOf(QStringLiteral("-c:a")) - from - 2), row.words)
            << row.family.name << " model " << row.model << " phase " << row.phase << " " << row.fileFormat;
    }
    // Windows Media has no rate control: VBR and CBR at any phase give one vector.
    Build vbr(WMV), cbrBuild(WMV);
    cbrBuild.useCBR();
    cbrBuild.item->profile()->setQualityPhase(2);
    cbrBuild.item->profile()->videoQuality()->setCurrentValue(QStringLiteral("1000"));
    QStringList a = vbr.runWords(), b = cbrBuild.runWords();
    a.removeLast();  // the outputs, in two folders
    b.removeLast();
    EXPECT_EQ(a, b);
}

TEST(MPEGFamilyBuilders, AVICodecTagFollowsTheProfilesCodec)
{
    const struct
    {
        const char *codec;
        const char *tag;
    } rows[] = {{"divx", "DIVX"}, {"DivX", "DIVX"}, {"xvid", "XVID"}, {"mpeg4", "XVID"}, {"", "XVID"}};
    for (const auto &row : rows) {
        Build build(AVI);
        build.item->profile()->videoCodec()->setCurrentValue(QString::fromLatin1(row.codec));
        const QStringList w = build.runWords();
        EXPECT_EQ(between(w, QStringLiteral("-sn"), QStringLiteral("-f")), (QStringList{"-tag:v", row.tag})) << row.codec;
    }
    // The MP4 form has no tag and writes MP4 whatever the profile's container.
    Build mp4(MP4MP3);
    mp4.item->profile()->setFileNameSuffix(QStringLiteral("mov"));
    const QStringList w = mp4.runWords();
    EXPECT_FALSE(w.contains(QStringLiteral("-tag:v")));
    EXPECT_EQ(valueOf(w, QStringLiteral("-f")), QStringLiteral("mp4"));
}

TEST(MPEGFamilyBuilders, AnMPEG2SourceIsReadWithTheMPEG2Decoder)
{
    struct Row
    {
        const Family &family;
        const char *codec;
        bool decoderWords;
    };
    const Row rows[] = {{MP4MP3, "mp2v", true}, {MPEG2AC3, "mp2v", true}, {MPEG2AC3, "MP2V", false},
                        {MP4MP3, "mpeg2video", false}, {MPEG2, "mp2v", false}, {AVI, "mp2v", false}};
    for (const Row &row : rows) {
        Build build(row.family);
        build.item->videoTracks().first()->codec = QString::fromLatin1(row.codec);
        build.item->setEnableTrimming(true);
        build.item->setting()->setTrimEndPercent(0.5f);
        const QStringList w = build.runWords();
        const QStringList expected = row.decoderWords ? QStringList{"encoder", "-d", "-y", "-c:v", "mpeg2video", "-ss"}
                                                      : QStringList{"encoder", "-d", "-y", "-ss"};
        EXPECT_EQ(w.mid(0, expected.size()), expected) << row.family.name << " " << row.codec;
    }
}

TEST(MPEGFamilyBuilders, ThreadCountAndPixelFormat)
{
    struct Row
    {
        const Family &family;
        bool threads;
        bool pixelFormat;      // for every source
        bool pixelFormat2vuy;  // for a 2vuy source
    };
    // Only the MPEG-4 Part 2 builders and HD H.264 hand the encoder a thread count. Encoders that
    // could keep a 4:2:2 or 10-bit source are told 8-bit 4:2:0 for every source; the frame's step
    // tells the others for a 2vuy source, where they have that step.
    const Row rows[] = {
        {HD, true, true, true},       {MPEG4, true, false, true},  {MP4MP3, true, false, false},
        {AVI, true, false, false},    {WMV, false, false, false},  {MPEG1, false, false, true},
        {MPEG2, false, true, true},   {MPEG2AC3, false, true, true}, {VOB, false, true, true},
        {NTSC, false, false, true},   {PAL, false, false, true},
    };
    for (const Row &row : rows) {
        for (const char *codec : {"AVC", "2VUY"}) {
            Build build(row.family);
            build.cpuCore = int(DNNumberOfCPUCores()) + 1;
            build.item->videoTracks().first()->codec = QString::fromLatin1(codec);
            const QStringList w = build.runWords();
            EXPECT_EQ(w.contains(QStringLiteral("-threads")), row.threads) << row.family.name;
            const bool pixelFormat = *codec == '2' ? row.pixelFormat2vuy : row.pixelFormat;
            EXPECT_EQ(valueOf(w, QStringLiteral("-pix_fmt")), pixelFormat ? QStringLiteral("yuv420p") : QString())
                << row.family.name << " " << codec;
        }
    }
}

// A DVD shows its frame at 4:3 or 16:9 only: the stream says which, and the picture is fitted to
// the frame so that it keeps its shape on the screen, whatever the profile's own frame.
TEST(MPEGFamilyBuilders, DVDPictureKeepsItsShapeInADVDAspect)
{
    struct Row
    {
        const Family &family;
        QSize size;
        const char *aspect;  // the profile's
        int rotation;
        const char *shownAspect;
        const char *graph;
    };
    const Row rows[] = {
        {NTSC, {640, 360}, "keep origin", 0, "16:9", "[0:#1]scale=720:480,pad=720:480:(ow-iw)/2:(oh-ih)/2[video]"},
        {PAL, {640, 360}, "keep origin", 0, "16:9", "[0:#1]scale=720:576,pad=720:576:(ow-iw)/2:(oh-ih)/2[video]"},
        {NTSC, {320, 240}, "16x9", 0, "16:9", "[0:#1]scale=540:480,pad=720:480:(ow-iw)/2:(oh-ih)/2[video]"},
        {PAL, {640, 360}, "4x3", 0, "4:3", "[0:#1]scale=720:432,pad=720:576:(ow-iw)/2:(oh-ih)/2[video]"},
        {NTSC, {720, 300}, "2.35x1", 0, "16:9", "[0:#1]scale=720:356,pad=720:480:(ow-iw)/2:(oh-ih)/2[video]"},
        {PAL, {180, 320}, "keep origin", 0, "4:3", "[0:#1]scale=304:576,pad=720:576:(ow-iw)/2:(oh-ih)/2[video]"},
        {NTSC, {640, 360}, "keep origin", 90, "4:3",
         "[0:#1]scale=480:304,transpose=dir=1,pad=720:480:(ow-iw)/2:(oh-ih)/2[video]"},
    };
    for (const Row &row : rows) {
        Build build(row.family, {.size = row.size});
        build.item->profile()->videoAspect()->setCurrentValue(QString::fromLatin1(row.aspect));
        build.item->profile()->videoResolution()->setCurrentValue(QStringLiteral("320x240"));
        build.item->setRotationAngle(row.rotation);
        const QStringList w = build.runWords();
        const QString name = QStringLiteral("%1 %2x%3 %4 %5").arg(QLatin1String(row.family.name)).arg(row.size.width())
                                 .arg(row.size.height()).arg(QLatin1String(row.aspect)).arg(row.rotation);
        EXPECT_EQ(valueOf(w, QStringLiteral("-aspect")), QLatin1String(row.shownAspect)) << name.toStdString();
        EXPECT_EQ(valueOf(w, QStringLiteral("-filter_complex")), QLatin1String(row.graph)) << name.toStdString();
        // The item's own choice not to fill the frame is what it was.
        EXPECT_FALSE(build.item->setting()->autoExpandToProfile());
    }
}

TEST(MPEGFamilyBuilders, DVDVectorLeavesEncodingToTheTarget)
{
    Build plain(PAL), changed(PAL);
    const auto profile = changed.item->profile();
    profile->videoFrameRate()->setCurrentValue(QStringLiteral("29.97"));
    profile->videoQuality()->setCurrentValue(QStringLiteral("8000"));
    profile->audioQuality()->setCurrentValue(QStringLiteral("448"));
    profile->audioChannel()->setCurrentValue(QStringLiteral("6"));
    changed.item->nodeInfo()->setDisplayName(QStringLiteral("Title"));
    changed.item->nodeInfo()->setArtist(QStringLiteral("Artist"));
    changed.item->setAutoExpandToProfileRes(true);
    QStringList a = changed.runWords(), b = plain.runWords();
    a.removeLast();  // the outputs, in two folders
    b.removeLast();
    EXPECT_EQ(a, b);
    EXPECT_TRUE(changed.item->setting()->autoExpandToProfile());

    // Without audio nothing of audio is written but "-an" beside the mapped picture; a volume
    // change is the one audio word a DVD vector may hold.
    Build silent(NTSC, {.audioTracks = 0});
    EXPECT_EQ(between(silent.runWords(), QStringLiteral("-map"), QStringLiteral("-sn")), (QStringList{"[video]", "-an"}));
    Build louder(NTSC);
    louder.item->setGeneralVolume(200);
    EXPECT_EQ(between(louder.runWords(), QStringLiteral("[0:#1]scale=720:480,pad=720:480:(ow-iw)/2:(oh-ih)/2[video]"),
                      QStringLiteral("-map")),
              (QStringList{"-filter:a", "volume=2[audio]"}));

    // Only the two standards exist.
    QTemporaryDir out;
    DNFileNodePtr item = makeItem({.profile = QStringLiteral("Video_PAL_DVD.plist")});
    const VideoConvertOptions options = passOptions(out.path(), 2);
    EXPECT_FALSE(Video_To_DVD_With_AVEncoder(item.get(), 0, options, QStringLiteral("SECAM")));
    ArgumentPtr lower(Video_To_DVD_With_AVEncoder(item.get(), 0, options, QStringLiteral("pal")));
    ASSERT_TRUE(lower);
    EXPECT_EQ(valueOf(words(lower.get()), QStringLiteral("-target")), QStringLiteral("pal-dvd"));
}

// Groups go whole to the join: FileBuilderWithGroup (test_builders_join_groups.cpp).
TEST(MPEGFamilyBuilders, MissingTracksAndItemsGiveNoVector)
{
    QTemporaryDir out;
    const VideoConvertOptions options = passOptions(out.path(), 2);
    for (const Family &family : All) {
        DNFileNodePtr noVideo = makeItem({.profile = QString::fromLatin1(family.profile)});
        noVideo->videoTracks().clear();
        EXPECT_FALSE(ArgumentPtr(family.build(noVideo.get(), 0, options))) << family.name;
        EXPECT_FALSE(ArgumentPtr(family.build(nullptr, 0, options))) << family.name;
    }
}
