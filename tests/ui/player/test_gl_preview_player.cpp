// The preview player control over the real player executable, drawing with OpenGL (the tests
// run on a private X display whose OpenGL is Mesa's software renderer): what a user sees and
// what the control reports while a file and a DVD title play, are paused, moved, made quieter,
// snapshotted, played to their end and killed.
#include "player_test_support.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "dvd/DNDVDNode.h"
#include "player/HVPlayerProcess.h"
#include "support/packedyuv.h"
#include "ui/player/NXMPlayerControl.h"
#include "ui/player/NXMPlayerOpenGLView.h"
#include "ui/player/NXMPlayerView.h"

#include <QImage>
#include <QTest>

#include <csignal>

using playertest::NotificationCounter;
using playertest::waitFor;

namespace {

// A control whose playback view sits in a window of its own, 320 x 240 like the quadrants.
struct Preview
{
    Preview()
    {
        snapshots = playertest::freshSnapshotFolder();
        window.resize(400, 300);
        control.playbackView()->setParent(&window);
        control.adjust(QRect(0, 0, 320, 240));
        control.playbackView()->show();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(&control, &NXMPlayerControl::playerOutputLine, &window,
                         [this](const QString &line) { lines << line; });
    }

    bool sawLine(const QString &line) { return waitFor([&] { return lines.contains(line); }, 60000); }
    // The number of the last answer "ANS_<property>=<number>" the player gave.
    double answered(const char *property)
    {
        const QString key = QStringLiteral("ANS_%1=").arg(QLatin1String(property));
        double value = -1;
        waitFor([&] {
            for (const QString &line : lines)
                if (line.startsWith(key))
                    value = line.mid(key.size()).toDouble();
            return value >= 0;
        }, 5000);
        lines.clear();
        return value;
    }

    playertest::Application application;
    QString snapshots;
    QWidget window;
    NXMPlayerControl control;
    QStringList lines;
};

QColor shownAt(const QImage &picture, int x, int y)
{
    return picture.pixelColor(x, y);
}

void expectQuadrants(const QImage &picture, int width, int height)
{
    ASSERT_FALSE(picture.isNull());
    const struct
    {
        double x, y;
        QColor colour;
    } places[] = {{0.25, 0.25, Qt::red}, {0.75, 0.25, Qt::green}, {0.25, 0.75, Qt::blue}, {0.75, 0.75, Qt::white}};
    for (const auto &place : places) {
        const QColor seen = shownAt(picture, int(place.x * width), int(place.y * height));
        EXPECT_TRUE(testsupport::coloursNear(seen, place.colour))
            << place.colour.name().toStdString() << " expected at " << place.x << "," << place.y << ", saw "
            << seen.name().toStdString();
    }
}

} // namespace

TEST(PreviewPlayer, PlaysAFileAndFollowsWhatThePlayerReports)
{
    NotificationCounter seen;
    Preview p;
    NXMPlayerControl &c = p.control;
    const NXMediaNodePtr item = playertest::fileItem(QStringLiteral("player/quadrants.mp4"));
    ASSERT_TRUE(item);
    c.startPlaybackWithNode(item);
    EXPECT_EQ(c.status(), unsigned(NXMPlayerControl::StatusPlaying));
    EXPECT_TRUE(item->isPlaying());

    // The stream's start carries its size; the display size follows from it.
    ASSERT_TRUE(waitFor([&] { return seen["WillStart"] == 1 && seen["DidStart"] == 1; }));
    EXPECT_EQ(c.videoDisplaySize(), QSizeF(320, 240));
    EXPECT_EQ(c.renderer()->curTextureFrame(), QRectF(0, 0, 320, 240));
    ASSERT_TRUE(waitFor([&] { return c.renderer()->framesDrawn() >= 5; }));
    const QImage picture = c.openGLView()->grabFramebuffer();
    playertest::savePicture(picture, QStringLiteral("preview_frame"));
    expectQuadrants(picture, 320, 240);

    ASSERT_TRUE(waitFor([&] { return seen["DurationAvailable"] >= 1; }));
    EXPECT_NEAR(c.videoDuration(), 8.0, 0.1);

    // Pause: the player says so, the time stands still; pause again goes on.
    c.pauseOrContinue();
    ASSERT_TRUE(waitFor([&] { return c.status() == NXMPlayerControl::StatusPaused; }));
    EXPECT_EQ(seen["StatusChanged"], 1);
    const float frozen = c.currentPlaybackTime();
    QTest::qWait(300);
    EXPECT_EQ(c.currentPlaybackTime(), frozen);
    c.pauseOrContinue();
    ASSERT_TRUE(waitFor([&] { return c.status() == NXMPlayerControl::StatusPlaying; }));
    EXPECT_EQ(seen["StatusChanged"], 2);

    // Seeks, to a second and by seconds.
    c.seekToDuration(5.0);
    ASSERT_TRUE(waitFor([&] { return c.currentPlaybackTime() >= 4.8f; }));
    EXPECT_LT(c.currentPlaybackTime(), 6.5f);
    const float before = c.currentPlaybackTime();
    c.skipSeconds(-3.0);
    ASSERT_TRUE(waitFor([&] { return c.currentPlaybackTime() > 0.5f && c.currentPlaybackTime() < before - 2.0f; }));
    EXPECT_GT(c.currentPlaybackTime(), before - 4.5f);

    // Volume and mute, as the player reports them back.
    c.setVideoVolume(30);
    c.sendToMplayersInput(QStringLiteral("get_property volume\n"));
    EXPECT_NEAR(p.answered("volume"), 30.0, 0.01);
    c.setMute(true);
    c.sendToMplayersInput(QStringLiteral("get_property mute\n"));
    EXPECT_TRUE(p.sawLine(QStringLiteral("ANS_mute=yes")));
    c.setMute(false);
    c.sendToMplayersInput(QStringLiteral("get_property mute\n"));
    EXPECT_TRUE(p.sawLine(QStringLiteral("ANS_mute=no")));
    EXPECT_EQ(seen["VolumeChanged"], 3);

    // A snapshot of the current frame lands in the snapshot folder.
    EXPECT_EQ(c.snapshotSavePath(), p.snapshots);
    c.getSnapshotAtCurrentTime();
    ASSERT_TRUE(waitFor([&] { return !QDir(p.snapshots).entryList({QStringLiteral("*.png")}).isEmpty(); }));
    const QString shot = p.snapshots + QLatin1Char('/') + QDir(p.snapshots).entryList({QStringLiteral("*.png")}).first();
    ASSERT_TRUE(waitFor([&] { return !QImage(shot).isNull(); }));
    expectQuadrants(QImage(shot), 320, 240);

    // The end of the media: the controls go idle and nothing of the run is left.
    c.seekToDuration(7.0);
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_EQ(c.status(), unsigned(NXMPlayerControl::StatusIdle));
    EXPECT_FALSE(c.isPlayerStartedPlaying());
    EXPECT_FALSE(item->isPlaying());
    EXPECT_FALSE(c.currentPlaybackNode());
    EXPECT_EQ(c.videoDuration(), 0.0f);
    // The end of the stream may be told before the player has quit (later on a busy machine).
    EXPECT_TRUE(waitFor([&] { return !c.playerProcess(); }));
    EXPECT_FALSE(playertest::previewBufferLeft());
    EXPECT_EQ(playertest::channelLeftovers(), QStringList());
    EXPECT_TRUE(PlayerProcessRegistry::shared().pids().empty());
}

// A player killed from outside: the control learns it from the process's end alone.
TEST(PreviewPlayer, AKilledPlayerReturnsToIdle)
{
    NotificationCounter seen;
    Preview p;
    NXMPlayerControl &c = p.control;
    c.startPlaybackWithNode(playertest::fileItem(QStringLiteral("player/quadrants.mp4")));
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 1 && c.renderer()->framesDrawn() >= 1; }));
    ASSERT_TRUE(c.playerProcess());
    ::kill(pid_t(c.playerProcess()->processId()), SIGKILL);
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_EQ(c.status(), unsigned(NXMPlayerControl::StatusIdle));
    // The frame receiver learns of the end from its own connection, on its own thread: the
    // process's end may be taken first.
    EXPECT_TRUE(waitFor([&] { return !c.renderer()->isRendering(); }));
    EXPECT_FALSE(playertest::previewBufferLeft());
    EXPECT_EQ(playertest::channelLeftovers(), QStringList());
    // The view is black again.
    const QImage cleared = c.openGLView()->grabFramebuffer();
    EXPECT_EQ(shownAt(cleared, 80, 60), QColor(Qt::black));
}

// A DVD title plays its whole DVD source through dvdnav, at the display aspect of the disc.
TEST(PreviewPlayer, ADVDTitlePlaysItsSourceAtTheDiscAspect)
{
    NotificationCounter seen;
    Preview p;
    NXMPlayerControl &c = p.control;
    const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(playertest::dvdItem(QStringLiteral("dvd/pal.iso")));
    ASSERT_TRUE(dvd);
    c.startPlaybackWithNode(dvd->selectedTitle());
    EXPECT_EQ(c.currentPlaybackNode(), dvd);
    EXPECT_EQ(c.videoAspect(), QSizeF(16, 9));
    EXPECT_EQ(c.playerProcess()->arguments().mid(0, 3),
              (QStringList{QStringLiteral("dvdnav://%1").arg(dvd->titleSelected() + 1), QStringLiteral("-dvd-device"),
                           testsupport::fixturePath(QStringLiteral("dvd/pal.iso"))}));
    ASSERT_TRUE(waitFor([&] { return seen["WillStart"] == 1 && c.renderer()->framesDrawn() >= 3; }));
    EXPECT_EQ(c.renderer()->image_width(), 720u);
    EXPECT_EQ(c.renderer()->image_height(), 576u);
    EXPECT_NEAR(c.videoDisplaySize().width(), 1024.0, 0.5);
    // 16:9 in the 320 x 240 view: bands above and below.
    EXPECT_EQ(c.renderer()->curTextureFrame(), QRectF(0, 30, 320, 180));
    const QImage picture = c.openGLView()->grabFramebuffer();
    EXPECT_EQ(shownAt(picture, 160, 10), QColor(Qt::black));
    EXPECT_NE(shownAt(picture, 160, 120), QColor(Qt::black));

    c.stopPlay();
    PlayerProcessRegistry::shared().killAll();
    EXPECT_FALSE(c.playerProcess());
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_FALSE(dvd->isPlaying());
    EXPECT_FALSE(playertest::previewBufferLeft());
}
