#pragma once

#include <QColor>
#include <QPainterPath>
#include <QWidget>

#include <functional>

class QPainter;

// A flat horizontal slider drawn in the application's own style: a dark rounded track, a blue
// fill up to the value and a light round knob.
//
// Its value model is zero-based: a value v is drawn at v / (max - min) of the width and a pointer
// position x stands for (max - min) * x / width; the minimum only clamps. While the pointer drags
// the knob the value accessors report the drag value and setting a value does not redraw; the
// action is called every tenth drag movement (when continuous) and at the release, whose
// position gives the final value.
class NXSlider : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(NXSlider *)>;

    explicit NXSlider(QWidget *parent = nullptr);
    NXSlider(const QRect &frame, QWidget *parent = nullptr);

    void setMaxValue(double value) { maxValue_ = value; }
    double maxValue() const { return maxValue_; }
    void setMinValue(double value) { minValue_ = value; }
    double minValue() const { return minValue_; }

    void setValue(double value);
    void setIntValue(int value) { setValue(value); }
    void setFloatValue(float value) { setValue(value); }
    void setDoubleValue(double value) { setValue(value); }
    double value() const;
    int intValue() const { return int(value()); }
    float floatValue() const { return float(value()); }
    double doubleValue() const { return value(); }

    void setContinus(bool continuous) { isContinus_ = continuous; }
    bool isTrackingContinus() const { return isContinus_; }
    void setIsTrackingContinus(bool continuous) { isContinus_ = continuous; }
    bool isTrackingMouse() const { return isTrackingMouse_; }
    void setIsTrackingMouse(bool tracking) { isTrackingMouse_ = tracking; }

    void setFillColor(const QColor &color) { fillColor_ = color; }
    void setBorderColor(const QColor &color) { borderColor_ = color; }
    void setBackgroundColor(const QColor &color) { backgroundColor_ = color; }
    QColor fillColor() const { return fillColor_; }
    QColor borderColor() const { return borderColor_; }
    QColor backgroundColor() const { return backgroundColor_; }

    // The action replaces a target and its selector; an empty action means no target.
    void setAction(Action action) { action_ = std::move(action); }
    bool hasTarget() const { return bool(action_); }

    void setEnabled(bool enabled);
    bool isEnabled() const { return isEnable_; }

    // Moves the slider to (0, 0) and sizes it 100 x 15.
    void sizeToFit();

    // Width of the filled part for the value shown now: width * v / (max - min), kept between
    // half the height from either end.
    double fillWidth() const;
    // The value a pointer position stands for, clamped to [min, max].
    double valueForPosition(double x) const;

    QSize sizeHint() const override { return QSize(100, 15); }

Q_SIGNALS:
    // Sent together with the action.
    void valueChangeRequested(NXSlider *slider);

protected:
    // The drawing steps, in the order paintEvent runs them.
    void paintEvent(QPaintEvent *event) override;
    void beginClip(QPainter &painter);
    void drawBackground(QPainter &painter);
    // What a subclass shows on the track under the value bar; nothing here.
    virtual void drawBehindValue(QPainter &) {}
    void drawValue(QPainter &painter);
    void drawBackgroundBorder(QPainter &painter);
    void endClip(QPainter &painter);
    void drawKnob(QPainter &painter);
    QPainterPath trackPath() const;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void sendAction();

    double borderWidth_ = 1.0;
    QColor fillColor_ = QColor::fromRgbF(116 / 255.0f, 170 / 255.0f, 1.0f, 1.0f);
    QColor borderColor_ = QColor::fromRgbF(24 / 255.0f, 24 / 255.0f, 24 / 255.0f, 1.0f);
    QColor backgroundColor_ = QColor::fromRgbF(34 / 255.0f, 34 / 255.0f, 34 / 255.0f, 1.0f);
    Action action_;
    double maxValue_ = 100.0;
    double minValue_ = 0.0;
    double value_ = 50.0;
    double tempValue_ = 0.0;
    bool isContinus_ = true;
    bool isTrackingMouse_ = false;
    bool isEnable_ = true;
};
