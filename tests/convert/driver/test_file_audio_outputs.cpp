// Audio-only outputs through the driver beyond the profile table: a group of clips with
// different audio layouts joined into one audio file of their summed length in every audio
// format, a group member without audio, and the trim and volume of a single file.

#include "FileRoadTestSupport.h"

#include "core/platform/DNTemporaryFolder.h"
#include "support/testname.h"


using namespace fileroadtest;

namespace {

struct AudioFormat
{
    const char *profile;
    const char *codec;
    const char *suffix;
};

void PrintTo(const AudioFormat &format, std::ostream *out)
{
    *out << format.profile;
}

const AudioFormat formats[] = {
    {"Audio_AAC", "aac", "m4a"},        {"Audio_AC3", "ac3", "ac3"},        {"Audio_AIFF", "pcm_s16be", "aiff"},
    {"Audio_ALAC", "alac", "m4a"},      {"Audio_AU", "pcm_s16be", "au"},    {"Audio_CAF", "pcm_s16be", "caf"},
    {"Audio_DTS", "dts", "dts"},        {"Audio_FLAC", "flac", "flac"},     {"Audio_M4R", "aac", "m4r"},
    {"Audio_MP3", "mp3", "mp3"},        {"Audio_OGG", "vorbis", "ogg"},     {"Audio_RA", "ac3", "ra"},
    {"Audio_WAV", "pcm_s16le", "wav"},  {"Audio_WMA", "wmav2", "wma"},
};

QString profileFile(const char *profile)
{
    return QString::fromLatin1(profile) + QStringLiteral(".plist");
}

DNFileGroupNodePtr audioGroup(const QStringList &sources, const char *profile)
{
    QList<DNFileNodePtr> members;
    for (const QString &source : sources) {
        DNFileNodePtr member = loadFile(source, profileFile(profile));
        if (!member)
            return nullptr;
        members << member;
    }
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    group->setProfile(videoProfile(profileFile(profile)));
    group->nodeInfo()->setOutputName(QStringLiteral("Joined"));
    return group;
}

class AudioJoin : public FileRoadTest, public ::testing::WithParamInterface<AudioFormat>
{
};

} // namespace

TEST_P(AudioJoin, ClipsOfEveryLayoutBecomeOneFileOfTheirSummedLength)
{
    const AudioFormat &format = GetParam();
    // Stereo at 48 kHz, mono at 44.1 kHz and 5.1, three seconds each.
    const DNFileGroupNodePtr group = audioGroup({QStringLiteral("fileroad/h264_aac.mp4"), QStringLiteral("fileroad/fps50.mp4"),
                                                 QStringLiteral("fileroad/odd_718x478.mp4")},
                                                format.profile);
    ASSERT_TRUE(group);
    StateLog log;
    ASSERT_EQ(convert(group.get(), &log), 0) << readText(logFile).right(3000).toStdString();
    EXPECT_EQ(log.started, 4);
    const QString output = group->outputName();
    EXPECT_EQ(filesIn(out.path()), QStringList{QStringLiteral("Joined.") + QLatin1String(format.suffix)});
    EXPECT_TRUE(QDir(DNTemporaryFolder::path()).entryList({QStringLiteral("Joined*")}, QDir::Files).isEmpty());

    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_TRUE(codecsOf(probe, QStringLiteral("video")).isEmpty());
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QString::fromLatin1(format.codec)});
    EXPECT_NEAR(durationOf(probe), 9.0, 0.5);
    for (double at : {1.0, 4.0, 7.0}) {
        const auto tone = testsupport::measureTone(output, 0, at, 1.0);
        ASSERT_TRUE(tone) << at;
        EXPECT_GT(tone->rmsDb, -40.0) << at;
        EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0) << at;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryAudioFormat, AudioJoin, ::testing::ValuesIn(formats),
                         [](const ::testing::TestParamInfo<AudioFormat> &info) {
                             return testsupport::testName(info.param.profile);
                         });

using AudioOutput = FileRoadTest;

TEST_F(AudioOutput, AGroupMemberWithoutAudioEndsTheGroupWithoutAFile)
{
    const DNFileGroupNodePtr group =
        audioGroup({QStringLiteral("fileroad/h264_aac.mp4"), QStringLiteral("fileroad/mpeg4_silent.avi")}, "Audio_MP3");
    ASSERT_TRUE(group);
    EXPECT_EQ(convert(group.get()), ConvertResultFailed);
    EXPECT_TRUE(readText(logFile).contains(QLatin1String("Convert Group child failed, so exit merge...")));
    EXPECT_TRUE(filesIn(out.path()).isEmpty());
}

TEST_F(AudioOutput, KeepsTheTrimWindowAndTheVolume)
{
    const auto convertMP3 = [&](const std::function<void(DNFileNode &)> &edit) {
        return convertWith("fileroad/quadrants.mp4", edit, "Audio_MP3.plist");
    };
    const QString whole = convertMP3([](DNFileNode &) {});
    const QString trimmed = convertMP3([](DNFileNode &item) {
        item.setEnableTrimming(true);
        item.setTrimStartTime(1);
        item.setTrimEndTime(3);
    });
    const QString quieter = convertMP3([](DNFileNode &item) { item.setting()->setVolume(50); });
    ASSERT_FALSE(whole.isEmpty());
    ASSERT_FALSE(trimmed.isEmpty());
    ASSERT_FALSE(quieter.isEmpty());

    EXPECT_NEAR(durationOf(testsupport::ffprobe(whole)), 3.0, 0.5);
    EXPECT_NEAR(durationOf(testsupport::ffprobe(trimmed)), 2.0, 0.5);
    const auto loud = testsupport::measureTone(whole, 0, 0.5, 1.0);
    const auto soft = testsupport::measureTone(quieter, 0, 0.5, 1.0);
    ASSERT_TRUE(loud && soft);
    // Half the amplitude is 6 dB less.
    EXPECT_NEAR(loud->rmsDb - soft->rmsDb, 6.0, 1.0);
}

// Each of OGG's bitrates gives its own rate (a quality word would override them all), and AIFF
// takes the profile's channel count (here from a 5.1 source).
TEST_F(AudioOutput, OGGTakesTheChosenBitrateAndAIFFTheChosenChannels)
{
    const auto bitRateOf = [](const QString &output) {
        return testsupport::ffprobe(output).value(QStringLiteral("format")).toObject().value(QStringLiteral("bit_rate"))
            .toString().toDouble() / 1000.0;
    };
    double lower = 0;
    for (const char *kbps : {"96", "128", "160", "192", "256"}) {
        SCOPED_TRACE(kbps);
        const QString output = convertWith(
            "fileroad/noise.mp4",
            [&](DNFileNode &item) { item.profile()->audioQuality()->setCurrentValue(QString::fromLatin1(kbps)); },
            "Audio_OGG.plist");
        ASSERT_FALSE(output.isEmpty());
        // Vorbis's average stays below the one asked for on this sound, but each step up shows.
        const double rate = bitRateOf(output);
        EXPECT_GT(rate, lower * 1.1);
        EXPECT_LE(rate, QByteArray(kbps).toDouble() * 1.1);
        lower = rate;
    }

    for (const char *channels : {"2", "1"}) {
        SCOPED_TRACE(channels);
        const QString output = convertWith(
            "fileroad/odd_718x478.mp4",
            [&](DNFileNode &item) { item.profile()->audioChannel()->setCurrentValue(QString::fromLatin1(channels)); },
            "Audio_AIFF.plist");
        ASSERT_FALSE(output.isEmpty());
        const QJsonObject audio = testsupport::firstStream(testsupport::ffprobe(output), QStringLiteral("audio"));
        EXPECT_EQ(audio.value(QStringLiteral("channels")).toInt(), QByteArray(channels).toInt());
    }
}
