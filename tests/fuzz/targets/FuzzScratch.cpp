#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {
std::string &scratch()
{
    static std::string folder;
    return folder;
}

void removeScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(scratch(), ignored);
}
} // namespace

const char *fuzzScratchFolder()
{
    if (scratch().empty()) {
        const char *tmp = std::getenv("TMPDIR");
        const std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (tmp && *tmp ? tmp : "/tmp");
        std::string pattern = base + "/talvane-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        scratch() = pattern;
        std::atexit(removeScratch);
    }
    return scratch().c_str();
}

std::string writeFuzzScratchFile(const std::string &relativePath, const uint8_t *data, size_t size)
{
    const std::string path = std::string(fuzzScratchFolder()) + "/" + relativePath;
    if (FILE *file = std::fopen(path.c_str(), "wb")) {
        if (size)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}
