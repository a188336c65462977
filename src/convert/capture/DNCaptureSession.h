#pragma once

#include "convert/capture/DNCaptureRun.h"

#include <QImage>
#include <QObject>
#include <QSize>

#include <functional>
#include <memory>

// The recording pipeline both recorders share. While it runs it shows a live preview; a
// recording replaces the preview run with one that writes the movie (and keeps the preview
// going), and the preview run comes back when the movie is finished. One engine at a time holds
// the source, because a camera streams to one reader only.
//
// Recordings are written under a hidden name and named by the chooser once they read whole
// (DNRecordingFile); each recording started ends in exactly one recordingFinished.
class DNCaptureSession : public QObject
{
    Q_OBJECT
public:
    using SourceProvider = std::function<DNCaptureSourcePtr()>;

    explicit DNCaptureSession(QObject *parent = nullptr);
    // Ends the engine, finishing a recording in progress, and waits for it.
    ~DNCaptureSession() override;

    // Asked for the source at the start of every run, so a new choice applies to the next run.
    void setSourceProvider(SourceProvider provider) { sourceProvider_ = std::move(provider); }
    // Preview pictures of this size (empty: none), mirrored left to right when asked.
    void setPreview(QSize size, bool mirrored = false, int framesPerSecond = 10);
    void setAudioLevelWanted(bool wanted) { audioLevelWanted_ = wanted; }
    // Plays the sound on the desktop's output at this volume (negative: not played); a preview
    // running takes the new volume at once.
    void setAudioMonitorVolume(double volume);
    // The recorded picture fits inside this size (empty: as captured); applies to the next
    // recording.
    void setMaxVideoSize(QSize size) { maxVideoSize_ = size; }
    QSize maxVideoSize() const { return maxVideoSize_; }
    // Recordings end by themselves after this many seconds (0: only when stopped); applies to
    // the next recording.
    void setMaxRecordedDuration(double seconds) { maxRecordedSeconds_ = seconds; }

    // Starts the preview (when a preview size is set) and keeps it going between recordings.
    void startRunning();
    // Ends the preview; a recording in progress goes on until stopRecording().
    void stopRunning();
    // The source (or how it is shown) changed: a preview running starts over with it; a
    // recording keeps what it has until it ends.
    void restartPreview();
    bool isRunning() const { return running_; }
    // Ends whatever runs and waits for it, a recording being finished first (window closing,
    // program quitting).
    void endNow();

    // Records into hiddenPath; finalPath names the movie once it is finished. False when a
    // recording is already going or there is no source.
    bool startRecording(const QString &hiddenPath, DNCaptureRun::FinalPathChooser finalPath);
    // The movie ends at this moment (DNCaptureRun::stop).
    void stopRecording();
    // From startRecording until its recordingFinished.
    bool isRecording() const { return recording_; }
    // Seconds recorded by the clock (DNCaptureRun::recordedSeconds): what the movie will last.
    double recordedSeconds() const;
    // Seconds of the recording the engine has written so far (DNCaptureRun::writtenSeconds): an
    // engine that a busy machine starts late is seconds behind the clock.
    double writtenSeconds() const;

    struct Result
    {
        bool finished = false;   // a whole movie under its own name
        QString path;            // that name, or the hidden one that could not be named
        QString problem;         // why it is not finished, for the user and the log
    };

Q_SIGNALS:
    void previewFrame(const QImage &frame);
    void audioLevel(double decibels);
    void recordingFinished(const DNCaptureSession::Result &result);
    // A preview run ended by itself (device gone or busy); errors are ffmpeg's own words.
    void previewFailed(const QString &errors);

private:
    void newRun();
    void startPreviewRun();
    void startRecordRun();
    void onRunEnded(const DNCaptureRun::Ending &ending);
    DNCapturePlan basePlan() const;
    void reportRecording(const Result &result);

    SourceProvider sourceProvider_;
    QSize previewSize_;
    bool previewMirrored_ = false;
    int previewFramesPerSecond_ = 10;
    bool audioLevelWanted_ = false;
    double monitorVolume_ = -1;
    QSize maxVideoSize_;
    double maxRecordedSeconds_ = 0;

    std::unique_ptr<DNCaptureRun> run_;
    bool running_ = false;
    bool recording_ = false;
    bool recordRunStarted_ = false;
    bool stopAfterStart_ = false;
    QString hiddenPath_;
    DNCaptureRun::FinalPathChooser finalPath_;
};

Q_DECLARE_METATYPE(DNCaptureSession::Result)
