#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

// A small HTTP server on 127.0.0.1 for the online-video tests: it serves the files of one folder
// (GET, with byte ranges), as slowly as asked, and can cut a response off after a number of
// bytes of the file, as a dropped connection does. Nothing leaves the machine.
//
// It runs on threads of its own (one for accepting, one per connection), so the test's thread
// may wait or block while a player reads from it.
namespace testsupport {

class MediaServer
{
public:
    struct Pace
    {
        // Bytes per second of the body; 0 sends as fast as the reader takes them.
        int bytesPerSecond = 0;
        // The connection closes, without the rest, once this many bytes of the file (counted
        // from its start) are sent; 0 never.
        qint64 dropAtFileOffset = 0;
    };

    MediaServer(const QString &rootFolder, Pace pace);
    ~MediaServer();
    MediaServer(const MediaServer &) = delete;
    MediaServer &operator=(const MediaServer &) = delete;

    // False when no port could be had.
    bool isListening() const;
    quint16 port() const;
    // "http://127.0.0.1:<port>/<relative>".
    QString addressOf(const QString &relative) const;

    void setPace(Pace pace);
    // The request lines seen so far ("GET /x.mp4 HTTP/1.0 range=1000-").
    QStringList requests() const;
    // Connections cut off by dropAtFileOffset.
    int droppedConnections() const;

private:
    struct State;
    std::shared_ptr<State> state_;
};

} // namespace testsupport
