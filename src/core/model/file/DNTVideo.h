#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// A video stream of a media file, as the probe reads it.
struct DNTVideo
{
    qint32 vid = -1;          // stream id; -1 when the container gives none
    qint32 width = 0;
    qint32 height = 0;
    // The quarter turn (90, 180 or 270 degrees, else 0) the file asks players to show the picture
    // turned by. The encoder turns such a picture before it filters it, so width, height and the
    // aspect are those of the picture as shown.
    qint32 rotation = 0;
    float duration = 0.0f;    // seconds, with the fraction
    float fps = 0.0f;
    qint32 bitRateMode = 0;   // 0 not stated, 1 constant, 2 variable
    qint32 bitRate = -1;      // bits per second
    // How much wider than tall a pixel is shown (64/45 for a 16:9 PAL DVD picture), as shown:
    // a display turn of a quarter makes it its inverse.
    float pixelAspect = 1.0f;
    float aw = 0.0f;          // display aspect as two numbers (16 and 9 for 16:9)
    float ah = 0.0f;
    QString aspectRatio;
    QString codec;
    QString codecCC;
    QString durationString;
};

using DNTVideoPtr = std::shared_ptr<DNTVideo>;
