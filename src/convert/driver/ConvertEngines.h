#pragma once

#include "convert/engine/ConvertProgressInfo.h"
#include "convert/engine/EngineCallbacks.h"

// The five engine bridges seen through one shape, so that a pass, a stop and a progress query
// each read one row instead of switching on the engine.
struct ConvertEngine
{
    const char *name;
    // Prepares a pass: registers the state callback (and the log callback where the engine has
    // one). Non-zero when the engine cannot be used; the pass then fails.
    int (*begin)(EngineStateCallback callback, EngineLogCallback log, unsigned char engineSafeMode);
    // Runs the pass to its end on the calling thread; 0 on success.
    int (*start)(int argc, char *argv[], int endpos);
    // Undoes begin.
    void (*end)();
    void (*stop)();
    // Fills the time, speed and frame fields the engine measures (the others stay 0) and returns
    // the pass's percent.
    float (*progress)(ConvertProgressInfo *info);
    // The engine counts no frames (it copies a title's stream): the frame its position in the
    // title has reached stands for the count, the title's rate times the seconds done.
    bool framesFromPosition;
    // The engine measures its speed; one that does not (it copies the disc or a stream) has none
    // to show.
    bool measuresSpeed;
    // Signs that the engine works which its progress does not show (HandBrakeCLI's scan of the
    // disc before it encodes): a count that grows with each; 0 for engines that give none.
    int (*scanSteps)();
};

// The row of an engine kind (ConvertEngineKind); nullptr for any other value.
const ConvertEngine *convertEngineForKind(int engineKind);
