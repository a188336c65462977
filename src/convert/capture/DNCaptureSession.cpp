#include "convert/capture/DNCaptureSession.h"

#include "core/log/DNLogger.h"

#include <QMetaObject>

DNCaptureSession::DNCaptureSession(QObject *parent)
    : QObject(parent)
{
    static const int registered = qRegisterMetaType<DNCaptureSession::Result>();
    Q_UNUSED(registered);
}

DNCaptureSession::~DNCaptureSession()
{
    endNow();
}

void DNCaptureSession::setPreview(QSize size, bool mirrored, int framesPerSecond)
{
    previewSize_ = size;
    previewMirrored_ = mirrored;
    previewFramesPerSecond_ = framesPerSecond;
}

DNCapturePlan DNCaptureSession::basePlan() const
{
    DNCapturePlan plan;
    plan.source = sourceProvider_ ? sourceProvider_() : DNCaptureSourcePtr();
    plan.previewSize = previewSize_;
    plan.previewMirrored = previewMirrored_;
    plan.previewFramesPerSecond = previewFramesPerSecond_;
    plan.audioLevel = audioLevelWanted_;
    plan.monitorVolume = monitorVolume_;
    return plan;
}

void DNCaptureSession::startRunning()
{
    running_ = true;
    if (!run_ || !run_->isRunning())
        startPreviewRun();
}

void DNCaptureSession::stopRunning()
{
    running_ = false;
    if (run_ && run_->isRunning() && run_->plan().moviePath.isEmpty())
        run_->stop();
}

void DNCaptureSession::setAudioMonitorVolume(double volume)
{
    if (volume == monitorVolume_)
        return;
    monitorVolume_ = volume;
    restartPreview();
}

void DNCaptureSession::restartPreview()
{
    // A stopped preview run starts again by itself when it has ended (onRunEnded).
    if (running_ && run_ && run_->isRunning() && run_->plan().moviePath.isEmpty())
        run_->stop();
    else if (running_ && !recording_ && (!run_ || !run_->isRunning()))
        startPreviewRun();
}

void DNCaptureSession::endNow()
{
    running_ = false;
    if (!run_)
        return;
    run_->finish();
    // Nothing is reported after this: the owner is going away. The movie itself was finished
    // by the run's worker.
    run_.reset();
    recording_ = false;
}

void DNCaptureSession::newRun()
{
    run_ = std::make_unique<DNCaptureRun>();
    connect(run_.get(), &DNCaptureRun::previewFrame, this, &DNCaptureSession::previewFrame);
    connect(run_.get(), &DNCaptureRun::audioLevel, this, &DNCaptureSession::audioLevel);
    connect(run_.get(), &DNCaptureRun::ended, this, &DNCaptureSession::onRunEnded);
}

void DNCaptureSession::startPreviewRun()
{
    if (previewSize_.isEmpty())
        return;
    DNCapturePlan plan = basePlan();
    if (!plan.source)
        return;
    newRun();
    if (!run_->start(plan))
        Q_EMIT previewFailed(run_->errorText());
}

bool DNCaptureSession::startRecording(const QString &hiddenPath, DNCaptureRun::FinalPathChooser finalPath)
{
    if (recording_ || !sourceProvider_)
        return false;
    recording_ = true;
    recordRunStarted_ = false;
    stopAfterStart_ = false;
    hiddenPath_ = hiddenPath;
    finalPath_ = std::move(finalPath);
    // The preview run lets go of the source first; the recording starts when it has ended.
    if (run_ && run_->isRunning())
        run_->stop();
    else
        startRecordRun();
    return true;
}

void DNCaptureSession::startRecordRun()
{
    DNCapturePlan plan = basePlan();
    plan.moviePath = hiddenPath_;
    plan.maxVideoSize = maxVideoSize_;
    plan.maxSeconds = maxRecordedSeconds_;
    newRun();
    recordRunStarted_ = true;
    if (!plan.source || !run_->start(plan, finalPath_)) {
        const QString why = plan.source ? run_->errorText() : QStringLiteral("no capture source");
        run_.reset();
        // Reported from the event loop, as a finish always is.
        QMetaObject::invokeMethod(this, [this, why] {
            reportRecording({false, QString(), QStringLiteral("the recorder could not start: %1").arg(why)});
            if (running_)
                startPreviewRun();
        }, Qt::QueuedConnection);
        return;
    }
    if (stopAfterStart_)
        run_->stop();
}

void DNCaptureSession::stopRecording()
{
    if (!recording_)
        return;
    if (recordRunStarted_ && run_)
        run_->stop();
    else
        // Still waiting for the preview run to let go: the recording ends as soon as it starts.
        stopAfterStart_ = true;
}

double DNCaptureSession::recordedSeconds() const
{
    return recording_ && recordRunStarted_ && run_ ? run_->recordedSeconds() : 0.0;
}

double DNCaptureSession::writtenSeconds() const
{
    return recording_ && recordRunStarted_ && run_ ? run_->writtenSeconds() : 0.0;
}

void DNCaptureSession::onRunEnded(const DNCaptureRun::Ending &ending)
{
    // The run that ended is inside its own signal: let it go from the event loop.
    if (run_ && run_.get() == sender())
        run_.release()->deleteLater();
    if (ending.hadMovie) {
        Result result;
        result.finished = ending.movie.finished;
        result.path = ending.movie.path;
        if (!result.finished)
            result.problem = ending.errors.isEmpty() ? ending.movie.problem : ending.errors;
        reportRecording(result);
    } else if (recording_ && !recordRunStarted_) {
        startRecordRun();
        return;
    } else if (!ending.stopped) {
        Q_EMIT previewFailed(ending.errors);
        return;
    }
    if (running_)
        startPreviewRun();
}

void DNCaptureSession::reportRecording(const Result &result)
{
    recording_ = false;
    recordRunStarted_ = false;
    Q_EMIT recordingFinished(result);
}
