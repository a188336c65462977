#include "enginekit/ISOBackupProgress.h"

#include <algorithm>
#include <cstdio>
#include <string>

bool parseISOBackupProgress(std::string_view chunk, ISOBackupProgressLine &line)
{
    if (chunk.empty() || chunk.front() != '<')
        return false;
    const std::string text(chunk.substr(0, 128));
    ISOBackupProgressLine read;
    if (std::sscanf(text.c_str(), "<%d%% %d %d>", &read.percent, &read.readSectors, &read.totalSectors) != 3)
        return false;
    line = read;
    return true;
}

std::string_view formatISOBackupProgress(const ISOBackupProgressLine &line, char *buffer, int size)
{
    const int n = std::snprintf(buffer, size_t(size), "<%d%% %d %d>\n", line.percent, line.readSectors,
                                line.totalSectors);
    return std::string_view(buffer, n < 0 ? 0 : std::min(n, size - 1));
}
