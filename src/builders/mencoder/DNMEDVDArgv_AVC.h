#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// Baseline H.264 (level 3.0, constant quality, no bitrate) with AAC audio in MP4, for one DVD
// title. A group source goes to the AVC merge builder.
Argument *DVD_To_AVC_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);
