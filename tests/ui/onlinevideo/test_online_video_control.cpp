// The online-video player's control with a stand-in player executable: the vector it launches
// (address, cache, volume, buffer name, working folder), the slave commands it sends, what it
// tells its delegate and when, a second address while one plays, and a missing player.
#include "online_video_test_support.h"

#include "../player/player_test_support.h"

#include "player/HVPlayerProcess.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/NXButton.h"

#include <QTemporaryDir>

using playertest::StandInPlayer;
using playertest::waitFor;

namespace {

QString statusChunk(double seconds, int cacheFill)
{
    return QString::asprintf("A:%6.1f V:%6.1f A-V: -0.020 ct:  0.000   0/  0  0%%  0%%  0.4%% 0 0 %d%% \x1b[J\r",
                             seconds, seconds, cacheFill);
}

} // namespace

TEST(OnlineVideoControl, MakeInitWaitsForItsButtons)
{
    playertest::Application app;
    NXOVPlayerControl control;
    EXPECT_FALSE(control.isMakeInit());
    EXPECT_FLOAT_EQ(control.flags().cacheBufferSizeInMB, 0.0f);
    EXPECT_FLOAT_EQ(control.volumes(), 0.0f);

    QWidget window;
    QPointer<DNButton> NXOVPlayerControl::*const plain[] = {
        &NXOVPlayerControl::addNewPageLink,   &NXOVPlayerControl::clearAllFinishNode, &NXOVPlayerControl::clearAllNode,
        &NXOVPlayerControl::downloaderSetting, &NXOVPlayerControl::updateDownloader,  &NXOVPlayerControl::openTargetFolder,
    };
    for (auto outlet : plain)
        control.*outlet = new DNButton(&window);
    control.awakeFromNib();
    EXPECT_FALSE(control.isMakeInit()) << "two buttons are still missing";
    control.getSnapshot = new DNButton(&window);
    control.startDownloadButton = new NXButton(&window);
    control.awakeFromNib();
    ASSERT_TRUE(control.isMakeInit());
    EXPECT_FLOAT_EQ(control.flags().cacheBufferSizeInMB, -1.0f);
    EXPECT_EQ(control.addNewPageLink->highlightImageName(), QStringLiteral("yt_add_url_on.png"));
    EXPECT_EQ(control.clearAllFinishNode->highlightImageName(), QStringLiteral("yt_clear_finished_on.png"));
    EXPECT_EQ(control.clearAllNode->highlightImageName(), QStringLiteral("yt_clear_all_on.png"));
    EXPECT_EQ(control.downloaderSetting->highlightImageName(), QStringLiteral("yt_setting_on.png"));
    EXPECT_EQ(control.updateDownloader->highlightImageName(), QStringLiteral("yt_check_new_version_on.png"));
    EXPECT_EQ(control.openTargetFolder->highlightImageName(), QStringLiteral("right_open_video_on.png"));
    EXPECT_EQ(control.getSnapshot->highlightImageName(), QStringLiteral("right_snapshot_on.png"));
    EXPECT_EQ(control.startDownloadButton->highlightImageName(), QStringLiteral("yt_download_now_on.png"));
    EXPECT_EQ(control.startDownloadButton->colorCompanets(), QStringLiteral("1.0x1.0x1.0x1.0"));
    for (const auto *button : {control.addNewPageLink.data(), control.getSnapshot.data()})
        EXPECT_FALSE(button->highlightImage().isNull()) << "the picture ships";

    // Once only: a later call keeps what was set since.
    control.setCacheBufferSizeInMB(3.0f);
    control.makeInit();
    EXPECT_FLOAT_EQ(control.flags().cacheBufferSizeInMB, 3.0f);
}

TEST(OnlineVideoControl, LaunchesTheAddressAndReportsToItsDelegate)
{
    playertest::Application app;
    StandInPlayer player;
    onlinetest::EventLog events;
    NXOVPlayerControl control;
    control.setDelegate(&events);
    control.setCurrentDirectoryPath(player.folder());
    control.setCacheBufferSizeInMB(2.5f);
    control.setPlayerVolume(35.0f);

    const QString address = QStringLiteral("http://127.0.0.1:9/clip.mp4");
    control.playOnlineVideoWidthAddress(address);
    EXPECT_EQ(control.status(), NXOVPlayback::StatusWaitingCache);
    EXPECT_EQ(events.seen, QStringList{QStringLiteral("cache unavailable")});
    ASSERT_TRUE(control.renderer());
    const QString buffer = control.renderer()->connectionName();
    EXPECT_EQ(buffer, HVPlayerArguments::currentOnlineBufferName());
    EXPECT_TRUE(buffer.startsWith(QStringLiteral("ONLINE_VIDEO_BUFFER_NAME<->")));
    ASSERT_TRUE(waitFor([&] { return player.launches().size() == 1; }, 60000));
    EXPECT_EQ(player.launches().first(), QStringList({"-vf", "screenshot", "-identify", "-slave", "-vo",
                                                      QStringLiteral("corevideo:buffer_name=\"%1\"").arg(buffer),
                                                      "-cache", "2560", "-volume", "35.00", address})
                                             .join(QLatin1Char('\n')) +
                                             QLatin1Char('\n'));
    EXPECT_EQ(control.playerProcess()->workingDirectory(), player.folder());

    // Cache fills 0, 0, 37: nothing for the zeros, then once available; the length as it comes.
    for (int fill : {0, 0, 37})
        control.readOutputC(statusChunk(1.5, fill));
    control.readOutputC(QStringLiteral("ID_LENGTH=95.50\n"));
    EXPECT_EQ(events.seen, QStringList({"cache unavailable", "cache available"}));
    EXPECT_EQ(control.status(), NXOVPlayback::StatusPlaying);
    EXPECT_FLOAT_EQ(control.duration(), 95.5f);
    EXPECT_FLOAT_EQ(control.currentPlaybackTime(), 1.5f);
    EXPECT_FLOAT_EQ(control.loadCacheTime(), 1.5f * 1.37f);

    // Pause and continue, volume, seeks and a snapshot, as slave commands.
    control.pauseOrContinue();
    EXPECT_EQ(control.status(), NXOVPlayback::StatusPaused);
    control.pauseOrContinue();
    EXPECT_EQ(control.status(), NXOVPlayback::StatusPlaying);
    control.setPlayerVolume(50.0f);
    control.seekToDurationInPercent(50.0f);
    control.skipSeconds(-3.0);
    control.saveSnapshotToDirectory(player.folder());
    ASSERT_TRUE(player.awaitCommands(6));
    EXPECT_EQ(player.commands(), QStringList({"pause", "pause", "set_property volume 50.00", "seek 47.8 2",
                                              "seek -3.0 0", "screenshot 0"}));
    EXPECT_EQ(events.seen.mid(2), QStringList({"paused", "continued"}));

    // A second address while the first plays: the first player is ended first, unreported, and
    // the renderer serves the next one.
    QTemporaryDir second;
    const QString folder = second.filePath(QStringLiteral("not/yet/made"));
    control.setCurrentDirectoryPath(folder);
    control.playOnlineVideoWidthAddress(QStringLiteral("https://127.0.0.1:9/other.mp4"));
    EXPECT_TRUE(player.commands().endsWith(QStringLiteral("quit")));
    EXPECT_EQ(events.count("ended"), 0);
    EXPECT_EQ(control.renderer()->connectionName(), buffer);
    ASSERT_TRUE(waitFor([&] { return QFile::exists(folder + QStringLiteral("/launches")); }, 60000))
        << "the working folder is made when missing";

    // Stop: the player quits, and its end is told once; nothing of the run is left.
    control.stopPlay();
    ASSERT_TRUE(waitFor([&] { return events.count("ended") == 1; }, 60000));
    EXPECT_EQ(control.status(), NXOVPlayback::StatusIdle);
    EXPECT_FALSE(control.playerProcess());
    EXPECT_FALSE(control.renderer());
    EXPECT_FLOAT_EQ(control.currentPlaybackTime(), 1.5f) << "the last position stays readable";
    playertest::waitFor([] { return false; }, 200);
    EXPECT_EQ(events.count("ended"), 1);
}

TEST(OnlineVideoControl, AMissingPlayerEndsThePlaybackNotTheProgram)
{
    playertest::Application app;
    QTemporaryDir emptyPrefix;
    DNBundle::setPrefixOverride(emptyPrefix.path());
    onlinetest::EventLog events;
    NXOVPlayerControl control;
    control.setDelegate(&events);
    control.playOnlineVideoWidthAddress(QStringLiteral("http://127.0.0.1:9/clip.mp4"));
    DNBundle::setPrefixOverride(QString());
    EXPECT_EQ(events.seen, QStringList{QStringLiteral("ended")});
    EXPECT_EQ(control.status(), NXOVPlayback::StatusIdle);
    EXPECT_FALSE(control.playerProcess());
    EXPECT_FALSE(control.renderer());
    EXPECT_TRUE(shelltest::logText().contains(QStringLiteral("Can NOT find player binary!")));
}
