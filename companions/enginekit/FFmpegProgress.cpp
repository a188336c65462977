#include "enginekit/FFmpegProgress.h"

#include "enginekit/EngineFigures.h"

#include <charconv>
#include <string>

namespace {
bool parseNumber(std::string_view text, double &value)
{
    // from_chars for double is not in every standard library this builds on; strtod is.
    const std::string copy(text);
    char *end = nullptr;
    const double v = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end == copy.c_str() || *end != '\0')
        return false;
    value = v;
    return true;
}
} // namespace

void FFmpegProgress::feedLine(std::string_view line)
{
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return;
    const std::string_view key = line.substr(0, eq);
    const std::string_view value = line.substr(eq + 1);
    double number = 0;
    if (key == "out_time_us" || key == "out_time_ms") {
        // Both carry microseconds (out_time_ms is a misnamed twin).
        if (parseNumber(value, number) && number >= 0)
            m_seconds = engineFigure(number / 1e6, kMostEngineSeconds);
    } else if (key == "frame") {
        if (parseNumber(value, number) && number >= 0)
            m_frames = engineFigure(number, kMostEngineFrames);
    } else if (key == "fps") {
        if (parseNumber(value, number) && number >= 0) {
            m_fps = engineFigure(number, kMostEngineSpeed);
            m_hasFps = true;
        }
    } else if (key == "progress") {
        ++m_blocks;
        if (value == "end")
            m_ended = true;
    }
}
