#include "DNToolWindow.h"

#include <QCloseEvent>

DNToolWindow::DNToolWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    // The main window is hidden while a tool window shows: closing the tool window brings it back
    // and must not count as closing the program's last window.
    setAttribute(Qt::WA_QuitOnClose, false);
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
