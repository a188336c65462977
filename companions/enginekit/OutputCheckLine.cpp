#include "enginekit/OutputCheckLine.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::string_view kReported = " reported success but ";
constexpr std::string_view kLasts = "the output lasts ";
constexpr std::string_view kWhere = " s where ";
constexpr std::string_view kExpected = " s were expected";

// The number text is, written as the engines write lengths ("6.1"); nothing when text is
// anything else.
std::optional<double> secondsIn(std::string_view text)
{
    if (text.empty() || text.size() > 32 || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    const std::string copy(text);
    char *end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size())
        return std::nullopt;
    return value;
}
} // namespace

std::string outputCheckLine(std::string_view engine, std::string_view problem)
{
    return std::string(engine) + std::string(kReported) + std::string(problem);
}

std::string_view outputCheckProblem(std::string_view line)
{
    const size_t at = line.find(kReported);
    // The engine is one word: "ffmpeg", "HandBrakeCLI".
    if (at == std::string_view::npos || at == 0 || line.substr(0, at).find(' ') != std::string_view::npos)
        return {};
    return line.substr(at + kReported.size());
}

std::string outputTooShortProblem(double lastsSeconds, double expectedSeconds)
{
    char text[128];
    std::snprintf(text, sizeof text, "%s%.1f%s%.1f%s", kLasts.data(), lastsSeconds, kWhere.data(), expectedSeconds,
                  kExpected.data());
    return text;
}

std::optional<OutputLengths> parseOutputTooShortProblem(std::string_view problem)
{
    if (!problem.starts_with(kLasts) || !problem.ends_with(kExpected))
        return std::nullopt;
    const std::string_view figures = problem.substr(kLasts.size(), problem.size() - kLasts.size() - kExpected.size());
    const size_t where = figures.find(kWhere);
    if (where == std::string_view::npos)
        return std::nullopt;
    const std::optional<double> lasts = secondsIn(figures.substr(0, where));
    const std::optional<double> expected = secondsIn(figures.substr(where + kWhere.size()));
    if (!lasts || !expected)
        return std::nullopt;
    return OutputLengths{*lasts, *expected};
}
