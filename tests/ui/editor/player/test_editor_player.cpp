// The editor player over the real player executable: a file and a DVD title shown at the
// editor's scaled size from the left time limit in both previews, looping, pausing and seeking,
// frames scaled when the player's size is not the one shown, the stop and a killed player.
#include "editor_player_support.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "dvd/DNDVDNode.h"
#include "player/HVPlayerProcess.h"
#include "support/packedyuv.h"

#include <csignal>

using editorplayertest::Editor;
using editorplayertest::waitFor;

namespace {

// The quadrant colours at a point of a picture, given as fractions of a rectangle in it.
void expectColour(const QImage &picture, const QRectF &area, double fx, double fy, const QColor &colour,
                  const char *what)
{
    const QPoint at(int(area.x() + fx * area.width()), int(area.y() + fy * area.height()));
    const QColor seen = picture.pixelColor(at);
    EXPECT_TRUE(testsupport::coloursNear(seen, colour))
        << what << ": " << colour.name().toStdString() << " expected at " << at.x() << "," << at.y() << ", saw "
        << seen.name().toStdString();
}

} // namespace

// The letterboxed quadrants (640 x 480, 4 s) are wide by the editor's rule (640 / 480 > 1.3333):
// shown at 400 x 300, 1.6 source pixels to one shown.
TEST(EditorPlayer, PlaysAFileScaledFromTheLeftLimitInBothPreviews)
{
    Editor e;
    NXViewRenderControl &c = e.control;
    const NXMediaNodePtr item = playertest::fileItem(QStringLiteral("borders/letterbox.mp4"));
    ASSERT_TRUE(item);
    e.play(item, QSizeF(400, 300), 1.6f, 1.0f);
    const QString bufferName = c.videoEditRender()->connectionName();
    EXPECT_TRUE(bufferName.startsWith(QStringLiteral("EDIT_VIDEO_BUFFER_NAME_1->")));
    EXPECT_EQ(c.status(), int(NXViewRenderControl::StatusWaitingCache));
    const QStringList arguments = c.playerProcess()->arguments();
    EXPECT_EQ(arguments.mid(arguments.indexOf(QStringLiteral("-vf")), 4),
              (QStringList{QStringLiteral("-vf"), QStringLiteral("scale=400:300"), QStringLiteral("-ss"),
                           QStringLiteral("1")}));

    ASSERT_TRUE(waitFor([&] { return e.events.willStart == 1 && e.events.started == 1; }, 60000));
    ASSERT_TRUE(e.framesShownAt(QSize(400, 300)));
    EXPECT_EQ(c.originalVideoWidth(), 640);
    EXPECT_EQ(c.originalVideoHeight(), 480);
    EXPECT_EQ(c.videoWidth(), 400);
    EXPECT_EQ(c.videoHeight(), 300);
    EXPECT_EQ(e.events.originalSizeAtStart, QSize(640, 480));
    const float first = e.firstReportedTime();
    EXPECT_GE(first, 0.9f);
    EXPECT_LT(first, 2.0f);
    EXPECT_NEAR(c.duration(), 4.0f, 0.1f);
    EXPECT_EQ(c.status(), int(NXViewRenderControl::StatusWaitingCache));

    // Pause: the player says so and the time stands still.
    c.pauseOrContinue();
    ASSERT_TRUE(waitFor([&] { return c.isPaused(); }, 60000));
    EXPECT_EQ(e.events.paused, 1);
    const float frozen = c.currentPlaybackTime();
    QTest::qWait(300);
    EXPECT_EQ(c.currentPlaybackTime(), frozen);

    // A relative seek while paused leaves the player paused again, the time moved.
    c.skipSeconds(1.0);
    ASSERT_TRUE(waitFor([&] { return e.events.paused == 2 && c.isPaused(); }, 60000));
    EXPECT_NEAR(c.currentPlaybackTime(), frozen + 1.0f, 0.5f);

    // The pictures while paused: the source with its bands, and the processed one cropped to the
    // picture the black-border detection finds, in full colour, turned by the editor's 90 degrees.
    // The picture lies between rows 37.5 and 262.5 of the scaled frame; scaling blends band and
    // picture over a row or so on each side.
    const QRectF picture = e.original->cropedImageBlackRegionRect();
    EXPECT_NEAR(picture.left(), 0, 2);
    EXPECT_NEAR(picture.right(), 400, 2);
    EXPECT_NEAR(picture.top(), 37.5, 3);
    EXPECT_NEAR(picture.bottom(), 262.5, 3);
    e.effect->setCropRect(picture);
    e.effect->setEnableEditEffect(true);
    e.effect->resetColorAdjust();
    e.effect->setRotateDegress(90, false);
    const QImage source = e.original->grab().toImage();
    const QImage edited = e.effect->grab().toImage();
    playertest::savePicture(source, QStringLiteral("editor_original"));
    playertest::savePicture(edited, QStringLiteral("editor_edited"));
    EXPECT_EQ(source.pixelColor(200, 10), QColor(Qt::black));
    const QRectF quadrants(0, 37.5, 400, 225);
    expectColour(source, quadrants, 0.25, 0.25, Qt::red, "source");
    expectColour(source, quadrants, 0.75, 0.25, Qt::green, "source");
    expectColour(source, quadrants, 0.25, 0.75, Qt::blue, "source");
    expectColour(source, quadrants, 0.75, 0.75, Qt::white, "source");
    // Turned a quarter clockwise, 225 x 400 fitted into 400 x 300: 168.75 wide in the middle.
    const QRectF turned(115.6, 0, 168.75, 300);
    expectColour(edited, turned, 0.25, 0.25, Qt::blue, "edited");
    expectColour(edited, turned, 0.75, 0.25, Qt::red, "edited");
    expectColour(edited, turned, 0.25, 0.75, Qt::white, "edited");
    expectColour(edited, turned, 0.75, 0.75, Qt::green, "edited");
    EXPECT_EQ(edited.pixelColor(50, 150), QColor(Qt::black));

    // An absolute seek goes on playing.
    c.seekToDuration(0.5);
    ASSERT_TRUE(waitFor([&] { return !c.isPaused(); }, 60000));
    EXPECT_GE(e.events.continued, 2);
    ASSERT_TRUE(waitFor([&] { return c.currentPlaybackTime() < 1.5f; }, 60000));

    // The end of the clip starts it again from the left limit: the player keeps running.
    c.seekToDuration(3.5);
    ASSERT_TRUE(waitFor([&] { return c.currentPlaybackTime() >= 3.4f; }, 60000));
    ASSERT_TRUE(waitFor([&] { return c.currentPlaybackTime() < 2.0f; }, 60000));
    EXPECT_GE(c.currentPlaybackTime(), 0.9f);
    EXPECT_TRUE(c.playerProcess() && c.playerProcess()->isRunning());
    EXPECT_EQ(e.events.stopped, 0);

    // Stop: the previews stop drawing at once, and draw again once the player has ended; the
    // receiver is gone with everything it had.
    c.stopPlay();
    EXPECT_TRUE(e.original->movieStop());
    EXPECT_TRUE(e.effect->movieStop());
    ASSERT_TRUE(waitFor([&] { return e.events.stopped == 1; }, 60000));
    EXPECT_FALSE(e.original->movieStop());
    EXPECT_FALSE(e.effect->movieStop());
    EXPECT_EQ(c.status(), int(NXViewRenderControl::StatusStopped));
    EXPECT_FALSE(c.videoEditRender());
    EXPECT_FALSE(c.playerProcess());
    EXPECT_EQ(c.duration(), 0.0f);
    EXPECT_EQ(c.videoWidth(), 0);
    EXPECT_EQ(c.originalVideoHeight(), 0);
    EXPECT_FALSE(editorplayertest::editorBufferLeft(bufferName));
    EXPECT_TRUE(PlayerProcessRegistry::shared().pids().empty());
}

// A DVD title plays its DVD source through dvdnav. 720 x 576 is not wide: shown 300 high, 1.92
// source pixels to one shown, 375 x 300. The player scales to an even 376: each frame is scaled
// to the 375 shown.
TEST(EditorPlayer, PlaysADVDTitleAtTheScaledSizeFromTheLeftLimit)
{
    Editor e;
    NXViewRenderControl &c = e.control;
    const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(playertest::dvdItem(QStringLiteral("dvd/pal.iso")));
    ASSERT_TRUE(dvd);
    e.play(dvd, QSizeF(375, 300), 1.92f, 3.0f);
    EXPECT_EQ(c.playerProcess()->arguments().first(), QStringLiteral("dvdnav://%1").arg(dvd->titleSelected() + 1));
    ASSERT_TRUE(waitFor([&] { return e.events.willStart == 1 && e.events.started == 1; }, 60000));
    EXPECT_EQ(c.videoEditRender()->imageWidth(), 376u);
    EXPECT_EQ(c.videoEditRender()->imageHeight(), 300u);
    EXPECT_EQ(c.originalVideoWidth(), 720);
    EXPECT_EQ(c.originalVideoHeight(), 576);
    EXPECT_EQ(c.videoWidth(), 375);
    EXPECT_EQ(c.videoHeight(), 300);
    EXPECT_TRUE(c.needApplyTransform());
    ASSERT_TRUE(e.framesShownAt(QSize(375, 300)));
    const float first = e.firstReportedTime();
    EXPECT_GE(first, 2.5f);
    EXPECT_LT(first, 5.0f);
    playertest::savePicture(e.window.grab().toImage(), QStringLiteral("editor_dvd"));
    e.stopAndWait();
    EXPECT_EQ(e.events.stopped, 1);
    EXPECT_TRUE(PlayerProcessRegistry::shared().pids().empty());
}

// A factor that does not match the player's scale: the 640 x 360 clip scaled to 160 x 90 with a
// factor of 2 is shown at 320 x 180, every frame scaled by 2 on its way to the previews.
TEST(EditorPlayer, FramesOfAnotherSizeAreScaledToTheShownSize)
{
    Editor e;
    NXViewRenderControl &c = e.control;
    e.play(playertest::fileItem(QStringLiteral("media/clip.mkv")), QSizeF(160, 90), 2.0f, 0.0f);
    ASSERT_TRUE(waitFor([&] { return e.events.willStart == 1; }, 60000));
    EXPECT_EQ(c.videoWidth(), 320);
    EXPECT_EQ(c.videoHeight(), 180);
    EXPECT_TRUE(c.needApplyTransform());
    EXPECT_EQ(c.transform(), QTransform::fromScale(2.0, 2.0));
    ASSERT_TRUE(e.framesShownAt(QSize(320, 180)));
    e.stopAndWait();
}

// Launching again while a player runs ends that player first, without a stop report: the new run
// plays through the same receiver.
TEST(EditorPlayer, ALaunchWhilePlayingReplacesThePlayer)
{
    Editor e;
    NXViewRenderControl &c = e.control;
    const NXMediaNodePtr item = playertest::fileItem(QStringLiteral("borders/letterbox.mp4"));
    e.play(item, QSizeF(400, 300), 1.6f, 0.0f);
    ASSERT_TRUE(waitFor([&] { return e.events.started == 1; }, 60000));
    const qint64 firstPlayer = c.playerProcess()->processId();
    NXViewMPlayerRender *receiver = c.videoEditRender();
    c.setLimitedLeftTime(2.0f);
    c.playVideoWidthParams(*HVPlayerArguments::playbackParametersOf(item));
    EXPECT_NE(c.playerProcess()->processId(), firstPlayer);
    EXPECT_EQ(::kill(pid_t(firstPlayer), 0), -1);
    ASSERT_TRUE(waitFor([&] { return e.events.started == 2; }, 60000));
    EXPECT_EQ(c.videoEditRender(), receiver);
    ASSERT_TRUE(waitFor([&] { return c.currentPlaybackTime() >= 2.0f; }, 60000));
    EXPECT_EQ(e.events.stopped, 0);
    e.stopAndWait();
    EXPECT_EQ(e.events.stopped, 1);
}

// A player killed from outside: the control learns it from the process's end alone, and what
// the player left behind is removed.
TEST(EditorPlayer, AKilledPlayerIsReportedStopped)
{
    Editor e;
    NXViewRenderControl &c = e.control;
    e.play(playertest::fileItem(QStringLiteral("borders/letterbox.mp4")), QSizeF(400, 300), 1.6f, 0.0f);
    ASSERT_TRUE(e.framesShownAt(QSize(400, 300)));
    const QString bufferName = c.videoEditRender()->connectionName();
    ::kill(pid_t(c.playerProcess()->processId()), SIGKILL);
    ASSERT_TRUE(waitFor([&] { return e.events.stopped == 1; }, 60000));
    EXPECT_EQ(c.status(), int(NXViewRenderControl::StatusStopped));
    EXPECT_FALSE(c.videoEditRender());
    EXPECT_FALSE(editorplayertest::editorBufferLeft(bufferName));
    // The previews keep the last frame they were given.
    EXPECT_EQ(e.original->currentVideoFrame().size(), QSize(400, 300));
    EXPECT_FALSE(e.original->movieStop());
}
