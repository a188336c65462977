// The MEncoder bridge over the real companion (fws/hvvideocore.so) and the real mencoder, on the
// authored DVDs.
#include "convert/engine/DNMEncoder.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"

#include "support/ffprobe.h"
#include "support/paths.h"
#include "support/tone.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {
// The log goes to a folder of this test's own.
const bool logFolderReady = [] {
    static QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    return QDir().mkpath(dataHome.path() + QStringLiteral("/Harnvale/Talvane"));
}();

// What the bridge's callbacks received during a pass.
struct Recorder
{
    std::mutex lock;
    std::condition_variable changed;
    std::vector<int> codes;
    std::vector<std::string> lines;

    static Recorder &shared()
    {
        static Recorder r;
        return r;
    }
    void reset()
    {
        std::lock_guard<std::mutex> l(lock);
        codes.clear();
        lines.clear();
    }
    int count(int code)
    {
        std::lock_guard<std::mutex> l(lock);
        return int(std::count(codes.begin(), codes.end(), code));
    }
    bool logged(const std::string &fragment)
    {
        std::lock_guard<std::mutex> l(lock);
        for (const std::string &line : lines)
            if (line.find(fragment) != std::string::npos)
                return true;
        return false;
    }
    std::string allLines()
    {
        std::lock_guard<std::mutex> l(lock);
        std::string text;
        for (const std::string &line : lines)
            text += line;
        return text;
    }
};

int onState(void *, int code)
{
    Recorder &r = Recorder::shared();
    {
        std::lock_guard<std::mutex> l(r.lock);
        r.codes.push_back(code);
    }
    r.changed.notify_all();
    return 0;
}

void onLog(const char *line)
{
    Recorder &r = Recorder::shared();
    std::lock_guard<std::mutex> l(r.lock);
    r.lines.emplace_back(line);
}

// One pass the way the conversion driver runs it.
// The percent the bridge reports once the pass has returned, before the library is unloaded.
int &percentAfterPass()
{
    static int percent = -1;
    return percent;
}

int runPass(const std::vector<std::string> &words, int endpos = 0)
{
    std::vector<std::string> copy = words;
    std::vector<char *> argv;
    for (std::string &w : copy)
        argv.push_back(w.data());
    Encoder_SetCallback(onState, nullptr);
    Encoder_SetLogCallback(onLog);
    Encoder_Config(0);
    const int result = Encoder_Start(int(argv.size()), argv.data(), endpos);
    ConvertProgressInfo after;
    Encoder_Progress(&after);
    percentAfterPass() = after.percent;
    Encoder_Unload();
    return result;
}

std::string fixture(const char *relative)
{
    return testsupport::fixturePath(QString::fromLatin1(relative)).toStdString();
}

// The mencoder processes this test program started (children of this process).
std::vector<pid_t> mencoderChildren()
{
    std::vector<pid_t> found;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        if (!isPid)
            continue;
        std::ifstream stat(("/proc/" + entry + "/stat").toStdString());
        std::string line;
        std::getline(stat, line);
        const size_t close = line.rfind(')');
        if (close == std::string::npos || line.find("(mencoder)") == std::string::npos)
            continue;
        const std::string rest = line.substr(close + 2);   // "S ppid ..."
        if (std::atoi(rest.c_str() + 2) == int(::getpid()))
            found.push_back(pid);
    }
    return found;
}

bool processGone(pid_t pid)
{
    // A reaped child leaves no /proc entry that names this program as its parent.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return true;
    const size_t close = line.rfind(')');
    return close == std::string::npos || std::atoi(line.c_str() + close + 4) != int(::getpid());
}

class MEncoderBridge : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(logFolderReady);
        ASSERT_TRUE(out.isValid());
        Recorder::shared().reset();
    }
    QTemporaryDir out;
};
} // namespace

// The vector of the MPEG-4 builder (lavc AAC audio, a track position for -aid) on the PAL disc,
// whose second track is MPEG audio stream 0: the pass writes the trimmed part with that track.
TEST_F(MEncoderBridge, RealPassWritesTheTrimmedPartWithTheChosenTrack)
{
    const std::string output = (out.path() + QStringLiteral("/Title_T2.mp4")).toStdString();
    std::atomic<bool> running{true};
    std::vector<int> percents;
    std::thread poller([&] {
        while (running) {
            ConvertProgressInfo info;
            Encoder_Progress(&info);
            percents.push_back(info.percent);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    const int result = runPass({"encoder", "dvdnav://2", "-dvd-device", fixture("dvd/pal.iso"), "-ss", "2", "-oac", "lavc",
                                "-ovc", "lavc", "-of", "lavf", "-lavfopts", "format=ipod", "-lavcopts",
                                "aglobal=1:vglobal=1:vcodec=mpeg4:vbitrate=800:acodec=libfaac:abitrate=128", "-aid", "1",
                                "-o", output, "-endpos", "5"},
                               5);
    running = false;
    poller.join();

    ASSERT_EQ(result, 0) << Recorder::shared().allLines();
    EXPECT_EQ(Recorder::shared().count(3298), 1);
    // Progress never goes back and reaches the whole part.
    ASSERT_FALSE(percents.empty());
    for (size_t i = 1; i < percents.size(); ++i) {
        if (percents[i] != 0 || percents[i - 1] == 0) {  // the reset after the pass reads 0
            EXPECT_GE(percents[i], percents[i - 1]) << "at sample " << i;
        }
    }
    EXPECT_EQ(percentAfterPass(), 100);

    // Both forms of every translated word are in the log.
    EXPECT_TRUE(Recorder::shared().logged("dvd-audio-stream-id: -aid 1 -> -aid 0"));
    EXPECT_TRUE(Recorder::shared().logged("audio-through-ffmpeg: -oac lavc"));
    EXPECT_TRUE(Recorder::shared().logged("pass done: " + output));

    const QJsonObject probe = testsupport::ffprobe(QString::fromStdString(output));
    const double seconds = probe[QStringLiteral("format")].toObject()[QStringLiteral("duration")].toString().toDouble();
    EXPECT_NEAR(seconds, 5.0, 0.6);
    QStringList codecs;
    for (const QJsonValue &s : probe[QStringLiteral("streams")].toArray())
        codecs << s.toObject()[QStringLiteral("codec_name")].toString();
    EXPECT_EQ(codecs, (QStringList{QStringLiteral("mpeg4"), QStringLiteral("aac")}));
    const auto tone = testsupport::measureTone(QString::fromStdString(output), 0, 1.0, 2.0);
    ASSERT_TRUE(tone.has_value());
    EXPECT_NEAR(tone->frequencyHz, 880, 20);
    // The intermediate of the audio step is gone.
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{QStringLiteral("Title_T2.mp4")});
}

// An AC-3 title converted from its very start: mencoder's own AC-3 decoder would stop after the
// damaged first block and leave a file of silence; the whole title must have sound.
TEST_F(MEncoderBridge, AudioLastsTheWholeTitle)
{
    const std::string output = (out.path() + QStringLiteral("/Title_T1.avi")).toStdString();
    const int result = runPass({"encoder", "dvd://1", "-dvd-device", fixture("dvd/ntsc"), "-ss", "0", "-ovc", "lavc",
                                "-lavcopts", "vcodec=mpeg4:vbitrate=600", "-oac", "mp3lame", "-aid", "0", "-of", "avi",
                                "-o", output});
    ASSERT_EQ(result, 0) << Recorder::shared().allLines();
    const auto tone = testsupport::measureTone(QString::fromStdString(output), 0, 4.0, 1.5);
    ASSERT_TRUE(tone.has_value());
    EXPECT_NEAR(tone->frequencyHz, 440, 20);
    EXPECT_GT(tone->rmsDb, -40);
}

TEST_F(MEncoderBridge, StopEndsTheEngineAndFailsThePass)
{
    const std::string output = (out.path() + QStringLiteral("/Slow_T2.mp4")).toStdString();
    int result = 0;
    // Settings slow enough that the pass is still running when the stop comes.
    std::thread pass([&] {
        result = runPass({"encoder", "dvd://2", "-dvd-device", fixture("dvd/ntsc.iso"), "-ss", "0", "-ovc", "x264",
                          "-x264encopts", "preset=placebo:subq=11:ref=16:bframes=16:me=tesa:merange=64:threads=1",
                          "-vf", "scale=1920:1080", "-oac", "mp3lame", "-aid", "0", "-of", "lavf", "-lavfopts",
                          "format=mp4", "-o", output});
    });
    {
        Recorder &r = Recorder::shared();
        std::unique_lock<std::mutex> l(r.lock);
        ASSERT_TRUE(r.changed.wait_for(l, std::chrono::seconds(120), [&] { return !r.codes.empty(); }));
    }
    const std::vector<pid_t> children = mencoderChildren();
    ASSERT_EQ(children.size(), 1u);

    Encoder_Stop();
    // The engine is ended (SIGTERM, then harder after a grace period) within two seconds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!processGone(children.front()) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(processGone(children.front()));
    pass.join();

    EXPECT_NE(result, 0);
    EXPECT_TRUE(mencoderChildren().empty());
    EXPECT_TRUE(Recorder::shared().logged("pass stopped"));
    EXPECT_EQ(Recorder::shared().count(3298), 1);
}

// The builder families whose words the companion translates, run for real on a short part of a
// title: each writes the container and codecs its builder asked for, with sound where it asked.
TEST_F(MEncoderBridge, TranslatedFamiliesWriteTheirContainers)
{
    struct Case
    {
        const char *family;
        const char *name;
        std::vector<std::string> options;   // family options, between the input and -aid
        const char *formatName;             // ffprobe's format_name
        QStringList codecs;
    };
    const Case cases[] = {
        {"WMV", "a.wmv",
         {"-of", "lavf", "-lavfopts", "format=wmv", "-ovc", "lavc", "-lavcopts", "aglobal=1:vglobal=1:vcodec=wmv2:autoaspect",
          "-oac", "mp3lame", "-lameopts", "mode=0:cbr:br=128", "-af", "lavcresample=44100,volnorm=1"},
         "asf", {"wmv2", "mp3"}},
        {"FLV", "b.flv",
         {"-of", "lavf", "-lavfopts", "format=flv", "-ovc", "lavc", "-lavcopts",
          "vcodec=flv:vbitrate=500:mbd=2:mv0:trell:v4mv:cbp:last_pred=3", "-oac", "mp3lame", "-lameopts", "abr:br=64",
          "-srate", "44100", "-af", "volnorm=1"},
         "flv", {"flv1", "mp3"}},
        {"PS MPEG-4", "c.mp4",
         {"-of", "lavf", "-lavfopts", "format=psp", "-oac", "lavc", "-ovc", "lavc", "-lavcopts",
          "aglobal=1:vglobal=1:vcodec=mpeg4:coder=1:vbitrate=600:acodec=libfaac:abitrate=96"},
         "mov,mp4,m4a,3gp,3g2,mj2", {"mpeg4", "aac"}},
        {"TS MPEG-2", "d.mpg",
         {"-of", "mpeg", "-mpegopts", "format=mpeg2", "-oac", "lavc", "-ovc", "lavc", "-lavcopts",
          "vcodec=mpeg2video:vrc_buf_size=1792:vrc_maxrate=20000:vbitrate=3000:keyint=15:vstrict=0:acodec=mp2:abitrate=224"},
         "mpeg", {"mpeg2video", "mp2"}},
        {"TS H.264", "e.ts",
         {"-of", "lavf", "-lavfopts", "format=mpegts", "-ovc", "x264", "-x264encopts", "bitrate=600:threads=2", "-oac",
          "faac", "-faacopts", "br=128:mpeg=4:object=2:raw"},
         "mpegts", {"h264", "aac"}},
        {"MPEG-2 with AC-3", "f.vob",
         {"-of", "mpeg", "-mpegopts", "format=dvd:tsaf", "-oac", "lavc", "-ovc", "lavc", "-lavcopts",
          "vcodec=mpeg2video:vbitrate=3000:acodec=ac3:abitrate=192"},
         "mpeg", {"mpeg2video", "ac3"}},
        {"audio-only AAC", "g.aac",
         {"-ovc", "frameno", "-of", "rawaudio", "-oac", "faac", "-faacopts", "br=128:mpeg=4:object=2"}, "aac", {"aac"}},
        {"audio-only MP3", "h.mp3",
         {"-ovc", "frameno", "-of", "rawaudio", "-oac", "mp3lame", "-lameopts", "vbr=0:br=128:vol=1:mode=0"}, "mp3",
         {"mp3"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.family);
        Recorder::shared().reset();
        const std::string output = (out.path() + QLatin1Char('/') + QLatin1String(c.name)).toStdString();
        std::vector<std::string> words = {"encoder", "dvd://3", "-dvd-device", fixture("dvd/ntsc.iso"), "-ss", "1"};
        words.insert(words.end(), c.options.begin(), c.options.end());
        for (const char *w : {"-aid", "0", "-o"})
            words.emplace_back(w);
        words.push_back(output);
        words.push_back("-endpos");
        words.push_back("2");
        ASSERT_EQ(runPass(words, 2), 0) << Recorder::shared().allLines();
        const QJsonObject probe = testsupport::ffprobe(QString::fromStdString(output));
        const QJsonObject format = probe[QStringLiteral("format")].toObject();
        EXPECT_EQ(format[QStringLiteral("format_name")].toString(), QLatin1String(c.formatName));
        EXPECT_NEAR(format[QStringLiteral("duration")].toString().toDouble(), 2.0, 0.6);
        // Picture and sound, in any order (FLV and program streams put the sound first).
        QStringList codecs;
        for (const QJsonValue &stream : probe[QStringLiteral("streams")].toArray()) {
            const QString type = stream.toObject()[QStringLiteral("codec_type")].toString();
            if (type == QLatin1String("video") || type == QLatin1String("audio"))
                codecs << stream.toObject()[QStringLiteral("codec_name")].toString();
        }
        QStringList expected = c.codecs;
        codecs.sort();
        expected.sort();
        EXPECT_EQ(codecs, expected);
        const auto tone = testsupport::measureTone(QString::fromStdString(output), 0, 0.3, 1.0);
        ASSERT_TRUE(tone.has_value());
        EXPECT_NEAR(tone->frequencyHz, 440, 20);
    }
}

// A whole title into an MPEG program stream, its sound copied or encoded to MP2: mencoder's own
// muxer leaves out the end of a part (the last group of pictures of a DVD-format stream and the
// sound beside it, the last blocks of sound of a plain one), so ffmpeg writes the stream. Every
// picture of the title is there (but the few mencoder's A-V correction drops), and all its sound.
TEST_F(MEncoderBridge, ProgramStreamHoldsTheWholeTitle)
{
    struct Case
    {
        const char *name;
        std::vector<std::string> options;   // the MPEG-2 builders' words, between the start and -o
    };
    const std::string filters = "pp,scale=720:-2,harddup,fixpts";
    const Case cases[] = {
        {"copied.mpg",
         {"-oac", "copy", "-channels", "2", "-ovc", "lavc", "-of", "mpeg", "-mpegopts", "format=dvd:tsaf", "-vf", filters,
          "-lavcopts", "vcodec=mpeg2video:vrc_buf_size=1835:vrc_maxrate=5800:vbitrate=5000:keyint=15:vstrict=0:autoaspect:"
                       "vmax_b_frames=2:vb_strategy=1:threads=2",
          "-aid", "0", "-mc", "0"}},
        {"mp2.mpg",
         {"-channels", "2", "-oac", "lavc", "-ovc", "lavc", "-of", "mpeg", "-mpegopts", "format=mpeg2", "-vf", filters,
          "-lavcopts", "vcodec=mpeg2video:vrc_buf_size=1792:vrc_maxrate=20000:vbitrate=6000:keyint=15:vstrict=0:acodec=mp2:"
                       "abitrate=224:autoaspect:vmax_b_frames=2:vb_strategy=1:threads=2",
          "-aid", "0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Recorder::shared().reset();
        const std::string output = (out.path() + QLatin1Char('/') + QLatin1String(c.name)).toStdString();
        std::vector<std::string> words = {"encoder", "dvdnav://3", "-dvd-device", fixture("dvd/pal"), "-ss", "0"};
        words.insert(words.end(), c.options.begin(), c.options.end());
        words.push_back("-o");
        words.push_back(output);
        ASSERT_EQ(runPass(words), 0) << Recorder::shared().allLines();
        // Title 3: 100 pictures (4 s at 25 fps), and 126 AC-3 blocks of 32 ms of sound.
        const testsupport::DecodedSpan picture = testsupport::decodedSpan(QString::fromStdString(output), QStringLiteral("v"));
        const testsupport::DecodedSpan sound = testsupport::decodedSpan(QString::fromStdString(output), QStringLiteral("a"));
        EXPECT_GE(picture.frames, 97);
        EXPECT_NEAR(picture.seconds(), 4.0, 0.1);
        EXPECT_NEAR(sound.seconds(), 4.032, 0.05);
    }
}

// The picture shape of the disc, not of its stored frame: scale=-2:480 keeps the title's 4:3 or
// 16:9 instead of the 3:2 of 720x480 (or the 5:4 of 720x576) mencoder sees before the first picture.
TEST_F(MEncoderBridge, ScaledPictureKeepsTheTitlesShape)
{
    struct Case
    {
        const char *disc;
        int width;
        int height;
        double aspect;
    };
    const Case cases[] = {{"dvd/ntsc.iso", 640, 480, 4.0 / 3.0}, {"dvd/pal", 854, 480, 16.0 / 9.0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.disc);
        Recorder::shared().reset();
        const std::string output = (out.path() + QStringLiteral("/shape.mp4")).toStdString();
        ASSERT_EQ(runPass({"encoder", "dvdnav://3", "-dvd-device", fixture(c.disc), "-ss", "0", "-of", "lavf", "-lavfopts",
                           "format=mp4", "-vf", "pp,scale=-2:480,harddup,fixpts", "-ovc", "x264", "-x264encopts",
                           "bitrate=600:sar=1/1:threads=2", "-nosound", "-o", output, "-endpos", "1"},
                          1),
                  0)
            << Recorder::shared().allLines();
        EXPECT_TRUE(Recorder::shared().logged("dvd-display-aspect: (no -aspect) -> -aspect "));
        const QJsonObject video = testsupport::ffprobe(QString::fromStdString(output))[QStringLiteral("streams")]
                                      .toArray()
                                      .first()
                                      .toObject();
        EXPECT_EQ(video[QStringLiteral("width")].toInt(), c.width);
        EXPECT_EQ(video[QStringLiteral("height")].toInt(), c.height);
        const QStringList dar = video[QStringLiteral("display_aspect_ratio")].toString().split(QLatin1Char(':'));
        ASSERT_EQ(dar.size(), 2);
        EXPECT_NEAR(dar[0].toDouble() / dar[1].toDouble(), c.aspect, 0.01);
    }
}

// A whole title through dvdnav:// with no end position: the disc goes on after the title (here
// it plays the first title again), and the pass must still end, with the title and nothing more.
TEST_F(MEncoderBridge, UntrimmedTitleEndsWithTheTitle)
{
    struct Case
    {
        const char *input;
        const char *disc;
        double seconds;
    };
    const Case cases[] = {{"dvdnav://2", "dvd/ntsc.iso", 10}, {"dvdnav://1", "dvd/pal", 6}, {"dvd://3", "dvd/ntsc", 4}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input + std::string(" ") + c.disc);
        Recorder::shared().reset();
        const std::string output = (out.path() + QStringLiteral("/whole.avi")).toStdString();
        ASSERT_EQ(runPass({"encoder", c.input, "-dvd-device", fixture(c.disc), "-ss", "0", "-ovc", "lavc", "-lavcopts",
                           "vcodec=mpeg4:vbitrate=600", "-oac", "mp3lame", "-aid", "0", "-of", "avi", "-o", output}),
                  0)
            << Recorder::shared().allLines();
        const double seconds = testsupport::ffprobe(QString::fromStdString(output))[QStringLiteral("format")]
                                   .toObject()[QStringLiteral("duration")]
                                   .toString()
                                   .toDouble();
        EXPECT_NEAR(seconds, c.seconds, 0.5);
    }
}

// Two passes through the statistics file, then the join of two MP4 parts (the merge vector).
// The second part's name holds a line break, as a disc's name may: parts are named after it.
TEST_F(MEncoderBridge, TwoPassesAndAJoin)
{
    const std::string stats = (out.path() + QStringLiteral("/HV_stats")).toStdString();
    std::vector<std::string> parts;
    for (const char *title : {"dvd://1", "dvd://3"}) {
        const std::string part =
            (out.path() + (parts.empty() ? QStringLiteral("/part1.mp4") : QStringLiteral("/My\nDisc 2.mp4"))).toStdString();
        for (int pass = 1; pass <= 2; ++pass) {
            SCOPED_TRACE(std::string(title) + " pass " + std::to_string(pass));
            Recorder::shared().reset();
            const int result = runPass(
                {"encoder", title, "-dvd-device", fixture("dvd/ntsc.iso"), "-ss", "0", "-of", "lavf", "-lavfopts",
                 "format=ipod", "-oac", "lavc", "-ovc", "lavc", "-lavcopts",
                 "aglobal=1:vglobal=1:vcodec=mpeg4:vbitrate=500:acodec=libfaac:abitrate=96:vpass=" + std::to_string(pass),
                 "-passlogfile", stats, "-aid", "0", "-o", pass == 1 ? std::string("/dev/null") : part, "-endpos", "2"},
                2);
            ASSERT_EQ(result, 0) << Recorder::shared().allLines();
            EXPECT_EQ(Recorder::shared().count(3298), 1);
        }
        parts.push_back(part);
    }
    Recorder::shared().reset();
    const std::string joined = (out.path() + QStringLiteral("/Disc.mp4")).toStdString();
    ASSERT_EQ(runPass({"encoder", parts[0], parts[1], "-of", "lavf", "-lavfopts", "format=ipod", "-aspect", "4:3", "-oac",
                       "faac", "-faacopts", "br=96:mpeg=4:object=2:raw", "-ovc", "copy", "-o", joined, "-cache", "8192"}),
              0)
        << Recorder::shared().allLines();
    EXPECT_TRUE(Recorder::shared().logged("lavf-copy-join"));
    const QJsonObject probe = testsupport::ffprobe(QString::fromStdString(joined));
    EXPECT_NEAR(probe[QStringLiteral("format")].toObject()[QStringLiteral("duration")].toString().toDouble(), 4.0, 0.6);
    EXPECT_EQ(probe[QStringLiteral("streams")].toArray().size(), 2);
    // The links the join read through are gone with it; the parts they named stay.
    for (const std::string &part : parts)
        EXPECT_TRUE(QFileInfo(QString::fromStdString(part)).isFile());
}

// mencoder exits 0 after some of these; each is a failed pass with the reason in the log.
TEST_F(MEncoderBridge, BrokenPassesFailWithTheirReason)
{
    struct Case
    {
        const char *name;
        std::vector<std::string> extra;   // after the DVD input
        QString output;                   // relative to the temporary folder
        const char *logged;
        bool aacInMp4 = false;            // mencoder and ffmpeg side by side, joined by a FIFO
    };
    const QString file = out.path() + QStringLiteral("/plain-file");
    QFile(file).open(QIODevice::WriteOnly);
    QDir(out.path()).mkdir(QStringLiteral("folder.mp4"));
    const Case cases[] = {
        {"an option mencoder does not know", {"-bogus-option", "1"}, QStringLiteral("a.avi"), "mencoder ended with status"},
        {"a track the title does not have: a file without sound, exit 0", {"-aid", "5"}, QStringLiteral("b.avi"),
         "has no audio stream"},
        {"an output folder that does not exist", {}, QStringLiteral("missing/c.avi"), "cannot be written"},
        {"an output folder that is a file", {}, QStringLiteral("plain-file/d.avi"), "cannot be written"},
        // Whichever of the two engines fails, the other is let go: the pass neither hangs nor succeeds.
        {"side by side, mencoder ends before it opens the FIFO", {"-bogus-option", "1"}, QStringLiteral("e.mp4"),
         "mencoder ended with status", true},
        {"side by side, ffmpeg cannot write its output", {}, QStringLiteral("folder.mp4"), "ffmpeg ended with status",
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Recorder::shared().reset();
        std::vector<std::string> words = {"encoder", "dvd://3", "-dvd-device", fixture("dvd/ntsc.iso")};
        const std::vector<std::string> codecs = c.aacInMp4
            ? std::vector<std::string>{"-ovc", "x264", "-x264encopts", "bitrate=500", "-oac", "faac", "-faacopts",
                                       "br=96:mpeg=4:object=2", "-of", "lavf", "-lavfopts", "format=mp4"}
            : std::vector<std::string>{"-ovc", "lavc", "-lavcopts", "vcodec=mpeg4", "-oac", "mp3lame", "-of", "avi"};
        words.insert(words.end(), codecs.begin(), codecs.end());
        words.insert(words.end(), c.extra.begin(), c.extra.end());
        words.push_back("-o");
        words.push_back((out.path() + QLatin1Char('/') + c.output).toStdString());
        EXPECT_EQ(runPass(words), -1);
        EXPECT_TRUE(Recorder::shared().logged("pass failed")) << Recorder::shared().allLines();
        EXPECT_TRUE(Recorder::shared().logged(c.logged)) << Recorder::shared().allLines();
    }
}

// Without the companion the pass fails with a log line; the program goes on.
TEST_F(MEncoderBridge, MissingLibraryFailsThePass)
{
    QTemporaryDir emptyPrefix;
    DNBundle::setPrefixOverride(emptyPrefix.path());
    std::vector<std::string> words = {"encoder", "dvd://1", "-o", "/dev/null"};
    std::vector<char *> argv;
    for (std::string &w : words)
        argv.push_back(w.data());
    EXPECT_EQ(Encoder_SetCallback(onState, nullptr), -1);
    Encoder_SetLogCallback(onLog);
    Encoder_Config(1);
    EXPECT_EQ(Encoder_Start(int(argv.size()), argv.data(), 0), -1);
    ConvertProgressInfo info;
    Encoder_Progress(&info);
    EXPECT_EQ(info.percent, 0);
    Encoder_Stop();
    Encoder_Unload();
    DNBundle::setPrefixOverride(QString());

    QFile log(DNCurrentRoughLogPath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("MEncoder library missing: " + QFile::encodeName(emptyPrefix.path())));
}
