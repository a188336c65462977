#include "NXViewRenderControl.h"

#include "ui/editor/preview/NXEditMovieView.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNSettingFolders.h"
#include "player/HVPlayerArguments.h"
#include "player/HVPlayerProcess.h"
#include "player/HVPlayerStatus.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <utility>

namespace {
// Playback is not held back at the trim end: the right limit starts far beyond any clip.
constexpr float kNoRightLimit = 3600000.0f;

// Source pixels over the factor, truncated. The factor is itself a quotient of the two sizes, so
// the result may come out a hair under the whole number it stands for.
int shownLength(int source, double factor)
{
    return int(std::trunc(source / factor + 1e-3));
}
} // namespace

NXViewRenderControl::NXViewRenderControl(QObject *parent) : QObject(parent)
{
    makeInit();
}

NXViewRenderControl::~NXViewRenderControl()
{
    endPlayer();
    if (videoEditRender_) {
        videoEditRender_->setTarget(nullptr);
        delete videoEditRender_;
    }
}

void NXViewRenderControl::makeInit()
{
    flags_.leftLimitedTime = 0;
    flags_.rightLimitedTime = kNoRightLimit;
}

void NXViewRenderControl::auto_detect_video_format_with_node(const NXMediaNodePtr &item)
{
    if (!videoEditRender_) {
        videoEditRender_ = new NXViewMPlayerRender(HVPlayerArguments::nextEditorBufferName(), this);
        videoEditRender_->setTarget(this);
    }
    videoEditRender_->setPixFormat(HVPlayerArguments::pixelFormatForItem(item));
}

void NXViewRenderControl::setLimitedLeftTime(float left, float right)
{
    flags_.leftLimitedTime = left;
    flags_.rightLimitedTime = right;
}

void NXViewRenderControl::setPercentageLimitedLeftTime(float left, float right)
{
    setLimitedLeftTime(left * flags_.duration, right * flags_.duration);
}

int NXViewRenderControl::status() const
{
    if (flags_.isWaitingCache)
        return StatusWaitingCache;
    if (!flags_.isStarted)
        return StatusStopped;
    return flags_.isPaused ? StatusPaused : StatusPlaying;
}

float NXViewRenderControl::currentPlaybackPercent() const
{
    return flags_.duration > 0 ? flags_.currentPlaybackTime / flags_.duration * 100.0f : 0.0f;
}

float NXViewRenderControl::convertTimeToPercent(float seconds) const
{
    return flags_.duration > 0 ? seconds / flags_.duration : 0.0f;
}

void NXViewRenderControl::setPlayerVolume(float volume)
{
    flags_.volumes = volume;
    sendToMplayersInput(flags_.isPaused ? HVPlayerArguments::volumeStayPausedCommand(volume)
                                        : HVPlayerArguments::volumeCommand(volume));
}

void NXViewRenderControl::seekToDuration(double seconds)
{
    sendToMplayersInput(HVPlayerArguments::seekAbsoluteCommand(seconds));
}

void NXViewRenderControl::seekToDurationInPercent(float percent)
{
    seekToDuration(double(flags_.duration) * percent / 100.0);
}

void NXViewRenderControl::skipSeconds(double seconds)
{
    sendToMplayersInput(flags_.isPaused ? HVPlayerArguments::seekRelativeStayPausedCommand(seconds)
                                        : HVPlayerArguments::seekRelativeCommand(seconds));
}

void NXViewRenderControl::pauseOrContinue()
{
    sendToMplayersInput(HVPlayerArguments::pauseCommand());
}

void NXViewRenderControl::stopPlay()
{
    setViewsStopped(true);
    sendToMplayersInput(HVPlayerArguments::quitCommand());
}

void NXViewRenderControl::saveSnapshotToDirectory(const QString &folder)
{
    setCurrentDirectoryPath(folder);
    sendToMplayersInput(HVPlayerArguments::screenshotCommand());
}

QString NXViewRenderControl::workingDirectory() const
{
    if (!currentDirectoryPath_.isEmpty() && QFileInfo(currentDirectoryPath_).isDir())
        return currentDirectoryPath_;
    // A player cannot be started in a folder that is not there; a user without a pictures folder
    // still sees the video.
    const QString pictures = DNSettingFolders::defaultPicturesFolder();
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

void NXViewRenderControl::sendToMplayersInput(const QString &command)
{
    if (myEditMplayerTask_)
        myEditMplayerTask_->sendCommand(command);
}

void NXViewRenderControl::setViewsStopped(bool stopped)
{
    if (originalView_)
        originalView_->setMovieStop(stopped);
    if (effectView_)
        effectView_->setMovieStop(stopped);
}

void NXViewRenderControl::endPlayer()
{
    if (!myEditMplayerTask_)
        return;
    // Its end is no longer ours to report; it is ended before another player takes its buffer name.
    myEditMplayerTask_->disconnect(this);
    myEditMplayerTask_->endGracefully();
    myEditMplayerTask_->deleteLater();
    myEditMplayerTask_ = nullptr;
}

void NXViewRenderControl::startPlaybackWithParams(const QStringList &params)
{
    setViewsStopped(false);
    endPlayer();
    flags_.isStarted = true;
    flags_.isWaitingCache = true;
    flags_.isPaused = false;
    startingPlaybackSeen_ = false;
    streamStartPending_ = false;
    pendingFrame_ = QImage();
    if (!videoEditRender_) {
        // The editor prepares the receiver first (auto_detect_video_format_with_node); without
        // one no frame could reach the previews.
        DNRoughLog(QStringLiteral("editor player: no frame receiver, nothing is played"));
        mplayerTerminated();
        return;
    }

    const QString program = DNBundle::pathForCompanion(QStringLiteral("HVPlayer"));
    const QStringList arguments =
        HVPlayerArguments::editorArguments(params, flags_.scaleSize.width(), flags_.scaleSize.height(),
                                           flags_.leftLimitedTime, videoEditRender_->connectionName());
    myEditMplayerTask_ = new HVPlayerProcess(this);
    connect(myEditMplayerTask_, &HVPlayerProcess::terminated, this, &NXViewRenderControl::mplayerTerminated);
    connect(myEditMplayerTask_, &HVPlayerProcess::outputLines, this, &NXViewRenderControl::readOutputLines);
    DNRoughLog(QStringLiteral("editor player: %@ %@"), program, arguments.join(QLatin1Char(' ')));
    if (!myEditMplayerTask_->launch(program, arguments, workingDirectory(),
                                    MPlayerFrameReceiver::channelDirectory()))
        DNRoughLog(QStringLiteral("editor player: the player %@ cannot be started"), program);
}

void NXViewRenderControl::readOutputLines(const QStringList &lines)
{
    using HVPlayerStatus::LineKind;
    for (const QString &text : lines) {
        const HVPlayerStatus::Line line = HVPlayerStatus::classifyLine(text, true);
        switch (line.kind) {
        case LineKind::Status:
            flags_.currentPlaybackTime = float(line.value);
            if (flags_.isPaused) {
                flags_.isPaused = false;
                if (videoControl_)
                    videoControl_->videoContinus();
            }
            break;
        case LineKind::Paused:
            flags_.isPaused = true;
            if (videoControl_)
                videoControl_->videoPaused();
            break;
        case LineKind::Length:
            if (flags_.duration < 1.0f)
                flags_.duration = float(line.value);
            break;
        case LineKind::VideoWidth:
            flags_.videoWidth = flags_.originalWidth = int(line.value);
            takeStreamStartWhenSized();
            break;
        case LineKind::VideoHeight:
            flags_.videoHeight = flags_.originalHeight = int(line.value);
            takeStreamStartWhenSized();
            break;
        case LineKind::StartingPlayback:
            flags_.isStarted = true;
            startingPlaybackSeen_ = true;
            takeStreamStartWhenSized();
            if (videoControl_)
                videoControl_->videoStarted();
            break;
        case LineKind::Ignored:
            break;
        }
    }
}

void NXViewRenderControl::videoWillStart(NXViewMPlayerRender *)
{
    streamStartPending_ = true;
    takeStreamStartWhenSized();
}

void NXViewRenderControl::takeStreamStartWhenSized()
{
    if (!streamStartPending_ || !videoEditRender_)
        return;
    // The size lines come before "Starting playback..." when they come at all.
    const bool sized = flags_.videoWidth != 0 && flags_.videoHeight != 0;
    if (!sized && !startingPlaybackSeen_)
        return;
    streamStartPending_ = false;
    const int w = int(videoEditRender_->imageWidth());
    const int h = int(videoEditRender_->imageHeight());
    if (flags_.videoHeight != 0 && flags_.videoWidth != 0) {
        if (h == flags_.videoHeight && w == flags_.videoWidth) {
            flags_.needApplyTransform = false;
        } else {
            flags_.needApplyTransform = true;
            flags_.videoWidth = shownLength(flags_.videoWidth, flags_.scaleSizeFactor.width());
            flags_.videoHeight = shownLength(flags_.videoHeight, flags_.scaleSizeFactor.height());
            flags_.transform = QTransform::fromScale(double(flags_.videoWidth) / double(w),
                                                     double(flags_.videoHeight) / double(h));
        }
    } else {
        flags_.videoHeight = h;
        flags_.videoWidth = w;
        flags_.needApplyTransform = false;
    }
    if (videoControl_)
        videoControl_->videoWillStartAction(this);
    if (!pendingFrame_.isNull())
        videoNeedDisplay(std::exchange(pendingFrame_, QImage()));
}

void NXViewRenderControl::videoNeedDisplay(const QImage &image)
{
    if (streamStartPending_) {
        pendingFrame_ = image;
        return;
    }
    QImage frame = image;
    if (flags_.needApplyTransform) {
        const QSize shown(int(std::lround(image.width() * flags_.transform.m11())),
                          int(std::lround(image.height() * flags_.transform.m22())));
        frame = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    for (NXEditMovieView *view : {originalView_.data(), effectView_.data()}) {
        if (!view)
            continue;
        view->setCurrentVideoFrame(frame);
        view->displayImage();
    }
}

void NXViewRenderControl::videoWillStop(NXViewMPlayerRender *)
{
    streamStartPending_ = false;
    pendingFrame_ = QImage();
    flags_.videoHeight = flags_.originalHeight = 0;
    flags_.videoWidth = flags_.originalWidth = 0;
}

void NXViewRenderControl::mplayerTerminated()
{
    if (myEditMplayerTask_) {
        myEditMplayerTask_->disconnect(this);
        myEditMplayerTask_->deleteLater();
        myEditMplayerTask_ = nullptr;
    }
    flags_.isStarted = false;
    flags_.isWaitingCache = false;
    flags_.isPaused = false;
    streamStartPending_ = false;
    pendingFrame_ = QImage();
    flags_.currentPlaybackTime = 0;
    flags_.duration = 0;
    flags_.videoHeight = flags_.originalHeight = 0;
    flags_.videoWidth = flags_.originalWidth = 0;
    // The next launch makes a receiver under a new name.
    if (videoEditRender_) {
        videoEditRender_->terminateConnection();
        videoEditRender_->setTarget(nullptr);
        // A killed player may have left its frame buffer behind.
        videoEditRender_->receiver()->removeLeftovers();
        videoEditRender_->deleteLater();
        videoEditRender_ = nullptr;
    }
    setViewsStopped(false);
    if (videoControl_)
        videoControl_->videoStopped();
}
