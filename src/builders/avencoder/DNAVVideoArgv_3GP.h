#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// 3GPP and 3GPP2 files. The selectors hand a profile whose video codec is exactly "h264" to the
// H.264 builder and any other to the MPEG-4 one; both write AAC audio, burn a chosen subtitle
// into the picture, and join a file group instead. nullptr (with a log line) when no vector can
// be made.
Argument *Video_To_3GP_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_3G2_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);

// The two builders behind the selectors; container 1 writes 3G2, any other value 3GP.
// MPEG-4 Part 2 by XviD:
Argument *Video_To_GP_XVID_With_AVEncoder(int container, NXBasicMediaNode *fileNode, int titleIndex,
                                          VideoConvertOptions options);
// H.264 (libx264, Baseline, level 3.0):
Argument *Video_To_GP_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int container, int titleIndex,
                                          VideoConvertOptions options);
