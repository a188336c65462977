#pragma once

#include <QByteArray>
#include <QImage>

struct SwsContext;

// Frames as the encoder takes them: 32-bit RGB pictures turned into planar YUV 4:2:0 here, so
// that the pipe carries less than half the bytes and the encoder converts nothing, and a photo
// standing alone for seconds is converted once.
class FrameConverter
{
public:
    explicit FrameConverter(QSize size);
    ~FrameConverter();
    FrameConverter(const FrameConverter &) = delete;
    FrameConverter &operator=(const FrameConverter &) = delete;

    // frame must be of the converter's size, in QImage::Format_RGB32.
    QByteArray yuv420(const QImage &frame);

private:
    QSize size_;
    SwsContext *context_ = nullptr;
};
