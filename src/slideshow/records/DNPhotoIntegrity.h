#pragma once

#include <QByteArray>
#include <QString>

// Whether a photo file holds the whole of its picture. The image readers take a photo cut short
// (a copy that stopped, a card pulled out) from its header alone, and decoding it fills the
// missing part with grey without a word; such a photo is found here before it reaches a slide.
//
// Read without decoding: a JPEG must reach its end-of-image marker through its segments and
// scans, a PNG its IEND chunk, an uncompressed BMP must hold every row its header promises.
// Other kinds (TIFF) are decoded, which fails for them when data is missing.
bool DNPhotoIsWhole(const QString &path, const QByteArray &format);
