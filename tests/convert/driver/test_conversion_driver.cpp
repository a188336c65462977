// The driver's own behaviour on the authored NTSC disc with the real engines: passes, engines,
// merge groups, the cover step, refusal, stop and failures.

#include "DriverTestSupport.h"

#include "convert/driver/DVDCoverStep.h"
#include "convert/engine/DNISOBackUpCore.h"
#include "core/platform/DNBundle.h"
#include "support/fixturecopy.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

using namespace drivertest;

namespace {

DNDVDNodePtr trimmedDisc(const char *profile, int titleIndex, double seconds = 2)
{
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(profile));
    if (node && seconds > 0)
        trimTitle(node->titleAt(titleIndex), 1, seconds);
    return node;
}

int attachedPictures(const QJsonObject &probe)
{
    int count = 0;
    for (const QJsonValue &stream : probe.value(QStringLiteral("streams")).toArray())
        count += stream.toObject().value(QStringLiteral("disposition")).toObject().value(QStringLiteral("attached_pic")).toInt();
    return count;
}

QImage coverImage()
{
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 30));
    return image;
}

} // namespace

// Two passes end in one file named as a single pass would name it; a builder without a two-pass
// form is not run twice, and a backup profile runs its engine once whatever the switch says.
TEST(ConversionDriver, TwoPassSwitchGivesOneOutputAndRunsPassesOnlyWhereTheyDiffer)
{
    struct Case
    {
        const char *profile;
        int expectedPasses;
        const char *videoCodec;
        const char *audioCodec;
    } cases[] = {
        {"MacGen_MP4_MPEG4.plist", 2, "mpeg4", "aac"},
        {"Music_MP3.plist", 1, "", "mp3"},
        {"PCGen_WMV_MP3.plist", 1, "wmv2", "mp3"},
        {"DVDMainBackup.plist", 1, "mpeg2video", "ac3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.profile);
        QTemporaryDir out;
        useOutputFolder(out.path());
        DNDVDNodePtr node = trimmedDisc(c.profile, 1);
        ASSERT_TRUE(node);
        node->profile()->setUserEnableTwopassCode(true);
        StateLog log;
        ASSERT_EQ(DNVideoConverterStart(node.get(), 1, StateLog::callback, &log), 0);
        EXPECT_EQ(log.started, c.expectedPasses);
        const QString output = node->titleAt(1)->outputName();
        EXPECT_FALSE(output.contains(QLatin1String(" (1)"))) << output.toStdString();
        EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(output).fileName()});
        const QJsonObject probe = testsupport::ffprobe(output);
        const QString video = QString::fromLatin1(c.videoCodec);
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), video.isEmpty() ? QStringList() : QStringList{video});
        EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QString::fromLatin1(c.audioCodec)});
        EXPECT_NEAR(durationOf(probe), 2.0, 0.5);
    }
}

TEST(ConversionDriver, TwoPassISOBackupRunsTheBackupToolOnce)
{
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupISO.plist"));
    ASSERT_TRUE(node);
    node->profile()->setUserEnableTwopassCode(true);
    StateLog log;
    ASSERT_EQ(DNVideoConverterStart(node.get(), 1, StateLog::callback, &log), 0);
    EXPECT_EQ(log.started, 1);
    const QString image = node->titleAt(1)->outputName();
    EXPECT_TRUE(image.endsWith(QLatin1String(".iso"))) << image.toStdString();
    EXPECT_TRUE(isReadableISOImage(image));
    EXPECT_EQ(filesIn(out.path()).size(), 1);
}

// Two titles joined into one file: both parts go through the temporary folder, only the joined
// file reaches the output folder and the parts are removed.
TEST(ConversionDriver, GroupTitlesJoinIntoOneFile)
{
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("MacGen_MP4_H264.plist"));
    ASSERT_TRUE(node);
    node->setMergeIntoOne(true);
    for (const DNDVDTitlePtr &title : node->titles()) {
        title->setIsSelected(title->index() != 0);
        trimTitle(title, 1, 2);
    }
    const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
    ASSERT_TRUE(group);
    ASSERT_EQ(group->titles().size(), 2);

    StateLog log;
    ASSERT_EQ(DNVideoConverterStart(group.get(), -1, StateLog::callback, &log), 0);
    EXPECT_EQ(log.started, 3);
    const QString joined = group->outputName();
    EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(joined).fileName()});
    for (const DNDVDTitlePtr &title : group->titles()) {
        EXPECT_FALSE(title->outputName().startsWith(out.path()));
        EXPECT_FALSE(QFileInfo::exists(title->outputName())) << title->outputName().toStdString();
        EXPECT_FALSE(title->setting()->autoExpandToProfile());
    }
    const QJsonObject probe = testsupport::ffprobe(joined);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("h264")});
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("aac")});
    EXPECT_NEAR(durationOf(probe), 4.0, 0.6);
    const auto tone = testsupport::measureTone(joined, 0, 2.5, 1.0);
    ASSERT_TRUE(tone);
    EXPECT_GT(tone->rmsDb, -40.0);
}

// The cover goes into MP4 and M4V outputs as attached artwork; without an image the output stays
// as the engine wrote it.
TEST(ConversionDriver, CoverIsAddedToMp4AndM4vOutputs)
{
    struct Case
    {
        const char *profile;
        bool withImage;
        int pictures;
    } cases[] = {
        {"iPod5_H264.plist", true, 1},
        {"MacGen_M4V_H264.plist", true, 1},
        {"iPod5_H264.plist", false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.profile) + (c.withImage ? " with image" : " without image"));
        QTemporaryDir out;
        useOutputFolder(out.path());
        DNDVDNodePtr node = trimmedDisc(c.profile, 2);
        ASSERT_TRUE(node);
        node->setDvdCover(true);
        if (c.withImage)
            node->setThumbnail(coverImage());
        ASSERT_EQ(DNVideoConverterStart(node.get(), 2, nullptr, nullptr), 0);
        const QString output = node->titleAt(2)->outputName();
        // No hidden working copy is left behind.
        EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(output).fileName()});
        const QJsonObject probe = testsupport::ffprobe(output);
        EXPECT_EQ(attachedPictures(probe), c.pictures);
        EXPECT_NEAR(durationOf(probe), 2.0, 0.5);
    }
}

// A tagging tool that fails leaves the untagged output in place and removes its working files.
TEST(ConversionDriver, FailingCoverToolKeepsTheUntaggedOutput)
{
    QTemporaryDir prefix;
    const QString fws = prefix.path() + QStringLiteral("/lib/talvane/fws");
    ASSERT_TRUE(QDir().mkpath(fws));
    QFile tool(fws + QStringLiteral("/AtomicParsley"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\necho 'AtomicParsley error: refused' >&2\nexit 1\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QTemporaryDir out;
    const QString output = testsupport::copyFixture(QStringLiteral("media/clip.mp4"), out.path());
    ASSERT_FALSE(output.isEmpty());
    QFile original(output);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    DNBundle::setPrefixOverride(prefix.path());
    EXPECT_EQ(atomicParsleyPath(), tool.fileName());
    EXPECT_FALSE(addCoverToDVDOutput(output, coverImage()));
    DNBundle::setPrefixOverride(QString());

    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
    EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(output).fileName()});
    // Other extensions are not tagged at all.
    EXPECT_FALSE(addCoverToDVDOutput(out.path() + QStringLiteral("/none.avi"), coverImage()));
}

// While one conversion runs a second is refused and the first goes on untouched; a stop in the
// middle of the first of two passes ends the job as stopped, with no second pass.
TEST(ConversionDriver, SecondStartIsRefusedAndStopEndsATwoPassJobInItsFirstPass)
{
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("M2TS_Video_MPEG2.plist"));
    ASSERT_TRUE(node);
    node->profile()->setUserEnableTwopassCode(true);
    DNDVDNodePtr other = trimmedDisc("Music_MP3.plist", 0);
    ASSERT_TRUE(other);

    StateLog log;
    std::future<int> running = startOnWorker(node.get(), 1, &log);
    ASSERT_TRUE(waitFor([&] { return log.started >= 1; }));
    const ConvertState before = DNVideoConverterState();
    EXPECT_EQ(before.running, 1);
    EXPECT_EQ(before.jobKind, ConvertJobDVDTitle);
    EXPECT_EQ(before.totalPasses, 2);

    StateLog otherLog;
    EXPECT_EQ(DNVideoConverterStart(other.get(), 0, StateLog::callback, &otherLog), ConvertResultFailed);
    EXPECT_EQ(otherLog.codes, 0);
    const ConvertState during = DNVideoConverterState();
    EXPECT_EQ(during.running, 1);
    EXPECT_EQ(during.stopped, 0);
    EXPECT_EQ(during.jobKind, ConvertJobDVDTitle);
    EXPECT_EQ(during.stateCallback, &StateLog::callback);
    EXPECT_EQ(during.callbackContext, &log);

    ConvertProgressInfo info;
    DNVideoConverterProgress(&info);
    EXPECT_LE(info.percent, 50);   // the first of two passes fills half the bar at most

    DNVideoConverterStop();
    EXPECT_EQ(running.get(), ConvertResultStopped);
    EXPECT_EQ(log.started, 1);
    EXPECT_EQ(DNVideoConverterState().running, 0);
    EXPECT_EQ(DNVideoConverterState().stopped, 0);
    EXPECT_TRUE(other->titleAt(0)->outputName().isEmpty());
}

// A group stopped during its first member ends stopped: no further member, no joining pass, no
// joined file.
TEST(ConversionDriver, StoppedGroupReportsStoppedAndJoinsNothing)
{
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("M2TS_Video_MPEG2.plist"));
    ASSERT_TRUE(node);
    node->setMergeIntoOne(true);
    node->setDvdCover(true);
    node->setThumbnail(coverImage());
    for (const DNDVDTitlePtr &title : node->titles())
        title->setIsSelected(title->index() != 2);
    const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
    ASSERT_TRUE(group);

    StateLog log;
    std::future<int> running = startOnWorker(group.get(), -1, &log);
    ASSERT_TRUE(waitFor([&] { return log.started >= 1; }));
    EXPECT_EQ(DNVideoConverterState().jobKind, ConvertJobGroup);
    EXPECT_EQ(DNVideoConverterState().totalPasses, 3);
    ConvertProgressInfo info;
    DNVideoConverterProgress(&info);
    EXPECT_LE(info.percent, 45);   // the first of two members: half of the members' 90 %

    DNVideoConverterStop();
    EXPECT_EQ(running.get(), ConvertResultStopped);
    EXPECT_EQ(log.started, 1);
    EXPECT_TRUE(group->outputName().isEmpty());
    EXPECT_TRUE(filesIn(out.path()).isEmpty());
}

// Items the driver does not convert, and profiles that name no builder, fail at once without
// ending the program.
TEST(ConversionDriver, UnsupportedItemsAndMissingBuildersFail)
{
    QTemporaryDir out;
    useOutputFolder(out.path());
    NXBasicMediaNode plain;
    DNDVDTitle title;
    StateLog log;
    EXPECT_EQ(DNVideoConverterStart(&plain, 0, StateLog::callback, &log), ConvertResultFailed);
    EXPECT_EQ(DNVideoConverterStart(&title, 0, StateLog::callback, &log), ConvertResultFailed);
    EXPECT_EQ(DNVideoConverterStart(nullptr, 0, StateLog::callback, &log), ConvertResultFailed);

    DNDVDNodePtr node = trimmedDisc("iPod5_H264.plist", 0);
    ASSERT_TRUE(node);
    node->profile()->setArgvAssembler(QStringLiteral("DVD_To_Nothing_With_MEncoder"));
    EXPECT_EQ(DNVideoConverterStart(node.get(), 0, StateLog::callback, &log), ConvertResultFailed);
    // A title index the item does not have.
    node = trimmedDisc("iPod5_H264.plist", 0);
    EXPECT_EQ(DNVideoConverterStart(node.get(), 7, StateLog::callback, &log), ConvertResultFailed);
    // A value no engine takes, set after the profile was read: refused before any engine runs.
    node = trimmedDisc("iPod5_H264.plist", 0);
    node->profile()->audioSampleRate()->setCurrentValue(QStringLiteral("abc"));
    EXPECT_EQ(DNVideoConverterStart(node.get(), 0, StateLog::callback, &log), ConvertResultFailed);

    EXPECT_EQ(log.codes, 0);
    EXPECT_TRUE(filesIn(out.path()).isEmpty());
    EXPECT_EQ(DNVideoConverterState().running, 0);
}

// A stop while nothing runs does not reach the next conversion.
TEST(ConversionDriver, StopWhileIdleDoesNotStopTheNextConversion)
{
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNVideoConverterStop();
    DNDVDNodePtr node = trimmedDisc("Music_AC3.plist", 0);
    ASSERT_TRUE(node);
    EXPECT_EQ(DNVideoConverterStart(node.get(), 0, nullptr, nullptr), 0);
    EXPECT_TRUE(QFileInfo(node->titleAt(0)->outputName()).isFile());
}
