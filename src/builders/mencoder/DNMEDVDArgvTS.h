#pragma once

#include "builders/common/ArgvAssembler.h"

// The transport-stream builders of DVD titles. The nine M2TS, MTS and TS table names forward to
// them; the container name of a table name does not reach the builder: the file's extension
// comes from the profile.
Argument *DVD_To_TS_H264_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
// The MPEG-2 vector is the MP2 program-stream vector; a transport-stream file name makes it a
// transport stream.
Argument *DVD_To_TS_MPEG2_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
// DVD_To_TS_MPEG4_Default_With_MEncoder is declared with the MPEG-4 family.

inline constexpr const char *H264GroupBuilderName = "Merge_DVDTitle_To_H264_Default_With_MEncoder";
