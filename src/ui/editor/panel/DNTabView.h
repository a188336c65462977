#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTabWidget>

class DNTabView;

// A page of the editor's tab view, known by its identifier, with an on/off mark before its
// label that tells whether the page's edit is on. The item lives on while it is out of the tab
// view, so a page can be taken out and put back.
class DNTabViewItem : public QObject
{
    Q_OBJECT
public:
    DNTabViewItem(const QString &identifier, const QString &label, QWidget *view, QObject *parent = nullptr);
    ~DNTabViewItem() override;

    QString identifier() const { return identifier_; }
    QString label() const { return label_; }
    QWidget *view() const { return view_; }
    // The tab view showing the item; none while it is out of one.
    DNTabView *tabView() const { return tabView_; }

    // On after construction. A change redraws the mark; the same value does nothing.
    bool imageState() const { return imageState_; }
    void setImageState(bool state);

    // The marks, read once for every item.
    static QPixmap onImage();
    static QPixmap offImage();

private:
    friend class DNTabView;
    void showMark();

    QString identifier_;
    QString label_;
    QPointer<QWidget> view_;
    QPointer<DNTabView> tabView_;
    bool imageState_ = true;
};

// The editor's tab view: its tabs are DNTabViewItems, found by identifier, taken out and put
// back; every change of the selected tab is told with the item now selected.
class DNTabView : public QTabWidget
{
    Q_OBJECT
public:
    explicit DNTabView(QWidget *parent = nullptr);

    void addTabViewItem(DNTabViewItem *item);
    void removeTabViewItem(DNTabViewItem *item);
    // The item shown in the tab view under that identifier, or none.
    DNTabViewItem *tabViewItemWithIdentifier(const QString &identifier) const;
    QList<DNTabViewItem *> tabViewItems() const { return items_; }
    DNTabViewItem *selectedTabViewItem() const { return items_.value(currentIndex()); }
    // An index past the last tab selects nothing new.
    void selectTabViewItemAtIndex(int index);
    // Sized by its tallest page whichever page shows, so the sheet keeps its size from page to
    // page: Qt would size a page whose text wraps by the page in front alone. A wrapped text
    // still gets its room, as the pages are at least as wide as their size hints.
    bool hasHeightForWidth() const override { return false; }

Q_SIGNALS:
    void didSelectTabViewItem(DNTabViewItem *item);

private:
    QList<DNTabViewItem *> items_;
};
