#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

// The last lines of HandBrakeCLI's log that tell why a job failed: its own "ERROR: ..." lines and
// verdicts such as "No title found.", the "Error ..." of the libraries under it, a step that
// "failed". HandBrakeCLI logs hundreds of lines a job, and some that read like complaints on every
// good run too (libdvdread looking for a drive, "0 decoder errors"), which are left out; only
// the last few are kept, so a long job's memory stays bounded.
class HandBrakeErrorLines
{
public:
    static constexpr std::size_t kKeptLines = 4;

    // One plain log line (not a line of a JSON block).
    void feedLine(std::string_view line);
    // Oldest first.
    const std::deque<std::string> &lines() const { return m_lines; }

private:
    std::deque<std::string> m_lines;
};

// True when line is one HandBrakeErrorLines keeps.
bool isHandBrakeErrorLine(std::string_view line);
