// The online-video window over the real player executable, playing from the tests' own HTTP
// server on 127.0.0.1 and drawing with OpenGL (a private X display, Mesa's software renderer):
// frames on screen, the preload slider following the cache, pause and resume, and the end of the
// video, a dropped connection and an unreachable address each returning the window to idle with
// a message.
#include "online_video_test_support.h"

#include "../player/player_test_support.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "player/NXMPlayerGeometry.h"
#include "support/mediaserver.h"
#include "support/packedyuv.h"
#include "ui/controls/DNButton.h"
#include "ui/onlinevideo/NXPreloadSlider.h"
#include "ui/onlinevideo/NXYoutubeControlller.h"
#include "ui/player/NXMPlayerOpenGLView.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

using playertest::waitFor;

namespace {

const QString kClip = QStringLiteral("online/quadrants.mp4");
// The clip plays for 6 s; it is about 85 KB.
constexpr float kClipSeconds = 6.0f;
// A small cache, so that its fill moves with a clip this short.
constexpr float kCacheMB = 0.03125f;

// The window on screen, its player reporting to the test too, over a server of the fixtures.
struct Online
{
    playertest::Application application;
    QString snapshots = playertest::freshSnapshotFolder();
    testsupport::MediaServer server;
    NXYoutubeControlller window;
    // What the window's player reported, in order (the window stays its delegate).
    struct Forward : onlinetest::EventLog
    {
        NXOVPlayerControlDelegate *window = nullptr;
        void playbackDidStarted(NXOVPlayerControl *c) override { EventLog::playbackDidStarted(c); window->playbackDidStarted(c); }
        void playbackDidEnded(NXOVPlayerControl *c) override { EventLog::playbackDidEnded(c); window->playbackDidEnded(c); }
        void playbackDidPaused(NXOVPlayerControl *c) override { EventLog::playbackDidPaused(c); window->playbackDidPaused(c); }
        void playbackDidContinued(NXOVPlayerControl *c) override { EventLog::playbackDidContinued(c); window->playbackDidContinued(c); }
        void playbackCacheUnavilabled(NXOVPlayerControl *c) override { EventLog::playbackCacheUnavilabled(c); window->playbackCacheUnavilabled(c); }
        void playbackCacheAvilabled(NXOVPlayerControl *c) override { EventLog::playbackCacheAvilabled(c); window->playbackCacheAvilabled(c); }
    } events;

    explicit Online(testsupport::MediaServer::Pace pace)
        : server(testsupport::fixturesDir(), pace)
    {
        events.window = &window;
        player()->setDelegate(&events);
        player()->setCacheBufferSizeInMB(kCacheMB);
        window.window()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.window()));
        EXPECT_TRUE(server.isListening());
    }
    NXOVPlayerControl *player() { return window.playerControl(); }
    void play(const QString &address)
    {
        window.addressField->setText(address);
        QTest::keyClick(window.addressField, Qt::Key_Return);
    }
    bool idleAgain() { return waitFor([&] { return events.count("ended") == 1; }, 60000); }
    // Idle, with nothing of the run left behind.
    void expectIdle()
    {
        EXPECT_EQ(player()->status(), NXOVPlayback::StatusIdle);
        EXPECT_FALSE(player()->playerProcess());
        EXPECT_FALSE(player()->renderer());
        EXPECT_FALSE(window.pauseButton->isEnabled());
        EXPECT_FALSE(window.stopButton->isEnabled());
        EXPECT_EQ(playertest::channelLeftovers(), QStringList());
        EXPECT_TRUE(waitFor([] { return PlayerProcessRegistry::shared().pids().empty(); }, 60000));
    }
};

void expectQuadrants(const QImage &picture)
{
    ASSERT_FALSE(picture.isNull());
    // The 320x240 picture fitted into the view: bands left and right or above and below.
    const QRectF shown = NXMPlayerGeometry::fittedPicture(QSizeF(picture.size()) / picture.devicePixelRatio(),
                                                          QSizeF(320, 240));
    const struct
    {
        double x, y;
        QColor colour;
    } places[] = {{0.25, 0.25, Qt::red}, {0.75, 0.25, Qt::green}, {0.25, 0.75, Qt::blue}, {0.75, 0.75, Qt::white}};
    for (const auto &place : places) {
        const QPointF at = shown.topLeft() + QPointF(place.x * shown.width(), place.y * shown.height());
        const QColor seen = picture.pixelColor((at * picture.devicePixelRatio()).toPoint());
        EXPECT_TRUE(testsupport::coloursNear(seen, place.colour))
            << place.colour.name().toStdString() << " expected, saw " << seen.name().toStdString();
    }
}

} // namespace

TEST(OnlineVideoPlayer, PlaysALocalAddressWhileItLoads)
{
    // Faster than the clip plays, but not at once: the cache fills ahead of the position.
    Online o({40000, 0});
    NXOVPlayerControl &player = *o.player();
    const QString address = o.server.addressOf(kClip);
    o.play(address);
    EXPECT_TRUE(player.flags().isStarted);
    EXPECT_EQ(o.events.seen.value(0), QStringLiteral("cache unavailable"));
    EXPECT_TRUE(o.window.message().contains(QStringLiteral("Loading")));
    EXPECT_EQ(player.currentDirectoryPath(), o.snapshots);

    // Frames on screen, the quadrants where they belong.
    ASSERT_TRUE(waitFor([&] { return o.events.count("started") == 1; }, 60000));
    ASSERT_TRUE(waitFor([&] { return player.renderer() && player.renderer()->framesDrawn() >= 5; }, 60000));
    const QImage frame = player.openglView()->grabFramebuffer();
    playertest::savePicture(frame, QStringLiteral("online_frame"));
    expectQuadrants(frame);
    shelltest::saveWindowPicture(o.window.window(), QStringLiteral("ui_onlinevideo"), QStringLiteral("window_playing"));
    EXPECT_TRUE(o.server.requests().value(0).startsWith(QStringLiteral("GET /online/quadrants.mp4")));

    // The cache fills: the delegate hears it once, and the slider's loaded bar runs ahead of the
    // knob by what the cache holds.
    ASSERT_TRUE(waitFor([&] { return o.events.count("cache available") >= 1; }, 60000));
    EXPECT_TRUE(o.window.message().contains(QStringLiteral("Playing")));
    NXPreloadSlider &slider = *o.window.positionSlider;
    bool ahead = false;
    ASSERT_TRUE(waitFor([&] {
        o.window.refreshPlaybackState();
        ahead = slider.preloadingValue() > slider.value() + 0.01 && slider.preloadLength() > 0;
        return ahead;
    }, 60000));
    EXPECT_NEAR(player.duration(), kClipSeconds, 0.1);
    EXPECT_FLOAT_EQ(float(slider.maxValue()), player.duration());
    EXPECT_FLOAT_EQ(slider.preloadingValue(), std::min(player.loadCacheTime(), player.duration()));
    EXPECT_GT(player.loadCacheTime(), player.currentPlaybackTime());

    // Pause: the time stands still; resume: it goes on.
    ASSERT_TRUE(waitFor([&] { return player.currentPlaybackTime() > 0.5f; }, 60000));
    QTest::mouseClick(o.window.pauseButton, Qt::LeftButton);
    EXPECT_EQ(player.status(), NXOVPlayback::StatusPaused);
    EXPECT_EQ(o.events.count("paused"), 1);
    EXPECT_TRUE(o.window.message().contains(QStringLiteral("Paused")));
    // Status lines already on their way may still come; then the time stands.
    float frozen = -1;
    ASSERT_TRUE(waitFor([&] {
        const float before = player.currentPlaybackTime();
        playertest::waitFor([] { return false; }, 400);
        frozen = player.currentPlaybackTime();
        return frozen == before;
    }, 60000));
    playertest::waitFor([] { return false; }, 600);
    EXPECT_FLOAT_EQ(player.currentPlaybackTime(), frozen);
    QTest::mouseClick(o.window.pauseButton, Qt::LeftButton);
    EXPECT_EQ(o.events.count("continued"), 1);
    ASSERT_TRUE(waitFor([&] { return player.currentPlaybackTime() > frozen + 0.3f; }, 60000));

    // The end of the video: idle again, and the window says it finished.
    ASSERT_TRUE(o.idleAgain());
    EXPECT_TRUE(o.window.message().contains(QStringLiteral("Finished playing ") + address))
        << o.window.message().toStdString();
    EXPECT_GE(player.currentPlaybackTime(), kClipSeconds - NXYoutubeControlller::kEndToleranceSeconds);
    o.expectIdle();
    EXPECT_EQ(player.openglView()->grabFramebuffer().pixelColor(10, 10), QColor(Qt::black));
}

// Served slower than it plays, and cut off halfway: the cache runs dry and fills again (the
// window says it is loading), and the cut ends playback early with a message.
TEST(OnlineVideoPlayer, ADroppedConnectionReturnsTheWindowToIdleWithAMessage)
{
    const qint64 half = QFileInfo(testsupport::fixturePath(kClip)).size() / 2;
    Online o({9000, half});
    NXOVPlayerControl &player = *o.player();
    const QString address = o.server.addressOf(kClip);
    o.play(address);
    ASSERT_TRUE(waitFor([&] { return o.events.count("started") == 1; }, 60000));
    bool loadingSaid = false;
    ASSERT_TRUE(waitFor([&] {
        loadingSaid = loadingSaid || (o.events.count("cache available") >= 1 &&
                                      o.window.message().contains(QStringLiteral("Loading")));
        return o.events.count("ended") == 1;
    }, 60000));
    EXPECT_EQ(o.server.droppedConnections(), 1);
    EXPECT_GE(o.events.count("cache unavailable"), 2) << "the cache ran dry while playing";
    EXPECT_TRUE(loadingSaid);
    EXPECT_TRUE(o.window.message().contains(QStringLiteral("connection to ") + address + QStringLiteral(" was lost")))
        << o.window.message().toStdString();
    EXPECT_LT(player.currentPlaybackTime(), kClipSeconds - NXYoutubeControlller::kEndToleranceSeconds);
    o.expectIdle();
}

TEST(OnlineVideoPlayer, AnAddressThatGivesNoVideoIsReportedAndStoppingIsSaid)
{
    Online o({0, 0});
    const QString missing = o.server.addressOf(QStringLiteral("online/missing.mp4"));
    o.play(missing);
    ASSERT_TRUE(o.idleAgain());
    EXPECT_EQ(o.events.count("started"), 0);
    EXPECT_TRUE(o.window.message().contains(QStringLiteral("could not be played"))) << o.window.message().toStdString();
    o.expectIdle();

    // The user's stop is said as such.
    o.events.seen.clear();
    o.play(o.server.addressOf(kClip));
    ASSERT_TRUE(waitFor([&] { return o.events.count("started") == 1; }, 60000));
    QTest::mouseClick(o.window.stopButton, Qt::LeftButton);
    ASSERT_TRUE(o.idleAgain());
    EXPECT_EQ(o.window.message(), QStringLiteral("Stopped."));
    o.expectIdle();
}
