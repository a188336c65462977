#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QTimer>
#include <QWidget>

// The flat, glass-styled horizontal scroller of the cover flow. It moves in whole steps, one per
// item: its value is an item index, its knob width follows the share of items visible and its two
// arrows step one item left or right. A click on the slot beside the knob does nothing. It draws
// itself entirely; the cover flow reads the hit part and integerValue when the scroller sends its
// action.
class MBCoverFlowScroller : public QWidget
{
    Q_OBJECT
public:
    // Part numbers as a scroller counts them.
    enum Part { NoPart = 0, Knob = 2, DecrementLine = 4, IncrementLine = 5, KnobSlot = 6 };
    enum Arrow { IncrementArrow = 0, DecrementArrow = 1 };

    explicit MBCoverFlowScroller(const QRect &frame, QWidget *parent = nullptr);

    // The position from 0 (first item) to 1 (last item).
    double doubleValue() const { return value_; }
    void setDoubleValue(double value);
    double knobProportion() const { return knobProportion_; }
    void setKnobProportion(double proportion);

    unsigned numberOfIncrements() const { return numberOfIncrements_; }
    // One step per item: n increments give n + 1 positions; the knob shows 1 / (n + 1) of the track.
    void setNumberOfIncrements(unsigned n);
    int integerValue() const;
    void setIntegerValue(int value);

    QRectF rectForPart(int part) const;
    // The part under point (scroller coordinates): an arrow, the knob, or NoPart.
    int testPart(const QPointF &point) const;
    // The part the pointer went down on, while the button is held.
    int hitPart() const { return hitPart_; }

    QPainterPath leftArrowPath() const;
    QPainterPath rightArrowPath() const;

Q_SIGNALS:
    // The user moved the knob or pressed an arrow (repeated while it is held).
    void action(MBCoverFlowScroller *scroller);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void drawArrow(QPainter &p, int arrow, bool highlight);
    void drawKnobSlot(QPainter &p, const QRectF &slot);
    void drawKnob(QPainter &p);
    double trackLength() const { return width() - 42.0; }
    double knobWidth() const;

    double value_ = 0.0;
    double knobProportion_ = 1.0;
    unsigned numberOfIncrements_ = 0;
    int hitPart_ = NoPart;
    double knobGrabOffset_ = 0.0;
    QTimer repeat_;
};
