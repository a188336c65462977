#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// WebM: VP8 video (rate limits for CBR, a quality by the profile's quality phase for VBR) with
// Vorbis audio; a chosen subtitle is burnt into the picture. A file group is joined instead.
// nullptr (with a log line) when no vector can be made.
Argument *Video_To_WEBM_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
