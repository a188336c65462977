#pragma once

#include <optional>
#include <string>
#include <string_view>

// What it means that a signal ended an engine, for the companions' log lines and the program's
// reasons. ChildEnd and EngineProcess give such an end as 128 + the signal's number, as shells
// do, so "status 153" is SIGXFSZ: the engine wrote past the file-size limit (ulimit -f). A user
// reads what happened, not the sum. The engines exit on their own with small statuses (1, 2, 69)
// or 255, which is no signal's.

enum class SignalEndKind {
    None,            // the status is an exit status
    FileSizeLimit,   // SIGXFSZ
    Crash,           // SIGSEGV, SIGABRT, SIGBUS, SIGILL, SIGFPE
    Kill,            // SIGKILL: killed from outside (a user, the out-of-memory killer)
    Other,           // any other signal (SIGTERM, SIGHUP, SIGPIPE ...)
};

struct SignalEnd
{
    int signal = 0;
    SignalEndKind kind = SignalEndKind::None;
};

// The signal behind status (128 + its number); kind None when status is an exit status.
SignalEnd signalEndOfStatus(int status);

// "SIGXFSZ"; "signal 40" for one without a name here.
std::string signalName(int signal);

// The line that tells that status ended program: "ffmpeg was ended by SIGXFSZ: the file-size
// limit was reached"; empty when status is an exit status.
std::string signalEndLine(std::string_view program, int status);

// How program ended, for a log line: the signal line above, or "<program> <exitVerb> with status
// N" ("ended", "failed").
std::string childEndText(std::string_view program, int status, std::string_view exitVerb = "ended");

struct SignalEndFact
{
    std::string program;
    SignalEnd end;
};

// The program and signal of a signal line, found anywhere in line (a companion may put its own
// words before it: "pass failed: mencoder was ended by SIGSEGV: it crashed"); nothing for any
// other line.
std::optional<SignalEndFact> parseSignalEndLine(std::string_view line);
