#include "DNAreaSelector.h"

#include "DNAreaGeometry.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

DNAreaSelector::DNAreaSelector(QWidget *parent)
    : DNAreaSelector(QRect(), parent)
{
}

DNAreaSelector::DNAreaSelector(const QRect &frame, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(frame);
    selectionArea_ = QRectF(0, 0, frame.width() / 3.0, frame.height() / 3.0);
    // The cursor follows the cell under the pointer, so the pointer is followed without a button.
    setMouseTracking(true);
}

DNAreaSelector::~DNAreaSelector()
{
    popCursor();
}

void DNAreaSelector::setFrame(const QRect &frame)
{
    setGeometry(frame);
    refreshDragCellPosition();
}

void DNAreaSelector::setEditabled(bool editabled)
{
    editabled_ = editabled;
    update();
}

const std::vector<std::unique_ptr<DNDragCell>> &DNAreaSelector::controlCells() const
{
    // Made at first use rather than in the constructor, where a subclass's cell classes could
    // not be asked for yet.
    if (controlCells_.empty()) {
        for (int tag = DNAreaGeometry::kTopLeft; tag <= DNAreaGeometry::kCenterArea; ++tag) {
            auto cell = tag == DNAreaGeometry::kCenterArea ? classOfCenterDragArea() : classOfDragCell();
            cell->setTag(tag);
            controlCells_.push_back(std::move(cell));
        }
    }
    return controlCells_;
}

std::unique_ptr<DNDragCell> DNAreaSelector::classOfDragCell() const
{
    return std::make_unique<DNDragCell>();
}

std::unique_ptr<DNDragCell> DNAreaSelector::classOfCenterDragArea() const
{
    return std::make_unique<DNCenterDragCell>();
}

void DNAreaSelector::refreshDragCellPosition()
{
    const QSizeF handle(DNAreaGeometry::kHandleSize, DNAreaGeometry::kHandleSize);
    for (const auto &cell : controlCells()) {
        if (cell->tag() == DNAreaGeometry::kCenterArea)
            cell->setFrame(selectionArea_);
        else
            cell->setCenter(DNAreaGeometry::handleCentre(cell->tag(), selectionArea_, 6.0), handle);
    }
    update();
}

DNDragCell *DNAreaSelector::hitCellTest(QPointF p) const
{
    for (const auto &cell : controlCells()) {
        if (DNAreaGeometry::pointInRect(p, cell->frame()))
            return cell.get();
    }
    return nullptr;
}

void DNAreaSelector::updateAreaSelection(QPointF offset, DNDragCell *cell)
{
    if (!cell)
        return;
    const QSizeF bounds = size();
    QRectF area = DNAreaGeometry::draggedArea(cell->tag(), selectionArea_, offset);
    area = DNAreaGeometry::withinLimits(area, selectionArea_, lowerLimitSize_, bounds);
    area = constraintForSelectArea(area);
    area = DNAreaGeometry::intersection(QRectF(QPointF(0, 0), bounds), area);
    setSelectionArea(area);
    refreshDragCellPosition();
    selectAreaDidChanged();
}

void DNAreaSelector::selectAreaDidChanged()
{
    if (delegate_)
        delegate_->onAreaSelectDidChanged(this);
}

QRectF DNAreaSelector::viewRect(const QRectF &r) const
{
    return QRectF(r.x(), height() - r.y() - r.height(), r.width(), r.height());
}

QPointF DNAreaSelector::selectorPoint(QPointF p) const
{
    return QPointF(p.x(), height() - p.y());
}

void DNAreaSelector::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCells(painter, editabled_);
}

void DNAreaSelector::drawCells(QPainter &painter, bool all) const
{
    const auto &cells = controlCells();
    if (!all) {
        cells.back()->drawCellInView(painter, *this);
        return;
    }
    for (const auto &cell : cells)
        cell->drawCellInView(painter, *this);
}

void DNAreaSelector::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!editabled_ || event->button() != Qt::LeftButton)
        return;
    const QPointF p = selectorPoint(event->position());
    if (DNDragCell *cell = hitCellTest(p))
        beginCellDrag(cell, p);
}

void DNAreaSelector::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF q = selectorPoint(event->position());
    if (isDraggingCell())
        dragCellTo(q);
    else if (!(event->buttons() & Qt::LeftButton))
        showHoverCursor(q);
}

void DNAreaSelector::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isDraggingCell())
        endCellDrag();
}

void DNAreaSelector::beginCellDrag(DNDragCell *cell, QPointF p)
{
    draggedCell_ = cell;
    lastPoint_ = p;
    pushCursor(cell->cursorForMouseDown());
}

void DNAreaSelector::dragCellTo(QPointF q)
{
    updateAreaSelection(q - lastPoint_, draggedCell_);
    lastPoint_ = q;
}

void DNAreaSelector::endCellDrag()
{
    draggedCell_ = nullptr;
    popCursor();
    showHoverCursor(selectorPoint(mapFromGlobal(QCursor::pos())));
}

void DNAreaSelector::pushCursor(const QCursor &cursor)
{
    popCursor();
    QGuiApplication::setOverrideCursor(cursor);
    cursorPushed_ = true;
}

void DNAreaSelector::popCursor()
{
    if (!cursorPushed_)
        return;
    QGuiApplication::restoreOverrideCursor();
    cursorPushed_ = false;
}

void DNAreaSelector::showHoverCursor(QPointF p)
{
    // Every cell shows its cursor over its frame, editable or not.
    const DNDragCell *cell = hitCellTest(p);
    setCursor(cell ? cell->cursorForMouseEnter() : QCursor(Qt::ArrowCursor));
}
