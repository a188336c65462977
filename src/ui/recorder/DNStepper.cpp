#include "DNStepper.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

DNStepper::DNStepper(QWidget *parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : {up_, down_}) {
        arrow->setFixedSize(18, 12);
        arrow->setAutoRepeat(true);
        column->addWidget(arrow);
    }
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void DNStepper::setValue(double value)
{
    value_ = std::clamp(value, minimum_, maximum_);
}

void DNStepper::setMinimum(double minimum)
{
    minimum_ = minimum;
    setValue(value_);
}

void DNStepper::setMaximum(double maximum)
{
    maximum_ = maximum;
    setValue(value_);
}

void DNStepper::stepBy(int steps)
{
    const double before = value_;
    setValue(value_ + steps);
    if (value_ != before)
        Q_EMIT valueChanged(value_);
}
