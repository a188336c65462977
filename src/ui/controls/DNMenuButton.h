#pragma once

#include "DNButton.h"

#include <QMenu>
#include <QPointer>

#include <functional>

class QMenu;
class QTimer;

// A button that pops up a menu when it is held down: a press starts a delay (0.3 s); when the
// button is still held when it runs out, the menu opens under the button and the click that
// would follow is swallowed. A shorter press is an ordinary click and calls the action.
//
// Until setMenu gives the real menu the button holds a placeholder menu "Menu" with the items
// "Menu 1" and "Menu 2".
class DNMenuButton : public DNButton
{
    Q_OBJECT
public:
    using Action = std::function<void(DNMenuButton *)>;

    explicit DNMenuButton(QWidget *parent = nullptr);
    DNMenuButton(const QString &title, QWidget *parent = nullptr);
    ~DNMenuButton() override;

    // A null menu is ignored (the current menu stays). The button does not own the menu.
    void setMenu(QMenu *menu);
    QMenu *popMenu() const { return popMenu_; }

    // The action of an ordinary click (the real target's action).
    void setAction(Action action) { mAction_ = std::move(action); }

    double delayTime() const { return delayTime_; }
    void setDelayTime(double seconds) { delayTime_ = seconds; }
    // YES from the moment the held button showed its menu until the next press.
    bool isMenuDisplayed() const { return isMenuDisplayed_; }

Q_SIGNALS:
    // An ordinary click (no menu was shown).
    void actionTriggered(DNMenuButton *button);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void init();
    void menuDelayCallback();
    void onCellActionTrigger();

    QPointer<QMenu> popMenu_;
    QMenu *placeholderMenu_ = nullptr;
    QTimer *menuTimer_ = nullptr;
    double delayTime_ = 0.3;
    bool isMenuDisplayed_ = false;
    Action mAction_;
};
