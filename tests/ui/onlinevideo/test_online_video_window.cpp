// The online-video window without OpenGL (the offscreen platform has none): what it is made of,
// the addresses it refuses, what it says when playback ends, the preload slider's bar, and the
// main window's button that flips to it and back.
#include "../mainwindow/main_window_fixture.h"

#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNSetting.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/NXButton.h"
#include "ui/onlinevideo/NXPreloadSlider.h"
#include "ui/onlinevideo/NXYoutubeControlller.h"
#include "ui/transition/NXWindowTransition.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

void typeAddressAndPlay(NXYoutubeControlller &window, const QString &address)
{
    window.addressField->setText(address);
    QTest::keyClick(window.addressField, Qt::Key_Return);
}

} // namespace

TEST(OnlineVideoWindow, KeepsEveryControlAndLeavesTheDownloadOnesOff)
{
    shelltest::app();
    NXYoutubeControlller window;
    NXOVPlayerControl *player = window.playerControl();
    ASSERT_TRUE(player->isMakeInit()) << "the window connects all of the player's buttons";
    EXPECT_FLOAT_EQ(player->flags().cacheBufferSizeInMB, NXYoutubeControlller::kCacheBufferSizeInMB);
    EXPECT_FLOAT_EQ(player->volumes(), DNSetting::shareSetting().downloadSetting()->volume());
    for (DNButton *off : {player->clearAllFinishNode.data(), player->clearAllNode.data(),
                          player->updateDownloader.data(), static_cast<DNButton *>(player->startDownloadButton.data())}) {
        EXPECT_FALSE(off->isEnabled());
        EXPECT_TRUE(off->toolTip().contains(QStringLiteral("does not download")));
    }
    EXPECT_EQ(player->startDownloadButton->customTitle(), QStringLiteral("Download Now"));
    for (DNButton *on : {player->addNewPageLink.data(), player->downloaderSetting.data(), player->openTargetFolder.data()})
        EXPECT_TRUE(on->isEnabled());
    EXPECT_FALSE(window.pauseButton->isEnabled());
    EXPECT_FALSE(window.stopButton->isEnabled());
    EXPECT_FALSE(player->getSnapshot->isEnabled());
    EXPECT_FALSE(player->logo()->pixmap().isNull());
    window.window()->show();
    shelltest::saveWindowPicture(window.window(), QStringLiteral("ui_onlinevideo"), QStringLiteral("window_idle"));
    // The buttons that do nothing look it: grey, not the green of a button to press.
    for (DNButton *off : {player->clearAllFinishNode.data(), static_cast<DNButton *>(player->startDownloadButton.data())}) {
        const QImage drawn = off->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QColor c = drawn.pixelColor(x, y);
                const int spread = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
                coloured += c.alpha() > 64 && spread > 40;
            }
        EXPECT_EQ(coloured, 0) << off->toolTip().toStdString();
    }

    // The folder button opens the download folder.
    shelltest::openedTargets().clear();
    QTest::mouseClick(player->openTargetFolder, Qt::LeftButton);
    EXPECT_EQ(shelltest::openedTargets(), QStringList{DNSetting::shareSetting().downloadSetting()->downloadTarget()});
}

TEST(OnlineVideoWindow, RefusesWhatIsNoOnlineAddressAndSaysWhyNothingPlaysWithoutOpenGL)
{
    shelltest::app();
    NXYoutubeControlller window;
    for (const QString &refused : {QString(), QStringLiteral("   "), QStringLiteral("ftp://127.0.0.1/v.mp4"),
                                   QStringLiteral("file:///tmp/v.mp4"), QStringLiteral("http://")}) {
        window.messageLine->clear();
        typeAddressAndPlay(window, refused);
        EXPECT_TRUE(window.message().contains(QStringLiteral("http://"))) << refused.toStdString();
        EXPECT_FALSE(window.playerControl()->flags().isStarted);
    }
    // A good address, but this display has no OpenGL: the window says so and plays nothing.
    typeAddressAndPlay(window, QStringLiteral("http://127.0.0.1:9/v.mp4"));
    EXPECT_TRUE(window.message().contains(QStringLiteral("OpenGL")));
    EXPECT_FALSE(window.playerControl()->playerProcess());
}

TEST(OnlineVideoWindow, SaysWhyPlaybackEnded)
{
    const QString address = QStringLiteral("http://h/v.mp4");
    const struct
    {
        bool shown, stopped;
        float position, length;
        const char *says;
    } rows[] = {
        {true, true, 2.0f, 8.0f, "Stopped."},
        {false, false, 0.0f, 0.0f, "could not be played"},
        {true, false, 4.0f, 8.0f, "connection to http://h/v.mp4 was lost at 00:00:04 of 00:00:08"},
        {true, false, 7.5f, 8.0f, "Finished playing http://h/v.mp4."},
        // A stream of unknown length that ends has ended.
        {true, false, 3.0f, 0.0f, "Finished playing"},
    };
    for (const auto &row : rows)
        EXPECT_TRUE(NXYoutubeControlller::endMessage(address, row.shown, row.stopped, row.position, row.length)
                        .contains(QLatin1String(row.says)))
            << row.says;
}

TEST(OnlineVideoWindow, ThePreloadBarLiesBehindTheKnobUpToTheLoadedPosition)
{
    shelltest::app();
    NXPreloadSlider slider;
    slider.resize(200, 15);
    slider.setMinValue(0);
    slider.setMaxValue(100);
    const struct
    {
        float value, preload;
        double length;
    } rows[] = {{40, 30, 0}, {40, 40, 0}, {40, 60, 120}, {40, 150, 200}, {0, 0, 0}};
    for (const auto &row : rows) {
        slider.setValue(row.value, row.preload);
        EXPECT_DOUBLE_EQ(slider.preloadLength(), row.length) << row.value << " " << row.preload;
        EXPECT_FLOAT_EQ(slider.preloadingValue(), row.preload);
    }
    // Drawn: the value bar up to 20 %, the loaded bar on to 60 %, the track after it.
    slider.setValue(20.0f, 60.0f);
    const QImage picture = slider.grab().toImage();
    const auto near = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
    };
    EXPECT_TRUE(near(picture.pixelColor(90, 7), NXPreloadSlider::preloadColor()));
    EXPECT_TRUE(near(picture.pixelColor(20, 7), slider.fillColor()));
    EXPECT_TRUE(near(picture.pixelColor(160, 7), slider.backgroundColor()));
    // While the user drags the knob, the slider is not redrawn under the pointer.
    slider.setIsTrackingMouse(true);
    slider.setValue(10.0f, 90.0f);
    EXPECT_FLOAT_EQ(slider.preloadingValue(), 90.0f);
}

TEST(OnlineVideoWindow, ClosingPostsTheCloseNotificationAfterTheClose)
{
    shelltest::app();
    NXYoutubeControlller window;
    QVariant posted;
    const auto id = DNNotificationCenter::defaultCenter().addObserver(
        NXYoutubeControlller::windowWillCloseNotification, [&](const DNNotification &n) { posted = n.object; });
    window.window()->show();
    window.window()->close();
    EXPECT_FALSE(posted.isValid()) << "queued: the answer may release the window's controller";
    ASSERT_TRUE(uitest::waitFor([&] { return posted.isValid(); }, 60000));
    EXPECT_EQ(posted.value<QObject *>(), &window);
    DNNotificationCenter::defaultCenter().removeObserver(id);
}

// The main window's button flips to the online-video window; closing it flips back.
TEST(OnlineVideoWindow, TheMainWindowButtonOpensItAndTheMainWindowComesBackWhenItCloses)
{
    shelltest::MainWindowFixture w;
    NXAppController &c = w.controller;
    // Centred on the screen, narrower than the main window, so that the window flipped in on
    // the main window's centre fits the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    w.ui.window->move(screen.center().x() - w.ui.window->frameGeometry().width() / 2, screen.top());
    ASSERT_TRUE(c.youtubeDownloadButton);
    EXPECT_EQ(c.youtubeDownloadButton->highlightImageName(), QStringLiteral("online_video_on.png"));
    QTest::mouseClick(c.youtubeDownloadButton, Qt::LeftButton);
    ASSERT_TRUE(c.youtube);
    QPointer<QWidget> online = c.youtube->window();
    EXPECT_FALSE(w.ui.window->isVisible()) << "the main window goes as the flip starts";
    ASSERT_TRUE(uitest::waitFor([&] { return online->isVisible(); }, 60000));
    EXPECT_LE((online->frameGeometry().center() - w.ui.window->frameGeometry().center()).manhattanLength(), 2);
    ASSERT_TRUE(uitest::waitFor([] { return !NXWindowTransition::transition().isAnimating(); }, 60000));
    shelltest::saveWindowPicture(online, QStringLiteral("ui_onlinevideo"), QStringLiteral("window_from_main"));

    // A second click brings the same window forward.
    NXToolWindowController *opened = c.youtube.get();
    c.youtubeDownloader();
    EXPECT_EQ(c.youtube.get(), opened);

    // A close notification of another window changes nothing.
    DNNotificationCenter::defaultCenter().postNotification(NXYoutubeControlller::windowWillCloseNotification,
                                                           QVariant::fromValue(static_cast<QObject *>(&c)));
    EXPECT_EQ(c.youtube.get(), opened);

    online->move(online->pos() + QPoint(40, 30));
    const QPoint centre = online->frameGeometry().center();
    // Closed inside the program's own event loop, which ends with the last window: it goes on,
    // as the main window comes back.
    int lastWindowClosed = 0;
    QObject::connect(&w.application, &QGuiApplication::lastWindowClosed, &c, [&] { ++lastWindowClosed; });
    QTimer::singleShot(0, &c, [&] {
        online->close();
        QTimer::singleShot(1500, &c, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(QApplication::exec(), 7);
    EXPECT_EQ(lastWindowClosed, 0);
    ASSERT_TRUE(uitest::waitFor([&] { return !c.youtube; }, 60000));
    EXPECT_TRUE(online.isNull()) << "the window and its controller are released";
    ASSERT_TRUE(uitest::waitFor([&] { return w.ui.window->isVisible(); }, 60000));
    EXPECT_LE((w.ui.window->frameGeometry().center() - centre).manhattanLength(), 2);
    EXPECT_TRUE(c.mediaFiles->isEmpty()) << "the window hands back no files";
    ASSERT_TRUE(uitest::waitFor([] { return !NXWindowTransition::transition().isAnimating(); }, 60000));
}
