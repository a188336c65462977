#pragma once

#include "builders/avencoder/frame/AVFileBuild.h"

// Steps and constants that the MPEG-family file builders share (MPEG-4 Part 2 in MP4 with MP3,
// MPEG-1, MPEG-2, VOB), in the frame's step labels. Each stands in for the frame's step of the
// same label, or comes between two of them where its comment says.
// The MPEG-4 Part 2 codec block is AVEncoderCodecOptions.h's.

// --- MPEG-1 and MPEG-2 video (the MPEG-1, MPEG-2 and VOB builders)

// [B8] The profile's rate; under "keep origin" 25 for a source below 20 or above 150 frames a
// second, which these encoders cannot carry, else none.
void stepMPEGStandardFrameRate(AVFileBuild &build);
// [B11, after the recipe's "-c:v"] the tuning words every MPEG-1/2 builder writes.
void stepMPEGVideoTuning(AVFileBuild &build);
// [after B3] "-c:v" "mpeg2video" before the input for a source whose codec reads exactly
// "mp2v", so that the input is read with the MPEG-2 decoder (also the MP4-with-MP3 builder's).
void stepMPEG2InputDecoder(AVFileBuild &build);

inline constexpr AVOptionWord MPEG2VideoCodecWords[] = {{"-c:v", "mpeg2video"}};

inline constexpr AVOptionWord MPEGVideoHighQuality[] = {{"-qscale:v", "2"}, {"-qmin", "2"}, {"-qmax", "15"}};
inline constexpr AVOptionWord MPEGVideoLowQuality[] = {{"-qscale:v", "10"}, {"-qmin", "2"}, {"-qmax", "41"}};
inline constexpr AVOptionWord MPEGVideoNormalQuality[] = {{"-qscale:v", "4"}, {"-qmin", "2"}, {"-qmax", "30"}};
inline constexpr AVQualityPhaseRow MPEGVideoQualityRows[] = {
    {2, MPEGVideoHighQuality},
    {0, MPEGVideoLowQuality},
    {AnyOtherPhase, MPEGVideoNormalQuality},
};
