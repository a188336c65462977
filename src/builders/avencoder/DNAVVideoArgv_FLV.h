#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// Flash video for one media file with MP3 audio; a file group is joined instead. nullptr (with a
// log line) when no vector can be made.

// FLV: Flash's own H.263 when the profile's video codec is "h263", else H.264 (libx264) with
// the Flash tuning and rate control.
Argument *Video_To_FLV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);

// F4V: always H.264 with the same tuning, and the pass's thread count when it is not the
// machine's.
Argument *Video_To_F4V_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
