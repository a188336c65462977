#pragma once

#include <string_view>

// One progress line of the ISO backup tool: "<37% 1200 3400>" (percent, sectors read, total).
struct ISOBackupProgressLine
{
    int percent = 0;
    int readSectors = 0;
    int totalSectors = 0;
};

// Reads a chunk of the tool's output. Returns false, leaving line untouched, when the chunk
// does not begin with "<" or does not hold the three numbers.
bool parseISOBackupProgress(std::string_view chunk, ISOBackupProgressLine &line);

// The line the tool prints for a figure (with its newline).
std::string_view formatISOBackupProgress(const ISOBackupProgressLine &line, char *buffer, int size);
