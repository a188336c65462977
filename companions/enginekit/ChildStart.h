#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// Starts a program as posix_spawn would (no shell): in this process's memory until its exec, so
// that a failed step of the child is told back with its reason instead of being read as the
// program's own exit status 127. The program gets standard input, output and error and the
// descriptors passed on to it, and none of the others open here, also none this process was
// itself started with. Unless detached, it dies with the thread that started it
// (PR_SET_PDEATHSIG), so a crashed or killed caller leaves no engine running.
//
// Plain POSIX and the standard library only: the companions build it too.
struct ChildStartPlan
{
    std::string program;                  // a path; without a "/", looked up in PATH
    std::vector<std::string> args;        // args[0] is the program word it sees; empty: program
    std::vector<std::string> environment; // "NAME=value" in place of, or besides, this process's own
    std::string workingDirectory;         // empty: this process's
    int input = -1;                       // descriptors to become its standard ones; -1: this
    int output = -1;                      // process's own
    int errors = -1;
    std::vector<int> passedOn;            // further descriptors it keeps, at their numbers
    bool ignoreInterrupt = false;         // SIGINT ignored: a helper its caller ends itself
    // In a session of its own, never waited for: it outlives this process (a program started for
    // the user, a restart of this one).
    bool detached = false;
};

// The started program's process id, or -1 with why set: "could not start <program>: <reason>"
// (with " in <folder>" when the working folder was the step that failed).
pid_t startChild(const ChildStartPlan &plan, std::string &why);
