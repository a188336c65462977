#pragma once

#include <QCursor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class DNAreaSelector;
class QPainter;

// One hit cell of an area selector: a 12 x 12 handle on the selection's corners and edges
// (tags 1 to 8), drawn as a small white square. Its frame is in the selector's coordinates
// (origin bottom left); it draws through the selector, which turns them into the widget's.
class DNDragCell
{
public:
    virtual ~DNDragCell() = default;

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    QRectF frame() const { return frame_; }
    void setFrame(const QRectF &frame) { frame_ = frame; }
    void setCenter(QPointF centre, QSizeF size);

    virtual void drawCellInView(QPainter &painter, const DNAreaSelector &view) const;
    // The resize cursor of the handle's direction; the arrow for a tag outside 1 to 8.
    virtual QCursor cursorForMouseEnter() const;
    virtual QCursor cursorForMouseDown() const { return cursorForMouseEnter(); }

private:
    int tag_ = 0;
    QRectF frame_;
};

// The centre area: the selection itself, outlined with a white dashed line, with everything
// around it darkened; moved with the open and closed hand.
class DNCenterDragCell : public DNDragCell
{
public:
    void drawCellInView(QPainter &painter, const DNAreaSelector &view) const override;
    virtual void drawShelteInView(QPainter &painter, const DNAreaSelector &view) const;
    QCursor cursorForMouseEnter() const override;
    QCursor cursorForMouseDown() const override;
};

// The dashed outline both centre areas draw: the frame inset by 1, dashes of 4 and 2 with
// rounded joins, in `colour` (white over a picture, black over the screen).
void DNDrawDashedOutline(QPainter &painter, const DNAreaSelector &view, const QRectF &frame,
                         const QColor &colour);
// Darkens view's bounds outside frame with `colour` (the even-odd fill of both rectangles).
void DNDrawShelter(QPainter &painter, const DNAreaSelector &view, const QRectF &frame,
                   const QColor &colour);
