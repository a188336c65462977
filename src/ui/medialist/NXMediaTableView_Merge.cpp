// File groups in the media list: merging plain files into a new or an existing group, removing
// members, and dissolving a group back into single rows. Each change updates the tree, restyles
// the rows concerned and runs an animated layout pass.
#include "NXMediaTableView.h"

#include "DNCell.h"
#include "DNGroupCell.h"

#include "core/log/DNLogger.h"
#include "dvd/file/DNFileGroupNode.h"

namespace {
// A file that stands on its own in the list (not a group, not a member).
DNFileNodePtr plainFile(const NXMediaNodePtr &node)
{
    return node && node->mediaType() == NXMediaTypeFile ? std::dynamic_pointer_cast<DNFileNode>(node) : nullptr;
}

// member joins group: a member's row is drawn indented, without its own output column.
void makeMember(const NXMediaNodePtr &member, NXBasicMediaNode *group)
{
    member->setMediaType(NXMediaTypeFileGroupMember);
    member->setParent(group);
    if (DNCell *row = DNCell::cellOfNode(member.get()))
        row->setType(1);
}

// A member of a collapsed group has a hidden row; show says whether it appears at once.
void makePlainFile(const NXMediaNodePtr &member, bool show)
{
    member->setParent(nullptr);
    member->setMediaType(NXMediaTypeFile);
    if (DNCell *row = DNCell::cellOfNode(member.get())) {
        row->setType(0);
        if (show)
            row->show();
    }
}
}

void NXMediaTableView::refreshGroupRow(NXBasicMediaNode *group)
{
    DNCell *row = DNCell::cellOfNode(group);
    if (auto *groupRow = qobject_cast<DNGroupCell *>(row))
        groupRow->updateGroupIcons();
    else if (row)
        row->updateCellContent();
}

void NXMediaTableView::mergeMovieNodes(const NXMediaNodeList &nodes)
{
    animationWithType(AnimMerge, nodes, {});
}

void NXMediaTableView::mergeIntoNewGroup(const NXMediaNodeList &nodes)
{
    // Only files of their own can join: a group, a member or a DVD source stays where it is.
    QList<DNFileNodePtr> files;
    for (const NXMediaNodePtr &node : nodes)
        if (DNFileNodePtr file = plainFile(node); file && datasource_->contains(node))
            files << file;
    if (files.isEmpty())
        return;
    const std::optional<NXMediaPath> first = pathForMediaNode(files.first().get());
    const int mainIndex = first ? first->mainIndex() : 0;

    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(files);
    for (const DNFileNodePtr &file : files)
        makeMember(file, group.get());
    if (DNCell *row = makeRow(group, 0))
        row->move(0, -row->height());

    insertMovieNode(group, NXMediaPath(mainIndex, -1));
    for (const DNFileNodePtr &file : files)
        datasource_->removeAll(file);
    unselectMovieViewCell();
    // The group's row slides down from above into the first file's place, its members beneath.
    refreshViewWithNeedResetFrame(true);
}

void NXMediaTableView::mergeMovieNodes(const NXMediaNodeList &nodes, const NXMediaPath &groupPath)
{
    const NXMediaNodePtr group = mediaNodeAtPath(groupPath);
    if (!group || groupPath.childIndex() >= 0 || group->mediaType() != NXMediaTypeFileGroup)
        return;
    bool moved = false;
    for (const NXMediaNodePtr &node : nodes) {
        if (!plainFile(node) || !datasource_->contains(node))
            continue;
        makeMember(node, group.get());
        group->children().append(node);
        datasource_->removeAll(node);
        moved = true;
    }
    if (!moved)
        return;
    // The moved rows are members now; a selection of files would no longer match them.
    unselectMovieViewCell();
    refreshGroupRow(group.get());
    refreshViewWithNeedResetFrame(true);
}

void NXMediaTableView::removeChildNodeAtPaths(const QList<NXMediaPath> &paths)
{
    animationWithType(AnimRemoveChildren, {}, paths);
}

void NXMediaTableView::removeGroupMembers(const QList<NXMediaPath> &paths)
{
    if (paths.isEmpty()) {
        DNRoughLog(QStringLiteral("no path of node to remove while remove children"));
        return;
    }
    NXMediaPath last = paths.last();
    const NXMediaNodePtr parent = mediaNodeAtPath(NXMediaPath(last.mainIndex(), -1));
    if (!parent)
        return;
    // Members of this one entry only: a path into another group would leave that group holding a
    // member without a row.
    NXMediaNodeList members;
    for (const NXMediaPath &path : paths) {
        if (path.mainIndex() != last.mainIndex() || path.childIndex() < 0)
            continue;
        if (NXMediaNodePtr node = mediaNodeAtPath(path); node && !members.contains(node))
            members << node;
    }
    if (members.isEmpty())
        return;

    const QRect visible = visibleRect();
    QList<DNCell *> fading;
    for (const NXMediaNodePtr &member : members) {
        DNCell *row = DNCell::cellOfNode(member.get());
        if (row && !row->isHidden() && isRowVisible(row->geometry(), visible))
            fading << row;
    }
    fade(fading, false, true);
    for (const NXMediaNodePtr &member : members) {
        retireRow(member.get());
        parent->children().removeAll(member);
        member->setParent(nullptr);
    }

    const qsizetype left = parent->children().size();
    if (left == 0) {
        retireRow(parent.get());
        datasource_->removeAll(parent);
    } else if (left == 1 && parent->mediaType() == NXMediaTypeFileGroup) {
        // A file group of one member is no group: the member takes the group's place.
        last.setChildIndex(-1);
        const NXMediaNodePtr member = parent->children().takeFirst();
        makePlainFile(member, true);
        insertMovieNode(member, last);
        retireRow(parent.get());
        datasource_->removeAll(parent);
    } else {
        refreshGroupRow(parent.get());
    }
    refreshViewWithNeedResetFrame(true);
}

void NXMediaTableView::ungroupMergedGroup(const NXMediaPath &path)
{
    const NXMediaNodePtr group = mediaNodeAtPath(path);
    if (!group || path.childIndex() >= 0 || group->mediaType() != NXMediaTypeFileGroup)
        return;
    // From the last member to the first, each inserted at the group's place: the members end up
    // in their order where the group was, the group after them.
    const NXMediaNodeList members = group->children();
    for (auto it = members.crbegin(); it != members.crend(); ++it) {
        makePlainFile(*it, false);
        insertMovieNode(*it, path);
    }
    group->children().clear();

    const bool collapsed = group->isHiddenChildren();
    DNCell *groupRow = DNCell::cellOfNode(group.get());
    const bool groupRowSelected = groupRow && viewSelectedCell().contains(groupRow);
    retireRow(group.get());
    datasource_->removeAll(group);
    refreshViewWithNeedResetFrame(true);

    if (collapsed) {
        QList<DNCell *> rows;
        for (const NXMediaNodePtr &member : members) {
            if (DNCell *row = DNCell::cellOfNode(member.get())) {
                row->show();
                rows << row;
            }
        }
        fade(rows, true);
    }
    if (selectedType_ == KindGroupMembers) {
        selectedType_ = KindFiles;
        postSelectionChanged(true);
    } else if (groupRowSelected) {
        // The selected group is gone: the selection changed too.
        postSelectionChanged(true);
    }
}

void NXMediaTableView::cellUpGroup(DNCell *cell)
{
    if (!cell)
        return;
    const NXMediaNodePtr top = mediaNodeAtPath(cell->fatherNodePath());
    if (top && top->isGroupNode())
        ungroupMergedGroup(cell->nodePath());
}

void NXMediaTableView::onMergeCell()
{
    if (delegate_)
        delegate_->mergerSelected();
}
