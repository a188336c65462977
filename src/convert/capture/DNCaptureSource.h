#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

// Where a recording's picture and sound come from, as the ffmpeg words that open them: the
// picture is input 0 and the sound, when there is one, input 1. The recording pipeline is the
// same whatever the source; only these words differ (the screen, a camera, or ffmpeg's own test
// pictures and tone, which the tests record through the very same runs).
//
// Every input stamps what it takes with the wall clock, as the screen and sound devices do, so a
// run can put picture and sound on one timeline that starts when the run does: a sound device
// that opens a second after the picture then starts a second into the movie, not at its start.
// A picture input holds only a few pictures the engine has not taken yet: on a busy machine the
// picture is taken less often instead of piling up behind the encoder (the movie repeats the
// last one; its length stays true), so the engine is never far behind what happens.
class DNCaptureSource
{
public:
    virtual ~DNCaptureSource() = default;
    virtual QStringList inputArguments() const = 0;
    virtual bool hasAudio() const = 0;
    // Pictures a second the source is opened at; 0 when the device decides.
    virtual int framesPerSecond() const = 0;
    // What the log calls the source.
    virtual QString describe() const = 0;
};
using DNCaptureSourcePtr = std::shared_ptr<const DNCaptureSource>;

// The words that open a PulseAudio source; none for an empty name.
QStringList DNPulseAudioInput(const QString &sourceName);
// How many pictures a picture input holds for the engine (see above).
QString DNPictureInputQueue();

// ffmpeg's test picture (moving colour bars and a clock) of the given size and rate, and with
// audio a 440 Hz tone; both paced in real time and stamped with the wall clock as they are taken,
// as a device delivers them.
class DNTestCaptureSource : public DNCaptureSource
{
public:
    DNTestCaptureSource(QSize size, int framesPerSecond, bool withAudio);
    QStringList inputArguments() const override;
    bool hasAudio() const override { return withAudio_; }
    int framesPerSecond() const override { return framesPerSecond_; }
    QString describe() const override;

private:
    QSize size_;
    int framesPerSecond_;
    bool withAudio_;
};
