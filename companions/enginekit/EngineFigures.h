#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

// A figure read from an engine's output line, kept within what an engine can mean: a damaged or
// garbled line ("inf", 5e26 frames) gives 0 or the limit, never a number that would overflow
// where the figure is turned into an int. Standard library only (the companions build it too).
inline double engineFigure(double value, double most)
{
    return std::isfinite(value) && value > 0 ? std::min(value, most) : 0;
}

// Limits of the figures: about 115 days of media, two billion frames, a million frames a second.
inline constexpr double kMostEngineSeconds = 1e7;
inline constexpr double kMostEngineFrames = 2e9;
inline constexpr double kMostEngineSpeed = 1e6;

// A whole number of an engine's output line at the start of text, within 0..most. False (text
// left as it was) when there is none or it lies outside; otherwise text moves past its digits.
inline bool engineWholeNumber(std::string_view &text, long long most, long long &value)
{
    long long read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc() || read < 0 || read > most)
        return false;
    value = read;
    text.remove_prefix(std::size_t(end - text.data()));
    return true;
}
