#pragma once

#include <QPushButton>

// A button that opens a list: a small dark-gray triangle at its right marks it as a pop-up.
class NXProfileButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
