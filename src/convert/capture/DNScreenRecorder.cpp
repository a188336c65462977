#include "convert/capture/DNScreenRecorder.h"

#include "core/log/DNLogger.h"
#include "core/util/DNSystemInfo.h"

#include <QFileInfo>

namespace {

// The X display of a display ID: the session's display for the main one, another screen of the
// same server for the others.
QString displayNameFor(unsigned displayID)
{
    const QString session = DNSessionDisplayName();
    if (displayID == DNScreenRecorder::kMainDisplayID)
        return session;
    const qsizetype colon = session.lastIndexOf(QLatin1Char(':'));
    const qsizetype dot = session.indexOf(QLatin1Char('.'), colon);
    return (dot < 0 ? session : session.left(dot)) + QLatin1Char('.') + QString::number(displayID);
}

} // namespace

DNScreenRecorder::DNScreenRecorder(QObject *parent)
    : QObject(parent)
    , preview_(std::make_unique<DNScreenPreview>())
{
    connect(preview_.get(), &DNScreenPreview::frame, this, &DNScreenRecorder::previewFrame);
    if (!createCaptureSession())
        DNRoughLog(QStringLiteral("create capture session failed."));
    maxFramerate_ = 24.0f;
}

DNScreenRecorder::~DNScreenRecorder()
{
    delegate_ = nullptr;
    if (clickMarker_)
        clickMarker_->stopMarking();
}

bool DNScreenRecorder::createCaptureSession()
{
    captureSession_ = std::make_unique<DNCaptureSession>();
    connect(captureSession_.get(), &DNCaptureSession::recordingFinished, this, &DNScreenRecorder::onRecordingFinished);
    captureSession_->setSourceProvider([this] { return currentSource(); });
    setSessionPreset(DNSessionPreset::Medium);
    displayID_ = kMainDisplayID;
    captureScreenInput_ = DNScreenCaptureInput();
    captureScreenInput_.display = displayNameFor(displayID_);
    sessionBuilt_ = !captureScreenInput_.display.isEmpty();
    return sessionBuilt_;
}

DNCaptureSourcePtr DNScreenRecorder::currentSource() const
{
    if (!sessionBuilt_)
        return {};
    DNScreenCaptureInput input = captureScreenInput_;
    input.audioSource = captureAudioInput_;
    return std::make_shared<DNScreenCaptureSource>(input);
}

void DNScreenRecorder::addCaptureVideoPreview(QSize previewSize)
{
    preview_->setViewSize(previewSize);
    preview_->setRegion(captureScreenInput_.cropRect);
    preview_->setFramesPerSecond(captureScreenInput_.framesPerSecond);
    if (sessionBuilt_ && !preview_->isRunning())
        preview_->start(captureScreenInput_.display);
}

void DNScreenRecorder::stopPreview()
{
    preview_->stop();
}

void DNScreenRecorder::setSessionPreset(DNSessionPreset preset)
{
    sessionPreset_ = DNSessionPresetForSystem(preset, DNSystemVersion());
    captureSession_->setMaxVideoSize(DNSessionPresetMaxSize(sessionPreset_));
}

void DNScreenRecorder::setMaxScreenInputFramerate(float rate)
{
    captureScreenInput_.framesPerSecond = qMax(1, int(rate));
    preview_->setFramesPerSecond(captureScreenInput_.framesPerSecond);
}

void DNScreenRecorder::setAudioDevice(const QString &sourceName)
{
    captureAudioInput_ = sourceName;
}

void DNScreenRecorder::addDislayInputTocaptureSession(unsigned displayID, const QRect &cropRect)
{
    captureScreenInput_.cropRect = cropRect;
    preview_->setRegion(cropRect);
    if (displayID != displayID_) {
        captureScreenInput_.display = displayNameFor(displayID);
        displayID_ = displayID;
        setMaxScreenInputFramerate(maxFramerate_);
        if (preview_->isRunning())
            preview_->start(captureScreenInput_.display);
    }
}

void DNScreenRecorder::startRecord(const QString &path)
{
    const QFileInfo target(path);
    recordingPath_ = path;
    if (!captureSession_->startRecording(DNRecordingFile::hiddenPathIn(target.path(), target.completeBaseName()),
                                         [path] { return path; })) {
        DNRoughLog(QStringLiteral("Screen recording to %@ refused: a recording is going already."), path);
        return;
    }
    if (capturesMouseClicks_ && clickMarker_)
        clickMarker_->startMarking();
}

void DNScreenRecorder::stopRecord()
{
    if (clickMarker_)
        clickMarker_->stopMarking();
    captureSession_->stopRecording();
}

void DNScreenRecorder::onRecordingFinished(const DNCaptureSession::Result &result)
{
    if (clickMarker_)
        clickMarker_->stopMarking();
    if (!delegate_)
        return;
    if (result.finished)
        delegate_->screenRecorderDidFinishRecordingToOutputFileURL(this, result.path);
    else
        delegate_->screenRecorderDidFailRecording(this, recordingPath_, result.problem);
}
