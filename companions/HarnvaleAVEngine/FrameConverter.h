#pragma once

#include <QByteArray>
#include <QImage>

struct SwsContext;

// Frames as the encoder takes them: 32-bit RGB pictures turned into planar YUV 4:2:0, with the
// conversion ffmpeg itself would make. One converter serves one thread.
class FrameConverter
{
public:
    explicit FrameConverter(QSize size);
    ~FrameConverter();
    FrameConverter(const FrameConverter &) = delete;
    FrameConverter &operator=(const FrameConverter &) = delete;

    // frame must be of the converter's size, in QImage::Format_RGB32 or premultiplied ARGB32
    // (whose colour laid over black is its own colour: the alpha is not read).
    QByteArray yuv420(const QImage &frame);
    static bool takes(const QImage &frame, QSize size);

private:
    QSize size_;
    SwsContext *context_ = nullptr;
};
