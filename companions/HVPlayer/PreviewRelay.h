#pragma once

#include "playerchannel/HVPlayerTranslation.h"

#include <string>
#include <vector>

// A preview run: mplayer as a child, its standard input the player's own (the slave commands go
// straight to it), its standard output passed through line for line, its video read from a pipe
// as yuv4mpeg and handed to the frame receiver. Ends when mplayer ends; a SIGTERM, SIGINT or
// SIGHUP (or the death of the program that started the player) ends mplayer first. Returns the
// exit status to leave with: mplayer's, or 128 + the signal that ended it.
int runPreview(const std::vector<std::string> &arguments, const std::string &mplayerPath);
