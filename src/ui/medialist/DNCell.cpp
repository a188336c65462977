#include "DNCell.h"

#include "NXMediaTableView.h"

#include "core/notify/DNNotificationCenter.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {
// The node's link to its row: the row's frame while the row exists, an empty frame after.
class DNCellNodeView : public NXNodeView
{
public:
    explicit DNCellNodeView(DNCell *cell) : cell_(cell) {}
    QRectF frame() const override { return cell_ ? QRectF(cell_->geometry()) : QRectF(); }
    void nodePlayingChanged(bool playing) override
    {
        if (cell_)
            cell_->observedPlayingChanged(playing);
    }
    void nodeThumbnailChanged() override
    {
        if (cell_)
            cell_->observedThumbnailChanged();
    }
    void nodeContentChanged() override
    {
        if (cell_)
            cell_->updateCellContent();
    }
    void setViewType(int type) override
    {
        if (cell_)
            cell_->setType(type);
    }
    DNCell *cell() const { return cell_; }

private:
    QPointer<DNCell> cell_;
};
}

DNCell::DNCell(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setGeometry(frame);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    DNNotificationCenter::defaultCenter().addObserver(
        this, DNNotificationScrollWheel, [this](const DNNotification &n) {
            const QVariant pos = n.userInfo.value(DNScrollWheelEventKey);
            if (pos.isValid())
                onDNNotificationScrollWheel(pos.toPoint());
        });
}

DNCell::~DNCell()
{
    DNNotificationCenter::defaultCenter().removeObserver(this);
}

void DNCell::setState(int state)
{
    if (state_ == state)
        return;
    state_ = state;
    stateOrFocusChanged();
}

void DNCell::setIsFocused(bool focused)
{
    if (isFocused_ == focused)
        return;
    isFocused_ = focused;
    stateOrFocusChanged();
}

void DNCell::setData(const NXMediaNodePtr &node)
{
    data_ = node;
}

std::shared_ptr<NXNodeView> DNCell::nodeView()
{
    if (!nodeView_)
        nodeView_ = std::make_shared<DNCellNodeView>(this);
    return nodeView_;
}

DNCell *DNCell::cellOfNode(const NXBasicMediaNode *node)
{
    if (!node)
        return nullptr;
    auto *view = dynamic_cast<DNCellNodeView *>(node->dataView().get());
    return view ? view->cell() : nullptr;
}

QMenu *DNCell::createCellMenu()
{
    // Every concrete row builds its own menu; reaching this is a programming error, but a
    // missing menu must not end the program.
    qWarning("DNCell: row class %s has no context menu", metaObject()->className());
    return nullptr;
}

void DNCell::onMoveDown()
{
    if (hostTable_)
        hostTable_->cellMoveDown(this);
}

void DNCell::onMoveUp()
{
    if (hostTable_)
        hostTable_->cellMoveUp(this);
}

void DNCell::onDNNotificationScrollWheel(const QPoint &globalPos)
{
    if (!isVisible())
        return;
    if (rect().contains(mapFromGlobal(globalPos)))
        mouseEntered();
    else
        mouseExited();
}

QString DNCell::description() const
{
    return QStringLiteral("%1: %2 %3")
        .arg(QString::fromLatin1(metaObject()->className()), objectName())
        .arg(orderNo_);
}

void DNCell::selectAlone()
{
    if (hostTable_)
        hostTable_->cellSelected(this, false);
}

void DNCell::request(ListRequest listRequest)
{
    if (hostTable_)
        (hostTable_.data()->*listRequest)(this);
}

void DNCell::selectAndRequest(ListRequest listRequest)
{
    selectAlone();
    request(listRequest);
}

void DNCell::onSetTag()
{
    selectAndRequest(&NXMediaTableView::cellChangeTagPressed);
}

void DNCell::onChangeCurProfileSetting()
{
    selectAndRequest(&NXMediaTableView::cellChangeCurProfilePressed);
}

void DNCell::onChangeProfileType()
{
    selectAndRequest(&NXMediaTableView::cellChangeProfilePressed);
}

void DNCell::onPlayClicked()
{
    request(&NXMediaTableView::cellPlayPressed);
}

void DNCell::chooseBackgroundIndex(int &index)
{
    const bool selected = state_ == StateSelected;
    const int chosen = isFocused_ ? (selected ? 1 : 2) : (selected ? 3 : 4);
    if (chosen != index) {
        index = chosen;
        update();
    }
}

void DNCell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Shift or Command (Control on this platform) adds the row to the selection.
    const bool append = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (hostTable_)
        hostTable_->cellSelected(this, append);
}

void DNCell::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    mouseDoubleClick();
}

void DNCell::enterEvent(QEnterEvent *event)
{
    Q_UNUSED(event);
    mouseEntered();
}

void DNCell::leaveEvent(QEvent *event)
{
    Q_UNUSED(event);
    mouseExited();
}

void DNCell::contextMenuEvent(QContextMenuEvent *event)
{
    if (cellMenu_)
        cellMenu_->popup(event->globalPos());
}
