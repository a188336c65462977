#include "DiscFileReader.h"

#include "dvd_layout.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>

namespace {
constexpr long long kBlock = DVD_VIDEO_LB_LEN;

// A CSS-scrambled pack: an image of it would not play without the disc's keys, so the backup stops.
bool isScrambled(const unsigned char *pack)
{
    // Pack start code, then the PES header's scrambling-control bits.
    return pack[0] == 0 && pack[1] == 0 && pack[2] == 1 && pack[3] == 0xBA && (pack[0x14] & 0x30) != 0;
}

std::string fileName(int titleSet, const char *tail)
{
    char name[32];
    if (titleSet == 0)
        std::snprintf(name, sizeof name, "VIDEO_TS.%s", tail);
    else
        std::snprintf(name, sizeof name, "VTS_%02d_%s", titleSet, tail);
    return name;
}

// libdvdread would print its notices on standard output, the progress channel; they go to
// standard error with the tool's name, where the bridge logs them.
void dvdreadMessage(void *, dvd_logger_level_t level, const char *format, va_list arguments)
{
    if (level == DVD_LOGGER_LEVEL_DEBUG)
        return;
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    std::fprintf(stderr, "HVDVDISOBackup: libdvdread: %s\n", text);
}
const dvd_logger_cb dvdreadLogger{dvdreadMessage};
} // namespace

DiscFileReader::DiscFileReader() : m_openFile(nullptr, DVDCloseFile) {}

DiscFileReader::~DiscFileReader()
{
    m_openFile.reset();
    if (m_dvd)
        DVDClose(m_dvd);
}

bool DiscFileReader::open(const std::string &source, std::string &why)
{
    m_dvd = DVDOpen2(nullptr, &dvdreadLogger, source.c_str());
    if (!m_dvd) {
        why = "cannot open " + source + " as a DVD";
        return false;
    }
    // Whatever the IFO files give must be there before anything is copied: an image maker fills
    // a VOB that is cut short with bytes that were never on the disc.
    DVDLayoutReport layout;
    dvdLayoutCheck(m_dvd, 0, 0, &layout);
    if (!layout.whole) {
        why = std::string("the DVD's data is damaged: ") + layout.problem;
        return false;
    }
    return listFiles(why);
}

bool DiscFileReader::listFiles(std::string &why)
{
    ifo_handle_t *vmg = ifoOpen(m_dvd, 0);
    if (!vmg || !vmg->vmgi_mat) {
        why = "the disc has no readable video manager (VIDEO_TS.IFO)";
        if (vmg)
            ifoClose(vmg);
        return false;
    }
    const int titleSets = vmg->vmgi_mat->vmg_nr_of_title_sets;
    ifoClose(vmg);

    for (int ts = 0; ts <= titleSets; ++ts) {
        dvd_stat_t st {};
        if (DVDFileStat(m_dvd, ts, DVD_READ_INFO_FILE, &st) != 0) {
            why = "missing " + fileName(ts, ts == 0 ? "IFO" : "0.IFO");
            return false;
        }
        const long long ifoBytes = (long long)st.size;
        m_entries.push_back({fileName(ts, ts == 0 ? "IFO" : "0.IFO"), ts, DVD_READ_INFO_FILE, 0, 0, ifoBytes});
        if (DVDFileStat(m_dvd, ts, DVD_READ_MENU_VOBS, &st) == 0 && st.size > 0)
            m_entries.push_back({fileName(ts, ts == 0 ? "VOB" : "0.VOB"), ts, DVD_READ_MENU_VOBS, 0, 0, st.size});
        if (ts > 0 && DVDFileStat(m_dvd, ts, DVD_READ_TITLE_VOBS, &st) == 0) {
            long long offset = 0;
            for (int p = 0; p < st.nr_parts; ++p) {
                const std::string tail = std::to_string(p + 1) + ".VOB";
                m_entries.push_back({fileName(ts, tail.c_str()), ts, DVD_READ_TITLE_VOBS, p, offset,
                                     (long long)st.parts_size[p]});
                offset += (long long)st.parts_size[p] / kBlock;
            }
        }
        // A disc without backup files still copies; the image then carries the IFO twice.
        if (DVDFileStat(m_dvd, ts, DVD_READ_INFO_BACKUP_FILE, &st) == 0)
            m_entries.push_back({fileName(ts, ts == 0 ? "BUP" : "0.BUP"), ts, DVD_READ_INFO_BACKUP_FILE, 0, 0, st.size});
        else
            m_entries.push_back({fileName(ts, ts == 0 ? "BUP" : "0.BUP"), ts, DVD_READ_INFO_FILE, 0, 0, ifoBytes});
    }
    return true;
}

long long DiscFileReader::totalSectors() const
{
    long long bytes = 0;
    for (const Entry &e : m_entries)
        bytes += e.bytes;
    return bytes / kBlock;
}

std::string DiscFileReader::volumeLabel(const std::string &source) const
{
    char volid[33] = {};
    unsigned char setid[128] = {};
    if (DVDUDFVolumeInfo(m_dvd, volid, sizeof volid, setid, sizeof setid) != 0 || !volid[0])
        DVDISOVolumeInfo(m_dvd, volid, sizeof volid, setid, sizeof setid);
    std::string name = volid;
    std::error_code ec;
    if (name.empty() && std::filesystem::is_directory(source, ec)) {
        std::filesystem::path folder = std::filesystem::path(source).lexically_normal();
        if (folder.filename().empty())
            folder = folder.parent_path();
        if (folder.filename() == "VIDEO_TS")
            folder = folder.parent_path();
        name = folder.filename().string();
    }
    std::string label;
    for (const char *c = name.c_str(); *c && label.size() < 32; ++c) {
        const char u = (*c >= 'a' && *c <= 'z') ? char(*c - 32) : *c;
        label += ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_') ? u : '_';
    }
    return label.empty() ? "DVD_VIDEO" : label;
}

bool DiscFileReader::fillsFromDisc(const Entry &entry)
{
    return entry.domain == DVD_READ_MENU_VOBS || entry.domain == DVD_READ_TITLE_VOBS;
}

bool DiscFileReader::stageTo(const std::filesystem::path &folder, std::string &why)
{
    std::error_code ec;
    std::filesystem::create_directories(folder / "VIDEO_TS", ec);
    if (!ec)
        std::filesystem::create_directories(folder / "AUDIO_TS", ec);
    if (ec) {
        why = "cannot make " + (folder / "VIDEO_TS").string() + ": " + ec.message();
        return false;
    }
    for (const Entry &e : m_entries) {
        const std::filesystem::path target = folder / "VIDEO_TS" / e.name;
        if (!fillsFromDisc(e)) {
            if (!copyEntry(e, target, why))
                return false;
            continue;
        }
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const bool sized = fd >= 0 && ::ftruncate(fd, off_t(e.bytes)) == 0;
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        if (!sized) {
            why = "cannot lay out " + target.string() + ": " + std::strerror(error);
            return false;
        }
    }
    return true;
}

bool DiscFileReader::readSectors(const Entry &entry, long long first, int count, unsigned char *buffer,
                                 std::string &why)
{
    if (m_openEntry != &entry) {
        m_openFile.reset(DVDOpenFile(m_dvd, entry.titleSet, dvd_read_domain_t(entry.domain)));
        m_openEntry = m_openFile ? &entry : nullptr;
        if (!m_openFile) {
            why = "cannot open " + entry.name + " on the disc";
            return false;
        }
    }
    for (int done = 0; done < count;) {
        const ssize_t got = DVDReadBlocks(m_openFile.get(), int(entry.blockOffset + first + done),
                                          size_t(count - done), buffer + done * kBlock);
        if (got <= 0) {
            why = "read error in " + entry.name + " at block " + std::to_string(first + done);
            return false;
        }
        done += int(got);
    }
    for (int b = 0; b < count; ++b) {
        if (isScrambled(buffer + b * kBlock)) {
            why = entry.name + " holds a scrambled pack at sector " + std::to_string(first + b)
                + ": the disc is encrypted (CSS), which this system cannot decrypt, or its data is damaged";
            return false;
        }
    }
    return true;
}

bool DiscFileReader::copyEntry(const Entry &entry, const std::filesystem::path &target, std::string &why)
{
    dvd_file_t *file = DVDOpenFile(m_dvd, entry.titleSet, dvd_read_domain_t(entry.domain));
    if (!file) {
        why = "cannot open " + entry.name + " on the disc";
        return false;
    }
    std::unique_ptr<dvd_file_t, void (*)(dvd_file_t *)> guard(file, DVDCloseFile);
    std::unique_ptr<FILE, int (*)(FILE *)> out(std::fopen(target.c_str(), "wbe"), std::fclose);
    if (!out) {
        why = "cannot write " + target.string();
        return false;
    }
    // An IFO file is read whole (a few sectors; libdvdread keeps it in memory anyway).
    std::vector<unsigned char> buffer(size_t(entry.bytes));
    if (DVDFileSeek(file, 0) != 0 || DVDReadBytes(file, buffer.data(), buffer.size()) != ssize_t(buffer.size())) {
        why = "read error in " + entry.name;
        return false;
    }
    if (std::fwrite(buffer.data(), 1, buffer.size(), out.get()) != buffer.size() || std::fclose(out.release()) != 0) {
        why = "cannot write " + target.string() + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
