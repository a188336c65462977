#include "DNWindowSelectView.h"

#include "ui/editor/controls/DNAreaGeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <cmath>

namespace {
constexpr QSize kButtonSize(130, 38);
// Room between the title and the plate's rounded ends.
constexpr int kTitleMargin = 14;
} // namespace

void DNWindowDragCell::drawCellInView(QPainter &painter, const DNAreaSelector &view) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF f = view.viewRect(frame());
    const QPointF centre = f.center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::gray);
    painter.drawEllipse(centre, 5.0, 5.0);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 3.0, 3.0);
    painter.restore();
}

void DNWindowCenterCell::drawCellInView(QPainter &painter, const DNAreaSelector &view) const
{
    DNDrawDashedOutline(painter, view, frame(), Qt::black);
    drawShelteInView(painter, view);
}

void DNWindowCenterCell::drawShelteInView(QPainter &painter, const DNAreaSelector &view) const
{
    DNDrawShelter(painter, view, frame(), QColor::fromRgbF(0.1f, 0.1f, 0.1f, 0.6f));
    const QRectF f = frame();
    const QString label = QStringLiteral("%1\n%2").arg(int(std::fabs(f.width()))).arg(int(std::fabs(f.height())));
    painter.save();
    QFont font = painter.font();
    // The sizes are the original's points, which are the screen's logical pixels.
    font.setPixelSize(8);
    painter.setFont(font);
    painter.setPen(Qt::red);
    const QRectF box = QFontMetricsF(font).boundingRect(QRectF(0, 0, 200, 200), Qt::AlignLeft, label);
    // The label's lower left corner at (right edge + 5, bottom edge - 25), counted upward.
    const QPointF corner(std::fabs(std::max(f.x() + f.width(), f.x())) + 5,
                         std::fabs(std::min(f.y() + f.height(), f.y())) - 25);
    const QRectF at(corner.x(), view.height() - corner.y() - box.height(), box.width(), box.height());
    painter.drawText(at, Qt::AlignLeft, label);
    painter.restore();
}

DNRecordingButton::DNRecordingButton(const QPixmap &background, const QString &title, QWidget *parent)
    : QAbstractButton(parent)
    , background_(background)
{
    setText(title);
    setCursor(Qt::PointingHandCursor);
}

QSize DNRecordingButton::sizeHint() const
{
    return sizeForTitle(text());
}

QSize DNRecordingButton::sizeForTitle(const QString &title)
{
    const QFontMetrics metrics(DNWindowSelectView::recordingButtonTitleFont());
    return kButtonSize.expandedTo(QSize(metrics.horizontalAdvance(title) + 2 * kTitleMargin, metrics.height()));
}

void DNRecordingButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(rect(), background_);
    if (isDown())
        p.fillRect(rect().adjusted(2, 2, -2, -2), QColor(255, 255, 255, 40));
    p.setFont(DNWindowSelectView::recordingButtonTitleFont());
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, text());
}

DNWindowSelectView::DNWindowSelectView(const QRect &frame, QWidget *parent)
    : DNAreaSelector(frame, parent)
{
    QTimer::singleShot(0, this, &DNWindowSelectView::creatWidgetInCenterArea);
}

QPixmap DNWindowSelectView::recordingButtonBackgroundImage(QSize size)
{
    QPixmap image(size);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor::fromRgbF(0.2f, 0.2f, 0.2f, 1.0f));
    p.drawRoundedRect(QRectF(0.75, 0.75, size.width() - 1.5, size.height() - 1.5), 12, 12);
    return image;
}

QFont DNWindowSelectView::recordingButtonTitleFont()
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

void DNWindowSelectView::creatWidgetInCenterArea()
{
    if (done_)
        return;
    const QString title = tr("Start Recording");
    const QSize size = DNRecordingButton::sizeForTitle(title);
    done_ = new DNRecordingButton(recordingButtonBackgroundImage(size), title, this);
    done_->resize(size);
    connect(done_, &QAbstractButton::clicked, this, &DNWindowSelectView::onDoneClicked);
    placeDoneButton();
    done_->show();
}

void DNWindowSelectView::placeDoneButton()
{
    if (!done_)
        return;
    const QRectF s = selectionArea();
    const QSizeF size = done_->size();
    const QRectF button(s.x() + (s.width() - size.width()) * 0.5, s.y() + (s.height() - size.height()) * 0.5,
                        size.width(), size.height());
    done_->move(viewRect(button).topLeft().toPoint());
}

void DNWindowSelectView::setSelectionArea(const QRectF &area)
{
    DNAreaSelector::setSelectionArea(area);
    placeDoneButton();
}

void DNWindowSelectView::refreshDragCellPosition()
{
    const QSizeF handle(DNAreaGeometry::kHandleSize, DNAreaGeometry::kHandleSize);
    for (const auto &cell : controlCells()) {
        if (cell->tag() == DNAreaGeometry::kCenterArea)
            cell->setFrame(selectionArea());
        else
            cell->setCenter(DNAreaGeometry::handleCentre(cell->tag(), selectionArea(), 0.0), handle);
    }
    update();
}

void DNWindowSelectView::onDoneClicked()
{
    if (action_)
        action_();
}

void DNWindowSelectView::updateCreateDragArea(QPointF a, QPointF b)
{
    const QRectF drawn(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::fabs(b.x() - a.x()), std::fabs(b.y() - a.y()));
    setSelectionArea(DNAreaGeometry::clampedInto(QRectF(QPointF(0, 0), QSizeF(size())), drawn));
    refreshDragCellPosition();
}

void DNWindowSelectView::checkSelectionArea()
{
    QRectF s = selectionArea();
    const QSizeF limit = lowerLimitSize();
    if (s.width() < limit.width()) {
        s.setX((width() - limit.width()) * 0.5);
        s.setWidth(limit.width());
    }
    if (s.height() < limit.height()) {
        s.setY((height() - limit.height()) * 0.5);
        s.setHeight(limit.height());
    }
    setSelectionArea(s);
    refreshDragCellPosition();
}

std::unique_ptr<DNDragCell> DNWindowSelectView::classOfDragCell() const
{
    return std::make_unique<DNWindowDragCell>();
}

std::unique_ptr<DNDragCell> DNWindowSelectView::classOfCenterDragArea() const
{
    return std::make_unique<DNWindowCenterCell>();
}

void DNWindowSelectView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const auto &cells = controlCells();
    for (auto it = cells.rbegin(); it != cells.rend(); ++it)
        (*it)->drawCellInView(painter, *this);
}

void DNWindowSelectView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF p = selectorPoint(event->position());
    if (DNDragCell *cell = hitCellTest(p)) {
        beginCellDrag(cell, p);
        return;
    }
    drawingNewArea_ = true;
    newAreaAnchor_ = p;
    pushCursor(QCursor(Qt::CrossCursor));
}

void DNWindowSelectView::mouseMoveEvent(QMouseEvent *event)
{
    if (drawingNewArea_) {
        updateCreateDragArea(newAreaAnchor_, selectorPoint(event->position()));
        return;
    }
    DNAreaSelector::mouseMoveEvent(event);
}

void DNWindowSelectView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && drawingNewArea_) {
        drawingNewArea_ = false;
        checkSelectionArea();
        popCursor();
        return;
    }
    DNAreaSelector::mouseReleaseEvent(event);
}
