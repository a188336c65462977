#pragma once

#include <functional>
#include <string>
#include <vector>

// Where an ISO 9660 image keeps the files of its VIDEO_TS folder, read from the image's first
// sectors as they come: the volume descriptor, the root folder and VIDEO_TS itself lie before
// any file's data, so the places are known long before the data is written.
struct ImageDirectory
{
    struct File
    {
        std::string name;       // "VTS_01_1.VOB", without the ";1" version
        long long firstSector = 0;
        long long bytes = 0;
    };

    long long volumeSectors = 0;   // the whole image, as its volume descriptor gives it
    std::vector<File> files;       // VIDEO_TS's files, in the image's order
};

enum class ImageDirectoryRead { Found, NeedMore, Broken };

// Reads the directory through sectorAt, which gives the sector's 2048 bytes or nullptr when the
// sector has not come yet. NeedMore: read again with more sectors; Broken: why says what is wrong.
ImageDirectoryRead readImageDirectory(const std::function<const unsigned char *(long long sector)> &sectorAt,
                                      ImageDirectory &directory, std::string &why);
