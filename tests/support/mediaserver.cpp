#include "mediaserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

struct MediaServer::State
{
    QString root;
    int listener = -1;
    quint16 port = 0;
    std::atomic<bool> stopping{false};
    mutable std::mutex mutex;
    Pace pace;
    QStringList requests;
    int dropped = 0;
    std::vector<int> connections;
    std::vector<std::thread> workers;
    std::thread acceptor;

    Pace currentPace() const
    {
        std::lock_guard<std::mutex> guard(mutex);
        return pace;
    }

    void acceptLoop();
    void serve(int socket);
    bool sendAll(int socket, const char *data, qint64 size);
};

namespace {

// The request head, up to its blank line; empty when the peer went away first.
QByteArray readHead(int socket, const std::atomic<bool> &stopping)
{
    QByteArray head;
    char buffer[2048];
    while (!head.contains("\r\n\r\n") && head.size() < 65536 && !stopping) {
        pollfd ready{socket, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0)
            continue;
        const ssize_t n = recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0)
            return QByteArray();
        head.append(buffer, n);
    }
    return head;
}

// The first byte of a "Range: bytes=N-" header; 0 without one.
qint64 rangeStart(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines) {
        const QByteArray lower = line.toLower().trimmed();
        if (lower.startsWith("range: bytes="))
            return lower.mid(13).split('-').value(0).toLongLong();
    }
    return 0;
}

} // namespace

bool MediaServer::State::sendAll(int socket, const char *data, qint64 size)
{
    while (size > 0 && !stopping) {
        const ssize_t n = send(socket, data, size_t(size), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return size == 0;
}

void MediaServer::State::serve(int socket)
{
    const QByteArray head = readHead(socket, stopping);
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    const QString path = QString::fromUtf8(QByteArray::fromPercentEncoding(request.value(1)));
    const qint64 start = rangeStart(lines);
    {
        std::lock_guard<std::mutex> guard(mutex);
        requests << QStringLiteral("%1 range=%2-").arg(QString::fromLatin1(lines.value(0).trimmed())).arg(start);
    }
    QFile file(QDir(root).filePath(path.mid(1)));
    const bool inside = QFileInfo(file).canonicalFilePath().startsWith(QFileInfo(root).canonicalFilePath());
    if (head.isEmpty() || request.value(0) != "GET" || !inside || !file.open(QIODevice::ReadOnly) ||
        start >= std::max<qint64>(file.size(), 1)) {
        const QByteArray missing = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        sendAll(socket, missing.constData(), missing.size());
        return;
    }
    const qint64 total = file.size();
    QByteArray answer = start > 0 ? QByteArray("HTTP/1.1 206 Partial Content\r\n") +
                                        QStringLiteral("Content-Range: bytes %1-%2/%3\r\n")
                                            .arg(start).arg(total - 1).arg(total).toLatin1()
                                  : QByteArray("HTTP/1.1 200 OK\r\n");
    answer += "Accept-Ranges: bytes\r\nContent-Type: video/mp4\r\nConnection: close\r\n";
    answer += "Content-Length: " + QByteArray::number(total - start) + "\r\n\r\n";
    if (!sendAll(socket, answer.constData(), answer.size()))
        return;
    file.seek(start);
    constexpr qint64 kPiece = 4096;
    qint64 offset = start;
    const auto began = std::chrono::steady_clock::now();
    while (offset < total && !stopping) {
        const Pace now = currentPace();
        qint64 piece = std::min(kPiece, total - offset);
        if (now.dropAtFileOffset > 0) {
            if (offset >= now.dropAtFileOffset) {
                std::lock_guard<std::mutex> guard(mutex);
                ++dropped;
                return;
            }
            piece = std::min(piece, now.dropAtFileOffset - offset);
        }
        const QByteArray bytes = file.read(piece);
        if (bytes.isEmpty() || !sendAll(socket, bytes.constData(), bytes.size()))
            return;
        offset += bytes.size();
        if (now.bytesPerSecond > 0) {
            // Paced by the whole response so far, so short sleeps do not add up to a slower rate.
            const auto due = began + std::chrono::microseconds((offset - start) * 1000000 / now.bytesPerSecond);
            while (std::chrono::steady_clock::now() < due && !stopping)
                std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
                    due - std::chrono::steady_clock::now(), std::chrono::milliseconds(20)));
        }
    }
}

void MediaServer::State::acceptLoop()
{
    while (!stopping) {
        pollfd ready{listener, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0)
            continue;
        const int socket = accept(listener, nullptr, nullptr);
        if (socket < 0)
            continue;
        std::lock_guard<std::mutex> guard(mutex);
        connections.push_back(socket);
        workers.emplace_back([this, socket] {
            serve(socket);
            // The reader sees the end of the stream now: a cut response ends early.
            shutdown(socket, SHUT_RDWR);
        });
    }
}

MediaServer::MediaServer(const QString &rootFolder, Pace pace) : state_(std::make_shared<State>())
{
    state_->root = rootFolder;
    state_->pace = pace;
    state_->listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (state_->listener < 0 || bind(state_->listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        listen(state_->listener, 16) != 0 ||
        getsockname(state_->listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        if (state_->listener >= 0)
            close(state_->listener);
        state_->listener = -1;
        return;
    }
    state_->port = ntohs(address.sin_port);
    state_->acceptor = std::thread([state = state_.get()] { state->acceptLoop(); });
}

MediaServer::~MediaServer()
{
    state_->stopping = true;
    if (state_->acceptor.joinable())
        state_->acceptor.join();
    std::vector<std::thread> workers;
    {
        std::lock_guard<std::mutex> guard(state_->mutex);
        for (int socket : state_->connections)
            shutdown(socket, SHUT_RDWR);
        workers.swap(state_->workers);
    }
    for (std::thread &worker : workers)
        worker.join();
    for (int socket : state_->connections)
        close(socket);
    if (state_->listener >= 0)
        close(state_->listener);
}

bool MediaServer::isListening() const
{
    return state_->listener >= 0;
}

quint16 MediaServer::port() const
{
    return state_->port;
}

QString MediaServer::addressOf(const QString &relative) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(state_->port).arg(relative);
}

void MediaServer::setPace(Pace pace)
{
    std::lock_guard<std::mutex> guard(state_->mutex);
    state_->pace = pace;
}

QStringList MediaServer::requests() const
{
    std::lock_guard<std::mutex> guard(state_->mutex);
    return state_->requests;
}

int MediaServer::droppedConnections() const
{
    std::lock_guard<std::mutex> guard(state_->mutex);
    return state_->dropped;
}

} // namespace testsupport
