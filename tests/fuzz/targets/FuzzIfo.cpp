// The DVD structure reader on damaged IFO files, and the program's side of the isolated read.

#include "FuzzTargets.h"

#include "dvd/NXDVDUtilities.h"

extern "C" {
#include "iforead_internal.h"
}

#include <cstdio>
#include <cstring>
#include <string>

#include <sys/stat.h>

namespace {

void writeFile(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    if (size)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
}

// Writes the two IFO files of the input into a disc folder; its path, empty for a short input.
std::string discOfInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return {};
    uint32_t first = 0;
    std::memcpy(&first, data, 4);
    data += 4;
    size -= 4;
    first = first > size ? uint32_t(size) : first;
    const std::string disc = std::string(fuzzScratchFolder()) + "/disc";
    const std::string folder = disc + "/VIDEO_TS";
    ::mkdir(disc.c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    writeFile(folder + "/VIDEO_TS.IFO", data, first);
    writeFile(folder + "/VTS_01_0.IFO", data + first, size - first);
    return disc;
}

} // namespace

void fuzzIfoReading(const uint8_t *data, size_t size)
{
    const std::string disc = discOfInput(data, size);
    if (disc.empty())
        return;
    if (DVDInfoRecord *record = ifoReadRecord(disc.c_str())) {
        NXDVDUtilities::titlesFromRecord(*record);
        free_dvd_info(record);
    }
}

void replayIfoReading(const uint8_t *data, size_t size)
{
    const std::string disc = discOfInput(data, size);
    if (disc.empty())
        return;
    if (DVDInfoRecord *record = get_dvd_info(disc.c_str())) {
        NXDVDUtilities::titlesFromRecord(*record);
        free_dvd_info(record);
    }
}

void fuzzIfoFrames(const uint8_t *data, size_t size)
{
    if (DVDInfoRecord *record = ifoRecordOfFrames(reinterpret_cast<const char *>(data), size)) {
        NXDVDUtilities::titlesFromRecord(*record);
        free_dvd_info(record);
    }
}
