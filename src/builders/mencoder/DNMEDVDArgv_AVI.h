#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// MPEG-4 video from libavcodec (FourCC DX50) or from Xvid (FourCC XVID) in AVI, for one DVD
// title; the audio is copied when the profile keeps the codec and allows the track's channels,
// else re-encoded to MP3. A group source goes to the AVI group builder.
Argument *DVD_To_AVI_DIVX_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_AVI_XVID_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);

// The choice by the profile's video codec (upper-cased): "DIVX" or "XVID"; any other codec, no
// profile or no node gives nullptr with a log line. Every DivX/Xvid row of the builder table
// (Android, Microsoft and the device rows) leads here.
Argument *DVD_To_AVI_ByVideoCodec_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);
