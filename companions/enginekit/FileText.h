#pragma once

#include <cstddef>
#include <string>

// Small whole-file reads and writes for the program and the companions. The file is opened
// close-on-exec (which the standard streams do not do), so that an engine another thread starts
// meanwhile does not keep it open for its whole run. Plain POSIX and the standard library only.

// The first most bytes of the file at path (fewer when it is shorter); empty when it cannot be read.
std::string readFileStart(const std::string &path, std::size_t most);

// Writes text as the whole file at path (made or emptied first); false when it could not be
// written in full.
bool writeFileText(const std::string &path, const std::string &text);
