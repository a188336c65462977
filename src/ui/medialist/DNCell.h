#pragma once

#include "core/model/NXBasicMediaNode.h"
#include "core/model/NXMediaPath.h"

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class NXMediaTableView;
class QMenu;

// The notification the media list posts after scrolling and after rows moved, and its
// user-information key (the pointer's global position, a QPoint); rows re-test hover from it.
inline const QString DNNotificationScrollWheel = QStringLiteral("DNNotificationScrollWheel");
inline const QString DNScrollWheelEventKey = QStringLiteral("DNScrollWheelEventKey");

// Base of every row of the media list. A row shows one entry (data), knows its address in the
// list (MainOrder, ChildOrder: the list rewrites them on every layout pass) and reports every
// user action to the list that owns it (hostTable); it never changes the list's tree itself.
class DNCell : public QWidget
{
    Q_OBJECT
public:
    // Selection states as the list sets them.
    enum { StateUnset = 0, StateUnselected = 1, StateSelected = 2 };

    explicit DNCell(const QRect &frame, QWidget *parent = nullptr);
    ~DNCell() override;

    // A new row of class T with the given frame, or the top-level or member frame.
    template <class T = DNCell>
    static T *cellWithFrame(const QRect &frame) { return new T(frame); }
    template <class T = DNCell>
    static T *cellNormal() { return cellWithFrame<T>(QRect(0, 0, 595, 115)); }
    template <class T = DNCell>
    static T *cellChild() { return cellWithFrame<T>(QRect(50, 0, 545, 115)); }

    QString identify() const { return identify_; }
    void setIdentify(const QString &v) { identify_ = v; }
    int tag() const { return tag_; }
    void setTag(int v) { tag_ = v; }
    int orderNo() const { return orderNo_; }
    void setOrderNo(int v) { orderNo_ = v; }
    int type() const { return type_; }
    virtual void setType(int type) { type_ = type; }

    int state() const { return state_; }
    // Redraws only when the value changes.
    void setState(int state);
    void setViewCellUnselect() { setState(StateUnselected); }
    bool isFocused() const { return isFocused_; }
    void setIsFocused(bool focused);

    NXMediaTableView *hostTable() const { return hostTable_; }
    void setHostTable(NXMediaTableView *table) { hostTable_ = table; }

    // The entry shown; the row keeps it weakly (the list owns the entries).
    NXMediaNodePtr data() const { return data_.lock(); }
    virtual void setData(const NXMediaNodePtr &node);

    int MainOrder() const { return mainOrder_; }
    int ChildOrder() const { return childOrder_; }
    void setMainOrder(int v) { mainOrder_ = v; }
    void setChildOrder(int v) { childOrder_ = v; }
    void setMainOrder(int main, int child)
    {
        mainOrder_ = main;
        childOrder_ = child;
    }
    NXMediaPath nodePath() const { return NXMediaPath(mainOrder_, childOrder_); }
    NXMediaPath fatherNodePath() const { return NXMediaPath(mainOrder_, -1); }

    // The node-side view of this row (frame for the tree's geometry queries); made once.
    std::shared_ptr<NXNodeView> nodeView();
    // The row that shows node, or null.
    static DNCell *cellOfNode(const NXBasicMediaNode *node);

    // Hooks of the concrete rows.
    virtual void updateCellContent() {}
    // What the row observes of its node; the base refreshes the whole row.
    virtual void observedPlayingChanged(bool playing)
    {
        Q_UNUSED(playing);
        updateCellContent();
    }
    virtual void observedThumbnailChanged() { updateCellContent(); }
    virtual void setEditState(bool editing) { Q_UNUSED(editing); }
    virtual void setEnabled(bool enabled) { Q_UNUSED(enabled); }
    virtual void mouseDoubleClick() {}
    // The row's context menu (each concrete row builds its own).
    virtual QMenu *createCellMenu();
    // The row shows the expanded state of its group (DVD and group rows).
    virtual void setIsOpenup(bool open) { Q_UNUSED(open); }

    void onMoveDown();
    void onMoveUp();
    // The tag, profile and profile-edit buttons of the rows: each selects the row first.
    void onSetTag();
    void onChangeCurProfileSetting();
    void onChangeProfileType();
    // The play button over a row's thumbnail.
    void onPlayClicked();
    // "select": the list selects this row alone.
    void selectAlone();
    // Hover test from the list's notification.
    void onDNNotificationScrollWheel(const QPoint &globalPos);

    QString description() const;

protected:
    using ListRequest = void (NXMediaTableView::*)(DNCell *);
    // Sends one of the row requests to the list, when the row has one.
    void request(ListRequest listRequest);
    // "select", then the request: what the profile, tag and settings buttons of a row do.
    void selectAndRequest(ListRequest listRequest);
    // The background picture by hover and selection (1 hover and selected, 2 hover, 3 selected,
    // 4 neither) into index; the row redraws when it changed.
    void chooseBackgroundIndex(int &index);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // A change of state or focus; rows pick their background here.
    virtual void stateOrFocusChanged() { update(); }
    virtual void mouseEntered() { setIsFocused(true); }
    virtual void mouseExited() { setIsFocused(false); }
    QMenu *cellMenu_ = nullptr;

private:
    QString identify_;
    int tag_ = 0;
    int state_ = StateUnset;
    int orderNo_ = 0;
    QPointer<NXMediaTableView> hostTable_;
    int type_ = 0;
    std::weak_ptr<NXBasicMediaNode> data_;
    int mainOrder_ = -1;
    int childOrder_ = -1;
    bool isFocused_ = false;
    std::shared_ptr<NXNodeView> nodeView_;
};
