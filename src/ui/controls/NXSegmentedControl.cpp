#include "NXSegmentedControl.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

NXSegmentedControl::NXSegmentedControl(const QStringList &labels, QWidget *parent)
    : QWidget(parent), group_(new QButtonGroup(this))
{
    group_->setExclusive(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < labels.size(); ++i) {
        auto *button = new QToolButton(this);
        button->setText(labels.at(i));
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setMinimumWidth(44);
        group_->addButton(button, i);
        row->addWidget(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, &NXSegmentedControl::segmentChanged);
}

int NXSegmentedControl::selectedSegment() const
{
    return group_->checkedId();
}

void NXSegmentedControl::setSelectedSegment(int segment)
{
    const QSignalBlocker quiet(group_);
    if (QAbstractButton *button = group_->button(segment))
        button->setChecked(true);
}

QAbstractButton *NXSegmentedControl::segmentButton(int segment) const
{
    return group_->button(segment);
}
