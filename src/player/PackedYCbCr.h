#pragma once

#include "player/MPlayerFrameReceiver.h"

#include <QImage>

// The packed 4:2:2 Y'CbCr frames the player hands over ('yuvs': Y0 Cb Y1 Cr, '2vuy': Cb Y0 Cr Y1,
// two pixels in four bytes), turned into RGB: studio range (Y' 16..235, Cb and Cr 16..240), the
// BT.601 matrix for standard-definition frames and BT.709 for larger ones. The preview draws
// them in a shader, the editor as images; both take their numbers from here.
namespace PackedYCbCr {

// R = Y + crToRed Cr; G = Y + cbToGreen Cb + crToGreen Cr; B = Y + cbToBlue Cb, with Y, Cb and
// Cr scaled to 0..1 and -0.5..0.5.
struct Matrix
{
    float crToRed;
    float cbToGreen;
    float crToGreen;
    float cbToBlue;
};

// BT.601 up to 576 rows, BT.709 above.
const Matrix &matrixForHeight(int height);

// The frame as an RGB image of its size; a null image for a frame that is not packed 4:2:2 of
// an even width, or whose pixels fall short.
QImage imageOfFrame(const MPlayerFrameReceiver::Frame &frame);

} // namespace PackedYCbCr
