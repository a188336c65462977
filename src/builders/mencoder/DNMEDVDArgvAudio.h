#pragma once

#include "builders/common/ArgvAssembler.h"

// Audio-only files of a DVD title: the picture is dropped ("-ovc frameno") and the chosen audio
// track is written as a raw stream: encoded to MP3 or AAC at the profile's bitrate and sample
// rate, or the disc's AC-3 stream copied unchanged. The title's outputName is set to the path.
//
// A group of joined titles has no audio-only form: it gives nullptr with a log line, and the
// pass fails.
Argument *DVD_To_MP3_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_AAC_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *DVD_To_AC3_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

// The "-lameopts" text of the MP3 vector for an audio bitrate text and the user's volume
// percentage. From 100 up the gain is lame's scale percent / 20 (rounded half to even); below
// 100 the scale stays neutral and mp3VolumeFilter attenuates instead.
QString mp3LameOptions(const QString &bitrate, quint32 volumePercent);
// The "-af" value that lowers the volume below 100 percent (null from 100 up): lame's scale is
// written without decimals, and its 0 means "unscaled", not silence.
QString mp3VolumeFilter(quint32 volumePercent);
