#pragma once

#include "MPlayerVideoRenderer.h"
#include "NXMPlayerViewDelegate.h"

#include "core/model/NXBasicMediaNode.h"

#include <QList>
#include <QRecursiveMutex>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class HVPlayerProcess;
class NXMPlayerOpenGLView;
class NXMPlayerView;

// The preview player of the main window: it runs the player executable for the item the user
// picks (HVPlayerProcess), draws its frames (MPlayerVideoRenderer into an OpenGL view hosted by
// the playback view NXMPlayerView), keeps a queue of items waiting to play, the preview volume,
// mute and full screen, and reports what the main window shows through notifications:
//   "NXMPlayerControlPlaybackWillStart ~_~"         a stream was mapped, its display size known
//   "NXMPlayerControlPlaybackDidStart ~_~"          the player printed "Starting playback..."
//   "NXMPlayerControlPlaybackDidEnd ^_^"            playback ended (posted once per end)
//   "NXMPlayerControlDidVolumeChanged @_@"          after a volume or mute change was sent
//   "NXMPlayerControlPlaybackDurationAvailable >_<" 0.1 s after each stream length line
//   "NXMPlayerControlPlaybackStatusChanged #_#"     the pause state changed
//   "NXMPlayerControlWillExitFullScreenMode =_="    after full screen was left
// each with the control (a QObject pointer) as object. Main thread only.
class NXMPlayerControl : public QObject, public MPlayerVideoRendererTarget, public NXMPlayerViewDelegate
{
    Q_OBJECT
public:
    enum Status { StatusIdle = 0, StatusPlaying = 1, StatusPaused = 2 };

    // Reads the volume from the user default "mplayer_volumes" (100.0, written there, when it is
    // absent) and builds the two views.
    explicit NXMPlayerControl(QObject *parent = nullptr);
    ~NXMPlayerControl() override;

    // Creates what is missing: the OpenGL view, the playback view holding it, the queue.
    void doInitControlWork();

    NXMPlayerOpenGLView *openGLView() const;
    NXMPlayerView *playbackView() const;
    MPlayerVideoRenderer *renderer() const { return render_; }

    float videoDuration() const { return flag_.duration; }
    void setVideoDuration(float seconds) { flag_.duration = seconds; }
    float currentPlaybackTime() const { return flag_.currentPlaybackTime; }
    float currentMPlayerVolume() const { return flag_.volumes; }
    unsigned status() const;
    bool isPlayerBegin() const { return flag_.isBegined; }
    bool isPlayerStartedPlaying() const { return flag_.isStarted; }
    bool isPlayerPuased() const { return flag_.isPaused; }
    bool isMute() const { return flag_.isMute; }
    unsigned playbackMode() const { return flag_.isFullScreen ? 1 : 0; }

    // Plays the item (a DVD title plays its DVD source); an item that is not playable is ignored.
    void startPlaybackWithNode(const NXMediaNodePtr &node);
    void appendPlaybackItem(const NXMediaNodePtr &node);
    NXMediaNodePtr currentPlaybackNode() const { return currentPBNode_; }
    int queuedItemCount() const;

    void setVideoAspect(QSizeF aspect) { flag_.videoAspect = aspect; }
    QSizeF videoAspect() const { return flag_.videoAspect; }
    void setPlaybackFilePath(const QString &path) { setCurSelectedFile(path); }
    QString curSelectedFile() const { return curSelectedFile_; }
    void setCurSelectedFile(const QString &path) { curSelectedFile_ = path; }

    // Writes a slave command to the running player (dropped when none runs).
    void sendToMplayersInput(const QString &command);
    // Launches the player with the item's leading arguments.
    void startPlaybackWithParams(const QStringList &params);

    void pauseOrContinue();
    // "quit" to the player; begun and started are cleared at once.
    void stopPlay();
    void setMute(bool mute);
    void louderSpeaker();
    void lowerSpeaker();
    void setVideoVolume(float volume);
    void seekToDuration(double seconds);
    void skipSeconds(double seconds);
    void getSnapshotAtCurrentTime();
    // The running player's working folder (the snapshot folder); empty without a player.
    QString snapshotSavePath() const;

    void playbackVideoInFullScreenMode();
    void exitFullScreenMode();
    // The playback view's new frame in the main window's content.
    void adjust(const QRect &frame);
    void setResolutionWidth(float width, float height) { flag_.videoFrame = QRectF(0, 0, width, height); }
    void setResolution(const QRectF &frame) { flag_.videoFrame = frame; }
    // Mode 0 fits the display size into the view; other modes hand the stored rectangles on.
    void adjustResolution(unsigned mode);

    // The display size the picture is fitted with (-1 until a stream starts).
    QSizeF videoDisplaySize() const { return QSizeF(flag_.VideoWidth_m, flag_.videoHieht_m); }
    HVPlayerProcess *playerProcess() const { return myTask_; }

    // Renderer callbacks.
    void mplayerWillStart(MPlayerVideoRenderer *renderer) override;
    void mplayerDidStart(MPlayerVideoRenderer *renderer) override;
    void mplayerDidEnded(MPlayerVideoRenderer *renderer) override;
    // The player process ended.
    void mplayerTerminated();
    // Complete lines of the player's standard output.
    void readOutputLines(const QStringList &lines);

    // The playback view's requests in full screen.
    double fullScreenModeRequestVideoDuration() override { return videoDuration(); }
    double fullScreenModeRequestVideoVolume() override { return currentMPlayerVolume(); }
    double fullScreenModeRequestVideoCurrentPlaybackTime() override { return currentPlaybackTime(); }
    void fullScreenModeRequestPauseOrContinue(NXMPlayerView *) override { pauseOrContinue(); }
    void fullScreenModeRequestSeek(NXMPlayerView *, double seconds) override { seekToDuration(seconds); }
    void fullScreenModeRequestLouderVolume(NXMPlayerView *) override { louderSpeaker(); }
    void fullScreenModeRequestLowerVolume(NXMPlayerView *) override { lowerSpeaker(); }
    void fullScreenModeRequestSetVolume(NXMPlayerView *, float volume) override { setVideoVolume(volume); }
    void fullScreenModeRequestExite(NXMPlayerView *) override { exitFullScreenMode(); }
    void fullScreenModeWillShowControlBar() override;
    void fullScreenModeDidHiddenControlBar() override;

    // The picture rectangles handed to the renderer last.
    QRectF videoFrame() const { return flag_.videoFrame; }
    QRectF playPortFrame() const { return flag_.playPortFrame; }

Q_SIGNALS:
    // Every complete output line of the player, as read (for whoever watches the player).
    void playerOutputLine(const QString &line);
    // No player could be started for the item: reason says why (no OpenGL, or the executable
    // did not start). The end of playback follows as for any end.
    void playerCannotStart(const QString &reason);

private:
    // What an end of playback does, whether the stream or the process reported it.
    void playbackDidEnd();
    void detectVolumesAndSet();
    void postDurationAvailableNotification();
    void stopedAndClean();
    void checkPlaybackQueueStatus();
    void mplayerRequest2UpdateWithCommandsNotification();
    void post(const char *name);
    void enqueueDidEnd();
    QRect mainScreenFrame() const;
    // The folder the player runs in: the snapshot folder, made when it is missing; where it
    // cannot be made, the pictures folder or home, so that the preview still plays.
    QString playerWorkingFolder() const;

    struct Flags
    {
        bool isPaused = false;
        bool isStarted = false;
        bool isBegined = false;
        bool isFullScreen = false;
        bool isMute = false;
        float volumes = 100.0f;
        float duration = 0;
        float currentPlaybackTime = 0;
        QRectF videoFrame;
        QRectF playPortFrame;
        float VideoWidth_m = -1.0f;
        float videoHieht_m = -1.0f;
        QSizeF videoAspect{-1, -1};
        QRect previousPlaybackRect;
    } flag_;

    MPlayerVideoRenderer *render_ = nullptr;
    HVPlayerProcess *myTask_ = nullptr;
    QString curSelectedFile_;
    QList<NXMediaNodePtr> playbackQueue_;
    QPointer<NXMPlayerView> playbackView_;
    QPointer<NXMPlayerOpenGLView> openGLView_;
    NXMediaNodePtr currentPBNode_;
    mutable QRecursiveMutex lock_;
    bool didEndPending_ = false;
    // Counts launches; a stream belongs to the run that was current when it started.
    quint64 runNumber_ = 0;
    quint64 streamRun_ = 0;
    // The end of the current stream (or run) was announced.
    bool endAnnounced_ = false;
    QPointer<QWidget> windowedParent_;
};
