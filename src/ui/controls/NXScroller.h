#pragma once

#include <QScrollBar>

// The media list's flat scroller: a dark slate track with a rounded grey knob, and no knob at
// all while the content fits the view.
class NXScroller : public QScrollBar
{
    Q_OBJECT
public:
    explicit NXScroller(Qt::Orientation orientation = Qt::Vertical, QWidget *parent = nullptr);

    static QColor trackColor();
    static QColor knobColor();

    // The share of the content that the view shows; -0.0001 when everything fits (no knob).
    double knobProportion() const;
    // Whether a knob is drawn now: a proportion above 0 and below 0.99.
    bool drawsKnob() const;
    // The knob's rectangle: the knob part inset by 1 on every side.
    QRect knobRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
