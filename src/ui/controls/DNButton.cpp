#include "DNButton.h"

#include "DNImageNamed.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

// A button that does nothing is drawn grey: a coloured picture (a green "Download Now" pill)
// would still look like a working control, however faint.
QPixmap greyed(const QPixmap &picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    return result;
}

} // namespace

DNButton::DNButton(QWidget *parent)
    : QPushButton(parent)
{
    setCursor(Qt::ArrowCursor);
}

DNButton::DNButton(const QString &title, QWidget *parent)
    : QPushButton(title, parent)
{
}

void DNButton::setNormalImage(const QPixmap &image)
{
    normalImage_ = image;
    showImage(image);
}

void DNButton::setNormalImage(const QString &imageName)
{
    setNormalImage(DNImageNamed(imageName));
}

void DNButton::setHighlightImage(const QPixmap &image)
{
    highlightImage_ = image;
    refreshShownImage();
}

void DNButton::setHighlightImageName(const QString &imageName)
{
    highlightImageName_ = imageName;
    setHighlightImage(DNImageNamed(imageName));
}

void DNButton::setAlternateImage(const QPixmap &image)
{
    alternateImage_ = image;
    refreshShownImage();
}

void DNButton::showImage(const QPixmap &image)
{
    shownImage_ = image;
    updateGeometry();
    update();
}

void DNButton::refreshShownImage()
{
    if (isDown() && !alternateImage_.isNull())
        showImage(alternateImage_);
    else if (pointerInside_ && !highlightImage_.isNull() && !normalImage_.isNull())
        showImage(highlightImage_);
    else if (!normalImage_.isNull() || shownImage_.isNull())
        showImage(normalImage_);
}

void DNButton::enterEvent(QEnterEvent *event)
{
    pointerInside_ = true;
    // A text button (no picture of its own) stays a text button under the pointer.
    if (!highlightImage_.isNull() && !normalImage_.isNull())
        showImage(highlightImage_);
    QPushButton::enterEvent(event);
}

void DNButton::leaveEvent(QEvent *event)
{
    pointerInside_ = false;
    if (!normalImage_.isNull())
        showImage(normalImage_);
    QPushButton::leaveEvent(event);
}

void DNButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (mouseDownAction_)
            mouseDownAction_(this);
        Q_EMIT mouseDown(this);
    }
    QPushButton::mousePressEvent(event);
    if (!alternateImage_.isNull() && isDown())
        showImage(alternateImage_);
}

void DNButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPushButton::mouseReleaseEvent(event);
    refreshShownImage();
}

void DNButton::setTitleInImage(const TitleInImage &title)
{
    titleInImage_ = title;
    updateGeometry();
    update();
}

void DNButton::setTitleWrapWidth(int width)
{
    titleWrapWidth_ = width;
    updateGeometry();
    update();
}

QStringList DNButton::titleLines() const
{
    const QString title = text();
    const QFontMetrics metrics(font());
    if (titleWrapWidth_ <= 0 || metrics.horizontalAdvance(title) <= titleWrapWidth_)
        return {title};
    QStringList best{title};
    int bestWidth = metrics.horizontalAdvance(title);
    for (qsizetype at = title.indexOf(QLatin1Char(' ')); at > 0; at = title.indexOf(QLatin1Char(' '), at + 1)) {
        const QStringList lines{title.left(at), title.mid(at + 1)};
        const int wider = qMax(metrics.horizontalAdvance(lines.first()), metrics.horizontalAdvance(lines.last()));
        if (wider < bestWidth) {
            best = lines;
            bestWidth = wider;
        }
    }
    return best;
}

QSize DNButton::titleInImageSizeHint(const QSize &picture) const
{
    const QFontMetrics metrics(font());
    const QRectF &area = titleInImage_.area;
    QSize size = picture;
    if (titleInImage_.flags & Qt::TextWordWrap) {
        const QRect needed = metrics.boundingRect(area.toAlignedRect(), titleInImage_.flags, text());
        size.rheight() += qMax(0, needed.height() - int(area.height()));
    } else {
        size.rwidth() += qMax(0, metrics.horizontalAdvance(text()) - int(area.width()));
        size.rheight() += qMax(0, metrics.height() - int(area.height()));
    }
    return size;
}

QSize DNButton::sizeHint() const
{
    if (shownImage_.isNull() && normalImage_.isNull())
        return QPushButton::sizeHint();
    const QPixmap &image = normalImage_.isNull() ? shownImage_ : normalImage_;
    QSize size = image.deviceIndependentSize().toSize();
    if (hasTitleInImage())
        return titleInImageSizeHint(size);
    if (!text().isEmpty()) {
        const QFontMetrics metrics(font());
        const QStringList lines = titleLines();
        for (const QString &line : lines)
            size.setWidth(qMax(size.width(), metrics.horizontalAdvance(line) + 8));
        size.setHeight(size.height() + int(lines.size()) * metrics.height() + 2);
    }
    return size;
}

void DNButton::paintImage(QPainter &painter, bool drawTitle)
{
    QRect area = rect();
    const QFontMetrics metrics(font());
    const bool withTitle = drawTitle && !text().isEmpty();
    const QStringList lines = withTitle ? titleLines() : QStringList();
    const int titleHeight = int(lines.size()) * metrics.height();
    if (withTitle)
        area.setBottom(area.bottom() - titleHeight - 2);
    if (!isEnabled())
        painter.setOpacity(0.45);
    const QPixmap picture = drawnImage();
    const QSizeF natural = shownImage_.deviceIndependentSize();
    QSizeF fitted = natural.scaled(area.size(), Qt::KeepAspectRatio);
    if (natural.width() <= area.width() && natural.height() <= area.height())
        fitted = natural;
    const QRectF target(area.x() + (area.width() - fitted.width()) / 2.0,
                        area.y() + (area.height() - fitted.height()) / 2.0, fitted.width(),
                        fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture, QRectF(QPointF(0, 0), picture.size()));
    if (withTitle) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(QRect(0, area.bottom() + 2, width(), titleHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                         lines.join(QLatin1Char('\n')));
    }
}

void DNButton::paintTitleInImage(QPainter &painter)
{
    const QSizeF natural = shownImage_.deviceIndependentSize();
    const qreal ends = titleInImage_.endWidth;
    // Stretched only sideways, between the two ends; otherwise drawn as it is, centred.
    const qreal extra = ends > 0 ? qMax<qreal>(0, width() - natural.width()) : 0;
    const QPointF origin((width() - natural.width() - extra) / 2.0, (height() - natural.height()) / 2.0);
    if (!isEnabled())
        painter.setOpacity(0.45);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap picture = drawnImage();
    const qreal ratio = shownImage_.devicePixelRatio();
    if (extra > 0) {
        const qreal middle = natural.width() - 2 * ends;
        const QRectF left(origin, QSizeF(ends, natural.height()));
        const QRectF centre(left.topRight(), QSizeF(middle + extra, natural.height()));
        const QRectF right(centre.topRight(), QSizeF(ends, natural.height()));
        painter.drawPixmap(left, picture, QRectF(0, 0, ends * ratio, natural.height() * ratio));
        painter.drawPixmap(centre, picture, QRectF(ends * ratio, 0, middle * ratio, natural.height() * ratio));
        painter.drawPixmap(right, picture,
                           QRectF((ends + middle) * ratio, 0, ends * ratio, natural.height() * ratio));
    } else {
        painter.drawPixmap(QRectF(origin, natural), picture, QRectF(QPointF(0, 0), picture.size()));
    }
    QColor ink = titleInImage_.normal;
    if (shownImage_.cacheKey() == alternateImage_.cacheKey() && titleInImage_.pressed.isValid())
        ink = titleInImage_.pressed;
    else if (shownImage_.cacheKey() == highlightImage_.cacheKey() && titleInImage_.highlight.isValid())
        ink = titleInImage_.highlight;
    const QRectF area = titleInImage_.area.translated(origin).adjusted(0, 0, extra, 0);
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(area, titleInImage_.flags, text());
}

QPixmap DNButton::drawnImage() const
{
    return isEnabled() ? shownImage_ : greyed(shownImage_);
}

void DNButton::paintEvent(QPaintEvent *event)
{
    if (shownImage_.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (hasTitleInImage())
        paintTitleInImage(painter);
    else
        paintImage(painter, true);
}
