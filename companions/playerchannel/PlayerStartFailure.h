#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the player executable tells the program that it could not start mplayer (missing, not
// runnable, no process to be had): one line on its standard error, and its exit status. The
// program reads the line as a failed start of the player with that reason, not as a run of
// mplayer that ended.
//
// Plain standard library: the player executable builds this same file.
namespace PlayerStartFailure {

// The player's exit status after such a failure (the shell's "could not run").
constexpr int kExitStatus = 127;

// The line for why (as startChild says it: "could not start /usr/bin/mplayer: ..."), with "\n".
std::string line(const std::string &why);

// The why of such a line (given without its line break), or nothing for any other line.
std::optional<std::string> reasonOf(std::string_view line);

} // namespace PlayerStartFailure
