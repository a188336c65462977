#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>

class DNWindow;
class NXAppController;

// The main window's interface: builds the window, its menus and controls and connects them to
// the controller's outlets, as an interface file would. The titles of the application menu's
// items are given by the application delegate at launch.
struct NXMainWindowInterface
{
    DNWindow *window = nullptr;
    QPointer<QAction> aboutItem;
    QPointer<QAction> hiddenItem;
    QPointer<QAction> quitItem;
    QPointer<QAction> helpItem;
    QPointer<QAction> logItem;   // opens the log window
    QPointer<QMenu> helpMenu;
};

// The window is the caller's to show and delete.
NXMainWindowInterface NXBuildMainWindow(NXAppController *controller);
