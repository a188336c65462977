#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class QLabel;

// An on/off switch. Style 0 is an image switch ("NXSwitchON.png", "NXSwitchOFF.png",
// "NXSwitchDisabled.png"): it starts disabled, ignores clicks until setEnable(true), and a click
// flips it and calls its action. Any other style is a text switch: a bold "On" (green) or "Off"
// (black) label that only follows setOn.
class NXSwitch : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(NXSwitch *)>;
    static constexpr int kTextFieldTag = 125;

    explicit NXSwitch(QWidget *parent = nullptr);
    NXSwitch(const QRect &frame, unsigned int switchStyle, QWidget *parent = nullptr);

    bool isOn() const { return onFlag_; }
    void setOn(bool on);
    bool enable() const { return enable_; }
    void setEnable(bool enable);
    unsigned int switchStyle() const { return style_; }

    void setAction(Action action) { action_ = std::move(action); }

    // The picture an image switch draws now (null for a text switch).
    QPixmap currentImage() const;
    // The text switch's label.
    QLabel *textField() const { return textField_; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // A click flipped the switch.
    void switched(NXSwitch *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setup(unsigned int switchStyle);
    void placeTextField();
    QString stateWord() const;
    QFont wordFont(int height) const;

    bool onFlag_ = false;
    QPixmap offImage_;
    QPixmap onImage_;
    QPixmap offDisImage_;
    Action action_;
    bool enable_ = false;
    unsigned int style_ = 0;
    QLabel *textField_ = nullptr;
};
