#pragma once

#include "convert/engine/EngineCallbacks.h"

// The bridge to the Matroska backup library (fws/libdvd2mkv.so). Per pass the driver calls
// DVD2MKV_Load, DVD2MKV_SetLogCallback, DVD2MKV_Start (blocks until the job ends) and
// DVD2MKV_Unload; progress, speed, time and stop may come from other threads meanwhile. A missing
// library or entry point makes the call return -1 with "Error: ..." printed and logged; the
// program goes on.

int DVD2MKV_Load(EngineStateCallback callback, void *context);
// Where the library's lines go (HandBrakeCLI's last error lines when a job fails, its own reason
// when HandBrakeCLI cannot start or the backup is not whole) until DVD2MKV_Unload; after
// DVD2MKV_Load. A library without a log channel keeps writing them to standard error.
void DVD2MKV_SetLogCallback(EngineLogCallback log);
int DVD2MKV_Start(int argc, char *argv[], int endpos);
int DVD2MKV_Stop();
int DVD2MKV_Unload();
int DVD2MKV_Progress();
// The speed the engine measured (frames per second), 0 while it has given none.
int DVD2MKV_FPS();
int DVD2MKV_Time();
// How many steps of its scan of the source the library has reported in this pass: the scan
// comes before any output or progress, and may take minutes on a disc of many titles.
int DVD2MKV_ScanSteps();

// The progress callback the library calls (public for tests).
void DVD2MKV_InfoCallback(int state, int pass, float progress, float rate, float rateAvg, int etaHours,
                          int etaMinutes, int etaSeconds, int hours, int minutes, int seconds);
