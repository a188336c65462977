#include "NXMPlayerControl.h"

#include "NXMPlayerOpenGLView.h"
#include "NXMPlayerView.h"

#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "core/settings/DNSettingFolders.h"
#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/file/DNFileNode.h"
#include "player/HVPlayerArguments.h"
#include "player/HVPlayerProcess.h"
#include "player/NXMPlayerGeometry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

namespace {
const QString kVolumeDefault = QStringLiteral("mplayer_volumes");
const QString kUpdateCommandsNotification = QStringLiteral("NXMPlayerPleaseUpdatePlaybackStatusWithNewCommands_");
} // namespace

NXMPlayerControl::NXMPlayerControl(QObject *parent) : QObject(parent)
{
    QSettings defaults(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    const QVariant stored = defaults.value(kVolumeDefault);
    bool ok = false;
    const float volume = stored.toFloat(&ok);
    flag_.volumes = stored.isValid() && ok ? volume : 100.0f;
    if (!stored.isValid() || !ok)
        defaults.setValue(kVolumeDefault, double(flag_.volumes));
    doInitControlWork();
}

NXMPlayerControl::~NXMPlayerControl()
{
    curSelectedFile_.clear();
    DNNotificationCenter::defaultCenter().removeObserver(this);
    if (myTask_) {
        myTask_->disconnect(this);
        myTask_->endGracefully();
    }
    delete render_;
    render_ = nullptr;
    delete playbackView_.data();
}

void NXMPlayerControl::doInitControlWork()
{
    // Without OpenGL there is no view to draw in, and the preview plays nothing.
    if (!openGLView_ && NXMPlayerOpenGLView::isOpenGLAvailable())
        openGLView_ = new NXMPlayerOpenGLView;
    if (!playbackView_) {
        playbackView_ = new NXMPlayerView;
        playbackView_->setDelegate(this);
    }
    if (openGLView_ && openGLView_->parentWidget() != playbackView_) {
        openGLView_->setParent(playbackView_);
        openGLView_->setGeometry(0, 0, 0, 0);
    }
}

NXMPlayerOpenGLView *NXMPlayerControl::openGLView() const
{
    return openGLView_;
}

NXMPlayerView *NXMPlayerControl::playbackView() const
{
    return playbackView_;
}

unsigned NXMPlayerControl::status() const
{
    if (!flag_.isBegined)
        return StatusIdle;
    return flag_.isPaused ? StatusPaused : StatusPlaying;
}

int NXMPlayerControl::queuedItemCount() const
{
    QMutexLocker guard(&lock_);
    return int(playbackQueue_.size());
}

void NXMPlayerControl::startPlaybackWithNode(const NXMediaNodePtr &given)
{
    flag_.videoAspect = QSizeF(-1, -1);
    NXMediaNodePtr node = given;
    if (std::dynamic_pointer_cast<DNDVDTitle>(node) && node->parent())
        node = node->parent()->weak_from_this().lock();
    if (const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node))
        flag_.videoAspect = dvd->aspectOfSelectedVideoTrack();
    const auto params = HVPlayerArguments::playbackParametersOf(node);
    if (!node || !params)
        return;
    if (currentPBNode_)
        currentPBNode_->setIsPlaying(false);
    currentPBNode_ = node;
    currentPBNode_->setIsPlaying(true);
    startPlaybackWithParams(*params);
}

void NXMPlayerControl::appendPlaybackItem(const NXMediaNodePtr &node)
{
    QMutexLocker guard(&lock_);
    if (node)
        playbackQueue_.append(node);
}

void NXMPlayerControl::sendToMplayersInput(const QString &command)
{
    if (myTask_)
        myTask_->sendCommand(command);
}

void NXMPlayerControl::startPlaybackWithParams(const QStringList &params)
{
    if ((myTask_ && myTask_->isRunning()) || !openGLView_) {
        // The running player goes first; the queue starts the next item once it has ended. The
        // process stays ours until then, so no second player ever shares the buffer.
        if (myTask_) {
            myTask_->terminate();
        } else {
            DNRoughLog(QStringLiteral("preview: no OpenGL on this display, nothing is played"));
            if (currentPBNode_)
                currentPBNode_->setIsPlaying(false);
            currentPBNode_.reset();
            Q_EMIT playerCannotStart(tr("This display offers no OpenGL to draw the video with."));
        }
        return;
    }
    flag_.isBegined = true;
    flag_.isPaused = false;
    flag_.isStarted = false;
    if (!render_) {
        render_ = new MPlayerVideoRenderer(openGLView_, HVPlayerArguments::previewBufferName(), this);
        render_->setTarget(this);
    }
    render_->setPixFormat(HVPlayerArguments::pixelFormatForItem(currentPBNode_));

    ++runNumber_;
    endAnnounced_ = false;
    const QString program = DNBundle::pathForCompanion(QStringLiteral("HVPlayer"));
    const QStringList arguments =
        HVPlayerArguments::previewArguments(params, flag_.volumes, render_->connectionName());
    const QString workingDirectory = playerWorkingFolder();
    myTask_ = new HVPlayerProcess(this);
    connect(myTask_, &HVPlayerProcess::terminated, this, &NXMPlayerControl::mplayerTerminated);
    connect(myTask_, &HVPlayerProcess::outputLines, this, &NXMPlayerControl::readOutputLines);
    DNNotificationCenter::defaultCenter().addObserver(this, kUpdateCommandsNotification,
                                                      [this](const DNNotification &) {
                                                          mplayerRequest2UpdateWithCommandsNotification();
                                                      });
    DNRoughLog(QStringLiteral("preview: %@ %@"), program, arguments.join(QLatin1Char(' ')));
    // A launch that fails ends the run at once: its end tells why (mplayerTerminated).
    myTask_->launch(program, arguments, workingDirectory, MPlayerFrameReceiver::channelDirectory());
}

QString NXMPlayerControl::playerWorkingFolder() const
{
    const QString snapshots = DNSetting::shareSetting().appSetting()->snapshotDirectory();
    if (!snapshots.isEmpty() && (QFileInfo(snapshots).isDir() || QDir().mkpath(snapshots)))
        return snapshots;
    const QString pictures = DNSettingFolders::defaultPicturesFolder();
    if (QFileInfo(pictures).isDir() || QDir().mkpath(pictures))
        return pictures;
    return QDir::homePath();
}

void NXMPlayerControl::pauseOrContinue()
{
    sendToMplayersInput(HVPlayerArguments::pauseCommand());
}

void NXMPlayerControl::stopPlay()
{
    sendToMplayersInput(HVPlayerArguments::quitCommand());
    flag_.isStarted = false;
    flag_.isBegined = false;
}

void NXMPlayerControl::setMute(bool mute)
{
    flag_.isMute = mute;
    detectVolumesAndSet();
}

void NXMPlayerControl::louderSpeaker()
{
    flag_.volumes = std::min(100.0f, flag_.volumes + 5.0f);
    detectVolumesAndSet();
}

void NXMPlayerControl::lowerSpeaker()
{
    flag_.volumes = std::max(0.0f, flag_.volumes - 5.0f);
    detectVolumesAndSet();
}

void NXMPlayerControl::setVideoVolume(float volume)
{
    flag_.volumes = std::max(0.0f, volume);
    detectVolumesAndSet();
}

void NXMPlayerControl::seekToDuration(double seconds)
{
    sendToMplayersInput(HVPlayerArguments::seekAbsoluteCommand(seconds));
}

void NXMPlayerControl::skipSeconds(double seconds)
{
    sendToMplayersInput(HVPlayerArguments::seekRelativeCommand(seconds));
}

void NXMPlayerControl::getSnapshotAtCurrentTime()
{
    sendToMplayersInput(HVPlayerArguments::screenshotCommand());
}

QString NXMPlayerControl::snapshotSavePath() const
{
    return myTask_ ? myTask_->workingDirectory() : QString();
}

void NXMPlayerControl::detectVolumesAndSet()
{
    sendToMplayersInput(HVPlayerArguments::muteCommand(flag_.isMute));
    if (!flag_.isMute)
        sendToMplayersInput(HVPlayerArguments::volumeCommand(flag_.volumes));
    post("NXMPlayerControlDidVolumeChanged @_@");
}

void NXMPlayerControl::post(const char *name)
{
    DNNotificationCenter::defaultCenter().postNotification(QString::fromLatin1(name),
                                                           QVariant::fromValue(static_cast<QObject *>(this)));
}

void NXMPlayerControl::postDurationAvailableNotification()
{
    post("NXMPlayerControlPlaybackDurationAvailable >_<");
}

void NXMPlayerControl::stopedAndClean()
{
    flag_.duration = 0;
    flag_.currentPlaybackTime = 0;
    flag_.isPaused = false;
    flag_.isStarted = false;
    flag_.isBegined = false;
}

void NXMPlayerControl::enqueueDidEnd()
{
    // Ends reported twice in a row (the stream's stop, then the process end) post once.
    if (didEndPending_)
        return;
    didEndPending_ = true;
    QTimer::singleShot(0, this, [this] {
        didEndPending_ = false;
        post("NXMPlayerControlPlaybackDidEnd ^_^");
    });
}

void NXMPlayerControl::checkPlaybackQueueStatus()
{
    NXMediaNodePtr next;
    {
        QMutexLocker guard(&lock_);
        if (playbackQueue_.isEmpty())
            return;
        next = playbackQueue_.takeFirst();
    }
    startPlaybackWithNode(next);
}

void NXMPlayerControl::mplayerRequest2UpdateWithCommandsNotification()
{
    // The items answer with no commands; the request is kept for items that one day will.
    if (const auto file = std::dynamic_pointer_cast<DNFileNode>(currentPBNode_))
        for (const QString &command : file->NXMPlayerPlaybackRequestNewUpdateCommands())
            sendToMplayersInput(command);
    else if (const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(currentPBNode_))
        for (const QString &command : dvd->NXMPlayerPlaybackRequestNewUpdateCommands())
            sendToMplayersInput(command);
}

void NXMPlayerControl::mplayerTerminated()
{
    QMutexLocker guard(&lock_);
    // A player that could not be started, or could not start mplayer, ends here too.
    QString cannotStart;
    if (myTask_) {
        cannotStart = myTask_->startError();
        if (!cannotStart.isEmpty())
            DNRoughLog(QStringLiteral("preview: the player cannot be started: %@"), cannotStart);
        myTask_->deleteLater();
        myTask_ = nullptr;
    }
    playbackDidEnd();
    stopedAndClean();
    DNNotificationCenter::defaultCenter().removeObserver(this);
    // A killed player may have left its frame buffer under our name.
    if (render_)
        render_->receiver()->removeLeftovers();
    guard.unlock();
    if (!cannotStart.isEmpty())
        Q_EMIT playerCannotStart(tr("The player cannot be started: %1").arg(cannotStart));
    checkPlaybackQueueStatus();
}

void NXMPlayerControl::mplayerWillStart(MPlayerVideoRenderer *renderer)
{
    streamRun_ = runNumber_;
    endAnnounced_ = false;
    flag_.videoHieht_m = float(renderer->image_height());
    flag_.VideoWidth_m = float(NXMPlayerGeometry::displayWidth(renderer->image_width(), renderer->image_height(),
                                                               flag_.videoAspect, renderer->image_aspect()));
    adjustResolution(0);
    post("NXMPlayerControlPlaybackWillStart ~_~");
}

void NXMPlayerControl::mplayerDidStart(MPlayerVideoRenderer *)
{
}

void NXMPlayerControl::mplayerDidEnded(MPlayerVideoRenderer *)
{
    // The stream of a player whose end the control has already taken (the process went first),
    // or of an earlier run, says nothing about the player now running.
    if (!myTask_ || streamRun_ != runNumber_)
        return;
    playbackDidEnd();
}

void NXMPlayerControl::playbackDidEnd()
{
    if (flag_.isFullScreen)
        exitFullScreenMode();
    if (render_) {
        stopedAndClean();
        // The stream's stop and the process's end both report one end of playback.
        if (!endAnnounced_)
            enqueueDidEnd();
        endAnnounced_ = true;
    }
    if (currentPBNode_)
        currentPBNode_->setIsPlaying(false);
    currentPBNode_.reset();
}
