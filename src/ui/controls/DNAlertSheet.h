#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// An alert shown as a sheet on window (window-modal, gone when answered) with one button;
// title is the window title, text the message and informative the lines under it, both shown as
// plain text (they may hold names of files). It is wide enough for its title (DNFitAlertToTitle).
QMessageBox *DNOpenAlertSheet(QWidget *window, QMessageBox::Icon icon, const QString &title, const QString &text,
                              const QString &informative, const QString &button);

// Keeps alert at least as wide as its window title needs in the window manager's title bar, now
// and after any change of the title. Qt sizes an alert by its message and leaves the title only
// a little room, so a window manager with a bold title face and three buttons beside it cuts a
// short message's title ("Some files ... not added"). Every alert goes through here.
void DNFitAlertToTitle(QMessageBox *alert);
