#pragma once

#include "core/image/DNImage.h"

#include <QString>
#include <QUrl>

class QPainter;

// The image as plain 32-bit premultiplied pixels; a null image for a null one.
QImage DNCGImageFromImage(const QImage &image);
// A transparent image of base's size with base drawn over all of it and overlay drawn at its
// own size in the centre.
DNImage DNImageWithCenteredImage(const QImage &base, const QImage &overlay);
// A black image of width x height. With a text: the text centred in bold 60-point red. Without:
// the placeholder picture (share/talvane/images/medialist/placeholder.png) centred at its own
// size; when the picture is missing the image stays black. Text needs a GUI application object
// (fonts); without one the image stays black rather than failing.
DNImage DNPlaceholderImage(double width, double height, const QString &text = QString());
// The image with a soft white gloss over its upper part.
DNImage DNGlossyImage(const QImage &image);
// Draws the curved gloss into a painter over a width x height area (origin at the top left).
void DNDrawGlossInContext(QPainter &painter, double width, double height);
// A thumbnail of the picture file at path (or a file URL) of at most width x height, keeping its
// proportions; a null image when the file is no readable picture.
DNImage ThumbnailOfImage(const QString &path, double width, double height);
DNImage ThumbnailOfImage(const QUrl &url, double width, double height);

// The resource path of the placeholder picture, relative to share/talvane.
QString DNPlaceholderImageResource();
