// The main window's preview controls driven as a user drives them, over the real player on a
// private X display: play the selected row, pause and go on, the times and the position slider,
// full screen with its bar, the volume slider, a row's own play button, and stop.
#include "../player/player_test_support.h"

#include "support/packedyuv.h"
#include "support/process.h"
#include "dvd/DNDVDNode.h"
#include "player/HVPlayerProcess.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/NXSlider.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/medialist/DNCell.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/player/NXMPlayerControl.h"
#include "ui/player/NXMPlayerControlBar.h"
#include "ui/player/NXMPlayerView.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTime>

using playertest::NotificationCounter;
using playertest::waitFor;

namespace {

struct Window
{
    playertest::Application application;
    NXAppController controller;
    NXMainWindowInterface ui;

    Window()
    {
        playertest::freshSnapshotFolder();
        NXMediaTableView::setAnimationDurationMs(0);
        ui = NXBuildMainWindow(&controller);
        controller.onApplicationDidFinishLaunching();
        ui.window->resize(1040, 660);
        ui.window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(ui.window));
    }
    ~Window() { delete ui.window; }

    NXMPlayerControl &player() const { return *controller.mplayerControl; }

    // Adds the files (a relative path names an authored one) and answers the profile chooser of
    // a first load.
    void addFiles(const QStringList &files)
    {
        QStringList paths;
        for (const QString &file : files)
            paths << (QDir::isAbsolutePath(file) ? file : testsupport::fixturePath(file));
        controller.addFilesFromContentOfFiles(paths);
        auto *chooser = controller.profileController ? controller.profileController->profileChooseController() : nullptr;
        if (chooser && chooser->choosePanel() && chooser->choosePanel()->isVisible())
            QTest::mouseClick(chooser->doneButton(), Qt::LeftButton);
    }
    DNCell *row(int index) const { return DNCell::cellOfNode(controller.mediaFiles->at(index).get()); }
    void select(int index) const { QTest::mouseClick(row(index), Qt::LeftButton, {}, QPoint(row(index)->width() - 40, 12)); }
    void click(QWidget *button) const { QTest::mouseClick(button, Qt::LeftButton); }

    bool shows(DNButton *button, const char *picture) const
    {
        return button->normalImage().toImage() == DNImageNamed(QString::fromLatin1(picture)).toImage();
    }
    bool stoppedControls() const
    {
        const NXAppController &c = controller;
        return !c.durationSlider->isEnabled() && c.durationSlider->doubleValue() == 0 &&
               c.playedDuration->text() == QStringLiteral("00:00:00") &&
               c.leftDuration->text() == QStringLiteral("00:00:00") && !c.capureSnap->isEnabled() &&
               !c.openFile->isEnabled() && !c.time_recoder_ && shows(c.playAndStop, "right_playback.png") &&
               shows(c.pauseAndGoon, "right_pause.png") && !player().playbackView()->isVisible();
    }
};

// The player's quadrants over and over for ten minutes, copied rather than encoded again: no wait
// of a test plays it to its end, however busy the machine, and a time far into it is reached by a
// seek only. Empty when ffmpeg could not make it.
constexpr int kLongSeconds = 600;
QString longQuadrants(const QTemporaryDir &folder)
{
    const QString clip = folder.filePath(QStringLiteral("long.mp4"));
    const testsupport::ProcessResult made = testsupport::runProcess(
        QStringLiteral("ffmpeg"), {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                                   QStringLiteral("-stream_loop"), QString::number(kLongSeconds / 8 - 1),
                                   QStringLiteral("-i"), testsupport::fixturePath(QStringLiteral("player/quadrants.mp4")),
                                   QStringLiteral("-c"), QStringLiteral("copy"), clip});
    return made.exitCode == 0 ? clip : QString();
}

// The whole seconds a time field shows ("hh:mm:ss").
int seconds(const QLabel *field)
{
    return QTime(0, 0).secsTo(QTime::fromString(field->text(), QStringLiteral("hh:mm:ss")));
}

} // namespace

TEST(MainWindowPreview, PlayPauseFullScreenAndStopAsAUserWould)
{
    NotificationCounter seen;
    Window w;
    NXAppController &c = w.controller;
    QTemporaryDir folder;
    const QString clip = longQuadrants(folder);
    ASSERT_FALSE(clip.isEmpty());
    w.addFiles({clip});
    ASSERT_EQ(c.mediaFiles->size(), 1);
    EXPECT_TRUE(w.stoppedControls());
    QStringList loading;
    QObject::connect(&c, &NXAppController::isVideoLoadingChanged, &c,
                     [&] { loading << (c.isVideoLoading() ? QStringLiteral("yes") : QStringLiteral("no")); });

    // Play the selected row: the controls go to the started state, the picture lies over the
    // placeholder and shows the file.
    w.select(0);
    w.click(c.playAndStop);
    EXPECT_FALSE(c.isVideoLoading());
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 1 && w.player().renderer()->framesDrawn() >= 3; }));
    EXPECT_TRUE(c.isVideoLoading());
    EXPECT_EQ(loading, (QStringList{QStringLiteral("no"), QStringLiteral("yes")}));
    EXPECT_TRUE(c.durationSlider->isEnabled());
    EXPECT_TRUE(w.shows(c.playAndStop, "right_stop.png"));
    EXPECT_TRUE(c.capureSnap->isEnabled() && c.openFile->isEnabled());
    EXPECT_TRUE(c.time_recoder_);
    NXMPlayerView *view = w.player().playbackView();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->geometry(), c.previewFrameInWindow());
    // The length once the player has told it: the time left shows it, less what the timer has
    // seen played since (a busy machine may serve both before the test looks).
    const auto expectLengthShown = [&] {
        const int shown = seconds(c.leftDuration) + seconds(c.playedDuration);
        EXPECT_TRUE(shown == kLongSeconds || shown == kLongSeconds - 1)
            << c.playedDuration->text().toStdString() << " played, " << c.leftDuration->text().toStdString() << " left";
    };
    ASSERT_TRUE(waitFor([&] { return c.durationSlider->maxValue() > 0; }));
    EXPECT_NEAR(c.durationSlider->maxValue(), kLongSeconds, 0.5);
    expectLengthShown();
    const QImage window = w.ui.window->grab().toImage();
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("ui_mainwindow"), QStringLiteral("main_window_preview"));
    // The 4:3 picture in the 336 x 189 preview: 252 x 189 between bands.
    const QRect frame = c.previewFrameInWindow().translated(w.ui.window->centralWidget()->mapTo(w.ui.window, QPoint(0, 0)));
    const QPoint centre = frame.center();
    EXPECT_TRUE(testsupport::coloursNear(window.pixelColor(centre + QPoint(-63, -47)), Qt::red));
    EXPECT_TRUE(testsupport::coloursNear(window.pixelColor(centre + QPoint(63, 47)), Qt::white));
    EXPECT_EQ(window.pixelColor(frame.left() + 10, centre.y()), QColor(Qt::black));

    // The timer moves the played time and the slider every second.
    ASSERT_TRUE(waitFor([&] { return c.playedDuration->text() != QStringLiteral("00:00:00"); }));
    EXPECT_GT(c.durationSlider->doubleValue(), 0);
    expectLengthShown();

    // Pause: the paused picture, no timer, the times stand still; again: back to playing.
    w.click(c.pauseAndGoon);
    EXPECT_FALSE(c.time_recoder_);
    ASSERT_TRUE(waitFor([&] { return w.player().isPlayerPuased(); }));
    EXPECT_TRUE(w.shows(c.pauseAndGoon, "right_continue.png"));
    const QString frozen = c.playedDuration->text();
    QTest::qWait(1200);
    EXPECT_EQ(c.playedDuration->text(), frozen);
    w.click(c.pauseAndGoon);
    EXPECT_TRUE(c.time_recoder_);
    ASSERT_TRUE(waitFor([&] { return !w.player().isPlayerPuased(); }));
    EXPECT_TRUE(w.shows(c.pauseAndGoon, "right_pause.png"));

    // The volume slider.
    QTest::mouseClick(c.volumeSlider, Qt::LeftButton, {}, QPoint(c.volumeSlider->width() / 4, 5));
    EXPECT_NEAR(w.player().currentMPlayerVolume(), 25.0, 3.0);

    // Full screen: a mouse movement shows the bar; its slider seeks; the timer moves it; Escape
    // leaves, and the volume slider follows the player's volume.
    w.click(c.fullScreenButton);
    EXPECT_EQ(w.player().playbackMode(), 1u);
    ASSERT_TRUE(waitFor([&] { return view->isFullScreen() || view->isWindow(); }));
    QTest::mouseMove(view, QPoint(200, 200));
    QTest::mouseMove(view, QPoint(220, 210));
    ASSERT_TRUE(waitFor([&] { return view->controlBar() != nullptr; }));
    NXSlider *bar = view->controlBar()->durationSlider();
    EXPECT_NEAR(bar->maxValue(), kLongSeconds, 0.5);
    // Three quarters into the clip: a time that playing on would take minutes to reach, so the
    // player reports it only once it has answered the seek.
    QElapsedTimer sinceSeek;
    sinceSeek.start();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, 7));
    const float target = float(bar->doubleValue());
    EXPECT_NEAR(target, kLongSeconds * 3 / 4.0, kLongSeconds / 20.0);
    ASSERT_TRUE(waitFor([&] { return w.player().currentPlaybackTime() >= target - 1.0f; }))
        << "the player reports " << w.player().currentPlaybackTime() << " s after a seek to " << target << " s";
    EXPECT_LE(w.player().currentPlaybackTime(), target + sinceSeek.elapsed() / 1000.0f + 1.0f);
    c.playbackTimer();
    EXPECT_NEAR(bar->doubleValue(), w.player().currentPlaybackTime(), 0.5);
    c.volumeSlider->setDoubleValue(0);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(w.player().playbackMode(), 0u);
    EXPECT_EQ(view->geometry(), c.previewFrameInWindow());
    EXPECT_EQ(c.volumeSlider->doubleValue(), double(w.player().currentMPlayerVolume()));

    // Stop: every player ends and the controls go back to their stopped state.
    w.click(c.playAndStop);
    EXPECT_FALSE(w.player().playerProcess());
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_TRUE(w.stoppedControls());
    EXPECT_TRUE(c.isVideoLoading());
    EXPECT_FALSE(playertest::previewBufferLeft());
}

// A row's play button while another entry plays queues that entry and stops the current one;
// clearing the list stops the player.
TEST(MainWindowPreview, RowPlayButtonQueuesBehindThePlayingEntry)
{
    NotificationCounter seen;
    Window w;
    NXAppController &c = w.controller;
    w.addFiles({QStringLiteral("player/quadrants.mp4"), QStringLiteral("player/quadrants_2vuy.mov")});
    ASSERT_EQ(c.mediaFiles->size(), 2);
    w.select(0);
    w.click(c.playAndStop);
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 1 && seen["WillStart"] == 1; }));
    EXPECT_TRUE(c.mediaFiles->at(0)->isPlaying());

    DNCell *second = w.row(1);
    second->onDNNotificationScrollWheel(second->mapToGlobal(QPoint(second->width() / 2, 10)));
    auto *thumbnail = second->findChild<DNCellTrackImageView *>();
    ASSERT_TRUE(thumbnail && thumbnail->playIcon() && thumbnail->playIcon()->isVisible());
    w.click(thumbnail->playIcon());
    // The first entry's end comes before the second's start, which finds the controls stopped
    // and starts them again.
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 2 && seen["WillStart"] == 2; }));
    EXPECT_EQ(seen["DidEnd"], 1);
    EXPECT_TRUE(c.durationSlider->isEnabled());
    EXPECT_TRUE(w.player().playbackView()->isVisible());
    EXPECT_FALSE(c.mediaFiles->at(0)->isPlaying());
    EXPECT_TRUE(c.mediaFiles->at(1)->isPlaying());
    EXPECT_EQ(w.player().currentPlaybackNode(), c.mediaFiles->at(1));

    c.tableView->clearAll();
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 2; }));
    EXPECT_TRUE(w.stoppedControls());
}

// Removing the first selected row while it plays stops the player; removing another does not.
TEST(MainWindowPreview, RemovingThePlayingSelectedRowStopsThePlayer)
{
    NotificationCounter seen;
    Window w;
    NXAppController &c = w.controller;
    w.addFiles({QStringLiteral("player/quadrants.mp4"), QStringLiteral("player/quadrants_2vuy.mov")});
    w.select(0);
    w.click(c.playAndStop);
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 1 && seen["WillStart"] == 1; }));
    const QString name = QStringLiteral("NXMediaTableViewWillRemoveCellsNotification #_#");
    DNNotificationCenter::defaultCenter().postNotification(
        name, QVariant::fromValue(NXMediaNodeList{c.mediaFiles->at(1)}));
    EXPECT_TRUE(w.player().isPlayerBegin());
    DNNotificationCenter::defaultCenter().postNotification(
        name, QVariant::fromValue(NXMediaNodeList{c.mediaFiles->at(0)}));
    EXPECT_FALSE(w.player().isPlayerBegin());
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
}

// Play on a DVD title row plays the row's whole DVD source.
TEST(MainWindowPreview, PlayOnADVDTitleRowPlaysItsSource)
{
    NotificationCounter seen;
    Window w;
    NXAppController &c = w.controller;
    const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(playertest::dvdItem(QStringLiteral("dvd/ntsc.iso")));
    ASSERT_TRUE(dvd);
    c.actionForDVDScaner(dvd);
    const QList<NXMediaPath> selected = c.tableView->viewSelectedCellPaths();
    ASSERT_FALSE(selected.isEmpty());
    EXPECT_GE(selected.last().childIndex(), 0);   // a title row
    w.click(c.playAndStop);
    EXPECT_EQ(w.player().currentPlaybackNode(), dvd);
    EXPECT_EQ(w.player().playerProcess()->arguments().first(),
              QStringLiteral("dvdnav://%1").arg(dvd->titleSelected() + 1));
    ASSERT_TRUE(waitFor([&] { return seen["WillStart"] == 1; }));
    w.click(c.playAndStop);
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_TRUE(w.stoppedControls());
}

// A user whose home has no Pictures folder: Play plays all the same, and a snapshot lands in the
// folder, which was made for it.
TEST(MainWindowPreview, PlaysWhereThePicturesFolderIsMissing)
{
    NotificationCounter seen;
    Window w;
    NXAppController &c = w.controller;
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldPictures = qgetenv("XDG_PICTURES_DIR");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_PICTURES_DIR");
    const QString pictures = home.path() + QStringLiteral("/Pictures");
    ASSERT_FALSE(QFileInfo::exists(pictures));
    DNSetting::shareSetting().appSetting()->setSnapshotDirectory(pictures);

    w.addFiles({QStringLiteral("player/quadrants.mp4")});
    w.select(0);
    w.click(c.playAndStop);
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 1 && w.player().renderer()->framesDrawn() >= 3; }));
    EXPECT_TRUE(QFileInfo(pictures).isDir());
    EXPECT_EQ(w.player().snapshotSavePath(), pictures);
    EXPECT_FALSE(w.ui.window->findChild<QMessageBox *>(QStringLiteral("previewCannotPlayAlert")));
    w.click(c.capureSnap);
    EXPECT_TRUE(waitFor([&] { return !QDir(pictures).entryList({QStringLiteral("*.png")}).isEmpty(); }));
    w.click(c.playAndStop);
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    qputenv("HOME", oldHome);
    if (!oldPictures.isEmpty())
        qputenv("XDG_PICTURES_DIR", oldPictures);
}

// A player that cannot be started says so on the window, and the controls stay stopped.
TEST(MainWindowPreview, APlayerThatCannotStartSaysSo)
{
    NotificationCounter seen;
    Window w;
    NXAppController &c = w.controller;
    w.addFiles({QStringLiteral("player/quadrants.mp4")});
    QTemporaryDir prefix;
    const QString fws = prefix.path() + QStringLiteral("/lib/talvane/fws");
    QDir().mkpath(fws);
    QFile player(fws + QStringLiteral("/HVPlayer"));
    ASSERT_TRUE(player.open(QIODevice::WriteOnly));
    player.write("not a program\n");
    player.close();
    player.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    DNBundle::setPrefixOverride(prefix.path());
    w.select(0);
    w.click(c.playAndStop);
    QMessageBox *alert = nullptr;
    const bool shown = waitFor([&] {
        alert = w.ui.window->findChild<QMessageBox *>(QStringLiteral("previewCannotPlayAlert"));
        return alert && alert->isVisible();
    });
    DNBundle::setPrefixOverride(QString());
    ASSERT_TRUE(shown);
    EXPECT_EQ(alert->text(), QStringLiteral("The preview cannot be played"));
    EXPECT_TRUE(alert->informativeText().startsWith(QStringLiteral("The player cannot be started: ")))
        << alert->informativeText().toStdString();
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("preview_cannot_play_alert"));
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
    EXPECT_TRUE(w.stoppedControls());
    alert->close();
}

// Leaving full screen, with the control bar shown or after it went, neither moves nor ends the
// playback: the time the player reports afterwards goes on from where it was. The margin is the
// time passed meanwhile, and three seconds besides: a busy machine may hold the player's reports
// back that long before the first one is read (a seek's step is ten seconds).
TEST(MainWindowPreview, LeavingFullScreenKeepsThePlaybackWhereItWas)
{
    NotificationCounter seen;
    Window w;
    NXAppController &c = w.controller;
    QTemporaryDir folder;
    const QString clip = longQuadrants(folder);
    ASSERT_FALSE(clip.isEmpty());
    w.addFiles({clip});
    w.select(0);
    w.click(c.playAndStop);
    ASSERT_TRUE(waitFor([&] { return seen["DidStart"] == 1 && w.player().currentPlaybackTime() > 0.5f; }));
    NXMPlayerView *view = w.player().playbackView();

    // The playback time the player reports, read over a short while so that a seek shows.
    const auto playingOnFrom = [&](float before, const QElapsedTimer &clock, const char *what) {
        SCOPED_TRACE(what);
        QTest::qWait(1500);
        const float after = w.player().currentPlaybackTime();
        EXPECT_TRUE(w.player().isPlayerBegin());
        EXPECT_GE(after, before - 0.5f);
        EXPECT_LE(after, before + clock.elapsed() / 1000.0f + 3.0f);
    };

    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        w.click(c.fullScreenButton);
        ASSERT_EQ(w.player().playbackMode(), 1u);
        ASSERT_TRUE(waitFor([&] { return view->isFullScreen() || view->isWindow(); }));
        // Into the picture, then onto the bar.
        QTest::mouseMove(view, QPoint(200, 200));
        QTest::mouseMove(view, QPoint(220, view->height() - 5));
        ASSERT_TRUE(waitFor([&] { return view->controlBar() != nullptr; }));
        // The main window's timer moves the bar's slider as the playback goes on.
        QTest::qWait(2200);
        if (round == 1) {
            // The bar fades and goes without movement.
            ASSERT_TRUE(waitFor([&] { return view->controlBar() == nullptr; }, 60000));
        }
        const float before = w.player().currentPlaybackTime();
        QElapsedTimer clock;
        clock.start();
        if (round == 2)
            w.player().exitFullScreenMode();
        else
            QTest::keyClick(view, Qt::Key_Escape);
        EXPECT_EQ(w.player().playbackMode(), 0u);
        playingOnFrom(before, clock, "after leaving full screen");
    }
    w.click(c.playAndStop);
    ASSERT_TRUE(waitFor([&] { return seen["DidEnd"] == 1; }));
}
