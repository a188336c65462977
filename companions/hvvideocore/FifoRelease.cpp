#include "hvvideocore/FifoRelease.h"

#include <fcntl.h>
#include <unistd.h>

void EngineEnd::set()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_ended = true;
    }
    m_changed.notify_all();
}

bool EngineEnd::waitFor(std::chrono::milliseconds most)
{
    std::unique_lock<std::mutex> lock(m_lock);
    return m_changed.wait_for(lock, most, [this] { return m_ended; });
}

int openFifoSide(const std::string &path, int side)
{
    return ::open(path.c_str(), side | O_NONBLOCK | O_CLOEXEC);
}

void releaseUntil(const std::string &path, int otherSide, EngineEnd &otherEnd)
{
    do {
        const int fd = openFifoSide(path, otherSide);
        if (fd >= 0)
            ::close(fd);
    } while (!otherEnd.waitFor(std::chrono::milliseconds(50)));
}
