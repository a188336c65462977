#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// One sub-command of talvane-devtool. run gets the arguments after the sub-command's name and
// returns the process exit status (0 only on success); errors go to standard error.
struct DevtoolCommand
{
    const char *name;
    const char *usage;   // the arguments, for the help text
    int (*run)(const QStringList &arguments);
};

// Writes "talvane-devtool NAME: message" to standard error, on one line (a line break or control
// character a name brings is written escaped, as the log writes it); returns exit status 1.
int devtoolFail(const char *command, const QString &message);
// Writes text to standard output as UTF-8.
void devtoolPrint(const QString &text);
// Writes a path on a line of its own, escaped as the log writes names (DNPrintableText).
void devtoolPrintPath(const QString &path);
// The arguments as the command line gave them, bytes and all (QCoreApplication's text replaces
// bytes that are not UTF-8).
const QList<QByteArray> &devtoolArgumentBytes();
