#pragma once

#include "builders/common/Argument.h"

#include <QString>

class NXBasicMediaNode;

// MPEG-2 video with MPEG audio Layer II in a DVD video object, for one media file; a file group
// is joined instead. nullptr (with a log line) when no vector can be made.
Argument *Video_To_VOB_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);

// A DVD-Video program stream in the standard named ("NTSC" or "PAL", any letter case): the
// encoder's DVD target decides codecs, rates and frame; the builder adds the item's trim, edits,
// volume and streams, a DVD display aspect (4:3 or 16:9) and a picture that keeps its shape in
// the DVD's frame. A file group is joined instead. nullptr (with a log line) for another
// standard or when no vector can be made.
Argument *Video_To_DVD_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options,
                                      const QString &standard);
Argument *Video_To_NTSCDVD_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_PALDVD_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
