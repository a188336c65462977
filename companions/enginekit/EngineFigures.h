#pragma once

#include <algorithm>
#include <cmath>

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
