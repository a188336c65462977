#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// A DV stream for one media file: the encoder's NTSC DV target for a 720x480 profile, its PAL DV
// target for any other, the picture always scaled and padded out to the profile's frame; a file
// group is joined instead. nullptr (with a log line) when no vector can be made.
Argument *Video_To_DV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
