#pragma once

#include "builders/common/ArgvAssembler.h"

// Windows Media of a DVD title: WMV2 video by lavc and constant-bitrate MP3, muxed by
// libavformat. A group of joined titles goes to the WMV joining builder.
Argument *DVD_To_WMV_MP3_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

inline constexpr const char *WMVGroupBuilderName = "Group_DVDTitle_To_WMV_With_MEncoder";
