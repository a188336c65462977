#include "enginekit/FileText.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

std::string readFileStart(const std::string &path, std::size_t most)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::string text(most, '\0');
    std::size_t got = 0;
    while (got < most) {
        const ssize_t n = ::read(fd, text.data() + got, most - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    ::close(fd);
    text.resize(got);
    return text;
}

bool writeFileText(const std::string &path, const std::string &text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += std::size_t(n);
    }
    return ::close(fd) == 0 && done == text.size();
}
