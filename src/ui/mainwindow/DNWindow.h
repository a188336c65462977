#pragma once

#include <QMainWindow>

// The main window. A left or right mouse press anywhere in it first ends any text editing in
// progress (the editor loses the keyboard focus, which commits it), then the press is handled
// as usual.
class DNWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit DNWindow(QWidget *parent = nullptr);
    ~DNWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
