// The main window's part of the preview: its buttons, sliders and time fields drive the preview
// player, and the player's notifications put them in the state of the playback.
#include "NXAppController.h"

#include "DNWindow.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNTimeText.h"
#include "ui/controls/DNAlertSheet.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/NXSlider.h"
#include "ui/medialist/DNCell.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/player/NXMPlayerControl.h"
#include "ui/player/NXMPlayerView.h"

#include <QLabel>
#include <QMessageBox>

namespace {
constexpr int kPlaybackTimerMs = 1000;

void showImages(DNButton *button, const char *normal, const char *pressed)
{
    if (!button)
        return;
    button->setNormalImage(QString::fromLatin1(normal));
    button->setAlternateImage(DNImageNamed(QString::fromLatin1(pressed)));
}

void showStoppedImages(DNButton *button)
{
    showImages(button, "right_playback.png", "right_playback_down.png");
}

void showStartedImages(DNButton *button)
{
    showImages(button, "right_stop.png", "right_stop_down.png");
}

void showPlayingImages(DNButton *button)
{
    showImages(button, "right_pause.png", "right_pause_down.png");
}

void showPausedImages(DNButton *button)
{
    showImages(button, "right_continue.png", "right_continue_down.png");
}

void showSeconds(QLabel *field, double seconds)
{
    if (field)
        field->setText(DNTimeStringFromSeconds(int(seconds)));
}
} // namespace

void NXAppController::connectPlaybackCommands()
{
    const struct
    {
        QPointer<DNButton> NXAppController::*button;
        void (NXAppController::*action)();
    } rows[] = {
        {&NXAppController::playAndStop, &NXAppController::playbackSelected},
        {&NXAppController::pauseAndGoon, &NXAppController::pausePlayback},
        {&NXAppController::fullScreenButton, &NXAppController::makeFullScreen},
        {&NXAppController::capureSnap, &NXAppController::getSnapshot},
        {&NXAppController::openFile, &NXAppController::openSelectedFile},
    };
    for (const auto &row : rows) {
        if (DNButton *button = this->*row.button)
            connect(button, &QPushButton::clicked, this, row.action);
    }
    showStoppedImages(playAndStop);
    showPlayingImages(pauseAndGoon);
    showImages(fullScreenButton, "right_fullscreen.png", "right_fullscreen_down.png");
    // Play and pause follow the selection (enabled with one row); the full-screen button works
    // whenever a preview runs.
    if (fullScreenButton)
        fullScreenButton->setEnabled(true);
}

bool NXAppController::isVideoLoading() const
{
    if (!mplayerControl || !mplayerControl->isPlayerBegin())
        return true;
    return mplayerControl->isPlayerStartedPlaying();
}

NXMediaNodePtr NXAppController::lastSelectedEntry(bool topLevel) const
{
    if (!tableView)
        return nullptr;
    const QList<NXMediaPath> paths = tableView->viewSelectedCellPaths();
    if (paths.isEmpty())
        return nullptr;
    const NXMediaPath path = paths.last();
    if (!topLevel)
        return tableView->mediaNodeAtPath(path);
    if (path.mainIndex() < 0 || path.mainIndex() >= mediaFiles->size())
        return nullptr;
    return mediaFiles->at(path.mainIndex());
}

void NXAppController::playbackSelected()
{
    if (!mplayerControl)
        return;
    if (mplayerControl->isPlayerBegin()) {
        mplayerControl->stopPlay();
        // Every player of this program, by its id; the window waits for them.
        PlayerProcessRegistry::shared().killAll();
    } else if (const NXMediaNodePtr entry = lastSelectedEntry(true)) {
        mplayerControl->startPlaybackWithNode(entry);
    }
    Q_EMIT isVideoLoadingChanged();
}

void NXAppController::pausePlayback()
{
    if (!mplayerControl || !mplayerControl->isPlayerStartedPlaying())
        return;
    mplayerControl->pauseOrContinue();
    if (time_recoder_) {
        showPausedImages(pauseAndGoon);
        stopPlaybackTimer();
    } else {
        showPlayingImages(pauseAndGoon);
        startPlaybackTimer();
    }
}

void NXAppController::makeFullScreen()
{
    if (!mplayerControl || !mplayerControl->isPlayerStartedPlaying())
        return;
    if (mplayerControl->playbackMode() != 1) {
        mplayerControl->playbackVideoInFullScreenMode();
        if (NXMPlayerView *view = mplayerControl->playbackView())
            view->setCursor(Qt::BlankCursor);
    } else {
        mplayerControl->exitFullScreenMode();
    }
}

void NXAppController::getSnapshot()
{
    if (mplayerControl)
        mplayerControl->getSnapshotAtCurrentTime();
}

void NXAppController::openSelectedFile()
{
    if (mplayerControl)
        DNOpenFolderInFinder(mplayerControl->snapshotSavePath());
}

void NXAppController::durationValueChanged(NXSlider *slider)
{
    if (mplayerControl && slider)
        mplayerControl->seekToDuration(slider->doubleValue());
}

void NXAppController::volumeValueChanged(NXSlider *slider)
{
    if (mplayerControl && slider)
        mplayerControl->setVideoVolume(slider->floatValue());
}

void NXAppController::movieViewCellRequestPlay()
{
    const NXMediaNodePtr entry = lastSelectedEntry(false);
    if (!mplayerControl || !entry)
        return;
    if (mplayerControl->isPlayerBegin()) {
        mplayerControl->appendPlaybackItem(entry);
        mplayerControl->stopPlay();
    } else {
        mplayerControl->startPlaybackWithNode(entry);
    }
}

void NXAppController::stopPlayingMovieAnyway()
{
    if (mplayerControl && mplayerControl->isPlayerBegin())
        mplayerControl->stopPlay();
}

void NXAppController::startPlaybackTimer()
{
    if (time_recoder_)
        return;
    time_recoder_ = new QTimer(this);
    time_recoder_->setInterval(kPlaybackTimerMs);
    connect(time_recoder_, &QTimer::timeout, this, &NXAppController::playbackTimer);
    time_recoder_->start();
}

void NXAppController::stopPlaybackTimer()
{
    if (time_recoder_) {
        time_recoder_->stop();
        time_recoder_->deleteLater();
    }
    time_recoder_ = nullptr;
}

void NXAppController::playbackTimer()
{
    if (!mplayerControl)
        return;
    const double now = mplayerControl->currentPlaybackTime();
    if (mplayerControl->playbackMode() == 1) {
        if (NXMPlayerView *view = mplayerControl->playbackView())
            view->playbackTimerStep(now);
        return;
    }
    showSeconds(playedDuration, now);
    showSeconds(leftDuration, mplayerControl->videoDuration() - now);
    if (durationSlider)
        durationSlider->setDoubleValue(now);
}

void NXAppController::mplayerWillStartNotification(const DNNotification &)
{
    if (durationSlider)
        durationSlider->setEnabled(true);
    showStartedImages(playAndStop);
    for (DNButton *button : {capureSnap.data(), openFile.data()})
        if (button)
            button->setEnabled(true);
    startPlaybackTimer();
}

void NXAppController::mplayerDidStartNotification(const DNNotification &)
{
    if (mplayerControl && mplayerControl->playbackView())
        mplayerControl->playbackView()->show();
    Q_EMIT isVideoLoadingChanged();
}

void NXAppController::mplayerDidChangeStateNotification(const DNNotification &)
{
    if (mplayerControl && mplayerControl->isPlayerPuased())
        showPausedImages(pauseAndGoon);
    else
        showPlayingImages(pauseAndGoon);
}

void NXAppController::showPlaybackStopped()
{
    if (durationSlider)
        durationSlider->setEnabled(false);
    showStoppedImages(playAndStop);
    showPlayingImages(pauseAndGoon);
    for (DNButton *button : {capureSnap.data(), openFile.data()})
        if (button)
            button->setEnabled(false);
    stopPlaybackTimer();
    if (mplayerControl && mplayerControl->playbackView())
        mplayerControl->playbackView()->hide();
    if (durationSlider)
        durationSlider->setDoubleValue(0);
    showSeconds(leftDuration, 0);
    showSeconds(playedDuration, 0);
}

void NXAppController::showPreviewCannotPlay(const QString &reason)
{
    const QString title = tr("The preview cannot be played");
    DNOpenAlertSheet(mainWindow.data(), QMessageBox::Warning, title, title, reason, tr("OK"))
        ->setObjectName(QStringLiteral("previewCannotPlayAlert"));
}

void NXAppController::mplayerEndedNotification(const DNNotification &)
{
    showPlaybackStopped();
    Q_EMIT isVideoLoadingChanged();
}

void NXAppController::mplayerDurationAvailableNotification(const DNNotification &)
{
    if (!mplayerControl)
        return;
    showSeconds(leftDuration, mplayerControl->videoDuration());
    if (durationSlider)
        durationSlider->setMaxValue(mplayerControl->videoDuration());
}

void NXAppController::mplayerExitFullScreenMode(const DNNotification &)
{
    if (volumeSlider && mplayerControl)
        volumeSlider->setDoubleValue(mplayerControl->currentMPlayerVolume());
}

void NXAppController::mplayerDurationVolumeChangeNotification(const DNNotification &notification)
{
    mplayerExitFullScreenMode(notification);
}

void NXAppController::onCellWillRemoved(const DNNotification &notification)
{
    if (!tableView)
        return;
    const QList<DNCell *> selected = tableView->viewSelectedCell();
    const NXMediaNodeList removed = notification.object.value<NXMediaNodeList>();
    if (!selected.isEmpty() && !removed.isEmpty() && selected.first()->data() == removed.first())
        stopPlayingMovieAnyway();
}

void NXAppController::onCellWasClear(const DNNotification &)
{
    stopPlayingMovieAnyway();
    // The list says a selection changed only when rows were selected; an emptied list leaves
    // the window as at start in any case: no picture, no command that needs an entry.
    selectionDidChangeNotification(QVariant());
}
