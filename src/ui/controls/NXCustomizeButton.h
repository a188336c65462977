#pragma once

#include <QPushButton>

// The toggle between the resolution list and a custom size. Its title follows its state:
// "Customize" while the list is in use (state 1), "Cancel" while a custom size is (state 0).
// A click flips the state before clicked() is emitted, as a toggle button does. It draws itself:
// a grey box with corners of radius 6 and a faint shadow, the title in white.
class NXCustomizeButton : public QPushButton
{
    Q_OBJECT
public:
    explicit NXCustomizeButton(QWidget *parent = nullptr);

    int state() const { return state_; }
    QSize sizeHint() const override;
    void setState(int state);

signals:
    void stateChanged(int state);

protected:
    void nextCheckState() override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateTitle();
    int state_ = 1;
};
