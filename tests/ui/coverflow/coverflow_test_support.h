#pragma once

// What the cover-flow tests share: numbered pictures in their own colours, and content made of them.
#include "../ui_test_support.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QVariantList>
#include <QVariantMap>

namespace coverflowtest {

// A 160 x 120 picture of its own colour with its number; RGB32, so the view copies it when it
// loads it (a fresh copy each time, which tells loads apart).
inline QImage numbered(int n)
{
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((n * 37) % 360, 200, 220));
    QPainter p(&image);
    QFont f = p.font();
    f.setPixelSize(60);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(image.rect(), Qt::AlignCenter, QString::number(n));
    return image;
}

// Entries as the group row makes them: {"image": picture, "name": file name}.
inline QVariantList entries(int count)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list << QVariantMap{{QStringLiteral("image"), numbered(i + 1)},
                            {QStringLiteral("name"), QStringLiteral("item%1.mp4").arg(i + 1)}};
    return list;
}

} // namespace coverflowtest
