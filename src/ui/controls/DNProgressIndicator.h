#pragma once

#include <QWidget>

class QTimer;

// A spinning busy indicator of twelve white spokes. A group of five spokes is drawn fainter
// (alpha 0.3 to 0.7) and moves on by one spoke at every frame (24 frames a second while
// animating); the group's first spoke runs through 0 to 10 and starts at 3.
class DNProgressIndicator : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSpokes = 12;
    static constexpr int kStartSpoke = 3;

    explicit DNProgressIndicator(QWidget *parent = nullptr);
    ~DNProgressIndicator() override;

    void startAnimation();
    void stopAnimation();
    bool isAnimating() const;

    // The spoke at which the faint group starts (the next frame draws from here).
    int flag() const { return flag_; }
    // Alpha of spoke k when the group starts at flag.
    static double spokeAlpha(int k, int flag);
    // Angle of spoke k in degrees, counter-clockwise from the positive x axis.
    static double spokeAngle(int k) { return (11 - k) * 30.0; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawIndicator(QPainter &painter, const QRectF &rect);

    int flag_ = kStartSpoke;
    QTimer *updateTimer_ = nullptr;
};
