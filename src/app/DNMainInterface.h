#pragma once

#include "QuivraVideoConverterAppDelegate.h"

#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"

#include <QStringList>

#include <memory>

// What the main interface makes at start: the main window controller, the application delegate
// and the main window, connected to each other (the delegate's outlets, the application menu's
// actions, the termination sequence on the application's quit).
struct DNMainInterface
{
    NXAppController controller;
    QuivraVideoConverterAppDelegate delegate;
    NXMainWindowInterface ui;

    DNMainInterface();
    ~DNMainInterface();
    DNMainInterface(const DNMainInterface &) = delete;
    DNMainInterface &operator=(const DNMainInterface &) = delete;
};

// Needs the application object. The window is not shown yet.
std::unique_ptr<DNMainInterface> DNLoadMainInterface();

// The paths the program was started with (its arguments after the program word), made
// absolute: the system's request to open files.
QStringList DNOpenRequestFromArguments(const QStringList &arguments);
