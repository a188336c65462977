// Tree changes of the media list: adding, removing, clearing, collapsing, expanding and
// exchanging rows, each animated (blocking) and followed by a layout pass.
#include "NXMediaTableView.h"

#include "DNCell.h"

#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "dvd/DNDVDNode.h"

#include <QGraphicsOpacityEffect>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScrollBar>

DNCell *NXMediaTableView::makeRow(const NXMediaNodePtr &node, int y)
{
    if (!delegate_)
        return nullptr;
    DNCell *row = delegate_->needNodeCellForNode(node);
    if (!row)
        return nullptr;
    const int height = int(delegate_->cellHeightForNodePath(node));
    row->setParent(document_);
    row->setGeometry(0, y, rowWidth(), height);
    node->setDataView(row->nodeView());
    row->show();
    return row;
}

void NXMediaTableView::retireRow(NXBasicMediaNode *node)
{
    if (DNCell *row = DNCell::cellOfNode(node)) {
        dropFromSelection(row);
        row->hide();
        row->setHostTable(nullptr);
        row->deleteLater();
    }
    node->setDataView(nullptr);
}

void NXMediaTableView::dropFromSelection(DNCell *cell)
{
    for (int i = selectCell_.size() - 1; i >= 0; --i)
        if (selectCell_.at(i).isNull() || selectCell_.at(i) == cell)
            selectCell_.removeAt(i);
}

void NXMediaTableView::fade(const QList<DNCell *> &cells, bool in, bool linear)
{
    if (cells.isEmpty())
        return;
    auto *group = new QParallelAnimationGroup;
    QList<QGraphicsOpacityEffect *> effects;
    for (DNCell *row : cells) {
        auto *effect = new QGraphicsOpacityEffect(row);
        effect->setOpacity(in ? 0.0 : 1.0);
        row->setGraphicsEffect(effect);
        effects << effect;
        auto *anim = new QPropertyAnimation(effect, "opacity");
        anim->setDuration(animationDurationMs());
        anim->setEasingCurve(linear ? QEasingCurve::Linear : QEasingCurve::InOutQuad);
        anim->setStartValue(in ? 0.0 : 1.0);
        anim->setEndValue(in ? 1.0 : 0.0);
        group->addAnimation(anim);
    }
    runBlocking(group);
    delete group;
    if (in) {
        for (DNCell *row : cells)
            row->setGraphicsEffect(nullptr);
    }
}

void NXMediaTableView::addMovieNode(const NXMediaNodePtr &node)
{
    if (node)
        addMovieNodes({node});
}

void NXMediaTableView::addMovieNodes(const NXMediaNodeList &nodes)
{
    if (nodes.isEmpty())
        return;
    if (datasource_->isEmpty()) {
        document_->setEnableStickCell(true);
        postAmount(true);
    } else {
        document_->setEnableStickCell(false);
        repostionAllCellViewsWithoutAnimation();
    }
    animationWithType(AnimAdd, nodes, {});
}

void NXMediaTableView::insertMovieNode(const NXMediaNodePtr &node, NXMediaPath path)
{
    if (!node)
        return;
    if (path.mainIndex() >= datasource_->size()) {
        addMovieNode(node);
        return;
    }
    scrollViewToNodePath(path);
    if (path.childIndex() >= 0) {
        const NXMediaNodePtr &parent = datasource_->at(qMax(0, path.mainIndex()));
        node->setParent(parent.get());
        auto &children = parent->children();
        if (path.childIndex() < children.size())
            children.insert(path.childIndex(), node);
        else
            children.append(node);
        parent->setMediaType(NXMediaTypeFileGroup);
        node->setMediaType(NXMediaTypeFileGroupMember);
    } else {
        datasource_->insert(qMax(0, path.mainIndex()), node);
    }
}

void NXMediaTableView::insertMovieNodes(const NXMediaNodeList &nodes, const QList<NXMediaPath> &paths)
{
    Q_ASSERT_X(nodes.size() == paths.size(), "insertMovieNodes", "paths count != mnode count");
    if (nodes.size() != paths.size()) {
        DNRoughLog(QStringLiteral("paths count != mnode count"));
        return;
    }
    for (int i = 0; i < nodes.size(); ++i)
        insertMovieNode(nodes.at(i), paths.at(i));
}

void NXMediaTableView::removeNodeAtPath(const NXMediaPath &path)
{
    animationWithType(AnimRemove, {}, {path});
}

void NXMediaTableView::removeNodeAtPaths(const QList<NXMediaPath> &paths)
{
    animationWithType(AnimRemove, {}, paths);
}

void NXMediaTableView::removeNode(const NXMediaNodePtr &node)
{
    animationWithType(AnimRemove, {node}, {});
}

void NXMediaTableView::clearAll()
{
    if (!datasource_->isEmpty())
        animationWithType(AnimClear, {}, {});
    selecedDVDNode_.reset();
}

void NXMediaTableView::hiddenGroupForType(int mediaType)
{
    const NXMediaNodeList entries = *datasource_;
    for (const NXMediaNodePtr &entry : entries) {
        if (entry->mediaType() != mediaType)
            continue;
        if (DNCell *row = DNCell::cellOfNode(entry.get()))
            hiddenGroupChildrenAtMoviePath(row->nodePath());
    }
}

void NXMediaTableView::animationWithType(int type, const NXMediaNodeList &nodes, const QList<NXMediaPath> &paths)
{
    const QRect visible = visibleRect();
    auto visibleRow = [&](NXBasicMediaNode *node) -> DNCell * {
        DNCell *row = DNCell::cellOfNode(node);
        return row && !row->isHidden() && isRowVisible(row->geometry(), visible) ? row : nullptr;
    };

    if (type == AnimAdd) {
        if (nodes.isEmpty()) {
            DNRoughLog(QStringLiteral("nodes can not be nil"));
            return;
        }
        int y = 0;
        if (!datasource_->isEmpty()) {
            const NXMediaNodePtr &last = datasource_->last();
            y = int(last->cellMaxYValueWithChildren());
        }
        const QRect strip(0, visible.y() - 80, rowWidth(), 80);
        auto *group = new QParallelAnimationGroup;
        for (const NXMediaNodePtr &node : nodes) {
            DNCell *row = makeRow(node, y);
            if (row) {
                y += row->height();
                auto *slide = new QPropertyAnimation(row, "geometry");
                slide->setDuration(animationDurationMs());
                slide->setEasingCurve(QEasingCurve::InOutQuad);
                slide->setStartValue(strip);
                slide->setEndValue(row->geometry());
                group->addAnimation(slide);
            }
            for (const NXMediaNodePtr &child : node->children()) {
                child->setParent(node.get());
                if (DNCell *childRow = makeRow(child, y)) {
                    y += childRow->height();
                    childRow->setHidden(node->isHiddenChildren());
                    if (row)
                        childRow->stackUnder(row);
                }
            }
        }
        datasource_->append(nodes);
        scrollViewToTopOrBottom(false);
        refreshView();
        if (group->animationCount() > 0)
            runBlocking(group);
        delete group;
        const NXMediaNodePtr &last = datasource_->last();
        if (auto dvd = std::dynamic_pointer_cast<DNDVDNode>(last)) {
            if (DNCell *row = DNCell::cellOfNode(dvd.get()))
                scrollViewToNodePath(NXMediaPath(row->MainOrder(), dvd->titleSelected()));
        }
        postAmount(true);
        refreshView();
        return;
    }

    if (type == AnimClear || type == AnimRemove) {
        NXMediaNodeList entries;
        if (type == AnimClear) {
            entries = *datasource_;
        } else if (!nodes.isEmpty()) {
            entries = nodes;
        } else {
            for (const NXMediaPath &path : paths)
                if (NXMediaNodePtr node = mediaNodeAtPath(path); node && path.childIndex() < 0)
                    entries << node;
        }
        QList<DNCell *> fading;
        for (const NXMediaNodePtr &entry : entries) {
            if (DNCell *row = visibleRow(entry.get()))
                fading << row;
            for (const NXMediaNodePtr &child : entry->children()) {
                if (DNCell *row = visibleRow(child.get())) {
                    if (child->mediaType() == NXMediaTypeDVDTitle)
                        row->hide();
                    else
                        fading << row;
                }
            }
        }
        fade(fading, false);

        const int selectedBefore = int(selectCell_.size());
        for (const NXMediaNodePtr &entry : entries) {
            retireRow(entry.get());
            for (const NXMediaNodePtr &child : entry->children())
                retireRow(child.get());
            if (selecedDVDNode_.lock() == entry)
                selecedDVDNode_.reset();
        }
        if (type == AnimClear) {
            datasource_->clear();
            refreshView();
            DNNotificationCenter::defaultCenter().postNotification(
                QStringLiteral("NXMediaTableViewDidClearViewNotification_"));
            if (selectedBefore > 0) {
                selectCell_.clear();
                postSelectionChanged(true);
            }
            postAmount(false);
            return;
        }
        for (const NXMediaNodePtr &entry : entries)
            datasource_->removeAll(entry);
        refreshViewWithNeedResetFrame(true);
        if (selectCell_.size() != selectedBefore)
            postSelectionChanged(true);
        postAmount(!datasource_->isEmpty());
        return;
    }

    if (type == AnimRemoveChildren)
        removeGroupMembers(paths);
    else if (type == AnimMerge)
        mergeIntoNewGroup(nodes);
}

void NXMediaTableView::showGroupChildrenAtMoviePath(const NXMediaPath &path)
{
    const NXMediaNodePtr group = mediaNodeAtPath(path);
    if (!group || !group->isGroupNode()) {
        DNRoughLog(QStringLiteral("this is not group node"));
        return;
    }
    group->setHiddenChildren(false);
    refreshViewWithNeedResetFrame(true);
    const QRect visible = visibleRect();
    QList<DNCell *> fading;
    for (const NXMediaNodePtr &child : group->children()) {
        DNCell *row = DNCell::cellOfNode(child.get());
        if (row && child->mediaType() != NXMediaTypeDVDTitle && isRowVisible(row->geometry(), visible))
            fading << row;
    }
    for (const NXMediaNodePtr &child : group->children())
        if (DNCell *row = DNCell::cellOfNode(child.get()))
            row->show();
    fade(fading, true);
    if (DNCell *row = DNCell::cellOfNode(group.get()))
        row->setIsOpenup(true);
}

void NXMediaTableView::hiddenGroupChildrenAtMoviePath(const NXMediaPath &path)
{
    const NXMediaNodePtr group = mediaNodeAtPath(path);
    if (!group || !group->isGroupNode())
        return;
    const QRect visible = visibleRect();
    QList<DNCell *> fading;
    for (const NXMediaNodePtr &child : group->children()) {
        DNCell *row = DNCell::cellOfNode(child.get());
        if (row && !row->isHidden() && child->mediaType() != NXMediaTypeDVDTitle
            && isRowVisible(row->geometry(), visible))
            fading << row;
    }
    fade(fading, false);
    for (const NXMediaNodePtr &child : group->children()) {
        if (DNCell *row = DNCell::cellOfNode(child.get())) {
            row->hide();
            row->setGraphicsEffect(nullptr);
        }
    }
    group->setHiddenChildren(true);
    if (DNCell *row = DNCell::cellOfNode(group.get()))
        row->setIsOpenup(false);
    refreshViewWithNeedResetFrame(true);
}

void NXMediaTableView::exchangeMovieNodeAt(const NXMediaPath &a, const NXMediaPath &b)
{
    const NXMediaNodePtr first = mediaNodeAtPath(a);
    const NXMediaNodePtr second = mediaNodeAtPath(b);
    if (!first || !second)
        return;
    DNCell *rowA = DNCell::cellOfNode(first.get());
    DNCell *rowB = DNCell::cellOfNode(second.get());
    auto swapFrames = [&] {
        if (!rowA || !rowB)
            return;
        auto *group = new QParallelAnimationGroup;
        for (auto [row, to] : {std::pair{rowA, rowB->geometry()}, std::pair{rowB, rowA->geometry()}}) {
            auto *anim = new QPropertyAnimation(row, "geometry");
            anim->setDuration(animationDurationMs());
            anim->setEasingCurve(QEasingCurve::InOutQuad);
            anim->setStartValue(row->geometry());
            anim->setEndValue(to);
            group->addAnimation(anim);
        }
        runBlocking(group);
        delete group;
    };
    const bool topLevel = a.childIndex() < 0 && b.childIndex() < 0;
    if (topLevel && first->children().isEmpty() && second->children().isEmpty()) {
        swapFrames();
        datasource_->swapItemsAt(a.mainIndex(), b.mainIndex());
        if (rowA)
            rowA->setMainOrder(b.mainIndex());
        if (rowB)
            rowB->setMainOrder(a.mainIndex());
    } else if (topLevel) {
        datasource_->swapItemsAt(a.mainIndex(), b.mainIndex());
        if (rowA)
            rowA->setMainOrder(b.mainIndex());
        if (rowB)
            rowB->setMainOrder(a.mainIndex());
        refreshViewWithNeedResetFrame(true);
    } else if (a.childIndex() >= 0 && b.childIndex() >= 0 && first->parent() == second->parent()
               && first->parent()) {
        swapFrames();
        first->parent()->children().swapItemsAt(a.childIndex(), b.childIndex());
        if (rowA)
            rowA->setChildOrder(b.childIndex());
        if (rowB)
            rowB->setChildOrder(a.childIndex());
    }
}
