#pragma once

#include "builders/avencoder/frame/AVFileBuild.h"

class DNFileGroupNode;

// What sets one audio-only output format apart from the others. The fourteen formats share one
// vector for a file and one for a joined group; a format differs only in these constants. The
// frame's audioCodec is the "-c:a" value, null where the container's own codec serves.
struct AudioOnlyRecipe : AVFileRecipe
{
    bool bitrate;                              // "-b:a" from the profile
    bool channels;                             // "-ac" from the profile
    std::span<const AVOptionWord> extraWords;  // right after the channels ("-strict" "-2")
    const char *fileFormat;                    // "-f" for a file; null: the output's extension decides
    const char *groupFileFormat;               // "-f" for a joined group; null: the extension decides
    bool groupSampleRate = true;               // "-ar" when joining
    bool groupFilterFirst = false;             // the join's filter straight after the inputs
};

// The codec, bitrate, sample rate, channel and extra words of format from profile, those the
// format writes (withSampleRate false leaves "-ar" out).
void appendAudioOnlyEncoding(Argument *argument, const AudioOnlyRecipe &format, const DNProfile &profile,
                             bool withSampleRate);

// The group road: the members' converted files, each already in format, joined in member order
// into one file of the group's profile. nullptr, with a log line, when a member has no chosen
// audio track or no converted file.
Argument *AVEncoderAudioConcat(const AudioOnlyRecipe &format, DNFileGroupNode &group,
                               const VideoConvertOptions &options);
