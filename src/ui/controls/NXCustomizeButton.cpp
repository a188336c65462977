#include "ui/controls/NXCustomizeButton.h"

#include <QEvent>

NXCustomizeButton::NXCustomizeButton(QWidget *parent)
    : QPushButton(parent)
{
    // Checkable only so that a click runs nextCheckState(); the state lives in state_.
    setCheckable(true);
    updateTitle();
}

void NXCustomizeButton::setState(int state)
{
    state = state ? 1 : 0;
    if (state == state_)
        return;
    state_ = state;
    updateTitle();
    emit stateChanged(state_);
}

void NXCustomizeButton::nextCheckState()
{
    setState(state_ ? 0 : 1);
}

void NXCustomizeButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        updateTitle();
    QPushButton::changeEvent(event);
}

void NXCustomizeButton::updateTitle()
{
    setText(state_ ? tr("Customize") : tr("Cancel"));
    setChecked(state_ == 0);
}
