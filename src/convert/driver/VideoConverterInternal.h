#pragma once

// What the driver's files share: the per-item driver, the one-pass runner, the two-pass run and
// the state record.

#include "builders/common/Argument.h"
#include "convert/driver/ConvertState.h"

#include <QString>
#include <QStringList>

#include <functional>

class DNFileGroupNode;
class DNFileNode;
class NXBasicMediaNode;

// The process-wide state record; guarded by ConvertMutex.
ConvertState &convertState();

// Reads under ConvertMutex.
bool convertStopped();
// Sets the current pass's engine under ConvertMutex.
void setConvertEngineKind(int engineKind);
// Sets the passes of the item under way, and for the item the caller asked for (groupDepth 0)
// the job's kind and its whole number of passes, under ConvertMutex.
void setJobShape(int groupDepth, int jobKind, int passesPerItem, int totalPasses);

// Writes message to standard error and the log; returns ConvertResultFailed.
int failConversion(const char *message);

// Converts one item (a DVD title of node, a DVD group title, a file item or a file group) with
// groupDepth 0 for the item the caller asked for and 1 for a group's members.
int _VideoConverter_Start(NXBasicMediaNode *node, int titleIndex, ConvertState *state, VideoConvertOptions options,
                          int groupDepth);

// One pass. When skipWhenVectorIs is given and the builder makes exactly that vector, no engine
// runs and *skipped is set (the result is 0): the pass would only repeat the previous one.
// builtVector, when given, receives the vector the builder made.
int _VideoConverter(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                    const QStringList *skipWhenVectorIs = nullptr, bool *skipped = nullptr,
                    QStringList *builtVector = nullptr);

// Where a pass writes: the item's output name, which the builder sets afresh for each pass;
// beforePass, when given, is told each pass (0, 1) as it begins.
struct PassOutput
{
    std::function<QString()> name;
    std::function<void(const QString &)> setName;
    std::function<void(int passIndex)> beforePass = {};
};

// Both passes of a two-pass item, ending in one output under the name a single pass gives.
int convertTwoPasses(NXBasicMediaNode *node, int titleIndex, const PassOutput &output, VideoConvertOptions options);

// The file road: one file item (one or two passes through the AV encoder), and a file group
// (its members into the temporary folder, then one joining pass into the output folder).
int convertFileItem(DNFileNode *item, int titleIndex, VideoConvertOptions options, int groupDepth);
int convertFileGroup(DNFileGroupNode *group, int titleIndex, ConvertState *state, VideoConvertOptions options,
                     int groupDepth);
