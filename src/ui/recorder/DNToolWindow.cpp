#include "DNToolWindow.h"

#include <QCloseEvent>

DNToolWindow::DNToolWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
}

void DNToolWindow::closeEvent(QCloseEvent *event)
{
    if (shouldClose_ && !shouldClose_()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT willClose();
}
