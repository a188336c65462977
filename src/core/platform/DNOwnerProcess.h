#pragma once

#include <QDateTime>
#include <QtGlobal>

// Files and folders the program leaves while it works (its private temporary folder, an output
// under its hidden name) carry the id of the process that made them, so that a later start can
// tell work in progress from what a killed run left behind.

// True when the process pid cannot be the one that last changed something at lastChange: no
// such process runs, or the one that runs under that id started after lastChange (the id was
// given again). False for a process that may still own it, this one included.
bool DNOwnerProcessIsGone(qint64 pid, const QDateTime &lastChange);
