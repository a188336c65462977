#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct dvd_reader_s;
struct dvd_file_s;

// The DVD-Video files of a disc, folder or image (read through libdvdread, so the source may be
// any of the three), part by part as the disc holds them.
class DiscFileReader
{
public:
    struct Entry
    {
        std::string name;   // e.g. "VTS_01_1.VOB"
        int titleSet = 0;   // 0 for the video manager
        int domain = 0;     // dvd_read_domain_t
        int part = 0;       // for title VOBs: which part of the set
        long long blockOffset = 0;  // for title VOBs: first block of this part in the set
        long long bytes = 0;
    };

    DiscFileReader();
    ~DiscFileReader();
    // Opens the source and compares its data with its IFO files; false (why set) when it cannot
    // be opened or something the IFO files give is missing.
    bool open(const std::string &source, std::string &why);
    const std::vector<Entry> &entries() const { return m_entries; }
    long long totalSectors() const;
    // The disc's volume name; for a folder, which has none, the folder's own name (the one above
    // VIDEO_TS); "DVD_VIDEO" when neither gives one.
    std::string volumeLabel(const std::string &source) const;

    // Lays the disc's files out in folder/VIDEO_TS for the image maker, which reads the IFO files
    // (written whole: a few kilobytes) to place the rest. The VOBs, nearly all of the disc, are
    // only as long as on the disc and hold nothing (sparse): their sectors of the image are filled
    // from the disc as the image is written, so the copy takes no room of its own.
    bool stageTo(const std::filesystem::path &folder, std::string &why);
    // Whether the entry's data comes from the disc while the image is written (a VOB).
    static bool fillsFromDisc(const Entry &entry);
    // Reads count sectors of the entry from its first one on into buffer; false (why set) on a
    // read error or a CSS-scrambled sector.
    bool readSectors(const Entry &entry, long long first, int count, unsigned char *buffer, std::string &why);

private:
    bool listFiles(std::string &why);
    bool copyEntry(const Entry &entry, const std::filesystem::path &target, std::string &why);

    dvd_reader_s *m_dvd = nullptr;
    std::vector<Entry> m_entries;
    // The VOB being read, kept open from one read to the next.
    const Entry *m_openEntry = nullptr;
    std::unique_ptr<dvd_file_s, void (*)(dvd_file_s *)> m_openFile;
};
