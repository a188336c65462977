#pragma once

#include <functional>
#include <string>

#include <sys/types.h>

// How a child process of this one ended, read with waitpid. A wait that a signal interrupts
// (EINTR: the companions install their stop handlers without SA_RESTART) is made again; any other
// failure of the wait (ECHILD when something else reaped the child, or SIGCHLD is ignored) leaves
// the end unknown, which every caller counts as a failure and never as a success.
//
// Plain POSIX and the standard library only: the companions build it too.
struct ChildEnd
{
    enum State { Running, Ended, Unknown };

    State state = Running;
    int status = 0;   // Ended: the exit status, or 128 + the number of the signal that ended it
    int error = 0;    // Unknown: errno of the failed wait

    // For the log: "its end cannot be read: No child processes" and the like; empty unless Unknown.
    std::string problem() const;
};

// With block, waits until the child has ended; otherwise answers Running at once while it runs.
// onInterrupted runs each time a signal interrupted the wait, before the wait is made again.
ChildEnd waitForChild(pid_t child, bool block, const std::function<void()> &onInterrupted = {});
