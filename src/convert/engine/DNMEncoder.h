#pragma once

#include "convert/engine/ConvertProgressInfo.h"
#include "convert/engine/EngineCallbacks.h"

// The bridge to the MEncoder library (fws/hvvideocore.so). The conversion driver runs each pass
// on its worker thread with Encoder_SetCallback, Encoder_SetLogCallback, Encoder_Config,
// Encoder_Start (blocks for the whole pass) and Encoder_Unload; Encoder_Progress and Encoder_Stop
// may come from other threads at any moment in between.
//
// A library or entry point that is missing fails the pass with a log line; it never ends the
// program.

// Loads the library when it is not loaded, stores the callback and its context, registers the
// forwarder with the library and clears the cached progress. 0 on success, -1 (logged) when the
// library or its callback entry point is missing.
int Encoder_SetCallback(EngineStateCallback callback, void *context);

// What the library calls with a state code: the stored callback with its context, else 0.
int Encoder_CallbackForward(int code);

// Routes the library's log lines to log; nothing when log is null or the library not loaded.
void Encoder_SetLogCallback(EngineLogCallback log);

// Configures the next pass (the record's engineSafeMode); nothing when not loaded.
void Encoder_Config(unsigned char engineSafeMode);

// Runs one pass on a thread of its own, joined at once: the library's result (0 on success),
// -1 when the library or its entry point is missing or no result came.
int Encoder_Start(int argc, char *argv[], int endpos);

// Fills info under the bridge's lock, keeping the last good value of each field: time >= 0,
// speed 1..9999, frame >= 0, percent 0..100. When not loaded, the cached values.
void Encoder_Progress(ConvertProgressInfo *info);

// Makes a running pass end; nothing when not loaded.
void Encoder_Stop();

// The library's length of the part being converted in seconds; 0 when not loaded.
int Encoder_Video_Length();

// Closes the library and clears callback, context and the cached progress.
void Encoder_Unload();

// The filter Encoder_Progress applies: each field of info that is out of its range takes the
// value of lastGood; each one in range becomes the new lastGood.
void keepGoodProgress(ConvertProgressInfo &info, ConvertProgressInfo &lastGood);
