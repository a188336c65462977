#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// MPEG-4 Part 2 video tagged DIVX or XVID (by the profile's video codec) with MP3 audio in AVI,
// for one media file; a file group is joined instead. nullptr (with a log line) when no vector
// can be made.
Argument *Video_To_AVI_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);

// The same video with MP3 audio in MP4, untagged; an MPEG-2 source ("mp2v") is read with the
// MPEG-2 decoder.
Argument *Video_To_MP4_MP3Audio_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
