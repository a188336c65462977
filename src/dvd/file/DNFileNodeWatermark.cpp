#include "DNFileNode.h"

#include "core/image/DNTextWatermark.h"
#include "core/platform/DNTemporaryFolder.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace {

// The text as the editor's watermark box renders it, so that the file shows what the box showed.
QImage textPicture(const QString &text, const DNFontRef &font, const DNColorRef &color)
{
    const DNColor c = color ? *color : DNColor{255, 0, 0, 255};
    const QFont face = font ? DNTextWatermark::renderFont(font->family, font->style)
                            : DNTextWatermark::renderFont(QString(), QString());
    return DNTextWatermark::renderedText(text, face, QColor(c.red, c.green, c.blue, c.alpha));
}

} // namespace

QString DNFileNode::pathOfWatermarkFile(QSizeF size, float alpha)
{
    if (!setting_->watermarkEnable())
        return {};
    QImage source;
    const QString text = setting_->watermarkText();
    const QString imagePath = setting_->watermarkImagePath();
    if (setting_->watermarkType() == 1 && !text.isEmpty())
        source = textPicture(text, setting_->watermarkFont(), setting_->watermarkColor());
    else if (setting_->watermarkType() == 0 && QFileInfo(imagePath).isFile())
        source = QImage(imagePath);
    const QSize target = size.toSize();
    if (source.isNull() || target.isEmpty())
        return {};

    QImage picture(target, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setOpacity(qBound(0.0, double(alpha), 1.0));
        painter.drawImage(QRect(QPoint(0, 0), target), source);
    }

    const QString path = DNTemporaryFolder::uniqueFilePath(QStringLiteral("qvwm"), QStringLiteral(".tiff"));
    if (path.isEmpty())
        return {};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QImageWriter writer(&file, "tiff");
    if (!writer.write(picture) || !file.commit())
        return {};
    watermarkFiles_ << path;
    return path;
}
