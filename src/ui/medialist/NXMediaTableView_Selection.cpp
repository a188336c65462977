// Selection of rows, the DVD highlight (a DVD row and its selected title's row selected
// together) and the requests rows send to the list.
#include "NXMediaTableView.h"

#include "DNCell.h"
#include "DNDVDTitleCell.h"

#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTitle.h"

#include <QTimer>

int NXMediaTableView::selectionKindOf(const NXBasicMediaNode &node)
{
    switch (node.mediaType()) {
    case NXMediaTypeFile:
    case NXMediaTypeFileGroup:
        return KindFiles;
    case NXMediaTypeDVD:
        return KindDVDSources;
    case NXMediaTypeFileGroupMember:
        return KindGroupMembers;
    case NXMediaTypeGraphics:
    case NXMediaTypeDVDTitle:
        return node.nodeID();
    default:
        return KindOther;
    }
}

DNCell *NXMediaTableView::titleRowOf(const DNDVDNode &dvd) const
{
    const DNDVDTitlePtr title = dvd.titleAt(dvd.titleSelected());
    return title ? DNCell::cellOfNode(title.get()) : nullptr;
}

void NXMediaTableView::selectDvdNode(const std::shared_ptr<DNDVDNode> &node)
{
    selecedDVDNode_ = node;
    setDVDGroupSelect(true, node);
}

void NXMediaTableView::unselectDvdNode()
{
    if (auto dvd = selecedDVDNode_.lock())
        setDVDGroupSelect(false, dvd);
}

void NXMediaTableView::setDVDGroupSelect(bool on, const std::shared_ptr<DNDVDNode> &node)
{
    if (!node || node->mediaType() != NXMediaTypeDVD)
        return;
    const int state = on ? DNCell::StateSelected : DNCell::StateUnselected;
    if (DNCell *row = DNCell::cellOfNode(node.get()))
        row->setState(state);
    DNCell *titleRow = titleRowOf(*node);
    if (titleRow)
        titleRow->setState(state);
    if (!on && selecedDVDNode_.lock() == node)
        selecedDVDNode_.reset();
    if (on && titleRow)
        cellSelected(titleRow, false);
}

QList<DNCell *> NXMediaTableView::viewSelectedCell() const
{
    QList<DNCell *> cells;
    for (const QPointer<DNCell> &cell : selectCell_)
        if (cell)
            cells << cell;
    return cells;
}

QList<NXMediaPath> NXMediaTableView::viewSelectedCellPaths() const
{
    QList<NXMediaPath> paths;
    for (DNCell *cell : viewSelectedCell())
        paths << cell->nodePath();
    return paths;
}

NXMediaNodeList NXMediaTableView::viewSelectedNodes() const
{
    NXMediaNodeList nodes;
    for (DNCell *cell : viewSelectedCell())
        if (NXMediaNodePtr node = cell->data())
            nodes << node;
    return nodes;
}

void NXMediaTableView::unselectMovieViewCell()
{
    for (DNCell *cell : viewSelectedCell())
        cell->setViewCellUnselect();
    selectCell_.clear();
}

void NXMediaTableView::cellSelected(DNCell *cell, bool append, bool postOut)
{
    if (!cell)
        return;
    const NXMediaNodePtr node = mediaNodeAtPath(cell->nodePath());
    if (!node)
        return;
    const int kind = selectionKindOf(*node);
    const QList<DNCell *> selected = viewSelectedCell();

    if (append) {
        if (selected.contains(cell) || kind != selectedType_)
            return;
        cell->setState(DNCell::StateSelected);
        selectCell_ << cell;
        postSelectionChanged(postOut);
        return;
    }

    const bool noChange = selected.size() == 1 && selected.first() == cell;
    unselectMovieViewCell();
    cell->setState(DNCell::StateSelected);
    selectedType_ = kind;
    selectCell_ << cell;

    if (auto title = std::dynamic_pointer_cast<DNDVDTitle>(node)) {
        auto dvd = std::dynamic_pointer_cast<DNDVDNode>(
            mediaNodeAtPath(NXMediaPath(cell->MainOrder(), -1)));
        if (dvd) {
            if (selecedDVDNode_.lock() == dvd) {
                DNCell *old = titleRowOf(*dvd);
                if (old && old != cell)
                    old->setState(DNCell::StateUnselected);
            } else {
                if (auto previous = selecedDVDNode_.lock())
                    setDVDGroupSelect(false, previous);
                selecedDVDNode_ = dvd;
            }
            dvd->setTitleSelected(title->index());
            if (DNCell *row = DNCell::cellOfNode(dvd.get())) {
                row->setState(DNCell::StateSelected);
                row->updateCellContent();
            }
        }
    } else if (auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node)) {
        if (DNCell *titleRow = titleRowOf(*dvd))
            titleRow->setState(DNCell::StateSelected);
        if (selecedDVDNode_.lock() != dvd) {
            if (auto previous = selecedDVDNode_.lock())
                setDVDGroupSelect(false, previous);
            selecedDVDNode_ = dvd;
        }
    }
    if (!noChange)
        postSelectionChanged(postOut);
}

void NXMediaTableView::cellMoveUp(DNCell *cell)
{
    scheduleBroadcast();
    const int m = cell->MainOrder();
    const int c = cell->ChildOrder();
    if (c < 0) {
        if (m < 1 || m >= datasource_->size())
            return;
        exchangeMovieNodeAt(NXMediaPath(m - 1, -1), NXMediaPath(m, -1));
    } else {
        if (c < 1)
            return;
        exchangeMovieNodeAt(NXMediaPath(m, c), NXMediaPath(m, c - 1));
    }
}

void NXMediaTableView::cellMoveDown(DNCell *cell)
{
    scheduleBroadcast();
    const int m = cell->MainOrder();
    const int c = cell->ChildOrder();
    if (c < 0) {
        if (m < 0 || m >= datasource_->size() - 1)
            return;
        exchangeMovieNodeAt(NXMediaPath(m, -1), NXMediaPath(m + 1, -1));
    } else {
        exchangeMovieNodeAt(NXMediaPath(m, c), NXMediaPath(m, c + 1));
    }
}

void NXMediaTableView::cellRemove(DNCell *cell)
{
    scheduleBroadcast();
    const NXMediaPath path = cell->nodePath();
    const NXMediaNodePtr node = mediaNodeAtPath(path);
    if (auto dvd = selecedDVDNode_.lock();
        dvd && node && (node.get() == dvd.get() || node->parent() == dvd.get()))
        selecedDVDNode_.reset();
    if (path.childIndex() < 0)
        removeNodeAtPaths({path});
    else
        removeChildNodeAtPaths({path});
}

void NXMediaTableView::cellShowGroupChild(DNCell *cell)
{
    scheduleBroadcast();
    if (NXMediaNodePtr node = mediaNodeAtPath(cell->nodePath()); node && node->isGroupNode())
        showGroupChildrenAtMoviePath(cell->nodePath());
    refreshView();
}

void NXMediaTableView::cellHiddenGroupChild(DNCell *cell)
{
    scheduleBroadcast();
    if (NXMediaNodePtr node = mediaNodeAtPath(cell->nodePath()); node && node->isGroupNode())
        hiddenGroupChildrenAtMoviePath(cell->nodePath());
    refreshView();
}

void NXMediaTableView::cellPlayPressed(DNCell *cell)
{
    cellSelected(cell, false, false);
    if (delegate_)
        delegate_->movieViewCellRequestPlay();
}

void NXMediaTableView::cellSettingPressed(DNCell *cell)
{
    if (delegate_)
        delegate_->movieViewCellRequestSetting(cell->nodePath());
}

void NXMediaTableView::cellChangeCurProfilePressed(DNCell *cell)
{
    if (delegate_)
        delegate_->movieViewCellRequestChangeCurrnetProfile(cell->nodePath());
}

void NXMediaTableView::cellChangeProfilePressed(DNCell *cell)
{
    if (delegate_)
        delegate_->movieViewCellRequestChangeProfile(cell->nodePath());
}

void NXMediaTableView::cellChangeTagPressed(DNCell *cell)
{
    if (delegate_)
        delegate_->movieViewCellRequestSetTag(cell->nodePath());
}

void NXMediaTableView::cellCheckStateChanged(DNCell *cell)
{
    auto title = std::dynamic_pointer_cast<DNDVDTitle>(cell->data());
    if (!title)
        return;
    title->setIsSelected(!title->isSelected());
    cell->updateCellContent();
    if (title->parent())
        if (DNCell *row = DNCell::cellOfNode(title->parent()))
            row->updateCellContent();
}

void NXMediaTableView::cellEditLoadExtSubtitle(DNCell *cell)
{
    if (delegate_)
        delegate_->movieViewCellRequestLoadSubtitle(cell->nodePath());
}

void NXMediaTableView::editRequest(DNCell *cell, int tab)
{
    if (delegate_)
        delegate_->movieViewCellRequestEdit(cell->nodePath(), tab);
}

void NXMediaTableView::cellEdit(DNCell *cell)
{
    editRequest(cell, 0);
}

void NXMediaTableView::cellEditChangeVolume(DNCell *cell)
{
    editRequest(cell, 0);
}

void NXMediaTableView::cellEditTrim(DNCell *cell)
{
    editRequest(cell, 2);
}

void NXMediaTableView::cellEditCropExpand(DNCell *cell)
{
    editRequest(cell, 3);
}

void NXMediaTableView::cellDeselectAll(DNCell *cell)
{
    Q_UNUSED(cell);
    for (const NXMediaNodePtr &top : *datasource_) {
        top->setMediaType(NXMediaTypeDVD);
        for (const NXMediaNodePtr &child : top->children())
            if (auto title = std::dynamic_pointer_cast<DNDVDTitle>(child))
                title->setIsSelected(false);
    }
    refreshAllCells();
}

void NXMediaTableView::onEditCell()
{
    if (delegate_)
        delegate_->editSelected();
}

void NXMediaTableView::onInfoOfCell()
{
    if (delegate_)
        delegate_->infoOfSelected();
}
