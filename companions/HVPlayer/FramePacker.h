#pragma once

#include "playerchannel/Y4MStreamReader.h"

#include <cstdint>
#include <vector>

struct SwsContext;

// Turns one planar frame of the yuv4mpeg stream into packed 4:2:2 (two bytes a pixel), in the
// byte order the receiver asked for: 'yuvs' (Y0 Cb Y1 Cr) or '2vuy' (Cb Y0 Cr Y1).
class FramePacker
{
public:
    FramePacker() = default;
    ~FramePacker();
    FramePacker(const FramePacker &) = delete;
    FramePacker &operator=(const FramePacker &) = delete;

    // The packed width: 4:2:2 pairs pixels, so an odd width gains one column.
    static int packedWidth(const Y4MStreamReader::Format &format) { return (format.width + 1) & ~1; }

    // Writes the frame into target (packedWidth x height x 2 bytes, nothing more); false when it
    // cannot.
    bool pack(const Y4MStreamReader::Format &format, const std::uint8_t *planes, std::uint32_t pixelFormat,
              std::uint8_t *target);

private:
    // swscale writes whole vector blocks, which for many widths (718, 854, 360...) reach up to a
    // few dozen bytes past the end of a row; the target is the receiver's shared buffer, sized to
    // the picture, and past its end may be no memory at all. So the rows are packed into padded
    // rows here and copied into the target.
    std::vector<std::uint8_t> m_rows;
    int m_rowStride = 0;
    SwsContext *m_context = nullptr;
    Y4MStreamReader::Format m_format;
    std::uint32_t m_pixelFormat = 0;
};
