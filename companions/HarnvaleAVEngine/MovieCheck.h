#pragma once

#include <string>

// Whether the movie at path is what was asked for: a video stream lasting seconds (to within a
// frame at fps, with a little room for the container), and an audio stream when wantAudio.
// false with *why set otherwise.
bool movieIsComplete(const std::string &path, double seconds, double fps, bool wantAudio, std::string *why);
