#pragma once

#include "NXObjKV.h"

#include "core/model/NXBasicMediaNode.h"

#include <QPointer>
#include <QWidget>

class QTreeWidget;

// The floating media-information window: the properties of one media-list entry as a
// two-column outline (name, value). The main window opens it with its Info command and
// refreshes or hides it as the selection changes; while hidden it ignores selection changes.
// One instance for the whole run, made on first use; main thread only.
class NXFloatInfoWindowController : public QWidget
{
    Q_OBJECT
public:
    static NXFloatInfoWindowController &shareInstance();
    // The window the info window is placed beside when it appears (the main window).
    static void setMainWindow(QWidget *window);

    // Selection changes: nil does nothing; a slideshow, DVD title or file group hides the
    // window; anything else refreshes it, but only while it is visible.
    void onSelectionDidChangedNotification(const NXMediaNodePtr &node);
    // nil does nothing; a slideshow, DVD title or file group hides the window; anything else
    // refreshes it and, when it was hidden, shows it in front: beside the main window the first
    // time, where it was at later openings.
    void showWindowWithNode(const NXMediaNodePtr &node);
    void hiddenTheWindow();
    void refreshViewWithNode(const NXMediaNodePtr &node);
    // Left of the main window when there is room, else right of it, else centred on the screen.
    void choosePerfectPosition();
    static QPoint perfectPosition(const QRect &mainFrame, const QRect &screen, const QSize &infoSize);

    const QList<NXObjKV> &dataSource() const { return dataSource_; }
    QTreeWidget *outline_view() const { return outline_view_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit NXFloatInfoWindowController(QWidget *parent = nullptr);
    void reloadOutline();

    QList<NXObjKV> dataSource_;
    QTreeWidget *outline_view_ = nullptr;
    // The window has been placed beside the main window once.
    bool placed_ = false;
    static QPointer<QWidget> mainWindow_;
};
