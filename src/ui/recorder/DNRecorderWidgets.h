#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

class DNButton;
class DNCapturePreviewView;
class DNToolWindow;
class QCheckBox;
class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// What the two recorder windows are built of: a dark window around the live picture, picture
// buttons, and a settings sheet of labelled rows, a folder row and switches.

QString DNRecorderStyleSheet();

// The window's column: its name and look, its margins, and a size that follows its contents.
QVBoxLayout *DNRecorderWindowLayout(DNToolWindow *window, const QString &objectName);
// The live picture of that size, centred in the column.
DNCapturePreviewView *DNRecorderPreview(QWidget *window, QVBoxLayout *column, QSize size);
// A square picture button.
DNButton *DNRecorderImageButton(QWidget *parent, int side);

// A settings sheet: its labelled rows, then the buttons below.
struct DNRecorderSheet
{
    QDialog *dialog = nullptr;
    QFormLayout *form = nullptr;
    QDialogButtonBox *buttons = nullptr;
};
DNRecorderSheet DNMakeRecorderSheet(QWidget *window, const QString &objectName, const QString &title);
// A row with a read-only folder field and its "Choose..." button.
void DNAddRecorderFolderRow(const DNRecorderSheet &sheet, QPointer<QLineEdit> &field, QPointer<QPushButton> &choose);
// Switches, one row each, without a label.
void DNAddRecorderSwitches(const DNRecorderSheet &sheet,
                           std::initializer_list<std::pair<QPointer<QCheckBox> *, QString>> switches);

// An alert on the window (window-modal); done gets the answer.
void DNRecorderSheetAlert(QWidget *window, QMessageBox::Icon icon, const QString &message, const QString &informative,
                          std::function<void(int)> done = {});
// An open panel for one folder, on sheet, starting in folder; done gets 1 and the folder, or 0.
void DNRecorderChooseFolder(QWidget *sheet, const QString &folder, std::function<void(int, const QString &)> done);
