#include "ImageDirectory.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr long long kSector = 2048;
constexpr long long kVolumeDescriptor = 16;
// A folder of a DVD holds a few dozen names; more sectors than this is no folder of one.
constexpr long long kLongestFolder = 64;

unsigned long long littleEndian(const unsigned char *at, int bytes)
{
    unsigned long long value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

struct Record
{
    std::string name;
    long long sector = 0;
    long long bytes = 0;
    bool folder = false;
    bool split = false;   // a file in several extents, which no DVD file needs
};

Record recordAt(const unsigned char *at)
{
    Record r;
    r.sector = (long long)littleEndian(at + 2, 4);
    r.bytes = (long long)littleEndian(at + 10, 4);
    r.folder = (at[25] & 0x02) != 0;
    r.split = (at[25] & 0x80) != 0;
    const int length = at[32];
    r.name.assign(reinterpret_cast<const char *>(at + 33), size_t(length));
    const size_t version = r.name.find(';');
    if (version != std::string::npos)
        r.name.erase(version);
    return r;
}

// The records of the folder whose own record is folder; NeedMore while a sector of it is missing.
ImageDirectoryRead readFolder(const std::function<const unsigned char *(long long)> &sectorAt, const Record &folder,
                              std::vector<Record> &records, std::string &why)
{
    const long long sectors = (folder.bytes + kSector - 1) / kSector;
    if (sectors <= 0 || sectors > kLongestFolder) {
        why = "the image's folder " + folder.name + " is " + std::to_string(folder.bytes) + " bytes long";
        return ImageDirectoryRead::Broken;
    }
    records.clear();
    for (long long s = 0; s < sectors; ++s) {
        const unsigned char *sector = sectorAt(folder.sector + s);
        if (!sector)
            return ImageDirectoryRead::NeedMore;
        // Records never cross a sector; a zero length ends the sector's records.
        for (long long at = 0; at < kSector && sector[at] != 0;) {
            const int length = sector[at];
            if (length < 34 || at + length > kSector || 33 + sector[at + 32] > length) {
                why = "the image's folder " + folder.name + " holds a broken record";
                return ImageDirectoryRead::Broken;
            }
            const Record r = recordAt(sector + at);
            // The first two records are the folder itself and the one above it.
            if (!(r.name.size() == 1 && (r.name[0] == '\0' || r.name[0] == '\1')))
                records.push_back(r);
            at += length;
        }
    }
    return ImageDirectoryRead::Found;
}
} // namespace

ImageDirectoryRead readImageDirectory(const std::function<const unsigned char *(long long)> &sectorAt,
                                      ImageDirectory &directory, std::string &why)
{
    const unsigned char *descriptor = sectorAt(kVolumeDescriptor);
    if (!descriptor)
        return ImageDirectoryRead::NeedMore;
    if (descriptor[0] != 1 || std::memcmp(descriptor + 1, "CD001", 5) != 0) {
        why = "the image maker wrote no ISO 9660 volume descriptor";
        return ImageDirectoryRead::Broken;
    }
    if (littleEndian(descriptor + 128, 2) != kSector) {
        why = "the image maker wrote blocks of " + std::to_string(littleEndian(descriptor + 128, 2)) + " bytes";
        return ImageDirectoryRead::Broken;
    }
    Record root = recordAt(descriptor + 156);
    root.name = "/";
    std::vector<Record> records;
    ImageDirectoryRead read = readFolder(sectorAt, root, records, why);
    if (read != ImageDirectoryRead::Found)
        return read;
    const auto videoTS = std::find_if(records.begin(), records.end(),
                                      [](const Record &r) { return r.folder && r.name == "VIDEO_TS"; });
    if (videoTS == records.end()) {
        why = "the image holds no VIDEO_TS folder";
        return ImageDirectoryRead::Broken;
    }
    const Record folder = *videoTS;
    read = readFolder(sectorAt, folder, records, why);
    if (read != ImageDirectoryRead::Found)
        return read;

    directory.volumeSectors = (long long)littleEndian(descriptor + 80, 4);
    directory.files.clear();
    for (const Record &r : records) {
        if (r.folder)
            continue;
        if (r.split) {
            why = "the image keeps " + r.name + " in several pieces";
            return ImageDirectoryRead::Broken;
        }
        if (r.bytes > 0 && r.sector + (r.bytes + kSector - 1) / kSector > directory.volumeSectors) {
            why = "the image places " + r.name + " beyond its own end";
            return ImageDirectoryRead::Broken;
        }
        directory.files.push_back({r.name, r.sector, r.bytes});
    }
    std::sort(directory.files.begin(), directory.files.end(),
              [](const ImageDirectory::File &a, const ImageDirectory::File &b) { return a.firstSector < b.firstSector; });
    return ImageDirectoryRead::Found;
}
