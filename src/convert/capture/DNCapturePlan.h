#pragma once

#include "convert/capture/DNCaptureSource.h"

#include <QSize>
#include <QString>
#include <QStringList>

// One ffmpeg run of a capture session: the source, and what the run makes of it. A run always
// shows preview pictures when asked; it writes a movie only while recording.
struct DNCapturePlan
{
    DNCaptureSourcePtr source;
    // The movie (QuickTime, H.264 and AAC) is written here; empty: the run only previews.
    QString moviePath;
    // The movie's picture fits inside this size, keeping its shape and never enlarged; an
    // empty size keeps the captured size. Either way its sides are made even, as H.264 wants.
    QSize maxVideoSize;
    // Preview pictures of exactly this size (the picture fitted inside, black around it) on
    // standard output, as 32-bit BGRA; an empty size: none.
    QSize previewSize;
    int previewFramesPerSecond = 10;
    bool previewMirrored = false;
    // The movie ends by itself after this many seconds; 0: when the run is stopped.
    double maxSeconds = 0;
    // The wall-clock time (microseconds since the epoch) that is the movie's time zero: every
    // input's stamps are counted from it, so the movie lasts from the moment the run started
    // (until the engine's first picture the movie shows that picture) and its sound sits where
    // it was heard. 0: the inputs' own times (a run that only previews).
    qint64 timelineOriginMicroseconds = 0;
    // The sound's level (RMS, dBFS) ten times a second, as lines on standard error. A movie with
    // sound has these lines whether asked or not: their times say how far the sound has come.
    bool audioLevel = false;
    // The sound played on the desktop's PulseAudio output at this volume (1 unchanged), so the
    // user hears what is recorded; negative: not played.
    double monitorVolume = -1;
};

// Pictures a second of the movie: the source's rate, or 30 where the device decides. The movie
// keeps that rate constant, repeating a picture the engine could not take in time.
int DNMovieFramesPerSecond(const DNCapturePlan &plan);

// The words after the program's own, for /usr/bin/ffmpeg. Progress goes to standard error as
// "key=value" lines when a movie is written ("frame=" counts the movie's pictures); the sound's
// level as a "frame:N pts:P pts_time:T" line (the start of its tenth of a second) followed by a
// "lavfi.astats.Overall.RMS_level=<dB>" line; ffmpeg's own messages stay at the error level.
QStringList DNCaptureArguments(const DNCapturePlan &plan);
