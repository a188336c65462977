#include "ui/slideshow/ImgEncodeProgressView.h"

#include "core/image/DNImageFunctions.h"
#include "core/platform/DNBundle.h"

#include <QEasingCurve>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QVariantAnimation>

#include <cmath>

namespace {

constexpr double kBorderWidth = 4.0;
constexpr double kShadowRadius = 3.0;
constexpr double kShadowOpacity = 0.7;

QRectF inset(const QRectF &rect, double by)
{
    return rect.adjusted(by, by, -by, -by);
}

} // namespace

ImgEncodeProgressView::ImgEncodeProgressView(QSize size, QWidget *parent) : QWidget(parent)
{
    setFixedSize(size);
    makeReady();
}

ImgEncodeProgressView::~ImgEncodeProgressView() = default;

QRectF ImgEncodeProgressView::iconRect() const
{
    return inset(imageStackLayer_.exists ? imageStackLayer_.frame : QRectF(), 25);
}

QImage ImgEncodeProgressView::createStackImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF base = inset(QRectF(QPointF(0, 0), QSizeF(size)), 20);
    for (int card = 0; card < 3; ++card) {
        painter.save();
        const double radians = double(QRandomGenerator::global()->bounded(3500)) / 10000.0;
        painter.translate(base.center());
        painter.rotate(radians * 180.0 / M_PI);
        painter.translate(-base.center());
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addRect(base);
        ring.addRect(inset(base, 5));
        painter.fillPath(ring, Qt::white);
        painter.fillRect(inset(base, 5), Qt::lightGray);
        painter.restore();
    }
    return image;
}

void ImgEncodeProgressView::makeReady()
{
    const QSizeF F = size();
    if (!imageStackLayer_.exists) {
        imageStackLayer_.exists = true;
        imageStackLayer_.frame = QRectF(0, 5, 160, 160);
        imageStackLayer_.contents = createStackImage(QSize(160, 160));
    }
    if (!myCurrentLayer_.exists) {
        myCurrentLayer_.exists = true;
        myCurrentLayer_.frame = iconRect();
        myCurrentLayer_.background = Qt::black;
        myCurrentLayer_.borderWidth = kBorderWidth;
        myCurrentLayer_.shadow = true;
    }
    if (!animateLayer_.exists) {
        animateLayer_.exists = true;
        animateLayer_.borderWidth = kBorderWidth;
        animateLayer_.shadow = true;
        animateLayer_.hidden = true;
    }
    if (!movieIconLayer_.exists) {
        movieIconLayer_.exists = true;
        movieIconLayer_.contents = QImage(DNBundle::pathForResource(QStringLiteral("images/slideshow/movie.png")));
        const QSizeF icon = movieIconLayer_.contents.size();
        movieIconLayer_.frame = QRectF(F.width() - icon.width(), -8, icon.width(), icon.height());
    }
    if (!thumbnailLayer_.exists) {
        thumbnailLayer_.exists = true;
        const QRectF movie = movieIconLayer_.frame;
        tbRect_ = QRectF(movie.left() + 22, movie.top() + 50, 125, 97);
        thumbnailLayer_.frame = tbRect_;
    }
    start_point_ = QPointF(iconRect().center().x() + 5, iconRect().center().y());
    end_point_ = QPointF(movieIconLayer_.frame.center().x(), start_point_.y());
    if (aniamtePath_.isEmpty()) {
        // Up to the top of the view and down into the movie.
        const double dx = end_point_.x() - start_point_.x();
        aniamtePath_.moveTo(start_point_);
        aniamtePath_.cubicTo(QPointF(start_point_.x() + 0.3 * dx, start_point_.y()),
                             QPointF(start_point_.x() + 0.5 * dx, F.height()), end_point_);
        flight_ = new QVariantAnimation(this);
        flight_->setDuration(kFlightMs);
        flight_->setStartValue(0.0);
        flight_->setEndValue(1.0);
        QEasingCurve easeInOut(QEasingCurve::BezierSpline);
        easeInOut.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
        flight_->setEasingCurve(easeInOut);
        connect(flight_, &QVariantAnimation::valueChanged, this,
                [this](const QVariant &value) { moveAlongFlight(value.toDouble()); });
        connect(flight_, &QVariantAnimation::finished, this, [this] { animationDidStop(true); });
    }
    aniamtionStoped_ = true;
    update();
}

QImage ImgEncodeProgressView::thumbnailOf(const QString &path)
{
    return ThumbnailOfImage(path, kThumbnailPixels, kThumbnailPixels);
}

bool ImgEncodeProgressView::imageBeginEncoding(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (myCurrentLayer_.contents.isNull()) {
        myCurrentLayer_.contents = thumbnailOf(path);
        update();
        return false;
    }
    if (!aniamtionStoped_)
        return false;
    // The photo on the stack takes off; the new one takes its place.
    animateLayer_.contents = myCurrentLayer_.contents;
    animateLayer_.frame = myCurrentLayer_.frame;
    animateLayer_.rotation = 0;
    animateLayer_.hidden = false;
    myCurrentLayer_.contents = thumbnailOf(path);
    aniamtionStoped_ = false;
    flight_->stop();
    flight_->start();
    update();
    return true;
}

void ImgEncodeProgressView::moveAlongFlight(double progress)
{
    const double at = std::clamp(progress, 0.0, 1.0);
    animateLayer_.frame.moveCenter(aniamtePath_.pointAtPercent(at));
    // The path's angles are measured with y downward; the layers have it upward.
    animateLayer_.rotation = -aniamtePath_.angleAtPercent(at);
    update();
}

void ImgEncodeProgressView::animationDidStop(bool)
{
    animateLayer_.hidden = true;
    if (thumbnailLayer_.exists) {
        thumbnailLayer_.contents = animateLayer_.contents;
        thumbnailLayer_.frame = fittedRect(animateLayer_.contents.size(), tbRect_);
    }
    update();
    QTimer::singleShot(kPauseAfterFlightMs, this, [this] { delay_enable_animation(); });
}

QRectF ImgEncodeProgressView::fittedRect(QSizeF image, const QRectF &rect)
{
    const double w = image.width(), h = image.height();
    const double W = rect.width(), H = rect.height();
    if (w <= 0 || h <= 0)
        return rect;
    if (w / W > h / H) {
        const double shown = h * W / w;
        return QRectF(rect.x(), rect.y() + (H - shown) / 2, W, shown);
    }
    const double shown = w * H / h;
    return QRectF(rect.x() + (W - shown) / 2, rect.y(), shown, H);
}

void ImgEncodeProgressView::drawLayer(QPainter &painter, const Layer &layer) const
{
    if (!layer.exists || layer.hidden || layer.frame.isEmpty())
        return;
    // From the layers' coordinates (origin at the bottom left) to the widget's.
    const QRectF frame = layer.frame;
    const QPointF centre(frame.center().x(), height() - frame.center().y());
    painter.save();
    painter.translate(centre);
    painter.rotate(-layer.rotation);
    const QRectF box(-frame.width() / 2, -frame.height() / 2, frame.width(), frame.height());
    if (layer.shadow) {
        for (int ring = int(kShadowRadius); ring >= 1; --ring) {
            const double alpha = kShadowOpacity / (kShadowRadius + 1) * (kShadowRadius + 1 - ring);
            painter.fillRect(box.adjusted(-ring, -ring, ring, ring), QColor(0, 0, 0, int(alpha * 255 / 2)));
        }
    }
    if (layer.background.isValid())
        painter.fillRect(box, layer.background);
    if (!layer.contents.isNull())
        painter.drawImage(box, layer.contents);
    if (layer.borderWidth > 0) {
        const double half = layer.borderWidth / 2;
        painter.setPen(QPen(Qt::white, layer.borderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(half, half, -half, -half));
    }
    painter.restore();
}

void ImgEncodeProgressView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Layer *layer : {&imageStackLayer_, &myCurrentLayer_, &animateLayer_, &movieIconLayer_, &thumbnailLayer_})
        drawLayer(painter, *layer);
}
