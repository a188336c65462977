// The plain image operations the transition manager keeps beside the transitions: placing an
// image with an affine transform, laying one image over another, and cutting out a rectangle.
// Rectangles and transforms use the filters' coordinates (origin at the bottom left, y upward).
#include "slideshow/transitions/NXFilterRegistry.h"

#include <QPainter>
#include <QTransform>

namespace {

// The filters' coordinates of an image of height h, as a transform of Qt's (y downward).
QTransform flipped(double h)
{
    return QTransform(1, 0, 0, -1, 0, h);
}

class AffineTransform : public NXFilterOf<AffineTransform>
{
public:
    using NXFilterOf::NXFilterOf;

    QVariantMap defaults() const override
    {
        return {{QStringLiteral("inputTransform"), QVariant::fromValue(QTransform())}};
    }

    QImage outputImage() const override
    {
        const QImage in = image(NXFilterKey::image);
        if (in.isNull())
            return QImage();
        const QTransform m = valueForKey(QStringLiteral("inputTransform")).value<QTransform>();
        const QTransform flip = flipped(in.height());
        return in.transformed(flip * m * flip.inverted(), Qt::SmoothTransformation);
    }
};

class SourceOverCompositing : public NXFilterOf<SourceOverCompositing>
{
public:
    using NXFilterOf::NXFilterOf;

    QImage outputImage() const override
    {
        const QImage over = image(NXFilterKey::image);
        const QImage under = image(QStringLiteral("inputBackgroundImage"));
        if (over.isNull() || under.isNull())
            return over.isNull() ? under : over;
        QImage out(NXUnionSize(over, under), QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        QPainter p(&out);
        // Both images sit on the bottom edge, as their origins do.
        p.drawImage(0, out.height() - under.height(), under);
        p.drawImage(0, out.height() - over.height(), over);
        return out;
    }
};

class Crop : public NXFilterOf<Crop>
{
public:
    using NXFilterOf::NXFilterOf;

    QImage outputImage() const override
    {
        const QImage in = image(NXFilterKey::image);
        const QRectF r = rect(NXFilterKey::rectangle);
        if (in.isNull() || !r.isValid())
            return in;
        const QRect wanted = flipped(in.height()).mapRect(r).toAlignedRect();
        return in.copy(wanted.intersected(in.rect()));
    }
};

} // namespace

QList<NXFilterRow> NXCompositingFilterRows()
{
    return {NXFilterRowOf<AffineTransform>(QStringLiteral("CIAffineTransform"), QStringLiteral("Affine Transform"),
                                           {QStringLiteral("CICategoryGeometryAdjustment")}),
            NXFilterRowOf<SourceOverCompositing>(QStringLiteral("CISourceOverCompositing"),
                                                 QStringLiteral("Source Over"),
                                                 {QStringLiteral("CICategoryCompositeOperation")}),
            NXFilterRowOf<Crop>(QStringLiteral("CICrop"), QStringLiteral("Crop"),
                                {QStringLiteral("CICategoryGeometryAdjustment")})};
}
