#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// What the screen recorder shows while it records and its window is out of the way: the time
// recorded and a way to stop. Where the desktop has a system tray it is a tray icon (a click
// stops; its menu shows the time and a stop entry); elsewhere the recorder's status view (its
// stop control and time field) floats in a small window at the top right of the main screen.
class DNStatusItem : public QObject
{
    Q_OBJECT
public:
    // title names the item for the desktop; statusItemView is borrowed while the item lives.
    DNStatusItem(const QString &title, QWidget *statusItemView, std::function<void()> stop);
    ~DNStatusItem() override;

    void setDuration(const QString &text);
    // Brings the floating window above the windows shown after it (the record frame).
    void raise();
    bool inSystemTray() const { return tray_ != nullptr; }
    // The floating window when there is no tray.
    QWidget *floatingWindow() const { return floating_; }

private:
    std::function<void()> stop_;
    QSystemTrayIcon *tray_ = nullptr;
    QMenu *menu_ = nullptr;
    QAction *duration_ = nullptr;
    QPointer<QWidget> floating_;
    QPointer<QWidget> view_;
    QPointer<QWidget> viewParent_;
};
