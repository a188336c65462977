// The preview control's own rules (volume, lengths, pause state, the queue, full screen), with a
// stand-in player executable that records its arguments and the commands it is sent.
#include "player_test_support.h"

#include "core/platform/DNBundle.h"
#include "dvd/file/DNFileNode.h"
#include "player/HVPlayerProcess.h"
#include "ui/player/NXMPlayerControl.h"
#include "ui/player/NXMPlayerControlBar.h"
#include "ui/player/NXMPlayerOpenGLView.h"
#include "ui/player/NXMPlayerView.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using playertest::NotificationCounter;
using playertest::StandInPlayer;
using playertest::waitFor;

namespace {

NXMediaNodePtr fileAt(const QString &path)
{
    auto node = std::make_shared<DNFileNode>();
    node->setPath(path);
    return node;
}

const QString kVolumeKey = QStringLiteral("mplayer_volumes");

} // namespace

TEST(PreviewControl, VolumeStartsFromTheUserDefault)
{
    playertest::Application app;
    shelltest::setUserSetting(kVolumeKey, QVariant());
    {
        NXMPlayerControl control;
        EXPECT_EQ(control.currentMPlayerVolume(), 100.0f);
        EXPECT_EQ(shelltest::userSetting(kVolumeKey).toDouble(), 100.0);
    }
    shelltest::setUserSetting(kVolumeKey, 35);
    StandInPlayer player;
    NXMPlayerControl control;
    EXPECT_EQ(control.currentMPlayerVolume(), 35.0f);
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/clip.mp4")));
    ASSERT_TRUE(waitFor([&] { return player.launches().size() == 1; }));
    EXPECT_TRUE(player.launches().first().endsWith(QStringLiteral("-volume\n35.00\n")));
    // Changes are not written back: the default only gives the starting value.
    control.setVideoVolume(60);
    EXPECT_EQ(shelltest::userSetting(kVolumeKey).toInt(), 35);
}

TEST(PreviewControl, VolumeStepsStayWithinTheirBounds)
{
    playertest::Application app;
    StandInPlayer player;
    NotificationCounter seen;
    NXMPlayerControl control;
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/clip.mp4")));
    const struct
    {
        float start;
        void (*change)(NXMPlayerControl &);
        float result;
    } steps[] = {
        {98, [](NXMPlayerControl &c) { c.louderSpeaker(); }, 100},
        {3, [](NXMPlayerControl &c) { c.lowerSpeaker(); }, 0},
        {50, [](NXMPlayerControl &c) { c.setVideoVolume(-4); }, 0},
        {50, [](NXMPlayerControl &c) { c.setVideoVolume(150); }, 150},
    };
    int sent = 0;
    for (const auto &step : steps) {
        control.setVideoVolume(step.start);
        step.change(control);
        EXPECT_EQ(control.currentMPlayerVolume(), step.result);
        sent += 4;
        ASSERT_TRUE(player.awaitCommands(sent));
        EXPECT_EQ(player.commands().mid(sent - 2),
                  (QStringList{QStringLiteral("set_property mute 0"),
                               QString::asprintf("set_property volume %.2f", double(step.result))}));
    }
    EXPECT_EQ(seen["VolumeChanged"], 8);
}

// While muted a volume change sends only the mute command, and still tells the window.
TEST(PreviewControl, MutedVolumeChangesSendOnlyTheMute)
{
    playertest::Application app;
    StandInPlayer player;
    NotificationCounter seen;
    NXMPlayerControl control;
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/clip.mp4")));
    control.setMute(true);
    control.setVideoVolume(40);
    ASSERT_TRUE(player.awaitCommands(2));
    EXPECT_EQ(player.commands(), (QStringList{QStringLiteral("set_property mute 1"), QStringLiteral("set_property mute 1")}));
    EXPECT_EQ(seen["VolumeChanged"], 2);
    EXPECT_EQ(control.currentMPlayerVolume(), 40.0f);
}

// The first length above 0 wins; every length line schedules one duration notification.
TEST(PreviewControl, FirstRealLengthWins)
{
    playertest::Application app;
    NotificationCounter seen;
    NXMPlayerControl control;
    control.readOutputLines({QStringLiteral("ID_LENGTH=0.00"), QStringLiteral("ID_LENGTH=95.30")});
    EXPECT_FLOAT_EQ(control.videoDuration(), 95.3f);
    control.readOutputLines({QStringLiteral("ID_LENGTH=96.00")});
    EXPECT_FLOAT_EQ(control.videoDuration(), 95.3f);
    EXPECT_EQ(seen["DurationAvailable"], 0);
    ASSERT_TRUE(waitFor([&] { return seen["DurationAvailable"] == 3; }));
}

// A clip whose title tag is in Latin-1: the byte that is not UTF-8 does not cost the lines
// read with it. The player writes all its lines at once, so they come in one read.
TEST(PreviewControl, ALatin1TagLosesNoLineReadWithIt)
{
    playertest::Application app;
    StandInPlayer player("printf 'ID_CLIP_INFO_NAME0=Title\\nID_CLIP_INFO_VALUE0=Caf\\351 cr\\350me\\n"
                         "ID_LENGTH=42.50\\nStarting playback...\\n"
                         "A:   1.5 V:   1.4 A-V:  0.1 ct:  0.0   0/  0  1%%  0%%  0.3%% 0 0 \\n'\n");
    NotificationCounter seen;
    NXMPlayerControl control;
    QStringList lines;
    QObject::connect(&control, &NXMPlayerControl::playerOutputLine, &control,
                     [&](const QString &line) { lines << line; });
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/caf\u00e9.mp4")));
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 1; }));
    EXPECT_TRUE(control.isPlayerStartedPlaying());
    EXPECT_FLOAT_EQ(control.videoDuration(), 42.5f);
    EXPECT_FLOAT_EQ(control.currentPlaybackTime(), 1.4f);
    ASSERT_TRUE(waitFor([&] { return seen["DurationAvailable"] == 1; }));
    EXPECT_TRUE(lines.contains(QStringLiteral("ID_CLIP_INFO_VALUE0=Caf\uFFFD cr\uFFFDme"))) << lines.join(QLatin1Char('|')).toStdString();
    // Pause now reaches the player.
    control.pauseOrContinue();
    ASSERT_TRUE(player.awaitCommands(1));
    EXPECT_EQ(player.commands().last(), QStringLiteral("pause"));
    control.stopPlay();
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
}

TEST(PreviewControl, PauseStateFollowsTheOutput)
{
    playertest::Application app;
    StandInPlayer player;
    NotificationCounter seen;
    NXMPlayerControl control;
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/clip.mp4")));
    EXPECT_EQ(control.status(), unsigned(NXMPlayerControl::StatusPlaying));
    control.readOutputLines({QStringLiteral("Starting playback..."), QStringLiteral("ID_PAUSED")});
    EXPECT_TRUE(control.isPlayerStartedPlaying());
    EXPECT_EQ(control.status(), unsigned(NXMPlayerControl::StatusPaused));
    EXPECT_EQ(seen["DidStart"], 1);
    EXPECT_EQ(seen["StatusChanged"], 1);
    control.readOutputLines({QStringLiteral("A:   2.5 V:   2.4 A-V:  0.1 ct:  0.0   0/  0  1%  0%  0.3% 0 0 ")});
    EXPECT_EQ(control.status(), unsigned(NXMPlayerControl::StatusPlaying));
    EXPECT_FLOAT_EQ(control.currentPlaybackTime(), 2.4f);
    EXPECT_EQ(seen["StatusChanged"], 2);
    control.stopPlay();
    EXPECT_EQ(control.status(), unsigned(NXMPlayerControl::StatusIdle));
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
}

// B picked while A plays waits in the queue; A's player quits and B starts once it has ended.
TEST(PreviewControl, QueuedItemStartsWhenThePlayerHasEnded)
{
    playertest::Application app;
    StandInPlayer player;
    NotificationCounter seen;
    NXMPlayerControl control;
    const NXMediaNodePtr a = fileAt(QStringLiteral("/m/a.mp4"));
    const NXMediaNodePtr b = fileAt(QStringLiteral("/m/b.mp4"));
    control.startPlaybackWithNode(a);
    EXPECT_TRUE(a->isPlaying());
    control.appendPlaybackItem(b);
    control.stopPlay();
    EXPECT_FALSE(control.isPlayerBegin());
    ASSERT_TRUE(waitFor([&] { return player.launches().size() == 2; }));
    EXPECT_TRUE(player.launches().at(1).startsWith(QStringLiteral("/m/b.mp4\n")));
    EXPECT_EQ(control.currentPlaybackNode(), b);
    EXPECT_FALSE(a->isPlaying());
    EXPECT_TRUE(b->isPlaying());
    EXPECT_EQ(control.queuedItemCount(), 0);
    EXPECT_TRUE(control.isPlayerBegin());
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
}

// Starting another item directly while a player runs ends that player and starts no second one.
TEST(PreviewControl, NoSecondPlayerWhileOneRuns)
{
    playertest::Application app;
    StandInPlayer player;
    NXMPlayerControl control;
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/a.mp4")));
    ASSERT_TRUE(waitFor([&] { return player.launches().size() == 1; }));
    HVPlayerProcess *first = control.playerProcess();
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/b.mp4")));
    EXPECT_EQ(control.playerProcess(), first);
    ASSERT_TRUE(waitFor([&] { return !control.playerProcess(); }));
    EXPECT_EQ(player.launches().size(), 1);
    EXPECT_EQ(control.status(), unsigned(NXMPlayerControl::StatusIdle));
}

TEST(PreviewControl, AnItemThatCannotPlayIsIgnored)
{
    playertest::Application app;
    StandInPlayer player;
    NXMPlayerControl control;
    const NXMediaNodePtr a = fileAt(QStringLiteral("/m/a.mp4"));
    control.startPlaybackWithNode(a);
    control.startPlaybackWithNode(std::make_shared<NXBasicMediaNode>());
    EXPECT_EQ(control.currentPlaybackNode(), a);
    EXPECT_TRUE(a->isPlaying());
}

TEST(PreviewControl, AdjustWithTheSameFrameDoesNothing)
{
    playertest::Application app;
    NXMPlayerControl control;
    control.adjust(QRect(10, 20, 336, 189));
    EXPECT_EQ(control.playbackView()->geometry(), QRect(10, 20, 336, 189));
    EXPECT_EQ(control.openGLView()->geometry(), QRect(0, 0, 336, 189));
    control.playbackView()->setGeometry(0, 0, 5, 5);
    control.adjust(QRect(10, 20, 336, 189));
    EXPECT_EQ(control.playbackView()->geometry(), QRect(0, 0, 5, 5));
}

// Full screen: the view takes the screen, the bar makes room at the bottom, and leaving puts
// the view back where it was.
TEST(PreviewControl, FullScreenAndBack)
{
    playertest::Application app;
    StandInPlayer player;
    NotificationCounter seen;
    QWidget window;
    window.resize(500, 400);
    NXMPlayerControl control;
    control.playbackView()->setParent(&window);
    control.adjust(QRect(20, 30, 320, 180));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/a.mp4")));
    control.readOutputLines({QStringLiteral("Starting playback...")});

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    control.playbackVideoInFullScreenMode();
    NXMPlayerView *view = control.playbackView();
    EXPECT_EQ(control.playbackMode(), 1u);
    EXPECT_TRUE(view->isWindow());
    EXPECT_EQ(control.openGLView()->geometry(), QRect(QPoint(0, 0), screen.size()));

    ASSERT_TRUE(waitFor([&] { return view->size() == screen.size(); }));
    view->mouseMoved();
    ASSERT_TRUE(view->controlBar());
    EXPECT_EQ(control.openGLView()->geometry(), QRect(0, 0, screen.width(), screen.height() - 15));
    EXPECT_EQ(control.playPortFrame(), QRectF(0, 0, screen.width(), screen.height() - 15));

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(control.playbackMode(), 0u);
    EXPECT_FALSE(view->isWindow());
    EXPECT_EQ(view->parentWidget(), &window);
    EXPECT_EQ(view->geometry(), QRect(20, 30, 320, 180));
    EXPECT_EQ(control.openGLView()->geometry(), QRect(0, 0, 320, 180));
    EXPECT_FALSE(view->controlBar());
    EXPECT_EQ(seen["ExitFullScreen"], 1);

    // The end of playback leaves full screen first.
    control.playbackVideoInFullScreenMode();
    control.stopPlay();
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_EQ(control.playbackMode(), 0u);
    EXPECT_EQ(view->parentWidget(), &window);
    EXPECT_EQ(seen["ExitFullScreen"], 2);
}

// A player executable that cannot be started: the log says so, the user is told why, once, and
// the controls go back to idle.
TEST(PreviewControl, AMissingPlayerLeavesTheControlsIdle)
{
    playertest::Application app;
    QTemporaryDir emptyPrefix;
    DNBundle::setPrefixOverride(emptyPrefix.path());
    NotificationCounter seen;
    NXMPlayerControl control;
    QStringList told;
    QObject::connect(&control, &NXMPlayerControl::playerCannotStart, [&](const QString &why) { told << why; });
    const qsizetype logStart = shelltest::logText().size();
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/a.mp4")));
    DNBundle::setPrefixOverride(QString());
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_EQ(control.status(), unsigned(NXMPlayerControl::StatusIdle));
    EXPECT_FALSE(control.playerProcess());
    EXPECT_TRUE(shelltest::logText().mid(logStart).contains(QStringLiteral("cannot be started")));
    ASSERT_EQ(told.size(), 1) << told.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(told.first().startsWith(QStringLiteral("The player cannot be started: "))) << told.first().toStdString();
}

// A player that runs but cannot start mplayer says so on its standard error: the user reads that
// the player cannot be started, with mplayer's reason, not a playback that ended at once.
TEST(PreviewControl, APlayerWhoseMPlayerCannotStartIsToldWithTheReason)
{
    playertest::Application app;
    const playertest::StandInPlayer player(
        "printf '[HVPlayer]: mplayer did not start: could not start /usr/bin/mplayer: Permission denied\\n' >&2\n"
        "exit 127\n");
    NotificationCounter seen;
    NXMPlayerControl control;
    QStringList told;
    QObject::connect(&control, &NXMPlayerControl::playerCannotStart, [&](const QString &why) { told << why; });
    control.startPlaybackWithNode(fileAt(QStringLiteral("/m/a.mp4")));
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_EQ(control.status(), unsigned(NXMPlayerControl::StatusIdle));
    EXPECT_EQ(told, QStringList{QStringLiteral(
                        "The player cannot be started: could not start /usr/bin/mplayer: Permission denied")});
}
