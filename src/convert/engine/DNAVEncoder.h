#pragma once

#include "enginekit/AVEncoderTable.h"
#include "convert/engine/EngineCallbacks.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// The bridge to the AV encoder library (fws/avencoder.so). The conversion driver runs one pass
// with AVEncoderInit, AVEncoderSetLogCallback, AVEncoderEncode (blocks) and AVEncoderRelease on
// its worker thread; progress, speed, time and stop may come from other threads meanwhile.
// The media-file code uses the three one-shot jobs, which may run at the same time as each other
// and as a pass, on the library loaded once for them.
//
// A library that cannot be loaded fails the pass (or the job) with a log line; it never ends the
// program.

// Loads the library for a pass. 0 on success; -1 (logged) when the library or its entry point is
// missing. A second call before AVEncoderRelease keeps the first callback and context.
int AVEncoderInit(EngineStateCallback callback, void *context);

// Runs one pass; endpos is the length being produced in seconds (0: as long as the input).
// Reports EncodeStateStarted once per context. 0 on success; the library's non-zero result
// otherwise, -1 without AVEncoderInit.
int AVEncoderEncode(int argc, char *argv[], int endpos);

void AVEncoderStop();
// Unloads the library; -1 when nothing was loaded.
int AVEncoderRelease();

// Percent of the pass done (0..100); 0 while the length is unknown.
int AVEncoderProgress();
// The measured encoding speed in frames per second, 0 while the engine has given none.
int AVEncoderFPS();
// Media seconds written so far.
int AVEncoderTime();
// The pictures the pass has written so far, as the engine counts them; 0 for an output without
// pictures.
int AVEncoderFrame();

// Hands the library a log function for its lines; needs AVEncoderInit first.
void AVEncoderSetLogCallback(EngineLogCallback log);

// Writes subtitle stream index of input to output as SubRip text. 0 on success; -1 when input is
// null or index negative (the library is not loaded then) or the library is missing.
int AVEncoderExtractSubFile(const char *input, int index, const char *output);

// One frame of path at the given second, scaled to width, as JPEG bytes; empty on failure.
// From second 11 on the most representative frame near that point is taken instead of the
// exact one. The third argument is kept for callers' sake and not read.
QByteArray AVEncoderExtractImage(const QString &path, float width, const void *unused, int seconds);

// Stream counts and container facts of a media file; nullptr when it cannot be read.
std::unique_ptr<AVMediaInformation> AVEncoderMediaInfo(const char *path);

// The vectors the two extraction jobs hand the library (exposed for their tests).
QStringList AVEncoderSubtitleArguments(const QString &input, int index, const QString &output);
QStringList AVEncoderImageArguments(const QString &path, float width, int seconds, const QString &output);
