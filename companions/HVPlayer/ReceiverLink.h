#pragma once

#include "FramePacker.h"

#include "playerchannel/MPlayerOSXVOWire.h"
#include "playerchannel/Y4MStreamReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The player's end of the frame channel: the local socket to the receiver and the shared-memory
// buffer it fills. A stream starts at its first frame (the buffer is made, announced and, once
// the receiver has opened it, its name removed, so a killed player leaves no object behind), each
// frame is packed into the buffer and announced, and the stream stops when the video ends or
// changes size.
class ReceiverLink
{
public:
    ReceiverLink(std::string channelDirectory, std::string bufferName);
    ~ReceiverLink();
    ReceiverLink(const ReceiverLink &) = delete;
    ReceiverLink &operator=(const ReceiverLink &) = delete;

    // A stream header: a new geometry ends the running stream.
    void onHeader(const Y4MStreamReader::Format &format);
    void onFrame(const Y4MStreamReader::Format &format, const std::uint8_t *planes);
    void stopStream();

    int framesDelivered() const { return m_framesDelivered; }

private:
    void startStream(const Y4MStreamReader::Format &format);
    bool connectToReceiver();
    bool send(const MPlayerOSXVOWire::Message &message);
    // The receiver's next line within timeoutMs; empty when none came (the link is then closed
    // when the receiver went away).
    std::string awaitReply(int timeoutMs);
    void unmapBuffer();
    void disconnect();

    std::string m_directory;
    std::string m_bufferName;
    std::string m_sharedMemoryName;
    int m_socket = -1;
    bool m_socketFailed = false;
    MPlayerOSXVOWire::LineReader m_replies;

    bool m_streaming = false;
    Y4MStreamReader::Format m_format;
    std::uint32_t m_pixelFormat = MPlayerOSXVOWire::kPixelFormatYUVS;
    std::uint8_t *m_buffer = nullptr;
    std::size_t m_bufferBytes = 0;
    FramePacker m_packer;
    int m_framesDelivered = 0;
};
