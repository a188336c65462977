#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Runs an engine or tool to its end for a test, with one combined output to match against.
namespace testsupport {
struct ProcessResult {
    bool started = false;
    bool finished = false; // false when it had to be killed at the timeout
    int exitCode = -1;
    QByteArray output;     // stdout and stderr, interleaved
};

ProcessResult runProcess(const QString &program, const QStringList &arguments, int timeoutMs = 120000);

// The ids of the processes below this one (children, their children, ...) whose command name is
// name ("mencoder", "HandBrakeCLI"), so that a test ends only engines it started.
QList<qint64> descendantProcesses(const QString &name);

// Polls condition (a process's state, a file's appearance) every 10 ms until it holds, at most
// timeoutSeconds; false on timeout.
bool waitFor(const std::function<bool()> &condition, int timeoutSeconds = 120);
} // namespace testsupport
