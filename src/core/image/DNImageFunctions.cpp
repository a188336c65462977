#include "core/image/DNImageFunctions.h"

#include "core/platform/DNBundle.h"

#include <QFont>
#include <QGuiApplication>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

// Width and height truncated to whole pixels, cleared to transparent.
QImage bitmap(double width, double height)
{
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    if (w <= 0 || h <= 0)
        return QImage();
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QLinearGradient whiteGloss(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(255, 255, 255, static_cast<int>(0.2 * 255 + 0.5)));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    return g;
}

// The helpers describe shapes with the origin at the bottom left; painters have it top left.
QPointF up(double x, double y, double h)
{
    return QPointF(x, h - y);
}

} // namespace

QImage DNCGImageFromImage(const QImage &image)
{
    if (image.isNull())
        return QImage();
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

DNImage DNImageWithCenteredImage(const QImage &base, const QImage &overlay)
{
    QImage out = bitmap(base.width(), base.height());
    if (out.isNull())
        return DNImage();
    QPainter p(&out);
    p.drawImage(QRect(0, 0, out.width(), out.height()), base);
    if (!overlay.isNull())
        p.drawImage(QPointF((out.width() - overlay.width()) / 2.0,
                            (out.height() - overlay.height()) / 2.0),
                    overlay);
    p.end();
    return DNImage(out);
}

QString DNPlaceholderImageResource()
{
    return QStringLiteral("images/medialist/placeholder.png");
}

DNImage DNPlaceholderImage(double width, double height, const QString &text)
{
    QImage out = bitmap(width, height);
    if (out.isNull())
        return DNImage();
    out.fill(Qt::black);
    QPainter p(&out);
    if (!text.isEmpty()) {
        // Fonts exist only with a GUI application; a black image is better than a crash.
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            QFont font = QGuiApplication::font();
            font.setBold(true);
            font.setPointSizeF(60);
            p.setFont(font);
            p.setPen(Qt::red);
            p.drawText(QRectF(0, 0, out.width(), out.height()), Qt::AlignCenter, text);
        }
    } else {
        const QImage picture(DNBundle::pathForResource(DNPlaceholderImageResource()));
        if (!picture.isNull())
            p.drawImage(QPointF((out.width() - picture.width()) / 2.0,
                                (out.height() - picture.height()) / 2.0),
                        picture);
    }
    p.end();
    return DNImage(out);
}

DNImage DNGlossyImage(const QImage &image)
{
    QImage out = bitmap(image.width(), image.height());
    if (out.isNull())
        return DNImage();
    const double w = out.width(), h = out.height();
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(QRectF(0, 0, w, h), image);
    QPainterPath clip;
    clip.addPolygon(QPolygonF({up(0, 0.2 * h, h), up(0, h, h), up(w, h, h), up(w, 0.9 * h, h)}));
    clip.closeSubpath();
    p.setClipPath(clip);
    p.fillRect(QRectF(0, 0, w, h), whiteGloss(up(0, h, h), up(0.3 * w, 0, h)));
    p.end();
    return DNImage(out);
}

void DNDrawGlossInContext(QPainter &painter, double width, double height)
{
    const double w = width, h = height;
    QPainterPath path;
    path.moveTo(up(0, 0.4 * h, h));
    path.lineTo(up(0, h, h));
    path.lineTo(up(w, h, h));
    path.lineTo(up(w, 0.9 * h, h));
    path.quadTo(up(0.4 * w, h, h), up(0, 0.4 * h, h));
    path.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(path, Qt::IntersectClip);
    painter.fillRect(QRectF(0, 0, w, h), whiteGloss(up(0, h, h), up(w, 0, h)));
    painter.restore();
}

DNImage ThumbnailOfImage(const QString &path, double width, double height)
{
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    if (path.isEmpty() || w <= 0 || h <= 0)
        return DNImage();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > w || full.height() > h))
        reader.setScaledSize(full.scaled(w, h, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return DNImage();
    // Some formats ignore the scaled size (or know their size only once read).
    if (image.width() > w || image.height() > h)
        image = image.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return DNImage(image);
}

DNImage ThumbnailOfImage(const QUrl &url, double width, double height)
{
    if (!url.isLocalFile())
        return DNImage();
    return ThumbnailOfImage(url.toLocalFile(), width, height);
}
