#pragma once

// What the driver's files share: the per-item driver, the one-pass runner and the state record.

#include "builders/common/Argument.h"
#include "convert/driver/ConvertState.h"
#include "convert/driver/PassOutput.h"

#include <QStringList>

#include <memory>

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

// What a caller asks of one pass beyond running it, and what it learns.
struct PassRequest
{
    // When the builder makes exactly this vector, no engine runs and skipped is set (the result
    // is 0): the pass would only repeat the previous one.
    const QStringList *skipWhenVectorIs = nullptr;
    // Give the verified output its final name. When false (the first of two passes, whose file
    // may yet become the result) the verified output stays hidden in kept.
    bool publish = true;

    bool skipped = false;
    QStringList builtVector;         // the vector the builder made
    std::unique_ptr<PassOutput> kept;
};

// Gives a verified output its final name and stores that on the item, unless the user stopped
// first (the output is removed then): 0, ConvertResultStopped or ConvertResultFailed.
int publishPassOutput(PassOutput &output, NXBasicMediaNode *node, int titleIndex);

// One pass: the builder's vector, one engine run writing under a hidden name, the output read to
// its end, then its final name (or its removal when the pass failed, was stopped or the output
// is not whole).
int _VideoConverter(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                    PassRequest *request = nullptr);
