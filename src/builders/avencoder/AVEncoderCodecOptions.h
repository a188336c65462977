#pragma once

#include "builders/avencoder/frame/AVFileBuild.h"

// The two blocks of video-codec options several file builders write right behind "-c:v": the
// H.264 block (libx264, Baseline, level 3.0) and the MPEG-4 Part 2 block (the built-in encoder or
// XviD), each with its rate control. The tables serve recipes (stepVideoCodec and
// stepRateControl read them); the functions serve a step that chooses its block at run time.

inline constexpr AVOptionWord AVEncoderH264Words[] = {
    {"-c:v", "libx264"},
    {"-flags", "+loop"},
    {"-cmp", "chroma"},
    {"-deblock", "0:0"},
    {"-bt", "256k"},
    {"-me_method", "full"},
    {"-me_range", "16"},
    {"-subq", "5"},
    {"-partitions", "+parti4x4+parti8x8+partp8x8"},
    {"-g", "250"},
    {"-keyint_min", "25"},
    {"-trellis", "0"},
    {"-sc_threshold", "40"},
    {"-i_qfactor", "0.71"},
    {"-b_strategy", "1"},
    {"-qcomp", "0.6"},
    {"-qdiff", "4"},
    {"-refs", "2"},
    {"-direct-pred", "1"},
    {"-wpredp", "2"},
    {"-rc_lookahead", "30"},
    {"-profile:v", "baseline"},
    {"-level", "30"},
    {"-bf", "0"},
    {"-coder", "0"},
};

namespace avencoder_rates {
inline constexpr AVOptionWord H264Low[] = {{"-crf", "24"}, {"-qmin", "2"}, {"-qmax", "41"}};
inline constexpr AVOptionWord H264High[] = {{"-crf", "15"}, {"-qmin", "2"}, {"-qmax", "15"}};
inline constexpr AVOptionWord H264Normal[] = {{"-crf", "22"}, {"-qmin", "2"}, {"-qmax", "30"}};
inline constexpr AVOptionWord MPEG4Low[] = {{"-qmin", "2"}, {"-qmax", "41"}, {"-qscale:v", "10"}};
inline constexpr AVOptionWord MPEG4High[] = {{"-qmin", "2"}, {"-qmax", "15"}, {"-qscale:v", "1"}};
inline constexpr AVOptionWord MPEG4Normal[] = {{"-qmin", "2"}, {"-qmax", "28"}, {"-qscale:v", "3"}};
} // namespace avencoder_rates

// The VBR words of the H.264 block per quality phase ("-maxrate" and "-bufsize" follow them).
inline constexpr AVQualityPhaseRow AVEncoderH264QualityRows[] = {
    {0, avencoder_rates::H264Low},
    {2, avencoder_rates::H264High},
    {AnyOtherPhase, avencoder_rates::H264Normal},
};

// The MPEG-4 Part 2 block's words after "-c:v" and the codec name.
inline constexpr AVOptionWord AVEncoderMPEG4Words[] = {
    {"-mbd", "2"},  {"-flags", "+mv4+aic"}, {"-trellis", "2"},  {"-cmp", "2"},  {"-subcmp", "2"},
    {"-bf", "0"},   {"-g", "250"},          {"-profile:v", "1"}, {"-level", "3"},
};

inline constexpr AVQualityPhaseRow AVEncoderMPEG4QualityRows[] = {
    {0, avencoder_rates::MPEG4Low},
    {2, avencoder_rates::MPEG4High},
    {AnyOtherPhase, avencoder_rates::MPEG4Normal},
};

// The H.264 block and its rate control. The vector's argument count, or -1 (nothing written)
// when the profile has no video quality.
int AVEncoder_H264_Options(Argument *argument, const DNProfile &profile);

// "-c:v" codecName ("mpeg4" or "libxvid"), the MPEG-4 Part 2 block and its rate control; a CBR
// profile of the iPod format gets no rate words (its "-b:v" is the only rate). The vector's
// argument count, or -1 (nothing written) when the profile has no video quality.
int AVEncoder_MPEG4_Options(Argument *argument, const char *codecName, const DNProfile &profile);

// A recipe step: AVEncoder_MPEG4_Options with the codec of the recipe's videoCodecWords (its one
// "-c:v" word).
void stepMPEG4Options(AVFileBuild &build);

// A recipe step for encoders that take a quality instead of rate limits: a VBR profile gets the
// recipe's vbrRows row for its quality phase and nothing more; a CBR profile nothing (its "-b:v"
// is the rate).
void stepVBRQualityWords(AVFileBuild &build);
