#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QWidget>

// A horizontal progress bar drawn from pictures: a three-part background ("NXPBbackgroundPart1",
// "...Part2", "...Part3") and a fill ("NXPBforceground"), each replaceable by a picture of the
// bar's own, with a white percentage label riding at the end of the fill once it passes 8 %.
// The value runs from 0 to 1.
class NXProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit NXProgressBar(QWidget *parent = nullptr);

    void setFloatValue(float value) { setDoubleValue(value); }
    // Clamped to 0..1.
    void setDoubleValue(double value);
    // Whole numbers are refused (the bar's value is a fraction): the call is reported on
    // standard error and changes nothing.
    void setIntValue(int value);
    double doubleValue() const { return curProgress_; }

    QString forcegroundImage() const { return forcegroundImage_; }
    void setForcegroundImage(const QString &imageName);
    QString backgroundImage() const { return backgroundImage_; }
    void setBackgroundImage(const QString &imageName);

    // The filled part and the label for the current value and size.
    QRectF innerProgressRect() const;
    // Null when the value is 0.08 or below.
    QRectF percentNoticeRect() const;
    QString percentText() const;

    QSize sizeHint() const override { return QSize(202, 16); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap forceImg_;
    QPixmap backImg_;
    QString forcegroundImage_;
    QString backgroundImage_;
    double curProgress_ = 0.0;
};
