#pragma once

#include "convert/capture/DNCaptureSession.h"
#include "convert/capture/DNScreenClickMarker.h"
#include "convert/capture/DNScreenCaptureSource.h"
#include "convert/capture/DNScreenPreview.h"
#include "convert/capture/DNSessionPreset.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>

#include <memory>

class DNScreenRecorder;

// Told of every recording that ends. Optional operations: the defaults do nothing.
class DNScreenRecorderDelegate
{
public:
    virtual ~DNScreenRecorderDelegate() = default;
    // path is the one given to startRecord (or the first free name after it).
    virtual void screenRecorderDidFinishRecordingToOutputFileURL(DNScreenRecorder *recorder, const QString &path)
    {
        Q_UNUSED(recorder);
        Q_UNUSED(path);
    }
    // A recording that did not become a whole movie (the engine failed, the disk filled up):
    // nothing carries its name, and problem says why.
    virtual void screenRecorderDidFailRecording(DNScreenRecorder *recorder, const QString &path, const QString &problem)
    {
        Q_UNUSED(recorder);
        Q_UNUSED(path);
        Q_UNUSED(problem);
    }
};

// The screen recorder's capture engine: the session display (or a rectangle of it) with the
// pointer drawn and, when chosen, one sound source, recorded into a QuickTime movie through the
// shared capture pipeline. It draws nothing itself: a live preview of what it records (the
// region, once one is chosen) comes as pictures for the view the owner gives them to, fetched
// only when the screen changes (DNScreenPreview); the engine runs only while it records.
class DNScreenRecorder : public QObject
{
    Q_OBJECT
public:
    // The display recordings start on: the session's own.
    static constexpr unsigned kMainDisplayID = 0;

    DNScreenRecorder(QObject *parent = nullptr);
    ~DNScreenRecorder() override;

    // Builds the session: preset Medium, the main display; false when there is no display to
    // record (the window checks the session before it makes a recorder).
    bool createCaptureSession();
    bool hasCaptureSession() const { return sessionBuilt_; }

    DNScreenRecorderDelegate *delegate() const { return delegate_; }
    void setDelegate(DNScreenRecorderDelegate *delegate) { delegate_ = delegate; }
    void setClickMarker(DNScreenClickMarker *marker) { clickMarker_ = marker; }

    // Starts the live picture, fitted inside this size (previewFrame).
    void addCaptureVideoPreview(QSize previewSize);
    // The live picture rests (its view went away); a recording goes on.
    void stopPreview();
    const DNScreenPreview &preview() const { return *preview_; }
    void setSessionPreset(DNSessionPreset preset);
    DNSessionPreset sessionPreset() const { return sessionPreset_; }
    // Pictures a second of the current screen input (and its live picture): the rate truncated
    // to a whole number.
    void setMaxScreenInputFramerate(float rate);
    void setCaptureMouseClicks(bool capture) { capturesMouseClicks_ = capture; }
    bool capturesMouseClicks() const { return capturesMouseClicks_; }
    // The sound source (a PulseAudio source name); empty for none.
    void setAudioDevice(const QString &sourceName);
    QString audioDevice() const { return captureAudioInput_; }
    // Records display, cropped to cropRect in its pixels (origin top left; empty: the whole
    // display). A new display takes maxFramerate.
    void addDislayInputTocaptureSession(unsigned displayID, const QRect &cropRect);

    // Records into path (its folder must exist); the movie is written under a hidden name and
    // takes path's name when it is whole.
    void startRecord(const QString &path);
    void stopRecord();
    bool isRecording() const { return captureSession_ && captureSession_->isRecording(); }
    double recordedSeconds() const { return captureSession_ ? captureSession_->recordedSeconds() : 0.0; }
    double writtenSeconds() const { return captureSession_ ? captureSession_->writtenSeconds() : 0.0; }

    float maxFramerate() const { return maxFramerate_; }
    void setMaxFramerate(float rate) { maxFramerate_ = rate; }
    unsigned displayID() const { return displayID_; }
    const DNScreenCaptureInput &captureScreenInput() const { return captureScreenInput_; }
    DNCaptureSession *captureSession() const { return captureSession_.get(); }
    // The source a run starts now would record.
    DNCaptureSourcePtr currentSource() const;

Q_SIGNALS:
    void previewFrame(const QImage &frame);

private:
    void onRecordingFinished(const DNCaptureSession::Result &result);

    float maxFramerate_ = 24.0f;
    DNScreenRecorderDelegate *delegate_ = nullptr;
    DNScreenClickMarker *clickMarker_ = nullptr;
    unsigned displayID_ = kMainDisplayID;
    std::unique_ptr<DNCaptureSession> captureSession_;
    std::unique_ptr<DNScreenPreview> preview_;
    DNScreenCaptureInput captureScreenInput_;
    QString captureAudioInput_;
    DNSessionPreset sessionPreset_ = DNSessionPreset::Medium;
    bool capturesMouseClicks_ = false;
    bool sessionBuilt_ = false;
    QString recordingPath_;
};
