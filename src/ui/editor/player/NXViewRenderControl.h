#pragma once

#include "player/editor/NXViewMPlayerRender.h"

#include "core/model/NXBasicMediaNode.h"

#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTransform>

class HVPlayerProcess;
class NXEditMovieView;
class NXViewRenderControl;

// What the editor player tells the editor controller (its video control). Each call is
// optional and arrives on the main thread.
class NXViewRenderControlDelegate
{
public:
    virtual ~NXViewRenderControlDelegate() = default;
    // A stream started: the player's picture sizes are readable.
    virtual void videoWillStartAction(NXViewRenderControl *) {}
    // The player printed "Starting playback...".
    virtual void videoStarted() {}
    virtual void videoPaused() {}
    // The first status line after a pause.
    virtual void videoContinus() {}
    // The player process has ended.
    virtual void videoStopped() {}
};

// The video editor's player: it plays the edited item in a loop, from the trim start, scaled to
// the editor's picture size, and shows each frame in the two previews (the source picture and
// the processed one). It runs the player executable (HVPlayerProcess), reads its output, and
// receives its frames through its own frame receiver (NXViewMPlayerRender), whose buffer name
// is new for every receiver.
//
// Per item: auto_detect_video_format_with_node (the receiver), the scale size, factor and
// limits, then playVideoWidthParams with the item's player arguments. The player loops back to
// the left limit at the end of the clip; the right limit and the crop flag are kept for the
// editor, and nothing stops playback at the right limit.
//
// status() is StatusWaitingCache from a launch until the player has ended (it answers for the
// whole run); whether it is paused is isPaused().
//
// Main thread only.
class NXViewRenderControl : public QObject, public NXViewMPlayerRenderDelegate
{
    Q_OBJECT
public:
    // What status() answers.
    enum Status { StatusStopped = 0, StatusPlaying = 1, StatusWaitingCache = 2, StatusPaused = 3 };

    explicit NXViewRenderControl(QObject *parent = nullptr);
    // Ends a running player.
    ~NXViewRenderControl() override;

    // Makes the frame receiver when there is none (under the next editor buffer name) and asks it
    // for the item's pixel format.
    void auto_detect_video_format_with_node(const NXMediaNodePtr &item);
    NXViewMPlayerRender *videoEditRender() const { return videoEditRender_; }

    // The two previews: the source picture and the processed one.
    NXEditMovieView *originalView() const { return originalView_; }
    NXEditMovieView *effectView() const { return effectView_; }
    void setOriginalView(NXEditMovieView *view) { originalView_ = view; }
    void setEffectView(NXEditMovieView *view) { effectView_ = view; }

    // The picture shown (the scaled size, or the source size over the factor) and the source's.
    int videoHeight() const { return flags_.videoHeight; }
    int videoWidth() const { return flags_.videoWidth; }
    int originalVideoHeight() const { return flags_.originalHeight; }
    int originalVideoWidth() const { return flags_.originalWidth; }

    // The size the player scales frames to, and the source pixels per shown pixel. A picture of
    // non-square pixels is shown in its display shape: then a shown pixel covers more source
    // pixels one way than the other, and the factor has one value across and one down.
    void setScaleVideoSize(QSizeF size) { flags_.scaleSize = size; }
    QSizeF scaleVideoSize() const { return flags_.scaleSize; }
    void setScaleVideoSizeFactor(float factor) { flags_.scaleSizeFactor = QSizeF(factor, factor); }
    void setScaleVideoSizeFactor(QSizeF factor) { flags_.scaleSizeFactor = factor; }
    QSizeF scaleVideoSizeFactor() const { return flags_.scaleSizeFactor; }

    // The trim limits in seconds; playback starts at the left one.
    void setLimitedLeftTime(float seconds) { flags_.leftLimitedTime = seconds; }
    void setLimitedRightTime(float seconds) { flags_.rightLimitedTime = seconds; }
    void setLimitedLeftTime(float left, float right);
    // The limits as fractions of the duration.
    void setPercentageLimitedLeftTime(float left, float right);
    float limitedLeftTime() const { return flags_.leftLimitedTime; }
    float limitedRightTime() const { return flags_.rightLimitedTime; }
    void setEnableCropVideo(bool enable) { flags_.enableCrop = enable; }
    bool isEnableCropVideo() const { return flags_.enableCrop; }

    bool isPaused() const { return flags_.isPaused; }
    // Trim limits 0 and 3600000 s.
    void makeInit();
    int status() const;

    void setDuration(float seconds) { flags_.duration = seconds; }
    float duration() const { return flags_.duration; }
    float currentPlaybackTime() const { return flags_.currentPlaybackTime; }
    float currentLeftTime() const { return flags_.duration - flags_.currentPlaybackTime; }
    // 0 while no duration is known (rather than a quotient of nothing for the editor's slider).
    float currentPlaybackPercent() const;

    // Launches the player with the item's leading arguments.
    void playVideoWidthParams(const QStringList &params) { startPlaybackWithParams(params); }
    // Commands; while paused, a volume change or a relative seek leaves the player paused.
    void setPlayerVolume(float volume);
    float playerVolume() const { return flags_.volumes; }
    void seekToDuration(double seconds);
    void seekToDurationInPercent(float percent);
    void skipDefaultSeconds() { skipSeconds(5.0); }
    void skipSeconds(double seconds);
    // The paused flag follows the player's output.
    void pauseOrContinue();
    // Both previews stop drawing, then the player is asked to quit.
    void stopPlay();
    // Asks the player for a snapshot. The player writes snapshots into its working folder, which
    // is fixed when it is launched: the folder given counts from the next launch on. (The
    // editor's argument vector has no snapshot filter, so the player writes none.)
    void saveSnapshotToDirectory(const QString &folder);
    void setCurrentDirectoryPath(const QString &folder) { currentDirectoryPath_ = folder; }
    // The working folder of the next launch: the folder set last, else the user's pictures
    // folder (the home folder when that is missing).
    QString workingDirectory() const;

    // seconds / duration (a fraction; 0 while no duration is known), and back.
    float convertTimeToPercent(float seconds) const;
    float convertPercentToTime(float fraction) const { return flags_.duration * fraction; }

    NXViewRenderControlDelegate *videoControl() const { return videoControl_; }
    void setVideoControl(NXViewRenderControlDelegate *control) { videoControl_ = control; }

    // The frames reach the previews scaled by this when the player's frame size is not the
    // shown size.
    bool needApplyTransform() const { return flags_.needApplyTransform; }
    QTransform transform() const { return flags_.transform; }

    HVPlayerProcess *playerProcess() const { return myEditMplayerTask_; }

    // The frame receiver's events. The start of a stream is taken once the player's output has
    // told the source size (or has passed the point where it would): the frame and the text come
    // by two roads and either may be first. Frames that come before wait for it.
    void videoWillStart(NXViewMPlayerRender *render) override;
    void videoWillStop(NXViewMPlayerRender *render) override;
    void videoNeedDisplay(const QImage &image) override;

    void startPlaybackWithParams(const QStringList &params);
    void sendToMplayersInput(const QString &command);
    // Complete lines of the player's standard output.
    void readOutputLines(const QStringList &lines);
    // The player process ended.
    void mplayerTerminated();

private:
    void setViewsStopped(bool stopped);
    void endPlayer();
    void takeStreamStartWhenSized();

    struct NXEditFlags
    {
        bool isStarted = false;
        bool isPaused = false;
        bool isWaitingCache = false;
        bool enableCrop = false;
        float currentPlaybackTime = 0;
        float duration = 0;
        float volumes = 0;
        int videoHeight = 0;
        int originalHeight = 0;
        int videoWidth = 0;
        int originalWidth = 0;
        bool needApplyTransform = false;
        QTransform transform;
        float leftLimitedTime = 0;
        float rightLimitedTime = 0;
        QSizeF scaleSize;
        QSizeF scaleSizeFactor{0, 0};
    } flags_;

    NXViewRenderControlDelegate *videoControl_ = nullptr;
    NXViewMPlayerRender *videoEditRender_ = nullptr;
    HVPlayerProcess *myEditMplayerTask_ = nullptr;
    QPointer<NXEditMovieView> originalView_;
    QPointer<NXEditMovieView> effectView_;
    QString currentDirectoryPath_;
    bool streamStartPending_ = false;
    bool startingPlaybackSeen_ = false;
    QImage pendingFrame_;
};
