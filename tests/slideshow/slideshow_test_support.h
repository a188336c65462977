#pragma once

// Shared by the slideshow tests: the application object, the log and text reading of the file
// tests, the authored photo folders, solid pictures, and a pixel read in the transitions'
// coordinates.
#include "../convert/files/files_test_support.h"

#include <QImage>

namespace slideshowtest {

using filestest::app;
using filestest::freshLog;
using filestest::readText;

inline QString photo(const QString &relative)
{
    return testsupport::fixturePath(QStringLiteral("photos/") + relative);
}

inline QImage solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// The pixel whose area holds the point (x, y) of the transitions' coordinates (origin at the
// bottom left, y upward).
inline QRgb pixelAt(const QImage &image, double x, double y)
{
    return image.pixel(int(x), image.height() - 1 - int(y));
}

inline QString outputFolder(const QString &test)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/") + test;
    QDir().mkpath(dir);
    return dir;
}

} // namespace slideshowtest
