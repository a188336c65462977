// One vector of each of the audio-only, backup and joining families run through the real
// engines on the authored NTSC disc, the results read back with ffprobe.

#include "builders/mencoder/DNMEDVDArgvAudio.h"
#include "builders/mencoder/DNMEDVDArgvBackup.h"
#include "builders/mencoder/DNMEDVDArgvMerge.h"
#include "convert/engine/DNMEncoder.h"
#include "convert/engine/DNMPlayer.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "profiles/NXProfileInfoBase.h"
#include "support/ffprobe.h"
#include "support/tone.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"
#include "EngineRunTestSupport.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <map>

using namespace dvdbuildertest;
using namespace enginerunstest;

TEST(DVDFamilyEngineRuns, AudioOnlyFilesHoldTheChosenToneInTheirCodec)
{
    struct AudioRun
    {
        ArgvAssemblerFunction builder;
        const char *profileFile;
        const char *codec;
    } runs[] = {
        {DVD_To_MP3_Default_With_MEncoder, "Music_MP3.plist", "mp3"},
        {DVD_To_AAC_Default_With_MEncoder, "Music_AAC.plist", "aac"},
        {DVD_To_AC3_Default_With_MEncoder, "Music_AC3.plist", "ac3"},
    };
    for (const AudioRun &run : runs) {
        SCOPED_TRACE(run.codec);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(run.profileFile));
        ASSERT_TRUE(node);
        const DNDVDTitlePtr title = node->titleAt(1);
        trimToStart(title, 3);
        title->setting()->setAudioIndex(0);
        ArgumentPtr argument(run.builder(node.get(), 1, passOptions(out.path())));
        ASSERT_TRUE(argument);
        ASSERT_EQ(runOnMEncoder(argument.get()), 0) << ArgumentText(argument.get()).toStdString();
        const QJsonObject probe = testsupport::ffprobe(title->outputName());
        EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QString::fromLatin1(run.codec)});
        EXPECT_TRUE(codecsOf(probe, QStringLiteral("video")).isEmpty());
        const auto tone = testsupport::measureTone(title->outputName(), 0, 0.5, 1.5);
        ASSERT_TRUE(tone);
        EXPECT_GT(tone->rmsDb, -40.0);
        EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0);
    }
}

TEST(DVDFamilyEngineRuns, FullBackupDumpsTheTitleStream)
{
    QTemporaryDir out;
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDFullBackup.plist"));
    ASSERT_TRUE(node);
    ArgumentPtr argument(DVD_To_DVD_FullBackup_MPEG2_With_MEncoder(node.get(), 2, passOptions(out.path(), false)));
    ASSERT_TRUE(argument);
    ASSERT_EQ(MPlayerDump_Start(argument->argc, argument->argv, argument->endpos), 0)
        << ArgumentText(argument.get()).toStdString();
    const QString dump = node->titleAt(2)->outputName();
    EXPECT_TRUE(isMPEGProgramStreamFile(dump));
    const QJsonObject probe = testsupport::ffprobe(dump);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("mpeg2video")});
    // The whole stream: both audio tracks and the subtitle stay in it.
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")).size(), 2);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("subtitle")).size(), 1);
}

TEST(DVDFamilyEngineRuns, MainBackupCopiesVideoAndTheChosenTrack)
{
    QTemporaryDir out;
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDMainBackup.plist"));
    ASSERT_TRUE(node);
    const DNDVDTitlePtr title = node->titleAt(1);
    trimToStart(title, 3);
    title->setting()->setAudioIndex(1);
    ArgumentPtr argument(DVD_To_DVD_MainBackup_MPEG2_With_MEncoder(node.get(), 1, passOptions(out.path())));
    ASSERT_TRUE(argument);
    ASSERT_EQ(runOnMEncoder(argument.get()), 0) << ArgumentText(argument.get()).toStdString();
    const QJsonObject probe = testsupport::ffprobe(title->outputName());
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("mpeg2video")});
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("ac3")});
    const auto tone = testsupport::measureTone(title->outputName(), 0, 0.5, 1.5);
    ASSERT_TRUE(tone);
    EXPECT_NEAR(tone->frequencyHz, 880.0, 20.0);
}

TEST(DVDFamilyEngineRuns, JoiningPassesJoinTheParts)
{
    struct JoinRun
    {
        const char *profileFile;
        const char *videoCodec;
    } runs[] = {
        {"DVDMainBackup.plist", "mpeg2video"},
        {"PCGen_AVI_MP3_Audio.plist", "mpeg4"},
        // Joined into MP4 with the audio encoded once more.
        {"MacGen_MP4_H264.plist", "h264"},
        {"MacGen_MP4_MPEG4.plist", "mpeg4"},
        {"Video_Youtube_FLV.plist", "flv1"},
        {"PCGen_WMV_MP3.plist", "wmv2"},
        // Transport-stream profiles join into a transport stream.
        {"TS_Video_MPEG2.plist", "mpeg2video"},
        {"TS_Video_H264.plist", "h264"},
    };
    for (const JoinRun &run : runs) {
        SCOPED_TRACE(run.profileFile);
        QTemporaryDir parts;
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(run.profileFile));
        ASSERT_TRUE(node);
        if (QLatin1String(run.profileFile).startsWith(QLatin1String("PCGen_AVI")))
            node->profile()->videoCodec()->setCurrentValue(QStringLiteral("XVID"));
        // Both passes take the builder the profile's row names, as the driver does.
        const QByteArray rowName = node->profile()->argvAssembler().toUtf8();
        const ArgvAssemblerFunction builder = ArgvAssemblerForName(rowName.constData());
        ASSERT_NE(builder, nullptr) << rowName.constData();
        node->setMergeIntoOne(true);
        for (const DNDVDTitlePtr &title : node->titles())
            title->setIsSelected(title->index() != 1);
        // Each member first becomes a part of its own, as the driver's first stage does.
        for (int index : {0, 2}) {
            trimToStart(node->titleAt(index), 2);
            ArgumentPtr part(builder(node.get(), index, passOptions(parts.path())));
            ASSERT_TRUE(part);
            ASSERT_EQ(runOnMEncoder(part.get()), 0) << ArgumentText(part.get()).toStdString();
        }
        const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
        ASSERT_TRUE(group);
        ASSERT_EQ(group->titles().size(), 2);
        ArgumentPtr join(builder(group.get(), -1, passOptions(out.path())));
        ASSERT_TRUE(join);
        ASSERT_EQ(runOnMEncoder(join.get()), 0) << ArgumentText(join.get()).toStdString();
        const QJsonObject probe = testsupport::ffprobe(group->outputName());
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QString::fromLatin1(run.videoCodec)});
        if (group->outputName().endsWith(QLatin1String(".ts"))) {
            EXPECT_EQ(probe.value(QStringLiteral("format")).toObject().value(QStringLiteral("format_name")).toString(),
                      QStringLiteral("mpegts"));
        }
        EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")).size(), 1);
        const double partsLength = durationOf(testsupport::ffprobe(node->titleAt(0)->outputName()))
                                   + durationOf(testsupport::ffprobe(node->titleAt(2)->outputName()));
        EXPECT_GT(partsLength, 3.0);
        EXPECT_NEAR(durationOf(probe), partsLength, 0.6);
    }
}

TEST(DVDFamilyEngineRuns, Mp3VolumeKeepsLowersAndSilences)
{
    std::map<quint32, double> levels;
    for (quint32 volume : {100u, 50u, 0u}) {
        SCOPED_TRACE(volume);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("Music_MP3.plist"));
        ASSERT_TRUE(node);
        const DNDVDTitlePtr title = node->titleAt(0);
        trimToStart(title, 2);
        title->setting()->setVolume(volume);
        ArgumentPtr argument(DVD_To_MP3_Default_With_MEncoder(node.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        ASSERT_EQ(runOnMEncoder(argument.get()), 0) << ArgumentText(argument.get()).toStdString();
        const auto tone = testsupport::measureTone(title->outputName(), 0, 0.5, 1.0);
        ASSERT_TRUE(tone);
        levels[volume] = tone->rmsDb;
    }
    // 100 keeps the disc's own level; half is below it, not above it; none is silence.
    const auto source = testsupport::measureTone(testsupport::fixturePath(QStringLiteral("dvd/ntsc/VIDEO_TS/VTS_01_1.VOB")),
                                                 0, 0.5, 1.0);
    ASSERT_TRUE(source);
    EXPECT_NEAR(source->frequencyHz, 440.0, 20.0);
    EXPECT_NEAR(levels[100], source->rmsDb, 2.0);
    EXPECT_LT(levels[50], source->rmsDb - 6.0);
    EXPECT_LT(levels[50], levels[100] - 6.0);
    EXPECT_LT(levels[0], -60.0);
}
