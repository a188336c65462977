#include "enginekit/ISOBackupProgress.h"

#include "enginekit/EngineFigures.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {
void skipBlanks(std::string_view &text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
}

bool take(std::string_view &text, char c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

// A figure of the line, within what a disc can hold, as an int.
bool figure(std::string_view &text, long long most, int &value)
{
    skipBlanks(text);
    long long read = 0;
    if (!engineWholeNumber(text, most, read))
        return false;
    value = int(read);
    return true;
}
} // namespace

bool parseISOBackupProgress(std::string_view chunk, ISOBackupProgressLine &line)
{
    std::string_view text = chunk.substr(0, 128);
    ISOBackupProgressLine read;
    if (!take(text, '<') || !figure(text, 100, read.percent) || !take(text, '%')
        || !figure(text, INT_MAX, read.readSectors) || !figure(text, INT_MAX, read.totalSectors))
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
