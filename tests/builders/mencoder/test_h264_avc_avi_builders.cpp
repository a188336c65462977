// Whole vectors of the H.264, Baseline AVC, High-profile H.264 and AVI builders for the authored
// discs with shipped profiles, under a table of edit settings and pass records.

#include "support/testname.h"
#include "DVDBuilderTestSupport.h"

#include "builders/common/ArgvAssembler.h"
#include "builders/mencoder/DNMEDVDArgv_AVC.h"
#include "builders/mencoder/DNMEDVDArgv_AVI.h"
#include "builders/mencoder/DNMEDVDArgv_H264.h"
#include "builders/mencoder/common/DVDBuilderHelpers.h"
#include "core/lang/SubtitleFonts.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "profiles/NXProfileInfoBase.h"

#include <QFile>
#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

enum class Family { H264BySuffix, H264PSP, PSH264, AVC, DivX, Xvid };
enum class Subtitle { None, Disc, File, Forced, BeyondList };

struct Case
{
    const char *what;
    Family family;
    const char *disc;
    const char *profileFile;
    int titleIndex;
    bool navigation;
    bool safeMode;
    bool deinterlace;
    bool highQuality;
    bool trim;          // 0.25 .. 0.75 of the title
    quint32 volume;
    int audioIndex;
    Subtitle subtitle;
    const char *aspect;     // null: the profile's own value ("keep origin" in these profiles)
    const char *frameRate;  // null: the profile's own value
    int rotation;
};

const Case cases[] = {
    {"h264: navigation, whole title", Family::H264BySuffix, "dvd/ntsc", "iPhone5_H264.plist", 0, true, false, false,
     false, false, 100, 0, Subtitle::None, nullptr, nullptr, 0},
    {"h264 mov: no navigation, trimmed, loud, aspect and rate, safe mode", Family::H264BySuffix, "dvd/pal.iso",
     "MacGen_MOV_H264.plist", 1, false, true, true, false, true, 120, 1, Subtitle::None, "16x9", "29.97", 0},
    {"h264: half volume, disc subtitle, turned back a quarter", Family::H264BySuffix, "dvd/ntsc.iso",
     "iPhone5_H264.plist", 2, true, false, false, false, false, 50, 0, Subtitle::Disc, nullptr, nullptr, -90},
    {"h264 psp: no audio, silenced", Family::H264PSP, "dvd/pal", "SonyPSP_AVC.plist", 0, true, false, false, false,
     false, 0, -1, Subtitle::Forced, nullptr, "25", 0},
    {"h264: subtitle file", Family::H264BySuffix, "dvd/ntsc", "iPhone5_H264.plist", 1, true, false, false, false, true,
     100, 1, Subtitle::File, nullptr, nullptr, 0},
    {"h264: subtitle index beyond the list", Family::H264BySuffix, "dvd/ntsc", "iPhone5_H264.plist", 0, true, false,
     false, false, false, 100, 0, Subtitle::BeyondList, nullptr, nullptr, 0},
    {"avc: whole title", Family::AVC, "dvd/ntsc", "PCGen_AVC.plist", 0, true, false, false, false, false, 100, 0,
     Subtitle::None, nullptr, nullptr, 0},
    {"avc: trimmed, forced subtitles, safe mode, aspect and rate", Family::AVC, "dvd/pal.iso", "PCGen_AVC.plist", 1,
     false, true, false, false, true, 200, 0, Subtitle::Forced, "16x9", "23.976", 180},
    {"ps h264: whole title", Family::PSH264, "dvd/ntsc", "PCGen_AVC.plist", 0, true, false, false, false, false, 100, 0,
     Subtitle::None, nullptr, nullptr, 0},
    {"ps h264: trimmed, subtitle file, safe mode, aspect", Family::PSH264, "dvd/pal", "PCGen_AVC.plist", 2, false, true,
     true, false, true, 60, 1, Subtitle::File, "4x3", "50", 0},
    {"divx: whole title", Family::DivX, "dvd/ntsc", "Android_GalaxyS3_AVI.plist", 0, true, false, false, false, false,
     100, 0, Subtitle::None, nullptr, nullptr, 0},
    {"divx: trimmed, loud, disc subtitle, aspect and rate", Family::DivX, "dvd/pal.iso", "Android_GalaxyS3_AVI.plist",
     1, false, false, true, false, true, 200, 1, Subtitle::Disc, "16x9", "23.976", 0},
    {"xvid: whole title", Family::Xvid, "dvd/ntsc", "Nokia_XviD.plist", 0, true, false, false, false, false, 100, 0,
     Subtitle::None, nullptr, nullptr, 0},
    {"xvid: high quality, no audio, aspect and rate, subtitle file", Family::Xvid, "dvd/pal", "Nokia_XviD.plist", 2,
     false, true, false, true, true, 30, -1, Subtitle::File, "4x3", "29.97", 270},
};

ArgvAssemblerFunction builderOf(Family family)
{
    switch (family) {
    case Family::H264BySuffix: return DVD_To_H264_ByFileSuffix_With_MEncoder;
    case Family::H264PSP: return DVD_To_H264_PSP_With_MEncoder;
    case Family::PSH264: return DVD_To_PS_H264_With_MEncoder;
    case Family::AVC: return DVD_To_AVC_Default_With_MEncoder;
    case Family::DivX: return DVD_To_AVI_DIVX_Default_With_MEncoder;
    case Family::Xvid: return DVD_To_AVI_XVID_Default_With_MEncoder;
    }
    return nullptr;
}

QString value(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return field ? field->currentValue() : QString();
}

// The audio filter the Parts give for 100 and above, and the attenuation below 100.
QString volumeText(quint32 volume)
{
    switch (volume) {
    case 100: return QStringLiteral("volnorm=1");
    case 120: return QStringLiteral("volume=6");
    case 200: return QStringLiteral("volume=10");
    case 60: return QStringLiteral("volume=-7");   // 10 log2(0.6) = -7.37
    case 50: return QStringLiteral("volume=-10");
    case 30: return QStringLiteral("volume=-17");  // 10 log2(0.3) = -17.37
    case 0: return QStringLiteral("volume=-200");
    }
    ADD_FAILURE() << "no expected filter for volume " << volume;
    return {};
}

struct Fixture
{
    DNDVDNodePtr node;
    QString subtitleFile;
};

// What each vector must hold, written out in the order the builders' grammar gives.
QStringList expectedVector(const Case &c, const DNDVDNode &node, const VideoConvertOptions &options,
                           const QString &outputFolder, const QString &subtitleFile)
{
    const DNDVDTitle &title = *node.titleAt(c.titleIndex);
    const DNDVDTitleSetting &setting = *title.setting();
    const DNProfile &profile = *node.profile();
    const int length = title.length();
    const int start = c.trim ? int(float(length) * 0.25f) : 0;
    const int duration = c.trim ? int((0.75f - 0.25f) * float(length)) : 0;
    const QString output = QStringLiteral("%1/%2_T%3.%4")
                               .arg(outputFolder, outputNameOf(node))
                               .arg(c.titleIndex + 1)
                               .arg(profile.fileNameSuffix());

    QStringList head{QStringLiteral("encoder"),
                     QStringLiteral("%1://%2").arg(c.navigation ? "dvdnav" : "dvd").arg(c.titleIndex + 1),
                     QStringLiteral("-dvd-device"), devicePathOf(node), QStringLiteral("-ss"), QString::number(start)};
    const QStringList aspect = c.aspect ? QStringList{QStringLiteral("-aspect"),
                                                      QString::fromLatin1(c.aspect).replace(QLatin1Char('x'), QLatin1Char(':'))}
                                        : QStringList{};
    QStringList frameRate;
    if (c.frameRate) {
        const QString rate = QString::fromLatin1(c.frameRate);
        frameRate = {QStringLiteral("-ofps"),
                     rate == QLatin1String("29.97")    ? QStringLiteral("30000/1001")
                     : rate == QLatin1String("23.976") ? QStringLiteral("24000/1001")
                                                       : rate};
    }
    const QStringList chain{QStringLiteral("-vf"), buildVideoFilterChain(node, c.titleIndex, options)};
    const QStringList tags{QStringLiteral("-info"), QStringLiteral("name=\"%1\":artist=\"%2\":genre=\"%3\"")
                                                        .arg(node.nodeInfo()->displayName(), node.nodeInfo()->artist(),
                                                             node.nodeInfo()->genre())};
    const QString volume = volumeText(c.volume);
    const QString srate = value(profile.audioSampleRate());
    const QString channels = value(profile.audioChannel());
    const QString audioBitrate = value(profile.audioQuality());
    const QString videoBitrate = value(profile.videoQuality());

    DNDVDTAudioPtr track = c.audioIndex >= 0 ? title.audioTracks().at(c.audioIndex) : nullptr;
    QStringList audioStream = track ? QStringList{QStringLiteral("-aid"), QString::number(track->index())}
                                    : QStringList{QStringLiteral("-nosound")};
    if (track && (c.family == Family::DivX || c.family == Family::Xvid)) {
        // These profiles re-encode (MP3, not "keep origin").
        audioStream << QStringLiteral("-channels") << channels;
        if (c.family == Family::DivX)
            audioStream << QStringLiteral("-af") << QStringLiteral("lavcresample=%1,%2").arg(srate, volume);
        else
            audioStream << QStringLiteral("-srate") << srate << QStringLiteral("-af") << volume;
        audioStream << QStringLiteral("-oac") << QStringLiteral("mp3lame") << QStringLiteral("-lameopts")
                    << QStringLiteral("mode=0:cbr:br=%1").arg(audioBitrate);
    }

    QStringList subtitles;
    const QString pos = QString::number(setting.position());
    switch (c.subtitle) {
    case Subtitle::None:
    case Subtitle::BeyondList:
        break;
    case Subtitle::Disc:
        subtitles = {QStringLiteral("-sid"), QStringLiteral("0"), QStringLiteral("-spualign"), QStringLiteral("0"),
                     QStringLiteral("-subpos"), pos};
        break;
    case Subtitle::Forced:
        // The disc subtitle is English; it matches only when the English audio track plays.
        if (track && track->audioLang().toLower() == QLatin1String("english"))
            subtitles = {QStringLiteral("-sid"), QStringLiteral("0"), QStringLiteral("-spualign"), QStringLiteral("0"),
                         QStringLiteral("-subpos"), pos, QStringLiteral("-forcedsubsonly")};
        break;
    case Subtitle::File: {
        const auto file = std::dynamic_pointer_cast<DNDVDTExtSubtitle>(title.subtitleTracks().last());
        subtitles = {QStringLiteral("-sub"), subtitleFile, QStringLiteral("-subfont-text-scale"), QStringLiteral("3.3"),
                     QStringLiteral("-subpos"), pos, QStringLiteral("-subwidth"), QStringLiteral("90"),
                     QStringLiteral("-subcp"), file->codePage(), QStringLiteral("-font"),
                     SubtitleFontPathForLanguage(QStringLiteral("en")), QStringLiteral("-subfont-text-scale"),
                     QStringLiteral("4.0"), QStringLiteral("-subfont-blur"), QStringLiteral("1"),
                     QStringLiteral("-subfont-outline"), QStringLiteral("1.5"), QStringLiteral("-ffactor"),
                     QStringLiteral("3")};
        break;
    }
    }
    QStringList tail{QStringLiteral("-o"), output};
    if (c.trim)
        tail << QStringLiteral("-endpos") << QString::number(duration);
    const bool writesSafeMode = c.family != Family::DivX && c.family != Family::Xvid;
    if (c.safeMode && writesSafeMode)
        tail << QStringLiteral("-mc") << QStringLiteral("0");

    const QStringList lavf{QStringLiteral("-of"), QStringLiteral("lavf"), QStringLiteral("-lavfopts")};
    const QStringList aac{QStringLiteral("-oac"), QStringLiteral("faac"), QStringLiteral("-faacopts"),
                          QStringLiteral("br=%1:mpeg=4:object=2:raw").arg(audioBitrate)};
    const QStringList x264{QStringLiteral("-ovc"), QStringLiteral("x264"), QStringLiteral("-x264encopts")};
    QStringList v = head;
    switch (c.family) {
    case Family::H264BySuffix:
    case Family::H264PSP:
    case Family::PSH264: {
        QString format = QStringLiteral("format=mp4");
        if (c.family == Family::H264PSP)
            format = QStringLiteral("format=psp");
        else if (c.family == Family::H264BySuffix)
            format = profile.fileNameSuffix().toLower() == QLatin1String("mov") ? QStringLiteral("format=mov")
                                                                                 : QStringLiteral("format=ipod");
        const QString options264 =
            c.family == Family::PSH264
                ? QStringLiteral("crf=22:sar=1/1:threads=auto:bitrate=%1:level_idc=41:bframes=0:frameref=4:"
                                 "global_header:partitions=all:keyint=60:me=umh:subq=9:weightp=0:profile=high")
                      .arg(videoBitrate)
                : QStringLiteral("crf=22:sar=1/1:threads=auto:bitrate=%1:level_idc=30:bframes=0:no8x8dct:frameref=6:"
                                 "global_header:partitions=all:keyint=60:nocabac:me=umh:subq=9:weightp=0:"
                                 "profile=baseline:level=30")
                      .arg(videoBitrate);
        v << lavf << format << QStringLiteral("-sws") << QStringLiteral("2") << QStringLiteral("-af") << volume
          << QStringLiteral("-srate") << srate << QStringLiteral("-channels") << channels << aspect << chain
          << frameRate << aac << x264 << options264;
        break;
    }
    case Family::AVC:
        v << lavf << QStringLiteral("format=mp4") << x264
          << QStringLiteral("crf=22:sar=1/1:threads=auto:global_header:level_idc=30:bframes=0:no8x8dct:frameref=6:"
                            "partitions=all:keyint=60:nocabac:trellis=1:chroma_me:me=umh:weightp=0:subq=5:"
                            "profile=baseline:level=30")
          << chain << QStringLiteral("-channels") << channels << QStringLiteral("-srate") << srate << aac
          << QStringLiteral("-af") << volume << aspect << frameRate;
        break;
    case Family::DivX:
        v << QStringLiteral("-of") << QStringLiteral("avi") << QStringLiteral("-ffourcc") << QStringLiteral("DX50")
          << QStringLiteral("-ovc") << QStringLiteral("lavc") << QStringLiteral("-lavcopts")
          << QStringLiteral("vcodec=mpeg4:vbitrate=%1:autoaspect:keyint=132:threads=%2").arg(videoBitrate).arg(options.cpuCore)
          << chain << aspect << frameRate;
        break;
    case Family::Xvid:
        v << QStringLiteral("-of") << QStringLiteral("avi") << aspect << QStringLiteral("-ffourcc")
          << QStringLiteral("XVID") << QStringLiteral("-ovc") << QStringLiteral("xvid") << QStringLiteral("-xvidencopts")
          << (c.highQuality ? QStringLiteral("bvhq=1:chroma_opt:quant_type=mpeg:bitrate=%1:autoaspect:threads=%2")
                            : QStringLiteral("bitrate=%1:autoaspect:threads=%2"))
                 .arg(videoBitrate)
                 .arg(options.cpuCore)
          << chain << frameRate;
        break;
    }
    return v << tags << audioStream << subtitles << tail;
}

class TitleVectors : public ::testing::TestWithParam<Case> {};

TEST_P(TitleVectors, AreTheGrammarsVector)
{
    const Case &c = GetParam();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    DNDVDNodePtr node = loadDisc(QString::fromLatin1(c.disc), QString::fromLatin1(c.profileFile));
    ASSERT_TRUE(node);
    DNProfile &profile = *node->profile();
    if (c.aspect)
        profile.videoAspect()->setCurrentValue(QString::fromLatin1(c.aspect));
    if (c.frameRate)
        profile.videoFrameRate()->setCurrentValue(QString::fromLatin1(c.frameRate));

    DNDVDTitle &title = *node->titleAt(c.titleIndex);
    DNDVDTitleSetting &setting = *title.setting();
    setting.setTrimEnable(c.trim);
    setting.setTrimStartPercent(0.25f);
    setting.setTrimEndPercent(0.75f);
    setting.setVolume(c.volume);
    setting.setAudioIndex(c.audioIndex);
    setting.setRotationAngle(c.rotation);
    setting.setSubtitleEnable(c.subtitle != Subtitle::None);
    setting.setForceSubOnly(c.subtitle == Subtitle::Forced);
    setting.setPosition(90);
    QString subtitleFile;
    switch (c.subtitle) {
    case Subtitle::None: break;
    case Subtitle::Disc: setting.setSubtitleIndex(0); break;
    case Subtitle::Forced: setting.setSubtitleIndex(-1); break;
    case Subtitle::BeyondList: setting.setSubtitleIndex(7); break;
    case Subtitle::File: {
        subtitleFile = out.filePath(QStringLiteral("words.srt"));
        QFile file(subtitleFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\n00:00:00,500 --> 00:00:01,500\nhello\n");
        file.close();
        auto sub = DNDVDTExtSubtitle::dvdExtraSubtitleWithFile(subtitleFile);
        title.subtitleTracks().append(sub);
        setting.setSubtitleIndex(int(title.subtitleTracks().size()) - 1);
        break;
    }
    }

    VideoConvertOptions options = passOptions(out.path(), c.navigation, c.safeMode);
    options.deinterlace = c.deinterlace ? 1 : 0;
    options.highQuality = c.highQuality ? 1 : 0;
    ArgumentPtr argument(builderOf(c.family)(node.get(), c.titleIndex, options));
    ASSERT_TRUE(argument) << c.what;
    EXPECT_TRUE(ArgumentIsUsable(argument.get()));

    const QStringList expected = expectedVector(c, *node, options, out.path(), subtitleFile);
    EXPECT_EQ(words(argument.get()).join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString())
        << c.what;
    const int duration = c.trim ? int(0.5f * float(title.length())) : 0;
    EXPECT_EQ(argument->endpos, duration) << c.what;
    EXPECT_EQ(title.outputName(), expected.at(expected.indexOf(QStringLiteral("-o")) + 1)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleVectors, ::testing::ValuesIn(cases),
                         [](const auto &info) { return testsupport::testName(info.param.what); });

// An anchor written out in full, so the expectations above cannot drift with the code.
TEST(H264Vector, NtscTitleOneWithTheIPhoneProfileWordForWord)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("iPhone5_H264.plist"));
    ASSERT_TRUE(node);
    node->profile()->videoQuality()->setCurrentValue(QStringLiteral("1200"));
    ArgumentPtr argument(DVD_To_H264_ByFileSuffix_With_MEncoder(node.get(), 0, passOptions(out.path())));
    ASSERT_TRUE(argument);
    const QStringList expected{
        "encoder", "dvdnav://1", "-dvd-device", devicePathOf(*node), "-ss", "0", "-of", "lavf", "-lavfopts",
        "format=ipod", "-sws", "2", "-af", "volnorm=1", "-srate", "44100", "-channels", "2", "-vf",
        "pp,scale=-2:640,eq2=1:1:0:1,harddup,fixpts", "-oac", "faac", "-faacopts", "br=128:mpeg=4:object=2:raw",
        "-ovc", "x264", "-x264encopts",
        "crf=22:sar=1/1:threads=auto:bitrate=1200:level_idc=30:bframes=0:no8x8dct:frameref=6:global_header:"
        "partitions=all:keyint=60:nocabac:me=umh:subq=9:weightp=0:profile=baseline:level=30",
        "-info", "name=\"ntsc\":artist=\"Talvane\":genre=\"Movie\"", "-aid", "0", "-o", out.path() + "/ntsc_T1.mp4"};
    EXPECT_EQ(words(argument.get()), expected);
    EXPECT_EQ(argument->endpos, 0);
}

TEST(AviCodecChoice, ChoosesByTheProfilesVideoCodec)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("Android_GalaxyS3_AVI.plist"));
    ASSERT_TRUE(node);
    struct Row { const char *codec; const char *fourcc; };
    const Row rows[] = {{"xvid", "XVID"}, {"XviD", "XVID"}, {"divx", "DX50"}, {"DIVX", "DX50"}, {"mpeg4", nullptr},
                        {"H264", nullptr}, {"", nullptr}};
    for (const Row &row : rows) {
        node->profile()->videoCodec()->setCurrentValue(QString::fromLatin1(row.codec));
        ArgumentPtr argument(DVD_To_AVI_ByVideoCodec_With_MEncoder(node.get(), 0, passOptions(out.path())));
        if (!row.fourcc) {
            EXPECT_FALSE(argument) << row.codec;
            continue;
        }
        ASSERT_TRUE(argument) << row.codec;
        const QStringList w = words(argument.get());
        EXPECT_EQ(w.at(w.indexOf(QStringLiteral("-ffourcc")) + 1).toStdString(), row.fourcc) << row.codec;
    }
}

TEST(AviAudio, CopiesTheTrackWhenTheProfileKeepsTheCodecAndAllowsItsChannels)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("Android_GalaxyS3_AVI.plist"));
    ASSERT_TRUE(node);
    DNProfile &profile = *node->profile();
    profile.audioCodec()->setCurrentValue(QStringLiteral("keep origin"));
    struct Row { const char *channels; bool copies; };
    for (const Row row : {Row{"2", true}, Row{"6", true}, Row{"1", false}}) {
        profile.audioChannel()->setCurrentValue(QString::fromLatin1(row.channels));
        for (const ArgvAssemblerFunction builder : {DVD_To_AVI_DIVX_Default_With_MEncoder, DVD_To_AVI_XVID_Default_With_MEncoder}) {
            ArgumentPtr argument(builder(node.get(), 0, passOptions(out.path())));
            ASSERT_TRUE(argument);
            const QStringList w = words(argument.get());
            const int aid = int(w.indexOf(QStringLiteral("-aid")));
            ASSERT_GE(aid, 0);
            if (row.copies)
                EXPECT_EQ(w.mid(aid, 6), (QStringList{"-aid", "0", "-oac", "copy", "-channels", "2"})) << row.channels;
            else
                EXPECT_EQ(w.mid(aid + 2, 2), (QStringList{"-channels", "1"})) << row.channels;
        }
    }
}

TEST(TitleBuilders, MendInsteadOfEndingTheProcess)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("iPhone5_H264.plist"));
    ASSERT_TRUE(node);
    const VideoConvertOptions options = passOptions(out.path());
    for (const Family family : {Family::H264BySuffix, Family::PSH264, Family::AVC, Family::DivX, Family::Xvid}) {
        const ArgvAssemblerFunction builder = builderOf(family);
        // No node, a title the disc lacks, an audio track the title lacks: no vector, no abort.
        EXPECT_EQ(builder(nullptr, 0, options), nullptr);
        EXPECT_EQ(builder(node.get(), 9, options), nullptr);
        node->titleAt(0)->setting()->setAudioIndex(5);
        EXPECT_EQ(builder(node.get(), 0, options), nullptr);
        node->titleAt(0)->setting()->setAudioIndex(0);
    }
    // An output name that makes the path 2048 bytes or longer: the vector is refused, not cut.
    node->nodeInfo()->setOutputName(QString(2100, QLatin1Char('n')));
    ArgumentPtr argument(DVD_To_AVC_Default_With_MEncoder(node.get(), 0, options));
    ASSERT_TRUE(argument);
    EXPECT_FALSE(ArgumentIsUsable(argument.get()));
}

} // namespace
