#include "FramePacker.h"

#include "playerchannel/MPlayerOSXVOWire.h"

#include <cstring>

extern "C" {
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

namespace {
// Room past each packed row for what swscale writes beyond it, and the rows' alignment.
constexpr int kRowSlack = 64;

AVPixelFormat planarFormat(Y4MStreamReader::Chroma chroma)
{
    switch (chroma) {
    case Y4MStreamReader::Chroma::C420: return AV_PIX_FMT_YUV420P;
    case Y4MStreamReader::Chroma::C422: return AV_PIX_FMT_YUV422P;
    case Y4MStreamReader::Chroma::C444: return AV_PIX_FMT_YUV444P;
    case Y4MStreamReader::Chroma::C411: return AV_PIX_FMT_YUV411P;
    case Y4MStreamReader::Chroma::Mono: return AV_PIX_FMT_GRAY8;
    }
    return AV_PIX_FMT_YUV420P;
}
} // namespace

FramePacker::~FramePacker()
{
    sws_freeContext(m_context);
}

bool FramePacker::pack(const Y4MStreamReader::Format &format, const std::uint8_t *planes,
                       std::uint32_t pixelFormat, std::uint8_t *target)
{
    if (!m_context || !(format == m_format) || pixelFormat != m_pixelFormat) {
        sws_freeContext(m_context);
        const AVPixelFormat packed =
            pixelFormat == MPlayerOSXVOWire::kPixelFormat2VUY ? AV_PIX_FMT_UYVY422 : AV_PIX_FMT_YUYV422;
        // Same size, only the chroma layout changes: nearest-sample is exact for rows and cheap.
        m_context = sws_getContext(format.width, format.height, planarFormat(format.chroma), packedWidth(format),
                                   format.height, packed, SWS_POINT, nullptr, nullptr, nullptr);
        m_format = format;
        m_pixelFormat = pixelFormat;
        const int rowBytes = packedWidth(format) * 2;
        m_rowStride = (rowBytes + kRowSlack + kRowSlack - 1) / kRowSlack * kRowSlack;
        m_rows.assign(std::size_t(m_rowStride) * std::size_t(format.height) + kRowSlack, 0);
    }
    if (!m_context)
        return false;
    const std::size_t luma = std::size_t(format.width) * std::size_t(format.height);
    const std::size_t chroma = std::size_t(format.chromaWidth) * std::size_t(format.chromaHeight);
    const std::uint8_t *source[4] = {planes, planes + luma, planes + luma + chroma, nullptr};
    const int sourceStrides[4] = {format.width, format.chromaWidth, format.chromaWidth, 0};
    std::uint8_t *rows[4] = {m_rows.data(), nullptr, nullptr, nullptr};
    const int rowStrides[4] = {m_rowStride, 0, 0, 0};
    if (sws_scale(m_context, source, sourceStrides, 0, format.height, rows, rowStrides) != format.height)
        return false;
    const std::size_t rowBytes = std::size_t(packedWidth(format)) * 2;
    for (int row = 0; row < format.height; ++row)
        std::memcpy(target + std::size_t(row) * rowBytes, m_rows.data() + std::size_t(row) * std::size_t(m_rowStride),
                    rowBytes);
    return true;
}
