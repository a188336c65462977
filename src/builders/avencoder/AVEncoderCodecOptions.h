#pragma once

#include "builders/avencoder/frame/AVFileBuild.h"

#include <QSize>

// The blocks of video-codec options several file builders write right behind "-c:v": the H.264
// block (libx264, Baseline, level 3.0), the high-definition H.264 block (libx264's "slow" preset)
// and the MPEG-4 Part 2 block (the built-in encoder or XviD), each with its rate control. The
// tables serve recipes (stepVideoCodec, stepRateControl and stepVBRQualityWords read them); the
// functions serve a step that chooses its block at run time.

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
inline constexpr AVOptionWord HDH264[] = {{"-crf", "20"}, {"-qp", "0"}};
inline constexpr AVOptionWord MPEG4Low[] = {{"-qmin", "2"}, {"-qmax", "41"}, {"-qscale:v", "10"}};
inline constexpr AVOptionWord MPEG4High[] = {{"-qmin", "2"}, {"-qmax", "15"}, {"-qscale:v", "1"}};
inline constexpr AVOptionWord MPEG4Normal[] = {{"-qmin", "2"}, {"-qmax", "28"}, {"-qscale:v", "3"}};
} // namespace avencoder_rates

// The VBR words of libx264 per quality phase ("-maxrate" and "-bufsize" follow them in the H.264
// block; the Flash builders write "-maxrate" alone).
inline constexpr AVQualityPhaseRow AVEncoderH264QualityRows[] = {
    {0, avencoder_rates::H264Low},
    {2, avencoder_rates::H264High},
    {AnyOtherPhase, avencoder_rates::H264Normal},
};

// High definition: the encoder's own "slow" preset in place of the option list, and one fixed
// quality for VBR whatever the phase (stepVBRQualityWords: a CBR profile's "-b:v" is its only
// rate word).
inline constexpr AVOptionWord AVEncoderHDH264Words[] = {{"-c:v", "libx264"}, {"-preset", "slow"}};
inline constexpr AVQualityPhaseRow AVEncoderHDH264QualityRows[] = {{AnyOtherPhase, avencoder_rates::HDH264}};

// The MPEG-4 Part 2 encoders, as a recipe's videoCodecWords for stepMPEG4Options.
inline constexpr AVOptionWord AVEncoderMPEG4Codec[] = {{"-c:v", "mpeg4"}};
inline constexpr AVOptionWord AVEncoderXviDCodec[] = {{"-c:v", "libxvid"}};

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

// The H.264 block and its rate control, its "-level" word at level (the encoder's number: 30
// for 3.0). The vector's argument count, or -1 (nothing written) when the profile has no video
// quality.
int AVEncoder_H264_Options(Argument *argument, const DNProfile &profile, int level = 30);

// The H.264 level a stream keeps: level floorLevel when it holds a frame of size pictures at fps
// frames a second (its frame size, its macroblocks a second, its longest side, refs reference
// frames in its picture buffer) and a rate of maxKbps kbit/s (0: not checked); else the lowest
// level that holds them (the highest there is when none does).
int H264LevelFor(QSize size, double fps, int maxKbps, int refs, int floorLevel);

// The level the build's H.264 stream keeps: the H.264 block's own (3.0) unless the picture the
// filters hand the encoder, at the rate the vector gives it and the profile's rate ceiling, needs
// a higher one.
int H264LevelOf(const AVFileBuild &build);

// [B11] The recipe's videoCodecWords with its "-level" word at H264LevelOf.
void stepH264VideoCodec(AVFileBuild &build);

// "-c:v" codecName ("mpeg4" or "libxvid"), the MPEG-4 Part 2 block and its rate control; a CBR
// profile of the iPod format gets no rate words (its "-b:v" is the only rate). The vector's
// argument count, or -1 (nothing written) when the profile has no video quality.
int AVEncoder_MPEG4_Options(Argument *argument, const char *codecName, const DNProfile &profile);

// [B11 and B12] AVEncoder_MPEG4_Options with the codec of the recipe's videoCodecWords (its one
// "-c:v" word: AVEncoderMPEG4Codec or AVEncoderXviDCodec).
void stepMPEG4Options(AVFileBuild &build);
