#pragma once

#include <string>
#include <vector>

// The builders write the AV encoder's vocabulary; the ffmpeg installed here has dropped or renamed
// some of its words. This turns a builder's vector into one ffmpeg 5.1 accepts and says what it
// changed, so the log shows both forms. Standard library only: the encoder companion builds it.
struct FFmpegTranslation
{
    std::vector<std::string> arguments;  // without the program word
    std::vector<std::string> notes;      // one line per rule that fired: "old -> new"
};

// argv[0] is the builder's program word ("encoder"), which is dropped.
FFmpegTranslation translateFFmpegArguments(const std::vector<std::string> &argv);

// The output path of an ffmpeg vector (its last word), empty when there is none.
std::string ffmpegOutputPath(const std::vector<std::string> &arguments);

// The value that follows the first occurrence of option, empty when absent.
std::string ffmpegOptionValue(const std::vector<std::string> &arguments, const std::string &option);
