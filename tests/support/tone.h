#pragma once

#include <QString>

#include <optional>

// The fixtures' audio tracks are sine tones of different pitches; measuring one tells which track
// an engine picked and that it is not silent.
namespace testsupport {
struct Tone {
    double frequencyHz = 0; // 0 for silence
    double rmsDb = -200;    // dBFS
};

// Decodes `seconds` of audio stream `audioIndex` (0 = first audio stream) from `startSeconds` on,
// with ffmpeg. Empty when nothing decodes.
std::optional<Tone> measureTone(const QString &path, int audioIndex = 0, double startSeconds = 0.5,
                                double seconds = 2.0);
} // namespace testsupport
