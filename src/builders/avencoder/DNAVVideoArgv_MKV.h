#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// Matroska: H.264 (libx264, Baseline) or, for the profile codec "libxvid", MPEG-4 Part 2 by XviD,
// with the profile's audio codec; the chosen subtitle (a stream of the file or a subtitle file,
// as UTF-8 text) is carried as a stream of its own. A file group is joined instead. nullptr
// (with a log line) when no vector can be made.
Argument *Video_To_MKV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);

// High-definition Matroska: H.264 (libx264, preset slow, quality 20 for VBR) with AAC audio,
// the chosen subtitle carried as for Video_To_MKV_With_AVEncoder.
Argument *Video_To_HD_MKV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
