#pragma once

#include "builders/common/ArgvAssembler.h"

// Flash Video of a DVD title: FLV video by lavc and average-bitrate MP3, muxed by libavformat.
// A group of joined titles goes to the FLV joining builder.
Argument *DVD_To_FLV_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

inline constexpr const char *FLVGroupBuilderName = "Group_DVDTitle_To_FLV_With_MEncoder";
