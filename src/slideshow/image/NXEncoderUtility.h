#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

// How photos enter a video frame. The platform's three image kinds (screen image, filter image,
// bitmap) are one kind here, QImage, so what is left is the loading itself.
namespace NXEncoderUtility {

// The photo at path, upright (its EXIF orientation applied), fitted into size on opaque black:
// scaled to fill one side and centred along the other. A photo already of that size (within one
// pixel) comes back as it is, without the black. A null image when the file is no readable
// picture or the size is empty.
QImage CGImageForContentOfFile(const QString &path, QSizeF size);

// The photo at path as stored turned into the orientation its EXIF block names.
QImage uprightImageForContentOfFile(const QString &path);

// image turned as the EXIF orientation code (1 to 8) says; other codes leave it as it is.
QImage orientedImage(const QImage &image, int orientation);

} // namespace NXEncoderUtility
