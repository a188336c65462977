#pragma once

#include <QWidget>

class QToolButton;

// Two small arrows that step a whole number up or down between a minimum and a maximum; the
// number itself is shown by a field beside it.
class DNStepper : public QWidget
{
    Q_OBJECT
public:
    explicit DNStepper(QWidget *parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    // As a click on an arrow: one step, then valueChanged when the value moved.
    void stepBy(int steps);

Q_SIGNALS:
    void valueChanged(double value);

private:
    double value_ = 0;
    double minimum_ = 0;
    double maximum_ = 59;
    QToolButton *up_;
    QToolButton *down_;
};
