#pragma once

#include <QImage>
#include <QWidget>

// The card flip the window transition plays: the first picture turns about the vertical axis
// until it stands edge-on, then the second picture turns on from the other side. Both are
// drawn centred, at their size in points, on a transparent ground.
class NXFlipView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal progress READ progress WRITE setProgress)
public:
    explicit NXFlipView(QWidget *parent = nullptr);

    // "ImageFrom" and "ImageTo": pictures with their device pixel ratio set.
    void setImages(const QImage &from, const QImage &to);
    QImage imageFrom() const { return from_; }
    QImage imageTo() const { return to_; }
    // "factor": 1 turns to the left (forward), -1 to the right (backward).
    qreal factor() const { return factor_; }
    void setFactor(qreal factor) { factor_ = factor; }
    // "scale": the screen's pixels per point.
    qreal scale() const { return scale_; }
    void setScale(qreal scale) { scale_ = scale; }
    // 0 shows the first picture flat, 1 the second.
    qreal progress() const { return progress_; }
    void setProgress(qreal progress);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage from_;
    QImage to_;
    qreal factor_ = 1.0;
    qreal scale_ = 1.0;
    qreal progress_ = 0.0;
};
