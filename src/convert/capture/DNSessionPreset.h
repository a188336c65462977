#pragma once

#include <QSize>

// The screen recorder's quality presets, in the order of its settings' index. A preset bounds
// the recorded picture: it is fitted inside the preset's size, keeping its shape, and never
// enlarged. High and Photo keep the captured size; Low and Medium are the sizes cameras give
// for sharing over a slow and a fast link.
enum class DNSessionPreset {
    Low,
    Medium,
    High,
    Size320x240,
    Size352x288,
    Size640x480,
    Size960x540,
    Size1280x720,
    Photo,
};

inline constexpr unsigned kSessionPresetCount = 9;

// The preset at a settings index; High for an index past the list (a damaged setting).
DNSessionPreset DNSessionPresetAtIndex(unsigned index);
// The largest picture a preset records; an empty size for the captured size.
QSize DNSessionPresetMaxSize(DNSessionPreset preset);
// The preset a session takes when asked for requested on a system of that version level: the
// 10.8 systems took High as 1280x720.
DNSessionPreset DNSessionPresetForSystem(DNSessionPreset requested, int systemVersion);
