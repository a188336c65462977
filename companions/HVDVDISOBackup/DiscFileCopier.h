#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct dvd_reader_s;

// Copies the DVD-Video files of a disc, folder or image (read through libdvdread, so the source
// may be any of the three) into a VIDEO_TS folder, part by part as the disc holds them.
class DiscFileCopier
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

    ~DiscFileCopier();
    // Opens the source and compares its data with its IFO files; false (why set) when it cannot
    // be opened or something the IFO files give is missing.
    bool open(const std::string &source, std::string &why);
    const std::vector<Entry> &entries() const { return m_entries; }
    long long totalSectors() const;
    // The disc's volume name; for a folder, which has none, the folder's own name (the one above
    // VIDEO_TS); "DVD_VIDEO" when neither gives one.
    std::string volumeLabel(const std::string &source) const;

    // Writes every entry into folder/VIDEO_TS. progress is called with the sectors copied so far.
    // Returns false (why set) on a read or write failure or when cancelled becomes true.
    bool copyTo(const std::filesystem::path &folder, const std::atomic<bool> &cancelled,
                const std::function<void(long long)> &progress, std::string &why);

private:
    bool listFiles(std::string &why);
    bool copyEntry(const Entry &entry, const std::filesystem::path &target, const std::atomic<bool> &cancelled,
                   long long &copied, const std::function<void(long long)> &progress, std::string &why);

    dvd_reader_s *m_dvd = nullptr;
    std::vector<Entry> m_entries;
};
