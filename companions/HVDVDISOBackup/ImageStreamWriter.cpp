#include "ImageStreamWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
constexpr long long kSector = 2048;
// Pieces are written (and the disc read) a megabyte at a time, not as the pipe hands them over.
constexpr size_t kBatchBytes = 512 * kSector;
// The folders lie in the image's first sectors; an image maker that wrote this much without them
// wrote no DVD.
constexpr size_t kLongestHead = 32768 * kSector;

bool isRoomError(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

std::string megabytes(long long bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", double(bytes) / 1e6);
    return text;
}

long long freeBytes(const std::filesystem::path &folder)
{
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0)
        return -1;
    return (long long)info.f_bavail * (long long)info.f_frsize;
}
} // namespace

std::string imageRoomProblem(const std::filesystem::path &folder, long long neededBytes)
{
    const long long free = freeBytes(folder);
    return "no space for the image on the disk of " + folder.string() + ": it needs " + megabytes(neededBytes)
        + (free >= 0 ? " and " + megabytes(free) + " are free" : "");
}

ImageStreamWriter::ImageStreamWriter(std::filesystem::path image, DiscFileReader &disc,
                                     const std::atomic<bool> &cancelled, Progress progress)
    : m_image(std::move(image)), m_disc(disc), m_cancelled(cancelled), m_progress(std::move(progress))
{
}

ImageStreamWriter::~ImageStreamWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

long long ImageStreamWriter::imageBytes() const
{
    return m_directory.volumeSectors * kSector;
}

bool ImageStreamWriter::fail(const std::string &why)
{
    if (!m_failed)
        m_why = why;
    m_failed = true;
    m_pending.clear();
    // The unfinished image holds its room until it is closed, and the room free is told after.
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    return false;
}

bool ImageStreamWriter::failToWrite(int error)
{
    if (isRoomError(error))
        return failForRoom("the disk ran out of space");
    return fail("cannot write " + m_image.string() + ": " + std::strerror(error));
}

bool ImageStreamWriter::failForRoom(const std::string &why)
{
    m_lackedRoom = !m_failed;
    return fail(why);
}

bool ImageStreamWriter::feed(std::string_view chunk)
{
    if (m_failed)
        return false;
    m_pending.insert(m_pending.end(), chunk.begin(), chunk.end());
    if (m_pending.size() < kBatchBytes)
        return true;
    return drain(false);
}

bool ImageStreamWriter::finish()
{
    if (m_failed || !drain(true))
        return false;
    if (m_written < m_directory.volumeSectors)
        return fail("the image maker wrote " + std::to_string(m_written) + " of the "
                    + std::to_string(m_directory.volumeSectors) + " sectors of the image");
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0 || failToWrite(errno);
}

// Reads where the image keeps the disc's files, matches them with the disc's own, and makes sure
// the image's disk has room for it before anything is written.
bool ImageStreamWriter::takeDirectory(bool last)
{
    std::string why;
    const auto sectorAt = [this](long long sector) -> const unsigned char * {
        return size_t(sector + 1) * kSector <= m_pending.size() ? m_pending.data() + sector * kSector : nullptr;
    };
    switch (readImageDirectory(sectorAt, m_directory, why)) {
    case ImageDirectoryRead::Broken:
        return fail(why);
    case ImageDirectoryRead::NeedMore:
        if (last || m_pending.size() > kLongestHead)
            return fail("the image maker's output holds no VIDEO_TS folder where an image keeps it");
        return true;
    case ImageDirectoryRead::Found:
        break;
    }
    for (const DiscFileReader::Entry &entry : m_disc.entries()) {
        const auto file = std::find_if(m_directory.files.begin(), m_directory.files.end(),
                                       [&](const ImageDirectory::File &f) { return f.name == entry.name; });
        if (file == m_directory.files.end() || file->bytes != entry.bytes)
            return fail("the image maker did not place " + entry.name + " as the disc holds it");
        m_files.push_back({file->firstSector, entry.bytes / kSector,
                           DiscFileReader::fillsFromDisc(entry) ? &entry : nullptr});
    }

    const std::filesystem::path folder = m_image.parent_path();
    const long long free = freeBytes(folder);
    if (free >= 0 && free < imageBytes())
        return failForRoom("the image does not fit");
    m_fd = ::open(m_image.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return fail("cannot write " + m_image.string() + ": " + std::strerror(errno));
    m_directoryKnown = true;
    return true;
}

bool ImageStreamWriter::drain(bool last)
{
    if (m_cancelled.load())
        return fail("stopped");
    if (!m_directoryKnown) {
        if (!takeDirectory(last))
            return false;
        if (!m_directoryKnown)
            return true;
    }
    const long long count = (long long)(m_pending.size() / kSector);
    if (count > 0 && !writeSectors(m_pending.data(), m_written, count))
        return false;
    m_pending.erase(m_pending.begin(), m_pending.begin() + count * kSector);
    if (last && !m_pending.empty())
        return fail("the image maker's output ends within a sector");
    return true;
}

bool ImageStreamWriter::writeSectors(unsigned char *data, long long first, long long count)
{
    const long long end = first + count;
    for (const Range &file : m_files) {
        const long long from = std::max(first, file.first), to = std::min(end, file.first + file.sectors);
        if (from >= to)
            continue;
        m_discSectors += to - from;
        // The maker read the staged VOB's nothing here: the disc's sectors take its place.
        std::string why;
        if (file.fill
            && !m_disc.readSectors(*file.fill, from - file.first, int(to - from), data + (from - first) * kSector, why))
            return fail(why);
    }
    for (size_t done = 0, bytes = size_t(count * kSector); done < bytes;) {
        const ssize_t put = ::write(m_fd, data + done, bytes - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return failToWrite(put < 0 ? errno : ENOSPC);
        done += size_t(put);
    }
    m_written = end;
    m_progress(m_written, m_directory.volumeSectors, m_discSectors);
    return true;
}
