#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// MPEG-1 video with MPEG audio Layer II, for one media file; a file group is joined instead. No
// container word: the output's suffix names it. nullptr (with a log line) when no vector can be
// made.
Argument *Video_To_MPEG1_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
