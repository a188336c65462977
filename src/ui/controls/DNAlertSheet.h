#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// An alert shown as a sheet on window (window-modal, gone when answered) with one button;
// title is the window title, text the message and informative the lines under it.
QMessageBox *DNOpenAlertSheet(QWidget *window, QMessageBox::Icon icon, const QString &title, const QString &text,
                              const QString &informative, const QString &button);
