#pragma once

#include <QImage>
#include <QSizeF>

// The picture an item shows until it has one of its own: a dark radial glow, a light line along
// the top and a darker one along the bottom, and the placeholder icon cut out of a slate-blue
// gradient in the middle. Drawn 600 points high in the proportion of itemSize.
QImage MBCoverFlowPlaceholderImage(QSizeF itemSize, const QImage &icon);

// The default placeholder icon (an eye, the sign for "preview"), from the program's pictures.
QImage MBCoverFlowDefaultPlaceholderIcon();

// A copy of image in the format the view draws from: 32-bit premultiplied ARGB at full size.
QImage MBImageRefCopy(const QImage &image);
