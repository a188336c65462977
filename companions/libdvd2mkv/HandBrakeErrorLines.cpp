#include "libdvd2mkv/HandBrakeErrorLines.h"

#include <array>

namespace {
// "[08:17:32] " before hb_log's lines.
std::string_view withoutClock(std::string_view line)
{
    if (line.size() > 11 && line.front() == '[' && line[9] == ']' && line[10] == ' ')
        line.remove_prefix(11);
    return line;
}

bool holds(std::string_view line, std::string_view word)
{
    return line.find(word) != std::string_view::npos;
}
} // namespace

bool isHandBrakeErrorLine(std::string_view line)
{
    line = withoutClock(line);
    // HandBrakeCLI's closing words after any failed encode: the companion's own closing line
    // gives the status, and the cause comes before them.
    if (line.starts_with("Encode failed (error "))
        return false;
    static constexpr std::array<std::string_view, 2> kVerdicts{"No title found", "Invalid "};
    for (const std::string_view verdict : kVerdicts)
        if (line.starts_with(verdict))
            return true;
    // Case matters: lower-case "error" is in lines every good run writes ("0 decoder errors",
    // "error opening file BDMV/index.bdmv" while the source is tried as a Blu-ray).
    return holds(line, "ERROR") || holds(line, "Error") || holds(line, " failed");
}

void HandBrakeErrorLines::feedLine(std::string_view line)
{
    if (!isHandBrakeErrorLine(line))
        return;
    if (m_lines.size() == kKeptLines)
        m_lines.pop_front();
    m_lines.emplace_back(line);
}
