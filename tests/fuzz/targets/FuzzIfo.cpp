// The DVD structure reader on damaged IFO files, and the program's side of the isolated read.

#include "FuzzTargets.h"

#include "dvd/NXDVDUtilities.h"

extern "C" {
#include "iforead_internal.h"
}

#include <cstring>
#include <string>

#include <sys/stat.h>

namespace {

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
    ::mkdir(disc.c_str(), 0700);
    ::mkdir((disc + "/VIDEO_TS").c_str(), 0700);
    writeFuzzScratchFile("disc/VIDEO_TS/VIDEO_TS.IFO", data, first);
    writeFuzzScratchFile("disc/VIDEO_TS/VTS_01_0.IFO", data + first, size - first);
    return disc;
}

// What the program makes of a record: its titles.
void takeRecord(DVDInfoRecord *record)
{
    if (!record)
        return;
    NXDVDUtilities::titlesFromRecord(*record);
    free_dvd_info(record);
}

void readDiscOfInput(const uint8_t *data, size_t size, DVDInfoRecord *(*reader)(const char *path))
{
    const std::string disc = discOfInput(data, size);
    if (!disc.empty())
        takeRecord(reader(disc.c_str()));
}

} // namespace

void fuzzIfoReading(const uint8_t *data, size_t size)
{
    readDiscOfInput(data, size, ifoReadRecord);
}

void replayIfoReading(const uint8_t *data, size_t size)
{
    readDiscOfInput(data, size, get_dvd_info);
}

void fuzzIfoFrames(const uint8_t *data, size_t size)
{
    takeRecord(ifoRecordOfFrames(reinterpret_cast<const char *>(data), size));
}
