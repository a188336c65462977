#pragma once

#include "builders/common/ArgvAssembler.h"

// MPEG-2 program streams of a DVD title: MPEG-2 video by lavc, muxed by MEncoder's own MPEG
// muxer. The three builders differ only in their audio and muxer constants. A group of joined
// titles goes to the MPEG-2 joining builder.
Argument *DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

// The joining builder every MPEG-2 builder hands a group to.
inline constexpr const char *MPEG2GroupBuilderName = "Group_DVDTitle_To_MPEG2_With_MEncoder";
