// The editor player's control without a player: its limits and conversions, what it reads of
// the player's output, and what happens to commands and launches it cannot carry out.
#include "editor_player_support.h"

#include <QTemporaryDir>

using editorplayertest::VideoControl;

namespace {

struct Control
{
    Control() { control.setVideoControl(&events); }
    playertest::Application application;
    NXViewRenderControl control;
    VideoControl events;
};

} // namespace

TEST(EditorPlayerControl, ANewControlPlaysEverything)
{
    Control c;
    EXPECT_EQ(c.control.limitedLeftTime(), 0.0f);
    EXPECT_EQ(c.control.limitedRightTime(), 3600000.0f);
    EXPECT_EQ(c.control.status(), int(NXViewRenderControl::StatusStopped));
    EXPECT_FALSE(c.control.isPaused());
}

TEST(EditorPlayerControl, TimesFractionsAndPercents)
{
    Control c;
    NXViewRenderControl &control = c.control;
    control.setDuration(120);
    EXPECT_FLOAT_EQ(control.convertTimeToPercent(30), 0.25f);
    EXPECT_FLOAT_EQ(control.convertPercentToTime(0.25f), 30.0f);
    control.setPercentageLimitedLeftTime(0.1f, 0.5f);
    EXPECT_FLOAT_EQ(control.limitedLeftTime(), 12.0f);
    EXPECT_FLOAT_EQ(control.limitedRightTime(), 60.0f);
    control.readOutputLines({QStringLiteral("A:  29.9 V:  30.0 A-V: -0.100 ct: 0.000   0/  0 ??% ??% ??,?% 0 0")});
    EXPECT_FLOAT_EQ(control.currentPlaybackTime(), 30.0f);
    EXPECT_FLOAT_EQ(control.currentLeftTime(), 90.0f);
    EXPECT_FLOAT_EQ(control.currentPlaybackPercent(), 25.0f);

    // Before a duration is known the fractions are 0, not a quotient of nothing.
    control.setDuration(0);
    EXPECT_EQ(control.convertTimeToPercent(30), 0.0f);
    EXPECT_EQ(control.currentPlaybackPercent(), 0.0f);
}

TEST(EditorPlayerControl, ReadsWhatThePlayerPrints)
{
    Control c;
    NXViewRenderControl &control = c.control;
    control.readOutputLines({QStringLiteral("ID_VIDEO_WIDTH=1280"), QStringLiteral("ID_VIDEO_HEIGHT=720"),
                             QStringLiteral("ID_LENGTH=0.50")});
    EXPECT_EQ(control.videoWidth(), 1280);
    EXPECT_EQ(control.originalVideoWidth(), 1280);
    EXPECT_EQ(control.videoHeight(), 720);
    EXPECT_EQ(control.originalVideoHeight(), 720);
    // A length below a second is taken again; once it is a second or more, later ones are not.
    control.readOutputLines({QStringLiteral("ID_LENGTH=12.5"), QStringLiteral("ID_LENGTH=30.0")});
    EXPECT_FLOAT_EQ(control.duration(), 12.5f);

    control.readOutputLines({QStringLiteral("Starting playback...")});
    EXPECT_EQ(c.events.started, 1);
    control.readOutputLines({QStringLiteral("ID_PAUSED")});
    EXPECT_TRUE(control.isPaused());
    EXPECT_EQ(c.events.paused, 1);
    // The first status line after a pause says it goes on; the next ones say nothing more.
    const QString status = QStringLiteral("A:   1.2 V:   1.3 A-V: -0.100 ct: 0.000  30/ 30  5%  2%  0.4% 0 0 50%");
    control.readOutputLines({status, status});
    EXPECT_FALSE(control.isPaused());
    EXPECT_EQ(c.events.continued, 1);
    EXPECT_FLOAT_EQ(control.currentPlaybackTime(), 1.3f);
    // Lines the editor does not read change nothing.
    control.readOutputLines({QStringLiteral("VO: [yuv4mpeg] 400x300 => 400x300 Planar YV12"), QString()});
    EXPECT_EQ(c.events.started, 1);
}

TEST(EditorPlayerControl, WithoutAPlayerCommandsAreDroppedAndALaunchNeedsAReceiver)
{
    Control c;
    NXViewRenderControl &control = c.control;
    control.pauseOrContinue();
    control.skipSeconds(-5);
    control.seekToDurationInPercent(50);
    control.setPlayerVolume(30);
    EXPECT_EQ(control.playerVolume(), 30.0f);
    EXPECT_FALSE(control.playerProcess());

    // No receiver was made for an item: nothing is launched, and the editor hears that playback
    // stopped (so it may try again).
    control.playVideoWidthParams({QStringLiteral("/nowhere.mp4")});
    EXPECT_FALSE(control.playerProcess());
    EXPECT_EQ(c.events.stopped, 1);
    EXPECT_EQ(control.status(), int(NXViewRenderControl::StatusStopped));
}

TEST(EditorPlayerControl, ThePlayerWorksInAFolderThatIsThere)
{
    Control c;
    NXViewRenderControl &control = c.control;
    QTemporaryDir folder;
    control.setCurrentDirectoryPath(folder.path());
    EXPECT_EQ(control.workingDirectory(), folder.path());
    control.saveSnapshotToDirectory(folder.path() + QStringLiteral("/gone"));
    EXPECT_TRUE(QFileInfo(control.workingDirectory()).isDir());
}
