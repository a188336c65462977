#include "ReceiverLink.h"

#include "playerchannel/HVPlayerChannel.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int kStartReplyTimeoutMs = 5000;
// A frame is copied in a few milliseconds; a receiver that takes longer only costs that frame.
constexpr int kRenderReplyTimeoutMs = 1000;
} // namespace

ReceiverLink::ReceiverLink(std::string channelDirectory, std::string bufferName)
    : m_directory(std::move(channelDirectory))
    , m_bufferName(std::move(bufferName))
    , m_sharedMemoryName(HVPlayerChannel::sharedMemoryName(m_directory, m_bufferName))
{
}

ReceiverLink::~ReceiverLink()
{
    stopStream();
    disconnect();
}

void ReceiverLink::onHeader(const Y4MStreamReader::Format &format)
{
    if (m_streaming && !(format.width == m_format.width && format.height == m_format.height &&
                         format.displayAspectHundredths() == m_format.displayAspectHundredths()))
        stopStream();
}

void ReceiverLink::onFrame(const Y4MStreamReader::Format &format, const std::uint8_t *planes)
{
    if (!m_streaming)
        startStream(format);
    if (!m_buffer)
        return;
    if (!m_packer.pack(format, planes, m_pixelFormat, m_buffer))
        return;
    if (!send({MPlayerOSXVOWire::Method::Render}))
        return;
    if (awaitReply(kRenderReplyTimeoutMs) == MPlayerOSXVOWire::kRenderReply)
        ++m_framesDelivered;
}

void ReceiverLink::startStream(const Y4MStreamReader::Format &format)
{
    m_streaming = true;
    m_format = format;
    if (!connectToReceiver())
        return;
    const int width = FramePacker::packedWidth(format);
    m_bufferBytes = std::size_t(width) * std::size_t(format.height) * 2;
    shm_unlink(m_sharedMemoryName.c_str());
    const int fd = shm_open(m_sharedMemoryName.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        std::fprintf(stderr, "[HVPlayer]: cannot make the frame buffer %s: %s\n", m_sharedMemoryName.c_str(),
                     std::strerror(errno));
        return;
    }
    void *mapping = MAP_FAILED;
    if (ftruncate(fd, off_t(m_bufferBytes)) == 0)
        mapping = mmap(nullptr, m_bufferBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (mapping == MAP_FAILED) {
        std::fprintf(stderr, "[HVPlayer]: cannot map the frame buffer: %s\n", std::strerror(errno));
        shm_unlink(m_sharedMemoryName.c_str());
        return;
    }
    m_buffer = static_cast<std::uint8_t *>(mapping);

    MPlayerOSXVOWire::Message start;
    start.method = MPlayerOSXVOWire::Method::Start;
    start.width = width;
    start.height = format.height;
    start.bytesPerPixel = 2;
    start.aspect = format.displayAspectHundredths();
    const bool mapped = send(start) &&
                        MPlayerOSXVOWire::parseStartReply(awaitReply(kStartReplyTimeoutMs), m_pixelFormat);
    // The receiver has the object open (or never will): its name is no longer needed.
    shm_unlink(m_sharedMemoryName.c_str());
    if (!mapped)
        unmapBuffer();
}

bool ReceiverLink::connectToReceiver()
{
    if (m_socket >= 0)
        return true;
    if (m_socketFailed)
        return false;
    const std::string path = HVPlayerChannel::socketPath(m_directory, m_bufferName);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    m_socket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_socket >= 0 && connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
        return true;
    std::fprintf(stderr, "[HVPlayer]: no frame receiver at %s: %s\n", path.c_str(), std::strerror(errno));
    disconnect();
    // Told once; the video is still drained so that sound and status go on.
    m_socketFailed = true;
    return false;
}

bool ReceiverLink::send(const MPlayerOSXVOWire::Message &message)
{
    if (m_socket < 0)
        return false;
    const std::string line = MPlayerOSXVOWire::format(message);
    std::size_t sent = 0;
    while (sent < line.size()) {
        const ssize_t n = ::send(m_socket, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            disconnect();
            return false;
        }
        sent += std::size_t(n);
    }
    return true;
}

std::string ReceiverLink::awaitReply(int timeoutMs)
{
    while (m_socket >= 0) {
        if (auto line = m_replies.nextLine())
            return *line;
        pollfd p{m_socket, POLLIN, 0};
        const int ready = poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return {};
        char data[256];
        const ssize_t n = recv(m_socket, data, sizeof data, 0);
        if (n <= 0) {
            disconnect();
            unmapBuffer();
            return {};
        }
        m_replies.append(data, std::size_t(n));
    }
    return {};
}

void ReceiverLink::stopStream()
{
    if (!m_streaming)
        return;
    m_streaming = false;
    send({MPlayerOSXVOWire::Method::Stop});
    unmapBuffer();
}

void ReceiverLink::unmapBuffer()
{
    if (m_buffer)
        munmap(m_buffer, m_bufferBytes);
    m_buffer = nullptr;
    m_bufferBytes = 0;
}

void ReceiverLink::disconnect()
{
    if (m_socket >= 0)
        close(m_socket);
    m_socket = -1;
    m_replies = MPlayerOSXVOWire::LineReader();
}
