#include "HVPlayerChannel.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <sys/un.h>

namespace HVPlayerChannel {
namespace {
// FNV-1a: short, stable names; no secrecy is asked of them.
std::uint64_t digest(const std::string &text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string withoutSlashes(const std::string &name)
{
    std::string safe = name;
    for (char &c : safe)
        if (c == '/' || c == '\0')
            c = '_';
    return safe;
}
} // namespace

std::string directoryFromEnvironment()
{
    for (const char *variable : {kDirectoryVariable, "XDG_RUNTIME_DIR"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "/tmp";
}

std::string socketPath(const std::string &directory, const std::string &bufferName)
{
    const std::string path = directory + "/" + withoutSlashes(bufferName);
    if (path.size() < sizeof(sockaddr_un::sun_path))
        return path;
    return directory + "/" + hex(digest(bufferName));
}

std::string sharedMemoryName(const std::string &directory, const std::string &bufferName)
{
    std::string name = "/hvplayer-" + hex(digest(directory)) + "-" + withoutSlashes(bufferName);
    // NAME_MAX bounds a POSIX shared-memory name.
    if (name.size() > 250)
        name = "/hvplayer-" + hex(digest(directory)) + "-" + hex(digest(bufferName));
    return name;
}

} // namespace HVPlayerChannel
