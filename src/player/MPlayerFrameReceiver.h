#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

// The frame receiver of one buffer name: the receiving end of MPlayerOSXVOProto for every run of
// the player executable under that name, with no drawing of its own (the preview's OpenGL
// renderer and the editor's picture source both sit on top of it).
//
// It listens on the local socket named after the buffer in the program's channel folder, on a
// thread of its own, until it is terminated. For each stream the player announces, it opens the
// player's shared-memory buffer read-only and maps one frame; on each render message it copies
// the whole frame into a private buffer, and the newest complete frame waits there for whoever
// draws it. Start, first frame, new frame and end are signalled from the receiver's thread:
// connect with a context object so they arrive on the main thread.
class MPlayerFrameReceiver : public QObject
{
    Q_OBJECT
public:
    // One frame as the player packed it: width x height pixels of bytesPerPixel bytes, rows
    // without gaps.
    struct Frame
    {
        std::vector<std::uint8_t> pixels;
        int width = 0;
        int height = 0;
        int bytesPerPixel = 0;
        quint32 pixelFormat = 0;
        quint64 serial = 0;   // counts every frame the receiver has taken in
    };

    explicit MPlayerFrameReceiver(const QString &bufferName, QObject *parent = nullptr);
    ~MPlayerFrameReceiver() override;

    QString connectionName() const { return connectionName_; }
    // False when the socket could not be made (no player can reach this receiver then).
    bool isServing() const;

    // The pixel format the next stream is asked for ('yuvs' after creation, or '2vuy').
    void setPixFormat(quint32 pixelFormat) { pixFormat_ = pixelFormat; }
    quint32 pixFormat() const { return pixFormat_; }

    // A stream is mapped (between a successful start and its stop).
    bool isRendering() const { return isRendering_.load(); }
    // The geometry of the last start message.
    int imageWidth() const { return imageWidth_.load(); }
    int imageHeight() const { return imageHeight_.load(); }
    int imageBytes() const { return imageBytes_.load(); }
    float imageAspect() const { return imageAspect_.load(); }

    // Moves the newest frame into frame (whose old pixels the receiver reuses) when one came in
    // since the last call; false when there is none newer.
    bool takeLatestFrame(Frame &frame);

    // Frames taken in since creation.
    quint64 framesReceived() const;

    // Ends the thread and closes the socket; the receiver serves no later run.
    void terminateConnection();
    // Removes what a killed player may have left under this buffer name.
    void removeLeftovers();

    // The program's channel folder (made on first use inside its temporary folder); the
    // launchers hand it to the player in the environment (HVPlayerChannel::kDirectoryVariable).
    static QString channelDirectory();

Q_SIGNALS:
    // A stream was mapped; its geometry is readable.
    void streamWillStart();
    // The first frame of the stream was copied.
    void firstFrameArrived();
    // A new frame waits in takeLatestFrame (sent again only after a take).
    void frameArrived();
    // The stream ended (stop message, or its player went away).
    void streamDidEnd();

private:
    struct Server;
    void threadMain();

    const QString connectionName_;
    std::unique_ptr<Server> server_;
    std::atomic<quint32> pixFormat_;
    std::atomic<bool> isRendering_{false};
    std::atomic<int> imageWidth_{0};
    std::atomic<int> imageHeight_{0};
    std::atomic<int> imageBytes_{0};
    std::atomic<float> imageAspect_{0};
};
