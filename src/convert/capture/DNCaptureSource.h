#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

// Where a recording's picture and sound come from, as the ffmpeg words that open them: the
// picture is input 0 and the sound, when there is one, input 1. The recording pipeline is the
// same whatever the source; only these words differ (the screen, a camera, or ffmpeg's own test
// pictures and tone, which the tests record through the very same runs).
class DNCaptureSource
{
public:
    virtual ~DNCaptureSource() = default;
    virtual QStringList inputArguments() const = 0;
    virtual bool hasAudio() const = 0;
    // What the log calls the source.
    virtual QString describe() const = 0;
};
using DNCaptureSourcePtr = std::shared_ptr<const DNCaptureSource>;

// The words that open a PulseAudio source; none for an empty name.
QStringList DNPulseAudioInput(const QString &sourceName);

// ffmpeg's test picture (moving colour bars and a clock) of the given size and rate, and with
// audio a 440 Hz tone; both paced in real time, as a device delivers them.
class DNTestCaptureSource : public DNCaptureSource
{
public:
    DNTestCaptureSource(QSize size, int framesPerSecond, bool withAudio);
    QStringList inputArguments() const override;
    bool hasAudio() const override { return withAudio_; }
    QString describe() const override;

private:
    QSize size_;
    int framesPerSecond_;
    bool withAudio_;
};
