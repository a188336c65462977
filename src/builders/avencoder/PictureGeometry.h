#pragma once

#include "core/model/DNRelativeRect.h"

#include <QSize>
#include <QString>
#include <QStringList>

// The size work of the picture filters: which crop, scale, orientation and pad pieces turn the
// source picture into the profile's frame, and how large the picture is at the end (where the
// subtitle and the watermark are laid). Pure arithmetic, apart from the graph's text.
struct PictureEdits
{
    QSize sourceSize;          // the selected video track's width and height
    bool crop = false;
    DNRelativeRect cropRect;   // fractions, origin bottom-left
    int rotation = 0;          // degrees, 0..359
    bool mirror = false;
    QString resolution;        // the profile's value: "keep origin" or "<w>x<h>"
    bool expandToFrame = false;  // pad out to the profile's frame
    double pixelAspect = 1.0;  // how much wider than tall a pixel of the frame is shown
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
// source, a scaled picture has sizes that are multiples of 4, and a picture turned a quarter is
// fitted to the frame turned, so that its pad is never smaller than the picture.
PictureGeometry pictureGeometry(const PictureEdits &edits);
