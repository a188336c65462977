#include "enginekit/SignalEnd.h"

#include <csignal>

namespace {

struct SignalRow
{
    int signal;
    const char *name;
    SignalEndKind kind;
};

const SignalRow kSignals[] = {
    {SIGXFSZ, "SIGXFSZ", SignalEndKind::FileSizeLimit}, {SIGSEGV, "SIGSEGV", SignalEndKind::Crash},
    {SIGABRT, "SIGABRT", SignalEndKind::Crash},         {SIGBUS, "SIGBUS", SignalEndKind::Crash},
    {SIGILL, "SIGILL", SignalEndKind::Crash},           {SIGFPE, "SIGFPE", SignalEndKind::Crash},
    {SIGKILL, "SIGKILL", SignalEndKind::Kill},          {SIGTERM, "SIGTERM", SignalEndKind::Other},
    {SIGINT, "SIGINT", SignalEndKind::Other},           {SIGHUP, "SIGHUP", SignalEndKind::Other},
    {SIGQUIT, "SIGQUIT", SignalEndKind::Other},         {SIGPIPE, "SIGPIPE", SignalEndKind::Other},
    {SIGALRM, "SIGALRM", SignalEndKind::Other},         {SIGUSR1, "SIGUSR1", SignalEndKind::Other},
    {SIGUSR2, "SIGUSR2", SignalEndKind::Other},         {SIGTRAP, "SIGTRAP", SignalEndKind::Other},
    {SIGSYS, "SIGSYS", SignalEndKind::Other},           {SIGXCPU, "SIGXCPU", SignalEndKind::Other},
};

constexpr int kHighestSignal = 64;
constexpr std::string_view kEndedBy = " was ended by ";

const SignalRow *rowOf(int signal)
{
    for (const SignalRow &row : kSignals)
        if (row.signal == signal)
            return &row;
    return nullptr;
}

const char *meaningOf(SignalEndKind kind)
{
    switch (kind) {
    case SignalEndKind::FileSizeLimit: return "the file-size limit was reached";
    case SignalEndKind::Crash: return "it crashed";
    case SignalEndKind::Kill: return "it was killed";
    default: return "";
    }
}

} // namespace

SignalEnd signalEndOfStatus(int status)
{
    const int signal = status - 128;
    if (signal < 1 || signal > kHighestSignal)
        return {};
    const SignalRow *row = rowOf(signal);
    return {signal, row ? row->kind : SignalEndKind::Other};
}

std::string signalName(int signal)
{
    const SignalRow *row = rowOf(signal);
    return row ? row->name : "signal " + std::to_string(signal);
}

std::string signalEndLine(std::string_view program, int status)
{
    const SignalEnd end = signalEndOfStatus(status);
    if (end.kind == SignalEndKind::None)
        return {};
    std::string line = std::string(program) + std::string(kEndedBy) + signalName(end.signal);
    if (const std::string_view meaning = meaningOf(end.kind); !meaning.empty())
        line += ": " + std::string(meaning);
    return line;
}

std::string childEndText(std::string_view program, int status, std::string_view exitVerb)
{
    const std::string line = signalEndLine(program, status);
    return line.empty() ? std::string(program) + " " + std::string(exitVerb) + " with status " + std::to_string(status)
                        : line;
}

std::optional<SignalEndFact> parseSignalEndLine(std::string_view line)
{
    const size_t at = line.find(kEndedBy);
    if (at == std::string_view::npos || at == 0)
        return std::nullopt;
    // The program is the one word before the phrase.
    const std::string_view before = line.substr(0, at);
    const size_t space = before.find_last_of(' ');
    const std::string_view program = space == std::string_view::npos ? before : before.substr(space + 1);
    std::string_view rest = line.substr(at + kEndedBy.size());
    rest = rest.substr(0, rest.find(':'));
    if (program.empty())
        return std::nullopt;
    for (int signal = 1; signal <= kHighestSignal; ++signal) {
        if (signalName(signal) == rest) {
            const SignalEnd end = signalEndOfStatus(128 + signal);
            return SignalEndFact{std::string(program), end};
        }
    }
    return std::nullopt;
}
