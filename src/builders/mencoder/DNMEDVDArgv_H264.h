#pragma once

#include "builders/common/Argument.h"

#include <QString>

class NXBasicMediaNode;

// H.264 video with AAC audio in an MP4-family container, for one DVD title. muxFormat is the
// muxer's container word ("mov", "ipod", "psp" or "mp4"). A group source goes to the H.264
// merge builder.
Argument *_DVD_To_H264_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex,
                                             VideoConvertOptions options, const QString &muxFormat);

// The container choices in front of it: "mov" for a profile whose file suffix is mov (any
// case), else "ipod"; "psp"; "mp4".
Argument *DVD_To_H264_ByFileSuffix_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_H264_PSP_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_H264_MP4_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);

// High-profile H.264 (level 4.1, the profile's bitrate) with AAC audio in MP4.
Argument *DVD_To_PS_H264_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options);
