#include "NXOVPlayerControl.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNSettingFolders.h"
#include "player/HVPlayerArguments.h"
#include "player/HVPlayerProcess.h"
#include "player/MPlayerFrameReceiver.h"
#include "player/NXMPlayerGeometry.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/NXButton.h"
#include "ui/player/NXMPlayerOpenGLView.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>

NXOVPlayerControl::NXOVPlayerControl(QObject *parent)
    : QObject(parent), currentDirectoryPath_(DNSettingFolders::defaultPicturesFolder())
{
    makeInit();
}

NXOVPlayerControl::~NXOVPlayerControl()
{
    delegate_ = nullptr;
    dropPlayer();
    dropRenderer();
}

void NXOVPlayerControl::makeInit()
{
    const struct
    {
        DNButton *button;
        const char *highlight;
    } buttons[] = {
        {addNewPageLink, "yt_add_url_on.png"},
        {clearAllFinishNode, "yt_clear_finished_on.png"},
        {clearAllNode, "yt_clear_all_on.png"},
        {downloaderSetting, "yt_setting_on.png"},
        {updateDownloader, "yt_check_new_version_on.png"},
        {openTargetFolder, "right_open_video_on.png"},
        {getSnapshot, "right_snapshot_on.png"},
        {startDownloadButton, "yt_download_now_on.png"},
    };
    if (isMakeInit_)
        return;
    for (const auto &entry : buttons)
        if (!entry.button)
            return;
    isMakeInit_ = true;
    NXOVPlayback::clear(flags_);
    for (const auto &entry : buttons)
        entry.button->setHighlightImageName(QString::fromLatin1(entry.highlight));
    startDownloadButton->setColorCompanets(QStringLiteral("1.0x1.0x1.0x1.0"));
}

void NXOVPlayerControl::playOnlineVideoWidthAddress(const QString &address)
{
    startPlaybackWithParams({address});
}

void NXOVPlayerControl::startPlaybackWithParams(const QStringList &params)
{
    QMutexLocker guard(&lock_);
    // The old player is ended, and waited for, before the new one starts: both would draw into
    // the one renderer's buffer.
    if (myYTTask_ || !openGLView_)
        dropPlayer();
    NXOVPlayback::launch(flags_);
    if (!OVRender_) {
        OVRender_ = new MPlayerVideoRenderer(openGLView_, HVPlayerArguments::nextOnlineBufferName(), this);
        OVRender_->setTarget(this);
    }
    if (openGLView_ != watchedView_) {
        if (watchedView_)
            watchedView_->removeEventFilter(this);
        watchedView_ = openGLView_;
        if (watchedView_)
            watchedView_->installEventFilter(this);
    }
    const QString program = DNBundle::pathForCompanion(QStringLiteral("HVPlayer"));
    const QStringList arguments = NXOVPlayback::launchArguments(flags_, OVRender_->connectionName(), params);
    if (!QFileInfo(program).isExecutable()) {
        // A missing player ends this playback, not the program.
        DNRoughLog(QStringLiteral("online video: Can NOT find player binary! (%@)"), program);
        mplayerTerminated();
        return;
    }
    QDir().mkpath(currentDirectoryPath_);
    myYTTask_ = new HVPlayerProcess(this);
    connect(myYTTask_, &HVPlayerProcess::outputChunk, this, &NXOVPlayerControl::readOutputC);
    connect(myYTTask_, &HVPlayerProcess::terminated, this, &NXOVPlayerControl::mplayerTerminated);
    DNRoughLog(QStringLiteral("online video: %@ %@"), program, arguments.join(QLatin1Char(' ')));
    if (!myYTTask_->launch(program, arguments, currentDirectoryPath_, MPlayerFrameReceiver::channelDirectory()))
        DNRoughLog(QStringLiteral("online video: the player %@ cannot be started"), program);
    // A player that could not start has already been reported as ended.
    if (delegate_ && flags_.isStarted)
        delegate_->playbackCacheUnavilabled(this);
}

void NXOVPlayerControl::readOutputC(const QString &chunk)
{
    if (chunk.isEmpty())
        return;
    tellCacheChange(NXOVPlayback::readOutputChunk(flags_, chunk));
}

void NXOVPlayerControl::tellCacheChange(NXOVPlayback::CacheChange change)
{
    if (!delegate_)
        return;
    if (change == NXOVPlayback::CacheChange::Available)
        delegate_->playbackCacheAvilabled(this);
    else if (change == NXOVPlayback::CacheChange::Unavailable)
        delegate_->playbackCacheUnavilabled(this);
}

void NXOVPlayerControl::mplayerTerminated()
{
    QMutexLocker guard(&lock_);
    if (myYTTask_) {
        myYTTask_->disconnect(this);
        myYTTask_->deleteLater();
        myYTTask_ = nullptr;
    }
    NXOVPlayback::end(flags_);
    dropRenderer();
    if (delegate_)
        delegate_->playbackDidEnded(this);
}

void NXOVPlayerControl::dropPlayer()
{
    if (!myYTTask_)
        return;
    myYTTask_->disconnect(this);
    myYTTask_->endGracefully();
    myYTTask_->deleteLater();
    myYTTask_ = nullptr;
    // A player that had to be killed may have left its frame buffer under the renderer's name.
    if (OVRender_)
        OVRender_->receiver()->removeLeftovers();
}

void NXOVPlayerControl::dropRenderer()
{
    if (!OVRender_)
        return;
    OVRender_->receiver()->removeLeftovers();
    OVRender_->terminateConnection();
    OVRender_->setTarget(nullptr);
    OVRender_->deleteLater();
    OVRender_ = nullptr;
}

void NXOVPlayerControl::sendToMplayersInput(const QString &command)
{
    if (myYTTask_)
        myYTTask_->sendCommand(command);
}

void NXOVPlayerControl::setPlayerVolume(float volume)
{
    flags_.volumes = volume;
    sendToMplayersInput(HVPlayerArguments::volumeCommand(volume));
}

void NXOVPlayerControl::seekToDuration(double seconds)
{
    sendToMplayersInput(HVPlayerArguments::seekAbsoluteCommand(seconds));
}

void NXOVPlayerControl::seekToDurationInPercent(float percent)
{
    seekToDuration(double(flags_.duration) * percent / 100.0);
}

void NXOVPlayerControl::skipSeconds(double seconds)
{
    sendToMplayersInput(HVPlayerArguments::seekRelativeCommand(seconds));
}

void NXOVPlayerControl::pauseOrContinue()
{
    flags_.isPaused = !flags_.isPaused;
    sendToMplayersInput(HVPlayerArguments::pauseCommand());
    if (!delegate_)
        return;
    if (flags_.isPaused)
        delegate_->playbackDidPaused(this);
    else
        delegate_->playbackDidContinued(this);
}

void NXOVPlayerControl::stopPlay()
{
    sendToMplayersInput(HVPlayerArguments::quitCommand());
}

void NXOVPlayerControl::forceRedraw()
{
    if (OVRender_)
        OVRender_->redraw();
}

void NXOVPlayerControl::saveSnapshotToDirectory(const QString &folder)
{
    setCurrentDirectoryPath(folder);
    sendToMplayersInput(HVPlayerArguments::screenshotCommand());
}

void NXOVPlayerControl::setCurrentDirectoryPath(const QString &folder)
{
    if (!folder.isEmpty())
        currentDirectoryPath_ = folder;
}

void NXOVPlayerControl::mplayerWillStart(MPlayerVideoRenderer *)
{
    // The renderer draws nothing until it knows where: the picture is placed as the stream
    // starts, and again at its first frame.
    fitPictureToView();
}

void NXOVPlayerControl::mplayerDidStart(MPlayerVideoRenderer *)
{
    fitPictureToView();
    if (delegate_)
        delegate_->playbackDidStarted(this);
}

void NXOVPlayerControl::mplayerDidEnded(MPlayerVideoRenderer *)
{
}

void NXOVPlayerControl::fitPictureToView()
{
    if (!OVRender_)
        return;
    const QSizeF bounds = openGLView_ ? QSizeF(openGLView_->size()) : QSizeF(0, 0);
    const QSizeF frame(OVRender_->image_width(), OVRender_->image_height());
    OVRender_->boundsDidChangeTo(NXMPlayerGeometry::fittedPicture(bounds, frame), QRectF(QPointF(0, 0), bounds));
}

bool NXOVPlayerControl::eventFilter(QObject *watched, QEvent *event)
{
    // A window made larger or smaller keeps the picture fitted.
    if (watched == watchedView_ && event->type() == QEvent::Resize && OVRender_ && OVRender_->isRendering())
        fitPictureToView();
    return QObject::eventFilter(watched, event);
}
