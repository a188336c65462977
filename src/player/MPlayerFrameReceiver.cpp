#include "MPlayerFrameReceiver.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNTemporaryFolder.h"
#include "playerchannel/HVPlayerChannel.h"
#include "playerchannel/MPlayerOSXVOWire.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// The run loop turns in slices of this length; the wake descriptor ends a slice at once.
constexpr int kSliceMs = 10000;

struct Client
{
    int fd = -1;
    MPlayerOSXVOWire::LineReader lines;
};
} // namespace

struct MPlayerFrameReceiver::Server
{
    std::string socketPath;
    std::string sharedMemoryName;
    int listenFd = -1;
    ino_t socketInode = 0;
    int wakeFd = -1;
    std::atomic<bool> cancelled{false};
    std::thread thread;
    std::vector<Client> clients;

    // The running stream (receiver thread only).
    int streamClient = -1;
    const std::uint8_t *mapping = nullptr;
    std::size_t mappingBytes = 0;
    bool firstFrameSeen = false;
    Frame back;

    // Handed between the receiver thread and the consumer.
    std::mutex lock;
    Frame ready;
    bool readyFresh = false;
    quint64 serial = 0;
    std::atomic<bool> signalPending{false};
};

QString MPlayerFrameReceiver::channelDirectory()
{
    static std::mutex made;
    std::lock_guard<std::mutex> guard(made);
    QString base = DNTemporaryFolder::path();
    if (base.isEmpty())
        base = QDir::tempPath();
    const QString folder = base + QStringLiteral("/player");
    // The folder the program made for itself is private already; the sub-folder stays so too.
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder;
}

MPlayerFrameReceiver::MPlayerFrameReceiver(const QString &bufferName, QObject *parent)
    : QObject(parent)
    , connectionName_(bufferName)
    , server_(std::make_unique<Server>())
    , pixFormat_(MPlayerOSXVOWire::kPixelFormatYUVS)
{
    const std::string directory = QFile::encodeName(channelDirectory()).toStdString();
    const std::string name = bufferName.toStdString();
    Server &s = *server_;
    s.socketPath = HVPlayerChannel::socketPath(directory, name);
    s.sharedMemoryName = HVPlayerChannel::sharedMemoryName(directory, name);

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, s.socketPath.c_str(), sizeof address.sun_path - 1);
    ::unlink(s.socketPath.c_str());
    s.listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (s.listenFd < 0 || ::bind(s.listenFd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(s.listenFd, 4) != 0) {
        DNRoughLog(QStringLiteral("player frame receiver %@ cannot listen at %s: %s"), bufferName,
                   s.socketPath.c_str(), std::strerror(errno));
        if (s.listenFd >= 0)
            ::close(s.listenFd);
        s.listenFd = -1;
        return;
    }
    struct stat info{};
    if (::stat(s.socketPath.c_str(), &info) == 0)
        s.socketInode = info.st_ino;
    s.wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    s.thread = std::thread([this] { threadMain(); });
}

MPlayerFrameReceiver::~MPlayerFrameReceiver()
{
    terminateConnection();
}

bool MPlayerFrameReceiver::isServing() const
{
    return server_->listenFd >= 0 && !server_->cancelled.load();
}

void MPlayerFrameReceiver::terminateConnection()
{
    Server &s = *server_;
    if (s.cancelled.exchange(true))
        return;
    if (s.thread.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(s.wakeFd, &one, sizeof one);
        s.thread.join();
    }
    for (Client &client : s.clients)
        ::close(client.fd);
    s.clients.clear();
    if (s.mapping)
        ::munmap(const_cast<std::uint8_t *>(s.mapping), s.mappingBytes);
    s.mapping = nullptr;
    isRendering_ = false;
    if (s.listenFd >= 0) {
        ::close(s.listenFd);
        // Only our own socket: a newer receiver of the same name may have taken the path.
        struct stat info{};
        if (::stat(s.socketPath.c_str(), &info) == 0 && info.st_ino == s.socketInode)
            ::unlink(s.socketPath.c_str());
    }
    if (s.wakeFd >= 0)
        ::close(s.wakeFd);
    s.listenFd = s.wakeFd = -1;
}

void MPlayerFrameReceiver::removeLeftovers()
{
    ::shm_unlink(server_->sharedMemoryName.c_str());
}

quint64 MPlayerFrameReceiver::framesReceived() const
{
    std::lock_guard<std::mutex> guard(server_->lock);
    return server_->serial;
}

bool MPlayerFrameReceiver::takeLatestFrame(Frame &frame)
{
    Server &s = *server_;
    std::lock_guard<std::mutex> guard(s.lock);
    s.signalPending = false;
    if (!s.readyFresh)
        return false;
    std::swap(frame, s.ready);
    s.readyFresh = false;
    return true;
}

void MPlayerFrameReceiver::threadMain()
{
    Server &s = *server_;
    auto send = [](int fd, const std::string &line) {
        [[maybe_unused]] const ssize_t n = ::send(fd, line.data(), line.size(), MSG_NOSIGNAL);
    };
    auto endStream = [&] {
        if (s.streamClient < 0 && !s.mapping)
            return;
        isRendering_ = false;
        if (s.mapping)
            ::munmap(const_cast<std::uint8_t *>(s.mapping), s.mappingBytes);
        s.mapping = nullptr;
        s.streamClient = -1;
        Q_EMIT streamDidEnd();
    };
    auto start = [&](Client &client, const MPlayerOSXVOWire::Message &m) {
        endStream();
        imageWidth_ = m.width;
        imageHeight_ = m.height;
        imageBytes_ = m.bytesPerPixel;
        imageAspect_ = float(m.aspect) / 100.0f;
        const std::size_t bytes = std::size_t(m.width) * std::size_t(m.height) * std::size_t(m.bytesPerPixel);
        const int fd = ::shm_open(s.sharedMemoryName.c_str(), O_RDONLY, 0400);
        // Pages past the object's end cannot be read (SIGBUS): a player that announces a frame
        // bigger than the buffer it made gets no stream, not a receiver that dies copying it.
        struct stat object {};
        const bool holdsFrame = fd >= 0 && bytes > 0 && ::fstat(fd, &object) == 0 && object.st_size >= 0
            && std::size_t(object.st_size) >= bytes;
        if (fd >= 0 && !holdsFrame)
            DNRoughLog(QStringLiteral("frame receiver: the buffer holds %@ bytes, the stream announces %@; no stream"),
                       QString::number(qlonglong(object.st_size)), QString::number(qulonglong(bytes)));
        void *mapping = holdsFrame ? ::mmap(nullptr, bytes, PROT_READ, MAP_SHARED, fd, 0) : MAP_FAILED;
        if (fd >= 0)
            ::close(fd);
        if (mapping == MAP_FAILED) {
            send(client.fd, MPlayerOSXVOWire::formatStartReply(false, 0));
            return;
        }
        s.mapping = static_cast<const std::uint8_t *>(mapping);
        s.mappingBytes = bytes;
        s.streamClient = client.fd;
        s.firstFrameSeen = false;
        s.back.pixels.resize(bytes);
        Q_EMIT streamWillStart();
        isRendering_ = true;
        send(client.fd, MPlayerOSXVOWire::formatStartReply(true, pixFormat_.load()));
    };
    auto render = [&](Client &client) {
        if (!isRendering_ || client.fd != s.streamClient) {
            send(client.fd, std::string(MPlayerOSXVOWire::kRenderReply) + "\n");
            return;
        }
        s.back.pixels.resize(s.mappingBytes);
        std::memcpy(s.back.pixels.data(), s.mapping, s.mappingBytes);
        s.back.width = imageWidth_;
        s.back.height = imageHeight_;
        s.back.bytesPerPixel = imageBytes_;
        s.back.pixelFormat = pixFormat_;
        {
            std::lock_guard<std::mutex> guard(s.lock);
            s.back.serial = ++s.serial;
            std::swap(s.back, s.ready);
            s.readyFresh = true;
        }
        send(client.fd, std::string(MPlayerOSXVOWire::kRenderReply) + "\n");
        if (!s.firstFrameSeen) {
            s.firstFrameSeen = true;
            Q_EMIT firstFrameArrived();
        }
        if (!s.signalPending.exchange(true))
            Q_EMIT frameArrived();
    };

    while (!s.cancelled.load()) {
        std::vector<pollfd> fds{{s.wakeFd, POLLIN, 0}, {s.listenFd, POLLIN, 0}};
        for (const Client &client : s.clients)
            fds.push_back({client.fd, POLLIN, 0});
        if (::poll(fds.data(), nfds_t(fds.size()), kSliceMs) < 0 && errno != EINTR)
            break;
        if (s.cancelled.load())
            break;
        if (fds[1].revents & POLLIN) {
            const int fd = ::accept4(s.listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0)
                s.clients.push_back({fd, {}});
        }
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            auto client = std::find_if(s.clients.begin(), s.clients.end(),
                                       [&](const Client &c) { return c.fd == fds[i].fd; });
            char data[4096];
            const ssize_t n = ::recv(client->fd, data, sizeof data, 0);
            if (n <= 0) {
                // A player that goes away ends its stream, with or without a stop message.
                if (client->fd == s.streamClient)
                    endStream();
                ::close(client->fd);
                s.clients.erase(client);
                continue;
            }
            client->lines.append(data, std::size_t(n));
            while (auto line = client->lines.nextLine()) {
                const auto message = MPlayerOSXVOWire::parse(*line);
                if (!message)
                    continue;
                switch (message->method) {
                case MPlayerOSXVOWire::Method::Start: start(*client, *message); break;
                case MPlayerOSXVOWire::Method::Render: render(*client); break;
                case MPlayerOSXVOWire::Method::Stop:
                    if (client->fd == s.streamClient)
                        endStream();
                    break;
                case MPlayerOSXVOWire::Method::ToggleFullscreen:
                case MPlayerOSXVOWire::Method::Ontop: break;
                }
            }
        }
    }
}
