#pragma once

// What the driver's files share: the per-item driver, the one-pass runner, the two-pass run, the
// parts of a group and the state record.

#include "builders/common/Argument.h"
#include "convert/driver/ConvertFailureReason.h"
#include "convert/driver/ConvertState.h"
#include "convert/driver/PassOutput.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

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
// the job's kind, its whole number of passes and, for a group, the seconds of media all its
// members' passes go over (0: not known), under ConvertMutex.
void setJobShape(int groupDepth, int jobKind, int passesPerItem, int totalPasses, double totalWork = 0);

// The job's figures over its passes (ConvertJobFigures), under ConvertMutex: an engine's pass
// begins (work: the seconds of media it goes over; counts: false for a group's joining pass) and
// ends (read before the engine is let go); a pass that was not run as it would only repeat the
// pass before counts as that one again.
void beginConvertPass(double work, bool counts);
void endConvertPass();
void repeatConvertPass();

// Writes message to standard error and the log, and notes it (or reason) as the run's reason;
// returns ConvertResultFailed.
int failConversion(const char *message);
int failConversion(const char *message, const ConvertFailureReason &reason);
// A source whose path holds a name that is not UTF-8 text (the engines would be given another
// file's name for it) fails with that reason, before anything runs: ConvertResultFailed; 0 when
// every name along the path is text.
int refuseSourceNameNotText(const QString &path);

// Converts one item (a DVD title of node, a DVD group title, a file item or a file group) with
// groupDepth 0 for the item the caller asked for and 1 for a group's members.
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
    double titleSecondsRead = 0;     // a DVD title's length as its data gave it (checkPassSource)
};

// Gives a verified output its final name and stores that on the item, unless the user stopped
// first (the output is removed then): 0, ConvertResultStopped or ConvertResultFailed.
int publishPassOutput(PassOutput &output, NXBasicMediaNode *node, int titleIndex);

// One pass: the builder's vector, one engine run writing under a hidden name, the output read to
// its end, then its final name (or its removal when the pass failed, was stopped or the output
// is not whole).
int _VideoConverter(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                    PassRequest *request = nullptr);

// Both passes of a two-pass item, ending in one output under the name a single pass gives.
// beforePass, when given, is told each pass (0, 1) as it begins; titleSecondsRead, when given,
// what the pass that wrote the output learnt of a DVD title's length.
int convertTwoPasses(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                     const std::function<void(int passIndex)> &beforePass = {}, double *titleSecondsRead = nullptr);

// The parts a group's run wrote into the temporary folder. They are only the joining pass's
// input, so whatever becomes of the group (joined, failed or stopped) they go with this. A member
// the run did not reach keeps the output name of an earlier conversion, which is not this run's
// to remove: only what add() names goes.
class GroupParts
{
public:
    GroupParts() = default;
    ~GroupParts();
    GroupParts(const GroupParts &) = delete;
    GroupParts &operator=(const GroupParts &) = delete;

    void add(const QString &path);

private:
    QStringList m_paths;
};

// The file a group's join will write, named on the group (DVD group title or file group) from
// before its members are converted, so that the progress sheet shows what is being made all
// along; the join names it again as it writes it (the next free " (n)" when something took the
// name meanwhile). Unless the join wrote its file, the group gets its earlier name back: an
// output name names a file that was written.
template <class Group>
class PlannedGroupOutput
{
public:
    PlannedGroupOutput(Group &group, const QString &planned) : m_group(group), m_before(group.outputName())
    {
        group.setOutputName(planned);
    }
    ~PlannedGroupOutput()
    {
        if (!m_written)
            m_group.setOutputName(m_before);
    }
    PlannedGroupOutput(const PlannedGroupOutput &) = delete;
    PlannedGroupOutput &operator=(const PlannedGroupOutput &) = delete;

    // The join's result; 0 keeps the name the join gave.
    int settle(int result)
    {
        m_written = result == 0;
        return result;
    }

private:
    Group &m_group;
    QString m_before;
    bool m_written = false;
};

// The file road: one file item (one or two passes through the AV encoder), and a file group
// (its members into the temporary folder, then one joining pass into the output folder).
int convertFileItem(DNFileNode *item, int titleIndex, VideoConvertOptions options, int groupDepth);
int convertFileGroup(DNFileGroupNode *group, int titleIndex, ConvertState *state, VideoConvertOptions options,
                     int groupDepth);
