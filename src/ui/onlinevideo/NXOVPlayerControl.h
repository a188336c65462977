#pragma once

#include "player/NXOVPlayback.h"
#include "ui/player/MPlayerVideoRenderer.h"
#include "ui/player/NXMPlayerOpenGLView.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QRecursiveMutex>
#include <QString>
#include <QStringList>

class DNButton;
class HVPlayerProcess;
class NXButton;
class NXOVPlayerControl;

// What the online-video player tells its delegate, each with the control. The four playback
// events are optional; a delegate must answer both cache events.
class NXOVPlayerControlDelegate
{
public:
    virtual ~NXOVPlayerControlDelegate() = default;
    virtual void playbackDidStarted(NXOVPlayerControl *) {}
    virtual void playbackDidEnded(NXOVPlayerControl *) {}
    virtual void playbackDidPaused(NXOVPlayerControl *) {}
    virtual void playbackDidContinued(NXOVPlayerControl *) {}
    virtual void playbackCacheUnavilabled(NXOVPlayerControl *) = 0;
    virtual void playbackCacheAvilabled(NXOVPlayerControl *) = 0;
};

// The online-video player: runs the player executable on a network address with a cache
// (HVPlayerProcess), reads its output one chunk at a time (NXOVPlayback), draws its frames
// through a renderer of its own into the window's OpenGL view, and reports start, end, pause,
// resume and the cache state to its delegate. Each launch gets a new renderer, under the next
// online buffer name, which goes when its player ends.
//
// The window builds the buttons and views and connects them to the outlets below, then calls
// awakeFromNib. Main thread only.
class NXOVPlayerControl : public QObject, public MPlayerVideoRendererTarget
{
    Q_OBJECT
public:
    explicit NXOVPlayerControl(QObject *parent = nullptr);
    // Ends a running player (and waits for it).
    ~NXOVPlayerControl() override;

    // ------------------------------------------------------------------ outlets
    QPointer<DNButton> addNewPageLink;
    QPointer<DNButton> clearAllFinishNode;
    QPointer<DNButton> clearAllNode;
    QPointer<DNButton> downloaderSetting;
    QPointer<DNButton> updateDownloader;
    QPointer<DNButton> openTargetFolder;
    QPointer<DNButton> getSnapshot;
    QPointer<NXButton> startDownloadButton;
    QPointer<NXMPlayerOpenGLView> openGLView_;
    QPointer<QLabel> companyLogo_;

    // Once, and only when every button is connected: the state cleared (no cache argument) and
    // the buttons' highlight pictures set.
    void makeInit();
    void awakeFromNib() { makeInit(); }
    bool isMakeInit() const { return isMakeInit_; }

    // NXOVPlayback::Status.
    int status() const { return NXOVPlayback::status(flags_); }
    NXMPlayerOpenGLView *openglView() const { return openGLView_; }
    QLabel *logo() const { return companyLogo_; }
    const NXOVFlags &flags() const { return flags_; }

    void setCacheBufferSizeInMB(float megabytes) { flags_.cacheBufferSizeInMB = megabytes; }
    void setVideoSizeInMB(float megabytes) { flags_.videoSizeInMB = megabytes; }
    float duration() const { return flags_.duration; }
    float currentPlaybackTime() const { return flags_.currentPlaybackTime; }
    float currentLeftTime() const { return NXOVPlayback::currentLeftTime(flags_); }
    float currentPlaybackPercent() const { return NXOVPlayback::currentPlaybackPercent(flags_); }
    float currentLoadingPercent() const { return NXOVPlayback::currentLoadingPercent(flags_); }
    // The loaded position the cache gives (seconds, in the player's time).
    float loadCacheTime() const { return flags_.loadCacheTime; }
    float volumes() const { return flags_.volumes; }

    void playOnlineVideoWidthAddress(const QString &address);
    // Launches the player with the online arguments and params last; a player still running is
    // ended first.
    void startPlaybackWithParams(const QStringList &params);
    // One chunk of the player's standard output.
    void readOutputC(const QString &chunk);
    // The player ended (or could not be started).
    void mplayerTerminated();

    void sendToMplayersInput(const QString &command);
    void setPlayerVolume(float volume);
    void seekToDuration(double seconds);
    void seekToDurationInPercent(float percent);
    void skipSeconds(double seconds);
    void pauseOrContinue();
    void stopPlay();
    void forceRedraw();
    // The player writes its snapshots into its working folder, fixed at its launch; a new folder
    // takes effect at the next launch.
    void saveSnapshotToDirectory(const QString &folder);
    void setCurrentDirectoryPath(const QString &folder);
    QString currentDirectoryPath() const { return currentDirectoryPath_; }

    // Renderer callbacks.
    void mplayerWillStart(MPlayerVideoRenderer *renderer) override;
    void mplayerDidStart(MPlayerVideoRenderer *renderer) override;
    void mplayerDidEnded(MPlayerVideoRenderer *renderer) override;

    NXOVPlayerControlDelegate *delegate() const { return delegate_; }
    void setDelegate(NXOVPlayerControlDelegate *delegate) { delegate_ = delegate; }

    HVPlayerProcess *playerProcess() const { return myYTTask_; }
    MPlayerVideoRenderer *renderer() const { return OVRender_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The picture fitted into the view, bands where the proportions differ.
    void fitPictureToView();
    void dropPlayer();
    void dropRenderer();
    void tellCacheChange(NXOVPlayback::CacheChange change);

    bool isMakeInit_ = false;
    NXOVPlayerControlDelegate *delegate_ = nullptr;
    MPlayerVideoRenderer *OVRender_ = nullptr;
    HVPlayerProcess *myYTTask_ = nullptr;
    NXOVFlags flags_;
    QString currentDirectoryPath_;
    QPointer<NXMPlayerOpenGLView> watchedView_;
    QRecursiveMutex lock_;
};
