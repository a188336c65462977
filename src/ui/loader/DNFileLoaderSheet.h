#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The small progress sheet of a file or photo load: a status line, a busy indicator and Cancel.
class DNFileLoaderSheet : public QDialog
{
    Q_OBJECT
public:
    explicit DNFileLoaderSheet(QWidget *parent = nullptr);

    QLabel *textfield() const { return textfield_; }
    QProgressBar *indicator() const { return indicator_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QString cancel_button_title() const { return tr("Cancel"); }

    // The status line; texts of the loader ("Loading %1", "Loading Photos") are translated here.
    void setStatusText(const QString &text);
    // Shows the sheet on window (window-modal), Cancel enabled, the indicator running.
    void beginOn(QWidget *window);
    // Stops the indicator and closes the sheet.
    void end();

Q_SIGNALS:
    void cancelRequested();

private:
    QLabel *textfield_ = nullptr;
    QProgressBar *indicator_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
};
