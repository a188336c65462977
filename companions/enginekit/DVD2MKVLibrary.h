#pragma once

// The boundary between the Matroska backup bridge and its companion library (fws/libdvd2mkv.so).
// The library exports three C functions: appMain runs one job and blocks until it ends,
// HBSetInfoCallbackFunc registers the progress callback, HBStopJob asks a running job to end.
// A fourth, HBSetLogCallbackFunc, registers where its lines go (why a job failed among them),
// standard error without one; a bridge may do without it.
extern "C" {

// Progress callback: job state, pass, progress fraction 0..1, speed (frames per second), average
// speed, time left (hours, minutes, seconds), length of what is being written (hours, minutes,
// seconds; the bridge reads the progress, the speed and the length).
using HBInfoCallback = void (*)(int state, int pass, float progress, float rate, float rateAvg, int etaHours,
                                int etaMinutes, int etaSeconds, int hours, int minutes, int seconds);

// One line without its line break.
using HBLogCallback = void (*)(const char *line);

using HBAppMainFunction = int (*)(int argc, char *argv[], int endpos);
using HBSetInfoCallbackFunction = void (*)(HBInfoCallback callback);
using HBSetLogCallbackFunction = void (*)(HBLogCallback callback);
using HBStopJobFunction = int (*)();
}

// The job states the callback reports.
enum HBJobState : int { HBJobScanning = 1, HBJobWorking = 2, HBJobMuxing = 3, HBJobDone = 4 };
