#include "enginekit/FileNameLimit.h"

#include <unistd.h>

namespace {
constexpr std::size_t kCommonLongestFileName = 255;
}

std::size_t longestFileNameIn(const std::string &folder)
{
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? std::size_t(limit) : kCommonLongestFileName;
}

std::string_view utf8Start(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    // Back over the continuation bytes (10xxxxxx) of a character the cut would split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
        --end;
    return text.substr(0, end);
}

std::string fitFileName(std::string_view head, std::string_view body, std::string_view tail, std::size_t limit)
{
    if (head.size() + tail.size() > limit)
        return {};
    std::string name(head);
    name += utf8Start(body, limit - head.size() - tail.size());
    name += tail;
    return name;
}
