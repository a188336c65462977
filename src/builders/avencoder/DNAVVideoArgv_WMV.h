#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// Windows Media video and audio (wmv2, wmav2), for one media file; a file group is joined
// instead. No container word: the output's suffix names it. nullptr (with a log line) when no
// vector can be made.
Argument *Video_To_WMV2_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
