#include "core/lang/TextCharset.h"

#include <QFile>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A subtitle file is small; a few megabytes are plenty to tell its character set, and reading a
// huge file picked by mistake must not take the memory.
constexpr off_t kMostBytesExamined = 8 * 1024 * 1024;

struct DetectorDeleter
{
    void operator()(uchardet *detector) const { uchardet_delete(detector); }
};

struct FileCloser
{
    int fd;
    ~FileCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads up to `size` bytes, going on after short reads; the number of bytes read.
std::size_t readFully(int fd, char *buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

} // namespace

QString detectTextFileCharset(const QString &path)
{
    std::unique_ptr<uchardet, DetectorDeleter> detector(uchardet_new());
    if (!detector || path.isEmpty())
        return {};

    FileCloser file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0)
        return {};
    struct stat info = {};
    if (::fstat(file.fd, &info) != 0 || info.st_size <= 0)
        return {};

    const std::size_t size = static_cast<std::size_t>(std::min(info.st_size, kMostBytesExamined));
    std::vector<char> buffer(size + 1, 0);
    const std::size_t length = readFully(file.fd, buffer.data(), size);
    if (length == 0)
        return {};

    QString name;
    if (uchardet_handle_data(detector.get(), buffer.data(), length) == 0) {
        uchardet_data_end(detector.get());
        char charset[1024] = {};
        if (const char *detected = uchardet_get_charset(detector.get()))
            std::strncpy(charset, detected, sizeof charset - 1);
        name = QString::fromUtf8(charset);
        uchardet_reset(detector.get());
    }
    name = name.trimmed();
    if (name.isEmpty())
        return {};
    return name;
}
