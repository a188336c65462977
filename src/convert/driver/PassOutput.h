#pragma once

#include "convert/driver/ConvertFailureReason.h"
#include "convert/engine/OutputReading.h"

#include <QString>

struct Argument;

// How the file of a pass is found whole.
struct PassCheck
{
    // An ISO image of a disc: read as a disc (its volume is whole and its DVD structure reads,
    // with this many titles when above 0), not as media.
    bool discImage = false;
    int discTitles = 0;
    OutputExpectation media;
};

// The file one conversion pass writes. Every engine writes under a hidden name beside the name
// the builder chose (DNPartialOutput); the file takes its final name only once it has been read
// to its end and found whole, and a pass that failed, was stopped or was rejected removes what it
// wrote. So no unfinished file ever carries a final name, whichever engine wrote it.
class PassOutput
{
public:
    // Sends the pass to a hidden name: the word of argument that equals finalPath (the name the
    // builder chose and stored on the item) is replaced by it. Without such a word the pass writes
    // no file of its own (the first of two passes writes only statistics): writesFile() is false.
    PassOutput(Argument *argument, const QString &finalPath);
    // Removes the hidden file unless it was published or released.
    ~PassOutput();
    PassOutput(const PassOutput &) = delete;
    PassOutput &operator=(const PassOutput &) = delete;

    bool writesFile() const { return m_writes; }
    // Empty when the output's names suit the engines; otherwise why not (a path or a file name
    // too long for them). The pass must not run then.
    const ConvertFailureReason &problem() const { return m_problem; }
    const QString &finalPath() const { return m_finalPath; }
    const QString &hiddenPath() const { return m_hiddenPath; }

    // Empty when the written file is whole by check; otherwise why it is not.
    QString verify(const PassCheck &check) const;

    // Gives the file its final name without replacing anything there: the builder's name, or the
    // next free " (n)" name when something took that one meanwhile. Returns the name given; empty
    // when the file could not be renamed (it is removed then).
    QString publish();
    // Removes the hidden file and the helper files an engine made beside it.
    void discard();
    // What the engine has written so far (the hidden file and its helpers).
    qint64 bytesWritten() const;

private:
    QString m_finalPath;
    QString m_hiddenPath;
    ConvertFailureReason m_problem;
    bool m_writes = false;
    bool m_settled = false;
};

// True when the output folder's file system had no room left after a pass: an engine that ran out
// of space may have cut its file short without saying so (mencoder and the player dump do). Only
// the reason given for a pass that failed or an output that is not whole; a whole one is kept
// whatever room is left.
bool outputDiskIsFull(const QString &path);
