#pragma once

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

// Choosing a folder the program will write into, for the main window's output folder and the
// preferences' two folders.

// An open panel that chooses one folder (no files, no multiple selection, new folders may be
// made), window-modal on window, starting in startFolder (none when empty). done gets 1 and
// the chosen folder for OK, 0 and an empty text otherwise. The panel deletes itself.
QFileDialog *NXBeginFolderPanel(QWidget *window, const QString &startFolder,
                                std::function<void(int returnCode, const QString &path)> done);

// A folder that exists and takes a new file (tried, not read from permission bits: the user
// may be root, the folder on a read-only medium).
bool NXIsWritableFolder(const QString &path);
// Checks a chosen folder; when a name along its path is not UTF-8 text, or it cannot be written
// to, says so in an alert on window and answers false, and the caller keeps its former folder.
bool NXAcceptChosenFolder(QWidget *window, const QString &path);
