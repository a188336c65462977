#pragma once

#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QAbstractButton;

// A row of joined buttons of which exactly one is selected, numbered from 0 in order.
class NXSegmentedControl : public QWidget
{
    Q_OBJECT
public:
    explicit NXSegmentedControl(const QStringList &labels, QWidget *parent = nullptr);

    int selectedSegment() const;
    // Selects without sending segmentChanged.
    void setSelectedSegment(int segment);
    QAbstractButton *segmentButton(int segment) const;

Q_SIGNALS:
    // The user picked another segment.
    void segmentChanged(int segment);

private:
    QButtonGroup *group_ = nullptr;
};
