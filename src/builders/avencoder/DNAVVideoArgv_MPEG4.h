#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// MPEG-4 Part 2 video (the "mpeg4" encoder) with AAC audio in an MP4, MOV or iPod container, for
// one media file; a file group is joined instead. nullptr (with a log line) when no vector can
// be made.
Argument *Video_To_MPEG4_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
