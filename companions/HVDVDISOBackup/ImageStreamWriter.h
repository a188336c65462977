#pragma once

#include "DiscFileReader.h"
#include "ImageDirectory.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Writes the image the image maker streams out of the staged folder, filling the sectors of the
// staged VOBs (which hold nothing) with the disc's own data as they pass. The image is written
// once, in order, and nothing else is: the backup needs the room of the image and no more.
class ImageStreamWriter
{
public:
    // Called after each piece written: image sectors written, the image's size in sectors (0
    // while unknown), and how many of the disc's file sectors are in the image so far.
    using Progress = std::function<void(long long written, long long volume, long long discSectors)>;

    ImageStreamWriter(std::filesystem::path image, DiscFileReader &disc, const std::atomic<bool> &cancelled,
                      Progress progress);
    ~ImageStreamWriter();
    ImageStreamWriter(const ImageStreamWriter &) = delete;
    ImageStreamWriter &operator=(const ImageStreamWriter &) = delete;

    // Takes the next piece of the image maker's output; false once the writer has failed (it
    // then takes nothing more, and the maker should be ended).
    bool feed(std::string_view chunk);
    // After the maker ended well: writes the rest and checks that the image is whole.
    bool finish();

    const std::string &why() const { return m_why; }
    // The failure was a lack of room on the image's disk (found before writing, or while
    // writing); the image needs imageBytes.
    bool lackedRoom() const { return m_lackedRoom; }
    long long imageBytes() const;

private:
    struct Range
    {
        long long first = 0;   // image sector
        long long sectors = 0;
        const DiscFileReader::Entry *fill = nullptr;   // set where the disc's data goes
    };

    bool drain(bool last);
    bool takeDirectory(bool last);
    bool writeSectors(unsigned char *data, long long first, long long count);
    bool fail(const std::string &why);
    bool failForRoom(const std::string &why);
    bool failToWrite(int error);

    std::filesystem::path m_image;
    DiscFileReader &m_disc;
    const std::atomic<bool> &m_cancelled;
    Progress m_progress;
    std::vector<unsigned char> m_pending;   // output of the maker not yet written
    ImageDirectory m_directory;
    std::vector<Range> m_files;             // the disc's files in the image
    bool m_directoryKnown = false;
    int m_fd = -1;
    long long m_written = 0;                // image sectors written
    long long m_discSectors = 0;
    bool m_failed = false;
    bool m_lackedRoom = false;
    std::string m_why;
};

// "no space for the image on the disk of FOLDER: it needs 9.9 MB and 4.0 MB are free", with the
// free space of the folder's disk as it is now.
std::string imageRoomProblem(const std::filesystem::path &folder, long long neededBytes);
