#pragma once

#include <QByteArray>
#include <QImage>

// Frames as the encoder takes them: 32-bit RGB pictures turned into planar YUV 4:2:0 with the
// BT.601 studio-range matrix ffmpeg itself uses, chroma from each 2x2 block's mean. Plain
// integer arithmetic the compiler vectorises: the engine converts every picture it draws.
class FrameConverter
{
public:
    explicit FrameConverter(QSize size) : size_(size) {}

    // frame must be of the converter's size, in QImage::Format_RGB32 or premultiplied ARGB32
    // (whose colour laid over black is its own colour: the alpha is not read). The chroma
    // planes are (width + 1) / 2 by (height + 1) / 2. Empty for any other frame.
    QByteArray yuv420(const QImage &frame) const;
    static bool takes(const QImage &frame, QSize size);

private:
    QSize size_;
};
