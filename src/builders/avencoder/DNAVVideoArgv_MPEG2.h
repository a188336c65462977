#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// MPEG-2 video with MPEG audio Layer II, for one media file; a file group is joined instead. No
// container word: the output's suffix names it. nullptr (with a log line) when no vector can be
// made.
Argument *Video_To_MPEG2_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);

// The same with AC-3 audio in an MPEG-2 program stream; an MPEG-2 source ("mp2v") is read with
// the MPEG-2 decoder.
Argument *Video_To_MPEG2AC3_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
