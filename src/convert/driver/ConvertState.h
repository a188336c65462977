#pragma once

#include "convert/driver/ConvertJobFigures.h"
#include "convert/engine/EngineCallbacks.h"

#include <mutex>

// What kind of job the running conversion is; progress is scaled by it.
enum ConvertJobKind : int {
    ConvertJobNone = 0,
    ConvertJobFile = 1,      // one file item
    ConvertJobDVDTitle = 2,  // one DVD title
    ConvertJobGroup = 3,     // a merge group: its members, then one joining pass
};

// The engine of the current pass.
enum ConvertEngineKind : int {
    ConvertEngineMEncoder = 0,
    ConvertEngineMPlayerDump = 1,
    ConvertEngineISOBackup = 2,
    ConvertEngineMKV = 3,
    ConvertEngineAVEncoder = 4,
};

// Results of DNVideoConverterStart besides 0 (written) and the engine's own non-zero result.
inline constexpr int ConvertResultFailed = -1;   // refused, unsupported or failed
inline constexpr int ConvertResultStopped = -2;  // the user stopped it: nothing counts as written

// The one process-wide record of the running conversion. Every field is read and written under
// ConvertMutex; the stored callback is called outside it, so that the callee may ask for
// progress or stop.
struct ConvertState
{
    int running = 0;
    int stopped = 0;
    int jobKind = ConvertJobNone;
    int passesPerItem = 1;
    int engineKind = ConvertEngineMEncoder;
    int startedPasses = 0;   // passes whose engine reported EncodeStateStarted
    int totalPasses = 0;     // passes the whole job runs (group members' passes + the joining pass)
    // Seconds of media all the members' passes of a group go over; 0 when not known (and for
    // other jobs).
    double totalWork = 0;
    // The job's figures over its passes. Both stay as the job left them until the next starts.
    ConvertJobFigures figures;
    // The job has ended: until the next one starts, progress shows what it showed last (lastShown),
    // at 100 % when the job wrote its output, rather than an idle engine's nothing.
    bool ended = false;
    ConvertProgressInfo lastShown;
    EngineStateCallback stateCallback = nullptr;
    void *callbackContext = nullptr;
    float lastPercent = 0;
    // Frames a second of the DVD title the pass reads (0: unknown, or no title): the frame of an
    // engine that counts none is read off its position with it.
    float titleFrameRate = 0;
};

extern std::mutex ConvertMutex;
