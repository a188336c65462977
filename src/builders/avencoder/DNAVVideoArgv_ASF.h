#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// ASF: MPEG-4 Part 2 video (the built-in encoder) with Windows Media Audio 2; a chosen subtitle
// is burnt into the picture. A file group is joined instead. nullptr (with a log line) when no
// vector can be made.
Argument *Video_To_ASF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
