#pragma once

#include "convert/driver/ConvertFailureReason.h"
#include "convert/driver/ConvertState.h"
#include "convert/engine/ConvertProgressInfo.h"
#include "convert/engine/EngineCallbacks.h"

#include <QString>

class NXBasicMediaNode;

// The conversion driver: converts one media item at a time and offers stop, progress and state
// reporting to the application shell.
//
// DNVideoConverterStart runs on the conversion worker and blocks until the item is done: node is
// a DVD node with the index of one of its titles, or a DVD group title with titleIndex -1. It
// returns 0 when the output named by the title's (or group's) outputName was written (read whole
// and given its final name; a stop that comes after that finds the job done, and only the cover
// step is skipped); ConvertResultStopped when the user stopped it before (nothing counts as
// written then, nothing unfinished is left, and no after-conversion step may run); ConvertResultFailed when it was refused (another
// conversion runs), the item is not one the driver converts, or a pass failed; or the engine's
// own non-zero result. Every failure leaves a log line.
//
// The state callback gets the engines' state codes (EncodeStateStarted once per pass) with the
// given context, on whichever thread reports them. Stop and Progress may be called from any
// thread at any moment.
int DNVideoConverterStart(NXBasicMediaNode *node, int titleIndex, EngineStateCallback stateCallback,
                          void *callbackContext);
void DNVideoConverterStop();
// Why the last DNVideoConverterStart that neither wrote its output nor was stopped failed, as the
// step that failed gave it (with the engine's own error line where an engine failed); empty
// after a success or a stop. Read it on the thread that ran the conversion, after it returned.
ConvertFailureReason DNVideoConverterFailureReason();
void DNVideoConverterProgress(ConvertProgressInfo *info);
// The MEncoder library's length of what it converts, while the MEncoder engine runs; else 0.
int DNVideoConverterVideoLength();

// Handed to every engine bridge: counts the started passes and forwards the code to the
// caller's callback (context is not read).
int DNVideoConverterStateCallback(void *context, int code);
// Handed to the MEncoder and AV bridges for their log lines; per-frame status lines are dropped.
void DNVideoConverterLogCallback(const char *line);

// True when every output in folder fits the engines' argument slots whatever its file name:
// the folder's UTF-8 path, a slash and the longest file name stay below MaxCharLength.
bool outputFolderFitsEngines(const QString &folder);

// A copy of the state record (for tests and diagnostics).
ConvertState DNVideoConverterState();
