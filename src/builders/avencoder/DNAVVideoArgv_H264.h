#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// H.264 (libx264, Baseline, level 3.0) with AAC audio in an MP4, MOV or iPod container, for one
// media file; a file group is joined instead. nullptr (with a log line) when no vector can be
// made.
Argument *Video_To_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);

// H.264 in high definition (libx264's "slow" preset, one fixed quality for VBR), 8-bit 4:2:0,
// with AAC audio in an MP4, MOV or iPod container; otherwise as the H.264 builder.
Argument *Video_To_HD_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
