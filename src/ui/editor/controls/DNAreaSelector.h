#pragma once

#include "DNDragCell.h"

#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include <memory>
#include <vector>

class DNAreaSelector;

// Told of every change a drag makes to the selection. Optional: the default does nothing.
class DNAreaSelectorDelegate
{
public:
    virtual ~DNAreaSelectorDelegate() = default;
    virtual void onAreaSelectDidChanged(DNAreaSelector *sender) { Q_UNUSED(sender); }
};

// The rectangle selector that every box laid over a picture is built on: one selection inside
// the widget and nine hit cells, eight handles that resize and the centre area that moves.
//
// The selection and the cells are in the selector's own coordinates: origin at the bottom left
// of the widget, y upward (what the owners' crop and watermark arithmetic counts in). Widget
// positions are turned into them at the edge: viewRect() and selectorPoint().
//
// Subclasses choose the cell classes, add a constraint step (aspect lock), and may change the
// drawing, the mouse handling and where the cells go; the drag helpers below are theirs too.
class DNAreaSelector : public QWidget
{
    Q_OBJECT
public:
    explicit DNAreaSelector(QWidget *parent = nullptr);
    // The selection starts as the lower-left third of frame; the cells get their frames at the
    // first setFrame() or refreshDragCellPosition(), so nothing can be hit before.
    DNAreaSelector(const QRect &frame, QWidget *parent = nullptr);
    ~DNAreaSelector() override;

    // Moves and sizes the widget (in its parent's coordinates) and lays the cells out again.
    virtual void setFrame(const QRect &frame);

    DNAreaSelectorDelegate *delegate() const { return delegate_; }
    void setDelegate(DNAreaSelectorDelegate *delegate) { delegate_ = delegate; }

    QRectF selectionArea() const { return selectionArea_; }
    // Stores the selection only; subclasses also move the cells.
    virtual void setSelectionArea(const QRectF &area) { selectionArea_ = area; }
    bool editabled() const { return editabled_; }
    void setEditabled(bool editabled);
    QSizeF lowerLimitSize() const { return lowerLimitSize_; }
    void setLowerLimitSize(QSizeF size) { lowerLimitSize_ = size; }

    // Handles 1 to 8 in tag order, then the centre area 9.
    const std::vector<std::unique_ptr<DNDragCell>> &controlCells() const;

    // Places every cell by the selection and asks for a redraw.
    virtual void refreshDragCellPosition();
    // The first cell, in list order, whose frame holds p (selector coordinates): the handles
    // win over the centre area.
    DNDragCell *hitCellTest(QPointF p) const;
    // One drag step of cell by offset: the cell's change, the lower limit and the bounds per
    // axis, the constraint, then the selection is cut to the bounds, stored and announced.
    void updateAreaSelection(QPointF offset, DNDragCell *cell);
    void selectAreaDidChanged();

    QRectF viewRect(const QRectF &selectorRect) const;
    QPointF selectorPoint(QPointF widgetPoint) const;

protected:
    // A class object becomes a factory: each call makes one new cell of the class.
    virtual std::unique_ptr<DNDragCell> classOfDragCell() const;
    virtual std::unique_ptr<DNDragCell> classOfCenterDragArea() const;
    // The last step of every drag; the base takes the proposal as it is.
    virtual QRectF constraintForSelectArea(const QRectF &proposed) { return proposed; }

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    // Draws every cell in list order, or only the centre area (the last cell).
    void drawCells(QPainter &painter, bool all) const;
    // A drag of cell from p: its cursor stays pushed until endCellDrag(); each dragCellTo()
    // applies the offset from the previous pointer position, accepted or not.
    void beginCellDrag(DNDragCell *cell, QPointF p);
    void dragCellTo(QPointF q);
    void endCellDrag();
    bool isDraggingCell() const { return draggedCell_ != nullptr; }
    // The cursor pushed for the length of a press, and taken back at its end.
    void pushCursor(const QCursor &cursor);
    void popCursor();

private:
    void showHoverCursor(QPointF p);

    DNAreaSelectorDelegate *delegate_ = nullptr;
    QRectF selectionArea_;
    bool editabled_ = true;
    QSizeF lowerLimitSize_{30, 30};
    mutable std::vector<std::unique_ptr<DNDragCell>> controlCells_;
    DNDragCell *draggedCell_ = nullptr;
    QPointF lastPoint_;
    bool cursorPushed_ = false;
};
