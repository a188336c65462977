#pragma once

#include "NXOVPlayerControl.h"

#include "ui/mainwindow/NXAppController.h"

#include <QObject>
#include <QPointer>
#include <QString>

class DNButton;
class NXPreloadSlider;
class NXSlider;
class NXVideoDownloadOption;
class NXYTView;
class QLabel;
class QLineEdit;
class QTimer;

// The online-video window: the user pastes a video's address and it plays from the network while
// it loads, the slider showing the position and how far the cache reaches; pause and resume,
// stop, seek, volume, snapshot, the download options sheet and the download folder. The
// download list's buttons are there but stay off: no download engine is built, the window plays
// and does not save. When the window closes, it posts windowWillCloseNotification (queued, with
// the controller as object) so the main window can come back; it hands back no files.
//
// It is its player's delegate and says in one message line what the player is doing: loading,
// playing, paused, and why playback ended (at the end, on a lost connection, on an address that
// could not be played, or when stopped). Main thread only.
class NXYoutubeControlller : public QObject, public NXToolWindowController, public NXOVPlayerControlDelegate
{
    Q_OBJECT
public:
    static const QString windowWillCloseNotification;   // "NXYoutubeWindowWillCloseNotification"
    // The player's cache.
    static constexpr float kCacheBufferSizeInMB = 4.0f;
    // Playback that stops more than this short of the stream's length ended early.
    static constexpr float kEndToleranceSeconds = 1.0f;

    explicit NXYoutubeControlller(QObject *parent = nullptr);
    ~NXYoutubeControlller() override;

    QWidget *window() const override;
    QStringList fileListNeedToConvert() const override { return {}; }

    NXOVPlayerControl *playerControl() const { return player_; }
    // Made on first use.
    NXVideoDownloadOption *downloadOption();

    // The window's controls (built by NXYoutubeWindowBuilder).
    QPointer<QLineEdit> addressField;
    QPointer<NXYTView> videoArea;
    QPointer<NXPreloadSlider> positionSlider;
    QPointer<NXSlider> volumeSlider;
    QPointer<DNButton> pauseButton;
    QPointer<DNButton> stopButton;
    QPointer<QLabel> playedTime;
    QPointer<QLabel> leftTime;
    QPointer<QLabel> messageLine;

    // The address field's address, when it is an http or https address (else a message).
    void playAddress();
    void pauseOrContinue();
    void stop();
    void showDownloadOptions();
    void openDownloadFolder();
    void takeSnapshot();
    // Slider, times and buttons from the player's state (a timer runs it while playing).
    void refreshPlaybackState();
    QString message() const;

    // The player's events.
    void playbackDidStarted(NXOVPlayerControl *control) override;
    void playbackDidEnded(NXOVPlayerControl *control) override;
    void playbackDidPaused(NXOVPlayerControl *control) override;
    void playbackDidContinued(NXOVPlayerControl *control) override;
    void playbackCacheUnavilabled(NXOVPlayerControl *control) override;
    void playbackCacheAvilabled(NXOVPlayerControl *control) override;

    // What the message line says when playback has ended.
    static QString endMessage(const QString &address, bool everShown, bool stoppedByUser, float position,
                              float length);

private:
    void windowWillClose();
    void showMessage(const QString &text);
    void refreshButtons();

    QWidget *window_ = nullptr;
    NXOVPlayerControl *player_ = nullptr;
    QPointer<NXVideoDownloadOption> downloadOption_;
    QTimer *refreshTimer_ = nullptr;
    QString address_;
    bool everShown_ = false;
    bool stoppedByUser_ = false;
};
