#pragma once

// What the driver's files share: the per-item driver, the one-pass runner and the state record.

#include "builders/common/Argument.h"
#include "convert/driver/ConvertState.h"

#include <QStringList>

class NXBasicMediaNode;

// The process-wide state record; guarded by ConvertMutex.
ConvertState &convertState();

// Reads under ConvertMutex.
bool convertStopped();
// Sets the current pass's engine under ConvertMutex.
void setConvertEngineKind(int engineKind);

// Converts one item (a DVD title of node, or a DVD group title) with groupDepth 0 for the item
// the caller asked for and 1 for a group's members.
int _VideoConverter_Start(NXBasicMediaNode *node, int titleIndex, ConvertState *state, VideoConvertOptions options,
                          int groupDepth);

// One pass. When skipWhenVectorIs is given and the builder makes exactly that vector, no engine
// runs and *skipped is set (the result is 0): the pass would only repeat the previous one.
// builtVector, when given, receives the vector the builder made.
int _VideoConverter(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                    const QStringList *skipWhenVectorIs = nullptr, bool *skipped = nullptr,
                    QStringList *builtVector = nullptr);
