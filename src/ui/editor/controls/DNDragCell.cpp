#include "DNDragCell.h"

#include "DNAreaGeometry.h"
#include "DNAreaSelector.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

namespace {

// A 20 x 20 double-headed arrow from the upper left to the lower right (or mirrored): black
// with a white outline over a soft shadow, as the desktop's own resize cursors look.
QImage diagonalArrowImage(bool upperLeftToLowerRight)
{
    constexpr int kSize = 20;
    constexpr int kScale = 4; // drawn large and scaled down for smooth edges
    QPainterPath arrow;
    // Along the x axis, centred on the origin, then turned onto the diagonal.
    const double head = 4.2, half = 7.6, shaft = 1.1;
    arrow.moveTo(-half, 0);
    arrow.lineTo(-half + head, -head);
    arrow.lineTo(-half + head, -shaft);
    arrow.lineTo(half - head, -shaft);
    arrow.lineTo(half - head, -head);
    arrow.lineTo(half, 0);
    arrow.lineTo(half - head, head);
    arrow.lineTo(half - head, shaft);
    arrow.lineTo(-half + head, shaft);
    arrow.lineTo(-half + head, head);
    arrow.closeSubpath();
    QTransform turn;
    turn.translate(kSize * 0.5, kSize * 0.5);
    turn.rotate(upperLeftToLowerRight ? 45 : -45);
    arrow = turn.map(arrow);

    QImage big(kSize * kScale, kSize * kScale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    for (int i = 3; i >= 1; --i) { // the shadow, a little below and softer outward
        p.setPen(QPen(QColor(0, 0, 0, 28), 1.6 + i * 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(arrow.translated(0, 0.8));
    }
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    p.end();
    return big.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QCursor diagonalCursor(bool upperLeftToLowerRight)
{
    // The hot spot is half the handle's size, as the handles make their cursors.
    const int hot = int(DNAreaGeometry::kHandleSize * 0.5);
    return QCursor(QPixmap::fromImage(diagonalArrowImage(upperLeftToLowerRight)), hot, hot);
}

} // namespace

void DNDragCell::setCenter(QPointF centre, QSizeF size)
{
    frame_ = DNAreaGeometry::centredFrame(centre, size);
}

void DNDragCell::drawCellInView(QPainter &painter, const DNAreaSelector &view) const
{
    constexpr double kSquare = 6.0;
    painter.save();
    const QRectF square(frame_.x() + (frame_.width() - kSquare) * 0.5,
                        frame_.y() + (frame_.height() - kSquare) * 0.5, kSquare, kSquare);
    painter.fillRect(view.viewRect(square), Qt::white);
    painter.restore();
}

QCursor DNDragCell::cursorForMouseEnter() const
{
    using namespace DNAreaGeometry;
    switch (tag_) {
    case kTopLeft:
    case kBottomRight: {
        static const QCursor a = diagonalCursor(true);
        return a;
    }
    case kTopRight:
    case kBottomLeft: {
        static const QCursor b = diagonalCursor(false);
        return b;
    }
    case kTopMiddle:
    case kBottomMiddle: return QCursor(Qt::SizeVerCursor);
    case kLeftMiddle:
    case kRightMiddle: return QCursor(Qt::SizeHorCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

void DNCenterDragCell::drawCellInView(QPainter &painter, const DNAreaSelector &view) const
{
    DNDrawDashedOutline(painter, view, frame(), Qt::white);
    drawShelteInView(painter, view);
}

void DNCenterDragCell::drawShelteInView(QPainter &painter, const DNAreaSelector &view) const
{
    DNDrawShelter(painter, view, frame(), QColor::fromRgbF(0.25f, 0.25f, 0.25f, 0.8f));
}

QCursor DNCenterDragCell::cursorForMouseEnter() const
{
    return QCursor(Qt::OpenHandCursor);
}

QCursor DNCenterDragCell::cursorForMouseDown() const
{
    return QCursor(Qt::ClosedHandCursor);
}

void DNDrawDashedOutline(QPainter &painter, const DNAreaSelector &view, const QRectF &frame,
                         const QColor &colour)
{
    painter.save();
    QPen pen(colour, 1.0, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    pen.setDashPattern({4.0, 2.0});
    pen.setDashOffset(0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Half a unit in, so the one-unit line covers whole pixels.
    const QRectF line = view.viewRect(frame.adjusted(1, 1, -1, -1)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRect(line);
    painter.restore();
}

void DNDrawShelter(QPainter &painter, const DNAreaSelector &view, const QRectF &frame,
                   const QColor &colour)
{
    painter.save();
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(QRectF(view.rect()));
    path.addRect(view.viewRect(frame));
    painter.fillPath(path, colour);
    painter.restore();
}
