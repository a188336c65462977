#pragma once

#include <QString>

// The engine the recorders run and the reader that checks what they wrote.
namespace DNCaptureTools {
inline QString ffmpeg() { return QStringLiteral("/usr/bin/ffmpeg"); }
inline QString ffprobe() { return QStringLiteral("/usr/bin/ffprobe"); }
} // namespace DNCaptureTools
