#pragma once

#include <QString>

// The engine the recorders run.
namespace DNCaptureTools {
inline QString ffmpeg() { return QStringLiteral("/usr/bin/ffmpeg"); }
} // namespace DNCaptureTools
