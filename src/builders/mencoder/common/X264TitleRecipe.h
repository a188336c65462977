#pragma once

#include "builders/common/Argument.h"

#include <QString>

#include <span>

class NXBasicMediaNode;

// The H.264-in-MP4 builders (the device H264 builder, the Baseline AVC builder and the High
// profile builder) take the same steps and differ only in their order, the container word, the
// x264 option text and the merge builder a group goes to. Each is a row of constants and a step
// list run by one function.
enum class X264Step {
    EncoderWord,
    Input,
    Device,
    Start,
    Container,     // "-of" "lavf" "-lavfopts" "format=<word>"
    Scaler,        // "-sws" "2"
    VolumeFilter,  // "-af" and the volume filter
    SampleRate,    // "-srate" and the profile's value
    Channels,      // "-channels" and the profile's value
    Aspect,        // "-aspect" unless "keep origin"
    FilterChain,   // "-vf" and the chain
    FrameRate,     // "-ofps" unless "keep origin"
    AacAudio,      // "-oac" "faac" "-faacopts" with the profile's audio bitrate
    X264Video,     // "-ovc" "x264" "-x264encopts" and the row's text
    Tags,
    AudioStream,
    Subtitles,
    Output,
    End,
    SafeMode,
};

struct X264TitleRecipe
{
    const char *builderName;
    std::span<const X264Step> steps;
    // printf text of the x264 options; "%s" (at most one) takes the profile's video bitrate.
    const char *x264Options;
    const char *mergeBuilder;     // the builder a group source goes to
    bool mergeWithoutTitleIndex;  // the merge builder gets -1 instead of the title index
};

// Runs a recipe for one title; muxFormat fills "format=%s". nullptr (with a log line) when no
// vector can be made.
Argument *BuildX264TitleArgument(const X264TitleRecipe &recipe, NXBasicMediaNode *node, int titleIndex,
                                 const VideoConvertOptions &options, const QString &muxFormat);
