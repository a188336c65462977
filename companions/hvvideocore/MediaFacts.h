#pragma once

#include "hvvideocore/MEncoderTranslation.h"

#include <string>

// What libavformat reads of a file the pass reads or wrote.
struct MediaFacts
{
    bool readable = false;
    std::string why;            // when not readable
    double seconds = 0;         // the container's length, 0 when unknown
    double audioSeconds = 0;    // the first audio stream's length, 0 when unknown
    bool hasVideo = false;
    bool hasAudio = false;
};

MediaFacts readMediaFacts(const std::string &path);

// The facts a join needs of one of its inputs.
MEncoderInputFacts readInputFacts(const std::string &path);

// Empty when the pass output is what the plan asked for; otherwise why it is not. mencoder exits
// 0 after writing nothing (an unknown option, a full disk, a missing encoder), a file with no
// audio (a wrong stream id) or one cut short: each of those is a failed pass.
std::string checkPassOutput(const MEncoderPlan &plan);
