#pragma once

#include "NXTimeCell.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QSpinBox;

// The hours:minutes:seconds entry of the trim times: three two-digit fields with colons, a
// small stepper at the right edge (style 1) and a highlight on the selected field. The value
// is a whole number of seconds kept between a minimum and a maximum.
//
// Mouse: a click selects a field; a click on the stepper steps the selected field and sends
// the action at once, without the limit check. Keys: left and right arrows (and Tab and Space,
// which never leave the control) move between fields; up and down step, check the limits and
// send the action; digits replace the selected field, and a second digit typed within one
// second of the first makes a two-digit number that is sent at once (a lone digit is sent one
// second after it was typed). A first digit above 5 cannot start a two-digit number.
class NXTimePicker : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(NXTimePicker *)>;

    // Limits 0 ... 2147483647 seconds, with the stepper.
    explicit NXTimePicker(QWidget *parent = nullptr);
    ~NXTimePicker() override;

    // The action replaces a target and its selector; an empty action means none.
    void setAction(Action action) { action_ = std::move(action); }
    bool hasTarget() const { return bool(action_); }

    void setPickerStyle(int style);
    NXTimeCell &cell() { return cell_; }
    const NXTimeCell &cell() const { return cell_; }

    // Each setter checks the limits and redraws.
    void setDoubleValue(double seconds);
    void setFloatValue(float seconds);
    void setIntegerValue(int seconds);
    void setIntValue(int seconds);
    int integerValue() const { return cell_.integerValue(); }
    int intValue() const { return cell_.intValue(); }
    float floatValue() const { return cell_.floatValue(); }
    double doubleValue() const { return cell_.doubleValue(); }
    QString stringValue() const { return cell_.stringValue(); }

    // Fields as they are, neither normalised nor checked against the limits.
    int hours() const { return cell_.timeHours(); }
    int minutes() const { return cell_.timeMinutes(); }
    int secends() const { return cell_.timeSecends(); }
    void setHours(int v);
    void setMinutes(int v);
    void setSecends(int v);

    int maxTimeValue() const { return maxValue_; }
    void setMaxTimeValue(int seconds) { maxValue_ = seconds; }
    int minTimeValue() const { return minValue_; }
    void setMinTimeValue(int seconds) { minValue_ = seconds; }

    void moveRight();
    void moveLeft();
    // Sends the action, as a click on the control would.
    void performClick();

    // An outside stepper: each change of its value steps the selected field up or down.
    void setStepper(QSpinBox *stepper);
    void stepperAction(double stepperValue);

    // Brings the value within the limits.
    void checkTimeValue();
    // With an action: checks the limits, sends the action, redraws.
    void fire2SendAction();

    QSize sizeHint() const override { return QSize(110, int(NXTimeCell::kFieldHeight)); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void sendActionToTarget();
    void valueWasSet();
    void typeDigit(int digit);
    // Field rectangles are counted from the bottom of the control, as the cell counts them.
    QRectF widgetRect(const QRectF &cellRect) const;

    NXTimeCell cell_;
    Action action_;
    int minValue_ = 0;
    int maxValue_ = 2147483647;
    double stepperValue_ = 0;
    QTimer delayedAction_;
};
