#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// The audio-only outputs: the chosen audio track of one media file, or the members of a file
// group (each converted on its own first) joined into one file. nullptr (with a log line) when no
// vector can be made.
Argument *Video_To_AAC_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_AC3_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_AIFF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_ALAC_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_AU_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_CAF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_DTS_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_FLAC_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_M4R_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_MP3_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_OGG_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_RA_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_WAV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_WMA_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
