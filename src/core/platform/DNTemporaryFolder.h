#pragma once

#include <QString>

// The run's private temporary folder. Everything the program writes to a temporary place goes
// inside it: a folder of mode 0700 under $TMPDIR (or /tmp) named "talvane-<pid>-" and random
// letters, made at first use and removed with its contents when the process exits. Files in it
// therefore never sit under a guessable name in a folder other users can write to. The folder
// holds a marker naming the process that made it (ProcessIdentity), by which a later start
// tells the folder of a run that was killed from anything else in $TMPDIR.
class DNTemporaryFolder
{
public:
    // The folder's path; empty when it could not be made (then nothing temporary can be written).
    static QString path();
    // A new, unused path inside the folder whose file name starts with prefix (e.g. "HV_")
    // and ends with suffix. The name is not created; it is unique within this run.
    static QString uniqueFilePath(const QString &prefix, const QString &suffix = QString());
    // Removes the folder and its contents now (the exit hook calls this; tests call it too).
    // A later path() makes a new folder.
    static void remove();

    // Removes the temporary folders that runs of this program (and of its companions, which mark
    // theirs the same way) left in $TMPDIR when they were killed: only folders of this user whose
    // marker names a process that has ended, whatever their names. Returns how many were
    // removed; each is logged.
    static int removeStale();
};
