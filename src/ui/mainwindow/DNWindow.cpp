#include "DNWindow.h"

#include <QApplication>
#include <QMouseEvent>

DNWindow::DNWindow(QWidget *parent)
    : QMainWindow(parent)
{
    // Presses reach the child under the pointer first; the window sees them here before that.
    qApp->installEventFilter(this);
}

DNWindow::~DNWindow()
{
    qApp->removeEventFilter(this);
}

bool DNWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const auto button = static_cast<QMouseEvent *>(event)->button();
        if ((button == Qt::LeftButton || button == Qt::RightButton) && widget->window() == this) {
            if (QWidget *editor = focusWidget(); editor && editor != widget)
                editor->clearFocus();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
