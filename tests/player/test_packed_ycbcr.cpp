// Packed 4:2:2 frames as images, on a few pixels worked out by hand from the studio-range
// matrices.
#include "player/PackedYCbCr.h"
#include "playerchannel/MPlayerOSXVOWire.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

// Pixel pairs given as (Y0, Cb, Y1, Cr), written in the frame's byte order.
MPlayerFrameReceiver::Frame packed(quint32 format, int width, int height,
                                   std::initializer_list<std::array<std::uint8_t, 4>> pairs)
{
    MPlayerFrameReceiver::Frame frame;
    frame.width = width;
    frame.height = height;
    frame.bytesPerPixel = 2;
    frame.pixelFormat = format;
    const bool cbFirst = format == MPlayerOSXVOWire::kPixelFormat2VUY;
    while (frame.pixels.size() < std::size_t(width) * height * 2) {
        for (const auto &p : pairs) {
            if (cbFirst)
                frame.pixels.insert(frame.pixels.end(), {p[1], p[0], p[3], p[2]});
            else
                frame.pixels.insert(frame.pixels.end(), {p[0], p[1], p[2], p[3]});
        }
    }
    return frame;
}

} // namespace

TEST(PackedYCbCr, BothByteOrdersGiveTheSamePixels)
{
    // Y 235 is white, Y 16 black; Y 81, Cb 90, Cr 240 is BT.601 red: R = 0.2968 + 1.402 x 0.5 ->
    // 254, G = 0.2968 + 0.344 x 0.170 - 0.714 x 0.5 -> 0, B = 0.2968 - 1.772 x 0.170 -> 0.
    for (const quint32 format : {MPlayerOSXVOWire::kPixelFormatYUVS, MPlayerOSXVOWire::kPixelFormat2VUY}) {
        const QImage image = PackedYCbCr::imageOfFrame(packed(format, 4, 1, {{235, 128, 16, 128}, {81, 90, 81, 240}}));
        ASSERT_EQ(image.size(), QSize(4, 1));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 255));
        EXPECT_EQ(image.pixelColor(1, 0), QColor(0, 0, 0));
        EXPECT_EQ(image.pixelColor(2, 0), QColor(254, 0, 0));
        EXPECT_EQ(image.pixelColor(3, 0), QColor(254, 0, 0));
    }
}

TEST(PackedYCbCr, LargeFramesUseTheHighDefinitionMatrix)
{
    // The same bytes through BT.709: R = 0.2968 + 1.575 x 0.5 -> 255, G = 0.2968 + 0.187 x 0.170
    // - 0.468 x 0.5 -> 24, B = 0.2968 - 1.856 x 0.170 -> 0.
    const QImage image =
        PackedYCbCr::imageOfFrame(packed(MPlayerOSXVOWire::kPixelFormatYUVS, 2, 578, {{81, 90, 81, 240}}));
    EXPECT_EQ(image.pixelColor(1, 577), QColor(255, 24, 0));
    EXPECT_EQ(&PackedYCbCr::matrixForHeight(576), &PackedYCbCr::matrixForHeight(480));
    EXPECT_NE(&PackedYCbCr::matrixForHeight(577), &PackedYCbCr::matrixForHeight(576));
}

TEST(PackedYCbCr, FramesThatAreNotPacked422GiveNoImage)
{
    auto frame = packed(MPlayerOSXVOWire::kPixelFormatYUVS, 4, 2, {{16, 128, 16, 128}});
    EXPECT_FALSE(PackedYCbCr::imageOfFrame(frame).isNull());
    auto odd = frame;
    odd.width = 3;
    EXPECT_TRUE(PackedYCbCr::imageOfFrame(odd).isNull());
    auto wide = frame;
    wide.bytesPerPixel = 4;
    EXPECT_TRUE(PackedYCbCr::imageOfFrame(wide).isNull());
    auto shortFrame = frame;
    shortFrame.pixels.resize(10);
    EXPECT_TRUE(PackedYCbCr::imageOfFrame(shortFrame).isNull());
}
