#include "DNMainInterface.h"

#include "ui/log/NXLogController.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/transition/NXScreenPlacement.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

DNMainInterface::DNMainInterface() = default;

DNMainInterface::~DNMainInterface()
{
    delete ui.window;
}

std::unique_ptr<DNMainInterface> DNLoadMainInterface()
{
    // Every window the program opens, this one first, opens inside the screen.
    NXScreenPlacement::keepWindowsOnScreen();
    auto shell = std::make_unique<DNMainInterface>();
    shell->ui = NXBuildMainWindow(&shell->controller);
    QuivraVideoConverterAppDelegate &delegate = shell->delegate;
    delegate.setWindow(shell->ui.window);
    delegate.setAppController(&shell->controller);
    delegate.setMenuItems(shell->ui.aboutItem, shell->ui.hiddenItem, shell->ui.quitItem,
                          shell->ui.helpItem, shell->ui.helpMenu);

    DNWindow *window = shell->ui.window;
    NXAppController *controller = &shell->controller;
    QObject::connect(shell->ui.aboutItem, &QAction::triggered, controller, &NXAppController::onAbout);
    QObject::connect(shell->ui.logItem, &QAction::triggered, controller, [] { NXLogController::instance()->showLogView(); });
    QObject::connect(shell->ui.hiddenItem, &QAction::triggered, window, &QWidget::showMinimized);
    QObject::connect(shell->ui.quitItem, &QAction::triggered, window, &QWidget::close);
    QObject::connect(shell->ui.helpItem, &QAction::triggered, &delegate,
                     &QuivraVideoConverterAppDelegate::openHelpDocument);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &delegate,
                     &QuivraVideoConverterAppDelegate::applicationWillTerminate);
    return shell;
}

QStringList DNOpenRequestFromArguments(const QStringList &arguments)
{
    QStringList paths;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments.at(i).isEmpty())
            paths.append(QFileInfo(arguments.at(i)).absoluteFilePath());
    }
    return paths;
}
