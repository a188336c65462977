#pragma once

#include <QStringList>

// One sub-command of talvane-devtool. run gets the arguments after the sub-command's name and
// returns the process exit status (0 only on success); errors go to standard error.
struct DevtoolCommand
{
    const char *name;
    const char *usage;   // the arguments, for the help text
    int (*run)(const QStringList &arguments);
};

// Writes "talvane-devtool NAME: message" to standard error; returns exit status 1.
int devtoolFail(const char *command, const QString &message);
// Writes text to standard output as UTF-8.
void devtoolPrint(const QString &text);
