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

// The "-lameopts" text of the MP3 vector for an audio bitrate text. lame's scale multiplies the
// samples (5 is +14 dB and clips), and written without decimals it cannot lower or silence, so it
// stays neutral and the volume goes through mp3VolumeFilter like every other family's.
QString mp3LameOptions(const QString &bitrate, quint32 volumePercent);
// The "-af" value for the user's volume percentage, the gain every family uses; null at 100,
// where the sound is left as it is.
QString mp3VolumeFilter(quint32 volumePercent);
