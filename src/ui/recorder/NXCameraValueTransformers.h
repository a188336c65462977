#pragma once

#include <QList>
#include <QSize>
#include <QVariant>

// How the camera recorder's size pop-up shows the size limits and reads them back. A null value
// (an invalid QVariant) stays null.
//
// NXResolutionTransformer: a size becomes "320x240", "352x288", "640x480", "960x540",
// "1280x720" for those sizes, "HD" for 1920x1080 and "Default" for any other; the reverse turns
// those titles back into sizes and any other text into the zero size (no limit).
struct NXResolutionTransformer
{
    static QVariant transformedValue(const QVariant &size);
    static QVariant reverseTransformedValue(const QVariant &title);
};

// NXRArrayTransformer: a list whose first element is a size becomes the fixed title list
// "Default", "320x240", ... "HD" (the sizes themselves are not read); the reverse, from a list
// whose first element is a text, is the fixed list of the seven sizes. Anything else is null.
struct NXRArrayTransformer
{
    static QVariant transformedValue(const QVariant &sizes);
    static QVariant reverseTransformedValue(const QVariant &titles);
};

// The size limits the camera recorder offers, in order: no limit, then 320x240 up to 1920x1080.
QList<QSize> NXCameraRecorderResolutions();
