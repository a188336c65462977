// The vectors of the MPEG-2, transport-stream, WMV, FLV and MPEG-4 builders for the authored
// discs' titles with the shipped profiles, under a table of edit settings and pass records.

#include "DVDBuilderTestSupport.h"

#include "builders/mencoder/DNMEDVDArgvFLV.h"
#include "builders/mencoder/DNMEDVDArgvMPEG2.h"
#include "builders/mencoder/DNMEDVDArgvMPEG4.h"
#include "builders/mencoder/DNMEDVDArgvTS.h"
#include "builders/mencoder/DNMEDVDArgvWMV.h"
#include "builders/mencoder/common/DVDBuilderHelpers.h"
#include "core/lang/SubtitleFonts.h"
#include "dvd/DNDVDTExtSubtitle.h"

#include <QFile>
#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

enum class Subtitle { None, Disc, File, Forced, BeyondList };

struct VideoCase
{
    const char *what;
    ArgvAssemblerFunction builder;
    const char *profileFile;
    int titleIndex;
    bool navigation;
    bool safeMode;
    bool highQuality;
    bool trim;            // 0.25 .. 0.75 of the title
    quint32 volume;
    int audioIndex;
    Subtitle subtitle;
    const char *aspect;   // the profile's aspect and frame rate for this case
    const char *frameRate;
    int twoPass;          // 0: single pass; 1, 2: that pass of a two-pass run
    const char *outputSuffix;
    // $DEV disc path, $OUT output path, $TAGS tags, $VF filter chain, $LOG pass log, $SUB and
    // $FONT the subtitle file and its font, $CP its character set; $VC $VB $AB $SR $CH the profile's codec, bitrates,
    // sample rate and channels, $CHN the channels as a number.
    QStringList expected;
    int expectedEndpos;
};

const QString X264 = QStringLiteral(
    "crf=22:sar=1/1:threads=auto:bitrate=$VB:level_idc=30:bframes=0:no8x8dct:frameref=6:partitions=all:keyint=60:"
    "nocabac:me=umh:subq=9:weightp=0:profile=baseline:level=30");
const QString MP2Options = QStringLiteral(
    "vcodec=mpeg2video:vrc_buf_size=1792:vrc_maxrate=20000:vbitrate=$VB:keyint=15:vstrict=0:acodec=mp2:abitrate=$AB:"
    "autoaspect:vmax_b_frames=2:vb_strategy=1:threads=4");
const QString MPEG4Options = QStringLiteral(
    "aglobal=1:vglobal=1:vcodec=$VC:level=30:vmax_b_frames=0:autoaspect:acodec=libfaac:vbitrate=$VB:abitrate=$AB:"
    "threads=4");
const QStringList SubtitleFileWords = {"-sub", "$SUB", "-subfont-text-scale", "3.3", "-subpos", "100", "-subwidth",
                                       "90", "-subcp", "$CP", "-font", "$FONT", "-subfont-text-scale", "4.0",
                                       "-subfont-blur", "1", "-subfont-outline", "1.5", "-ffactor", "3"};

QStringList operator+(const QStringList &a, const QStringList &b)
{
    QStringList r = a;
    r.append(b);
    return r;
}

const VideoCase cases[] = {
    {"ts h264: navigation, whole title, volume unchanged", DVD_To_TS_H264_Default_With_MEncoder, "TS_Video_H264.plist",
     0, true, false, false, false, 100, 0, Subtitle::None, "keep origin", "keep origin", 0, "_T1.ts",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-of", "lavf", "-lavfopts", "format=mpegts", "-sws",
      "2", "-af", "volnorm=1", "-srate", "$SR", "-channels", "$CH", "-vf", "$VF", "-oac", "faac", "-faacopts",
      "br=$AB:mpeg=4:object=2:raw", "-ovc", "x264", "-x264encopts", X264, "-info", "$TAGS", "-aid", "0", "-o", "$OUT"},
     0},
    {"m2ts h264: safe mode, trimmed, no audio, half volume; the first of two passes is the single pass",
     DVD_To_TS_H264_Default_With_MEncoder,
     "M2TS_Video_H264.plist", 1, false, true, false, true, 50, -1, Subtitle::None, "16x9", "29.97", 1, "_T2.m2ts",
     {"encoder", "dvd://2", "-dvd-device", "$DEV", "-ss", "2", "-of", "lavf", "-lavfopts", "format=mpegts", "-sws",
      "2", "-af", "volume=-10", "-srate", "$SR", "-channels", "$CH", "-aspect", "16:9", "-vf", "$VF", "-ofps",
      "30000/1001", "-oac", "faac", "-faacopts", "br=$AB:mpeg=4:object=2:raw", "-ovc", "x264", "-x264encopts",
      X264, "-info", "$TAGS", "-nosound", "-o", "$OUT", "-endpos", "5",
      "-mc", "0"},
     5},
    {"m2ts mpeg4: second pass, disc subtitle, channels after the audio choice", DVD_To_TS_MPEG4_Default_With_MEncoder,
     "M2TS_Video_MPEG4.plist", 0, true, false, false, false, 150, 0, Subtitle::Disc, "keep origin", "keep origin", 2,
     "_T1.m2ts",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-srate", "$SR", "-of", "lavf", "-lavfopts",
      "format=mpegts", "-oac", "lavc", "-ovc", "lavc", "-lavcopts",
      QString(MPEG4Options).remove(QStringLiteral("vglobal=1:")) + ":vpass=2", "-passlogfile", "$LOG", "-vf", "$VF",
      "-info", "$TAGS", "-aid", "0", "-channels", "$CH", "-sid", "0", "-spualign", "0", "-subpos", "100", "-o", "$OUT",
      "-af", "volume=8"},
     0},
    {"ts mpeg4 without audio keeps channels after -nosound, safe mode ends with -mc", DVD_To_TS_MPEG4_Default_With_MEncoder,
     "TS_Video_MPEG4.plist", 2, false, true, false, true, 200, -1, Subtitle::None, "4x3", "25", 0, "_T3.ts",
     {"encoder", "dvd://3", "-dvd-device", "$DEV", "-ss", "1", "-srate", "$SR", "-of", "lavf", "-lavfopts",
      "format=mpegts", "-oac", "lavc", "-ovc", "lavc", "-lavcopts",
      QString(MPEG4Options).remove(QStringLiteral("vglobal=1:")), "-aspect", "4:3", "-vf", "$VF", "-info", "$TAGS",
      "-ofps", "25", "-nosound", "-channels", "$CH", "-o", "$OUT", "-af", "volume=10", "-endpos", "2", "-mc", "0"},
     2},
    {"mts mpeg2: the program-stream vector, muxed as a transport stream for its name",
     DVD_To_TS_MPEG2_Default_With_MEncoder, "MTS_Video_MPEG2.plist", 2, true, false, false, false, 100, 1,
     Subtitle::File, "16x9", "25", 0, "_T3.mts",
     QStringList{"encoder", "dvdnav://3", "-dvd-device", "$DEV", "-ss", "0", "-channels", "$CHN", "-oac", "lavc",
                 "-ovc", "lavc", "-of", "lavf", "-lavfopts", "format=mpegts", "-vf", "$VF", "-lavcopts", MP2Options,
                 "-ofps", "25", "-info", "$TAGS", "-aid", "1"}
         + SubtitleFileWords + QStringList{"-o", "$OUT"},
     0},
    {"mpeg2 mp2 with forced subtitles of the audio language", DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder,
     "PCGen_MPEG2_MP2.plist", 0, true, false, false, false, 100, 0, Subtitle::Forced, "keep origin", "keep origin", 0,
     "_T1.mpg",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-channels", "$CHN", "-oac", "lavc", "-ovc", "lavc",
      "-of", "mpeg", "-mpegopts", "format=mpeg2", "-vf", "$VF", "-lavcopts", MP2Options, "-info", "$TAGS", "-aid", "0",
      "-sid", "0", "-spualign", "0", "-subpos", "100", "-forcedsubsonly", "-o", "$OUT"},
     0},
    {"mpeg2 ac3 copy: the track's channels, -mc even without safe mode", DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder,
     "SonyPS3_MPEG2.plist", 0, true, false, false, false, 100, 0, Subtitle::None, "keep origin", "keep origin", 0,
     "_T1.mpg",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-oac", "copy", "-channels", "2", "-ovc", "lavc",
      "-of", "mpeg", "-mpegopts", "format=dvd:tsaf", "-vf", "$VF", "-lavcopts",
      "vcodec=mpeg2video:vrc_buf_size=1835:vrc_maxrate=5800:vbitrate=$VB:keyint=15:vstrict=0:autoaspect:"
      "vmax_b_frames=2:vb_strategy=1:threads=4",
      "-info", "$TAGS", "-aid", "0", "-o", "$OUT", "-mc", "0"},
     0},
    {"mpeg2 ac3 copy without audio: the shortest vector, 25 words", DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder,
     "PCGen_MPEG_MPEG2.plist", 1, true, false, false, false, 100, -1, Subtitle::BeyondList, "keep origin",
     "keep origin", 0, "_T2.mpg",
     {"encoder", "dvdnav://2", "-dvd-device", "$DEV", "-ss", "0", "-oac", "copy", "-ovc", "lavc", "-of", "mpeg",
      "-mpegopts", "format=dvd:tsaf", "-vf", "$VF", "-lavcopts",
      "vcodec=mpeg2video:vrc_buf_size=1835:vrc_maxrate=5800:vbitrate=$VB:keyint=15:vstrict=0:autoaspect:"
      "vmax_b_frames=2:vb_strategy=1:threads=4",
      "-info", "$TAGS", "-nosound", "-o", "$OUT", "-mc", "0"},
     0},
    {"mpeg2 ac3 re-encode, trimmed in safe mode", DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder,
     "PCGen_MPEG_MPEG2.plist", 1, false, true, false, true, 100, 0, Subtitle::None, "keep origin", "23.976", 0,
     "_T2.mpg",
     {"encoder", "dvd://2", "-dvd-device", "$DEV", "-ss", "2", "-channels", "$CHN", "-oac", "lavc", "-ovc", "lavc",
      "-of", "mpeg", "-mpegopts", "format=dvd:tsaf", "-vf", "$VF", "-lavcopts",
      "vcodec=mpeg2video:vrc_buf_size=1835:vrc_maxrate=5800:vbitrate=$VB:keyint=15:vstrict=0:acodec=ac3_fixed:"
      "abitrate=$AB:autoaspect:vmax_b_frames=2:vb_strategy=1:threads=4",
      "-ofps", "24000/1001", "-info", "$TAGS", "-aid", "0", "-o", "$OUT", "-endpos", "5", "-mc", "0"},
     5},
    {"wmv: no -mc in safe mode; the second of two passes is the single pass", DVD_To_WMV_MP3_Default_With_MEncoder,
     "PCGen_WMV_MP3.plist", 0, false,
     true, false, false, 150, 0, Subtitle::None, "4x3", "23.976", 2, "_T1.wmv",
     {"encoder", "dvd://1", "-dvd-device", "$DEV", "-ss", "0", "-of", "lavf", "-lavfopts", "format=wmv", "-ovc", "lavc",
      "-lavcopts", "aglobal=1:vglobal=1:vcodec=wmv2:autoaspect", "-srate", "$SR",
      "-channels", "$CH", "-oac", "mp3lame", "-lameopts", "mode=0:cbr:br=$AB", "-af", "lavcresample=$SR,volume=8",
      "-vf", "$VF", "-aspect", "4:3", "-ofps", "24000/1001", "-info", "$TAGS", "-aid", "0", "-o", "$OUT"},
     0},
    {"wmv without audio keeps the mp3 options", DVD_To_WMV_MP3_Default_With_MEncoder, "Video_Other_WMV_MP3.plist", 2,
     true, false, true, true, 100, -1, Subtitle::Disc, "keep origin", "keep origin", 0, "_T3.wmv",
     {"encoder", "dvdnav://3", "-dvd-device", "$DEV", "-ss", "1", "-of", "lavf", "-lavfopts", "format=wmv", "-ovc",
      "lavc", "-lavcopts", "aglobal=1:vglobal=1:vcodec=wmv2:autoaspect", "-srate", "$SR", "-channels", "$CH", "-oac",
      "mp3lame", "-lameopts", "mode=0:cbr:br=$AB", "-af", "lavcresample=$SR,volnorm=1", "-vf", "$VF", "-info",
      "$TAGS", "-nosound", "-sid", "0", "-spualign", "0", "-subpos", "100", "-o", "$OUT", "-endpos", "2"},
     2},
    {"flv: high quality, safe mode, trimmed, double volume", DVD_To_FLV_With_MEncoder, "Video_Youtube_FLV.plist", 1,
     false, true, true, true, 200, 0, Subtitle::None, "1.78x1", "15", 0, "_T2.flv",
     {"encoder", "dvd://2", "-dvd-device", "$DEV", "-ss", "2", "-srate", "$SR", "-af", "volume=10", "-of", "lavf",
      "-lavfopts", "format=flv", "-oac", "mp3lame", "-channels", "$CH", "-lameopts", "abr:br=$AB", "-ovc", "lavc",
      "-lavcopts", "vcodec=flv:vbitrate=$VB:mbd=2:mv0:trell:v4mv:cbp:last_pred=3", "-sws", "2", "-aspect", "1.78",
      "-vf", "$VF", "-ofps", "15", "-aid", "0", "-o", "$OUT", "-endpos", "5", "-mc", "0"},
     5},
    {"flv: no tags ever, second audio track", DVD_To_FLV_With_MEncoder, "Video_Facebook_FLV.plist", 0, true, false,
     false, false, 100, 1, Subtitle::None, "keep origin", "keep origin", 0, "_T1.flv",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-srate", "$SR", "-af", "volnorm=1", "-of", "lavf",
      "-lavfopts", "format=flv", "-oac", "mp3lame", "-channels", "$CH", "-lameopts", "abr:br=$AB", "-ovc", "lavc",
      "-lavcopts", "vcodec=flv:vbitrate=$VB:mv0:trell:v4mv:cbp:last_pred=3", "-sws", "2", "-vf", "$VF", "-aid", "1",
      "-o", "$OUT"},
     0},
    {"mov mpeg4: first of two passes goes to /dev/null", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder,
     "MacGen_MOV_MPEG4.plist", 0, true, false, false, false, 100, 0, Subtitle::None, "keep origin", "keep origin", 1,
     "_T1.mov",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-srate", "$SR", "-of", "lavf", "-lavfopts",
      "format=mov", "-oac", "lavc", "-ovc", "lavc", "-lavcopts", MPEG4Options + ":vpass=1", "-passlogfile", "$LOG",
      "-channels", "$CH", "-vf", "$VF", "-info", "$TAGS", "-aid", "0", "-o", "/dev/null", "-af", "volnorm=1"},
     0},
    {"psp mpeg4: tags before the rate, volume after the output", DVD_To_PSP_MPEG4_With_MEncoder, "SonyPSP_MPEG4.plist",
     1, false, true, false, true, 50, -1, Subtitle::File, "16x9", "29.97", 0, "_T2.mp4",
     QStringList{"encoder", "dvd://2", "-dvd-device", "$DEV", "-ss", "2", "-srate", "$SR", "-of", "lavf",
                 "-lavfopts", "format=psp", "-oac", "lavc", "-ovc", "lavc", "-lavcopts", MPEG4Options, "-channels",
                 "$CH", "-aspect", "16:9", "-vf", "$VF", "-info", "$TAGS", "-ofps", "30000/1001", "-nosound"}
         + SubtitleFileWords + QStringList{"-o", "$OUT", "-af", "volume=-10", "-endpos", "5", "-mc", "0"},
     5},
    {"ps mpeg4: mp4 without level, with coder=1 before the pass", DVD_To_PS_MPEG4_With_MEncoder,
     "PCGen_MP4_MPEG4.plist", 0, true, false, false, false, 100, 0, Subtitle::None, "keep origin", "keep origin", 2,
     "_T1.mp4",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-srate", "$SR", "-of", "lavf", "-lavfopts",
      "format=mp4", "-oac", "lavc", "-ovc", "lavc", "-lavcopts",
      QString(MPEG4Options).remove(QStringLiteral("level=30:")) + ":coder=1:vpass=2", "-passlogfile", "$LOG",
      "-channels", "$CH", "-vf", "$VF", "-info", "$TAGS", "-aid", "0", "-o", "$OUT", "-af", "volnorm=1"},
     0},
};

QString tagsOf(const DNDVDNode &node)
{
    const DNNodeInfoPtr &info = node.nodeInfo();
    const QString name = info->displayName().isNull() ? info->outputName() : info->displayName();
    return QStringLiteral("name=\"%1\":artist=\"%2\":genre=\"%3\"")
        .arg(sanitizeInfoText(name), sanitizeInfoText(info->artist()), sanitizeInfoText(info->genre()));
}

QString value(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return field ? field->currentValue() : QString();
}

} // namespace

TEST(DVDVideoBuilders, VectorsForFixtureTitles)
{
    QTemporaryDir subtitles;
    QString subtitleCodePage;
    const QString subtitleFile = subtitles.filePath(QStringLiteral("extra.srt"));
    {
        QFile file(subtitleFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\n00:00:01,000 --> 00:00:02,000\nhello\n");
    }
    for (const VideoCase &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(c.profileFile));
        ASSERT_TRUE(node);
        ASSERT_TRUE(node->profile());
        node->profile()->videoAspect()->setCurrentValue(QString::fromLatin1(c.aspect));
        node->profile()->videoFrameRate()->setCurrentValue(QString::fromLatin1(c.frameRate));
        DNDVDTitlePtr title = node->titleAt(c.titleIndex);
        ASSERT_TRUE(title);
        auto setting = title->setting();
        setting->setTrimEnable(c.trim);
        setting->setTrimStartPercent(0.25f);
        setting->setTrimEndPercent(0.75f);
        setting->setVolume(c.volume);
        setting->setAudioIndex(c.audioIndex);
        setting->setSubtitleEnable(c.subtitle != Subtitle::None);
        setting->setSubtitleIndex(-1);
        switch (c.subtitle) {
        case Subtitle::None:
            break;
        case Subtitle::Disc:
            setting->setSubtitleIndex(0);
            break;
        case Subtitle::File: {
            auto file = DNDVDTExtSubtitle::dvdExtraSubtitleWithFile(subtitleFile);
            subtitleCodePage = file->codePage();
            title->subtitleTracks().append(file);
            setting->setSubtitleIndex(int(title->subtitleTracks().size()) - 1);
            break;
        }
        case Subtitle::Forced:
            ASSERT_EQ(title->audioTracks().at(c.audioIndex)->audioLang().toLower(),
                      title->subtitleTracks().at(0)->subtitleName().toLower());
            setting->setForceSubOnly(true);
            break;
        case Subtitle::BeyondList:
            setting->setSubtitleIndex(int(title->subtitleTracks().size()) + 3);
            break;
        }

        VideoConvertOptions options = passOptions(out.path(), c.navigation, c.safeMode);
        options.highQuality = c.highQuality ? 1 : 0;
        const QString passLog = out.filePath(QStringLiteral("HV_pass.log"));
        if (c.twoPass > 0) {
            options.twoPass = 1;
            options.passIndex = c.twoPass - 1;
            ASSERT_TRUE(SetOptionText(options.passLogFile, passLog));
        }
        const QString chain = buildVideoFilterChain(*node, c.titleIndex, options);

        ArgumentPtr argument(c.builder(node.get(), c.titleIndex, options));
        ASSERT_TRUE(argument);
        ASSERT_TRUE(ArgumentIsUsable(argument.get()));
        const QString output = QDir(out.path()).filePath(outputNameOf(*node) + QLatin1String(c.outputSuffix));
        const DNProfile &profile = *node->profile();
        QStringList expected = c.expected;
        expected.replaceInStrings(QStringLiteral("$DEV"), devicePathOf(*node));
        expected.replaceInStrings(QStringLiteral("$OUT"), output);
        expected.replaceInStrings(QStringLiteral("$TAGS"), tagsOf(*node));
        expected.replaceInStrings(QStringLiteral("$VF"), chain);
        expected.replaceInStrings(QStringLiteral("$LOG"), passLog);
        expected.replaceInStrings(QStringLiteral("$SUB"), subtitleFile);
        expected.replaceInStrings(QStringLiteral("$CP"), subtitleCodePage);
        expected.replaceInStrings(QStringLiteral("$FONT"), SubtitleFontPathForLanguage(QStringLiteral("en")));
        expected.replaceInStrings(QStringLiteral("$VC"), value(profile.videoCodec()));
        expected.replaceInStrings(QStringLiteral("$VB"), value(profile.videoQuality()));
        expected.replaceInStrings(QStringLiteral("$AB"), value(profile.audioQuality()));
        expected.replaceInStrings(QStringLiteral("$SR"), value(profile.audioSampleRate()));
        expected.replaceInStrings(QStringLiteral("$CHN"), QString::number(value(profile.audioChannel()).toInt()));
        expected.replaceInStrings(QStringLiteral("$CH"), value(profile.audioChannel()));
        EXPECT_EQ(words(argument.get()).join(u'\n').toStdString(), expected.join(u'\n').toStdString());
        EXPECT_EQ(argument->argc, expected.size());
        EXPECT_EQ(argument->endpos, c.expectedEndpos);
        EXPECT_EQ(title->outputName(), output) << "the real path on every pass";
    }
}

// The single-pass families read none of the pass fields: both passes of a two-pass run get the
// single-pass vector, which the driver then runs once.
TEST(DVDVideoBuilders, SinglePassFamiliesGiveBothPassesTheSingleVector)
{
    const struct
    {
        ArgvAssemblerFunction builder;
        const char *profileFile;
    } rows[] = {
        {DVD_To_TS_H264_Default_With_MEncoder, "TS_Video_H264.plist"},
        {DVD_To_TS_MPEG2_Default_With_MEncoder, "M2TS_Video_MPEG2.plist"},
        {DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder, "PCGen_MPEG2_MP2.plist"},
        {DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder, "SonyPS3_MPEG2.plist"},
        {DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder, "PCGen_MPEG_MPEG2.plist"},
        {DVD_To_WMV_MP3_Default_With_MEncoder, "PCGen_WMV_MP3.plist"},
        {DVD_To_FLV_With_MEncoder, "Video_Youtube_FLV.plist"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.profileFile);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(row.profileFile));
        ASSERT_TRUE(node);
        const VideoConvertOptions single = passOptions(out.path());
        const ArgumentPtr singleVector(row.builder(node.get(), 0, single));
        ASSERT_TRUE(singleVector);
        for (int pass = 0; pass < 2; ++pass) {
            VideoConvertOptions options = single;
            options.twoPass = 1;
            options.passIndex = pass;
            ASSERT_TRUE(SetOptionText(options.passLogFile, out.filePath(QStringLiteral("HV_pass.log"))));
            const ArgumentPtr passVector(row.builder(node.get(), 0, options));
            ASSERT_TRUE(passVector);
            EXPECT_EQ(words(passVector.get()), words(singleVector.get())) << "pass " << pass + 1;
        }
    }
}
