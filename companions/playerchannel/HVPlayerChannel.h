#pragma once

#include <string>

// Where a frame receiver and the player executable meet. One buffer name (the text the launcher
// puts into the player's video-output argument) names both the receiver's local socket and the
// shared-memory object that carries the frames. Both live in a channel folder that the program
// makes for its own run and hands to the player in the environment, so two programs (or two test
// runs) that use the same buffer name never meet each other's player.
//
// Plain standard library and POSIX: the player executable builds this same file.
namespace HVPlayerChannel {

// The environment variable through which the launcher names the channel folder.
constexpr const char *kDirectoryVariable = "HVPLAYER_CHANNEL_DIR";

// The folder named by kDirectoryVariable; without it $XDG_RUNTIME_DIR, else "/tmp" (a player
// started by hand then meets a receiver started the same way).
std::string directoryFromEnvironment();

// The receiver's local socket: the buffer name (with "/" made "_") in the folder, or a name made
// from its digest when that path would not fit a socket address.
std::string socketPath(const std::string &directory, const std::string &bufferName);

// The shared-memory object's name ("/hvplayer-<digest of the folder>-<buffer name>"), so the same
// buffer name in two channel folders gives two objects.
std::string sharedMemoryName(const std::string &directory, const std::string &bufferName);

} // namespace HVPlayerChannel
