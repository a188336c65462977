#include "FrameConverter.h"

extern "C" {
#include <libswscale/swscale.h>
}

FrameConverter::FrameConverter(QSize size) : size_(size)
{
    // The conversion ffmpeg itself would make of the same pixels (BT.601, limited range).
    context_ = sws_getContext(size.width(), size.height(), AV_PIX_FMT_BGRA, size.width(), size.height(),
                              AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
}

FrameConverter::~FrameConverter()
{
    sws_freeContext(context_);
}

bool FrameConverter::takes(const QImage &frame, QSize size)
{
    return frame.size() == size
           && (frame.format() == QImage::Format_RGB32 || frame.format() == QImage::Format_ARGB32_Premultiplied);
}

QByteArray FrameConverter::yuv420(const QImage &frame)
{
    const int w = size_.width(), h = size_.height();
    QByteArray planes(qsizetype(w) * h * 3 / 2, Qt::Uninitialized);
    if (!context_ || !takes(frame, size_))
        return QByteArray();
    uint8_t *out[3] = {reinterpret_cast<uint8_t *>(planes.data()), nullptr, nullptr};
    out[1] = out[0] + qsizetype(w) * h;
    out[2] = out[1] + qsizetype(w / 2) * (h / 2);
    const int outStrides[3] = {w, w / 2, w / 2};
    const uint8_t *in[1] = {frame.constBits()};
    const int inStrides[1] = {int(frame.bytesPerLine())};
    sws_scale(context_, in, inStrides, 0, h, out, outStrides);
    return planes;
}
