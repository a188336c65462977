#pragma once

#include "core/model/DNRelativeRect.h"

#include <QSize>
#include <QString>
#include <QStringList>

// The size work of the picture filters: which crop, scale, orientation and pad pieces turn the
// source picture into the output's frame, and how large the picture is at the end (where the
// subtitle and the watermark are laid). Pure arithmetic, apart from the graph's text.
//
// Every size is worked out on the picture as it is shown: the source's pixels may be shown wider
// or narrower than tall (a DVD's), and so may the output's (a frame whose display aspect the
// vector flags: a DVD's, a DV stream's, a profile's chosen aspect). The picture is fitted into
// the frame as shown and its width taken back to the frame's pixels, so that a round thing stays
// round whatever either pixel is.
struct PictureEdits
{
    QSize sourceSize;          // the selected video track's width and height (its display turn applied)
    double sourcePixelAspect = 1.0;  // how much wider than tall a source pixel is shown
    bool crop = false;
    DNRelativeRect cropRect;   // fractions, origin bottom-left
    int rotation = 0;          // degrees, 0..359
    bool mirror = false;
    QString resolution;        // the frame: "keep origin" or "<w>x<h>"
    bool expandToFrame = false;  // pad out to the frame
    // The display aspect (width over height) the output is flagged with; 0 when the vector
    // flags none. The flag stretches whatever the output holds to it: unless it is the picture's
    // own shape, the picture is padded out to a frame of that shape.
    double frameAspect = 0.0;
    // The output cannot flag a pixel aspect (Sorenson H.263, RealVideo): its pixels are shown
    // square, whatever the vector flags.
    bool squarePixels = false;
};

struct PictureGeometry
{
    // Each piece ends with ",", or is empty.
    QString cropPiece;
    QString scalePiece;
    QString orientationPiece;
    QString padPiece;
    QSize outputSize;          // after every piece, rotation included
    QStringList logLines;      // what the size work decided, for the run's log
};

// Sizes the encoders are handed are raised to a multiple of 4 (a value that is one stays).
int raiseToMultipleOf4(int value);

// Every piece yields a picture the next piece and the encoder accept: a crop lies inside the
// source, a scaled picture has sizes that are multiples of 4 (even sizes, nearest its shape, when
// it is padded out to the frame, whose sizes are multiples of 4), and a picture turned a quarter is
// fitted to the frame turned, so that its pad is never smaller than the picture. Under "keep
// origin" with no flagged frame, the picture keeps its own pixels (and their aspect), except
// for an output whose pixels are square: it is scaled to square pixels.
PictureGeometry pictureGeometry(const PictureEdits &edits);

// The width over the height of the edited picture (cropped, turned) as it is shown.
double shownPictureRatio(const PictureEdits &edits);
