// HVPlayer: the player executable of the program, over the installed /usr/bin/mplayer.
//
// A title dump (or any run without the shared-buffer video output) becomes mplayer itself: the
// launcher replaces itself with it, so the caller's process id, signals and exit status are
// mplayer's own. A preview run keeps the player's whole protocol (arguments, slave commands on
// standard input, status lines on standard output, snapshots in the working folder) and carries
// the frames from mplayer's yuv4mpeg output into the receiver's shared buffer (PreviewRelay).
#include "PreviewRelay.h"

#include "enginekit/InheritedDescriptors.h"
#include "playerchannel/HVPlayerTranslation.h"
#include "playerchannel/PlayerStartFailure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {
constexpr const char *kMPlayerPath = "/usr/bin/mplayer";
}

int main(int argc, char *argv[])
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "-vo" && HVPlayerTranslation::bufferNameOfVideoOutput(arguments[i + 1]))
            return runPreview(arguments, kMPlayerPath);

    std::vector<std::string> words = HVPlayerTranslation::leadingWords();
    words.insert(words.begin(), "mplayer");
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> args;
    for (std::string &word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    // mplayer takes this process's place: it gets the standard descriptors and nothing else of
    // what the player was started with.
    keepOnlyDescriptorsAcrossExec(nullptr, 0);
    execv(kMPlayerPath, args.data());
    const std::string line =
        PlayerStartFailure::line(std::string("could not start ") + kMPlayerPath + ": " + std::strerror(errno));
    std::fputs(line.c_str(), stderr);
    return PlayerStartFailure::kExitStatus;
}
