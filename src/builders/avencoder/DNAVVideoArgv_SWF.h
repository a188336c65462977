#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// A SWF file for one media file: Flash video ("flv1") with MP3 audio, both fixed; a file group
// is joined instead. nullptr (with a log line) when no vector can be made.
Argument *Video_To_SWF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
