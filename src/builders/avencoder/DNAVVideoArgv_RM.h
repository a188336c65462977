#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// A RealMedia file for one media file: RealVideo 2 ("rv20") with AC-3 audio; a file group is
// joined instead. nullptr (with a log line) when no vector can be made.
Argument *Video_To_RM_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
