#pragma once

#include <QPixmap>
#include <QPointF>
#include <QRectF>

class QPainter;
class QWidget;

// A picture placed in a control: its frame takes the picture's size. Frames count from the
// bottom left of the control, as the trim slider's geometry does. Tag 1 marks a left limit
// knob, which is placed by its right edge; tag 2 the right one.
class NXImageCell
{
public:
    static constexpr int kLeftKnob = 1;
    static constexpr int kRightKnob = 2;

    QPixmap image() const { return image_; }
    void setImage(const QPixmap &image);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    QRectF frame() const { return frame_; }
    void setFrame(const QRectF &frame) { frame_ = frame; }

    // The origin at point, except that a left knob puts its right edge there.
    void setPosition(QPointF point);
    void setXPosition(double x) { frame_.moveLeft(x); }
    void drawInView(QPainter &painter, const QWidget &view) const;

private:
    QPixmap image_;
    QRectF frame_;
    int tag_ = 0;
};

// The trim segment: a left and a right limit knob. Its inner span runs from the left knob's
// right edge to the right knob's left edge.
class NXLimitSegment
{
public:
    NXImageCell &leftOne() { return left_; }
    NXImageCell &rightOne() { return right_; }
    const NXImageCell &leftOne() const { return left_; }
    const NXImageCell &rightOne() const { return right_; }

    void drawInView(QPainter &painter, const QWidget &view) const;
    void offsetSegment(double dx);
    double segmentLength() const;
    // The knob whose frame holds point (the left one first), or none.
    NXImageCell *pointInOneControl(QPointF point);
    // Strictly inside the inner span.
    bool pointInControlArea(QPointF point) const;
    // Whether moving knob to point would take it past the other knob.
    bool oneControlbeyondOther(const NXImageCell *knob, QPointF point) const;
    // Whether moving by dx would take an inner edge to or past an end of rect.
    bool beyondRect(const QRectF &rect, double dx) const;
    // Whether an outer edge already lies at or past an end of rect.
    bool beyondRect(const QRectF &rect) const;
    // point with x brought into the inner span.
    QPointF checkPointInControlArea(QPointF point) const;
    // Strictly between the left knob's left edge and the right knob's right edge.
    bool pointInFrame(QPointF point) const;

private:
    double innerLeft() const { return left_.frame().x() + left_.frame().width(); }
    double innerRight() const { return right_.frame().x(); }

    NXImageCell left_;
    NXImageCell right_;
};
