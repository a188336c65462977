#pragma once

#include "builders/common/ArgvAssembler.h"

#include <QString>

// MPEG-4 Part 2 video with AAC audio, both by lavc, muxed by libavformat. The core builder takes
// the muxer name; the wrappers fix it. A group of joined titles goes to the MPEG-4 joining
// builder.
Argument *_DVD_To_MPEG4_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                                              const QString &muxFormat);

// "mov" for a profile whose file suffix is mov (any letter case), "ipod" otherwise.
Argument *DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_PSP_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_MP4_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

// The MP4 variant without a level and with "coder=1".
Argument *DVD_To_PS_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

// The transport-stream variant: no global video headers, channel count after the audio choice.
Argument *DVD_To_TS_MPEG4_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

inline constexpr const char *MPEG4GroupBuilderName = "Merge_DVDTitle_To_MPEG4_Default_With_MEncoder";
