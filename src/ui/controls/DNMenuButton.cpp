#include "DNMenuButton.h"

#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

DNMenuButton::DNMenuButton(QWidget *parent)
    : DNButton(parent)
{
    init();
}

DNMenuButton::DNMenuButton(const QString &title, QWidget *parent)
    : DNButton(title, parent)
{
    init();
}

DNMenuButton::~DNMenuButton()
{
    delete placeholderMenu_;
}

void DNMenuButton::init()
{
    placeholderMenu_ = new QMenu(QStringLiteral("Menu"));
    for (int i = 1; i <= 2; ++i)
        placeholderMenu_->addAction(QStringLiteral("Menu %1").arg(i));
    popMenu_ = placeholderMenu_;

    menuTimer_ = new QTimer(this);
    menuTimer_->setSingleShot(true);
    connect(menuTimer_, &QTimer::timeout, this, &DNMenuButton::menuDelayCallback);
    connect(this, &QPushButton::clicked, this, &DNMenuButton::onCellActionTrigger);
}

void DNMenuButton::setMenu(QMenu *menu)
{
    if (menu)
        popMenu_ = menu;
}

void DNMenuButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        isMenuDisplayed_ = false;
        menuTimer_->start(int(delayTime_ * 1000.0));
    }
    DNButton::mousePressEvent(event);
}

void DNMenuButton::menuDelayCallback()
{
    // Only a button still held down opens its menu.
    if (!isDown() || !popMenu_)
        return;
    isMenuDisplayed_ = true;
    // Ends the press without a click: the release that follows lands on the open menu.
    setDown(false);
    popMenu_->popup(mapToGlobal(QPoint(0, height())));
}

void DNMenuButton::onCellActionTrigger()
{
    menuTimer_->stop();
    if (isMenuDisplayed_)
        return;
    if (mAction_)
        mAction_(this);
    Q_EMIT actionTriggered(this);
}
