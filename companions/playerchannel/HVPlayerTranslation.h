#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the player executable changes in the arguments it is given before it runs the installed
// mplayer, which has neither the shared-buffer video output nor Core Audio.
//
// Every run gets "-noconfig all" first, so a user's ~/.mplayer/config (which the first run of
// mplayer creates) cannot change what a dump or a preview does. A run whose "-vo" names the
// shared buffer ("corevideo:shared_buffer:buffer_name=\"NAME\"" or "corevideo:buffer_name=\"NAME\"")
// is a preview run: its frames go as yuv4mpeg into the pipe the executable reads, and from there
// into the buffer NAME. Rows of the translation:
//   -vo corevideo:...buffer_name="NAME"  ->  -vo yuv4mpeg:file=<pipe>
//   -ao coreaudio                        ->  -ao pulse,alsa,null,   (silent where neither exists)
//   -vf A ... -vf B                      ->  -vf A,B                 (mplayer keeps only the last)
//
// Plain standard library: the player executable builds this same file.
namespace HVPlayerTranslation {

// The words put in front of every argument vector.
std::vector<std::string> leadingWords();

// The buffer name of a shared-buffer video output; nothing when the text names none.
std::optional<std::string> bufferNameOfVideoOutput(const std::string &videoOutput);

struct PreviewRun
{
    std::string bufferName;
    std::vector<std::string> arguments;   // for mplayer, without its program word
    // Each translated word as (given, passed on), for the log.
    std::vector<std::pair<std::string, std::string>> changes;
};

// The preview run of the given arguments (without the program word), with the video written to
// videoPipePath; nothing when the arguments ask for no shared-buffer output (a dump, or anything
// else), which then goes to mplayer as given (after the leading words).
std::optional<PreviewRun> translatePreview(const std::vector<std::string> &arguments,
                                           const std::string &videoPipePath);

} // namespace HVPlayerTranslation
