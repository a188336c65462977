// Merging plain files into a file group. A small form: the tree changes and a layout pass,
// without the group row's own animation.
#include "NXMediaTableView.h"

#include "DNCell.h"

#include "core/model/NXMediaType.h"
#include "dvd/file/DNFileGroupNode.h"

void NXMediaTableView::mergeMovieNodes(const NXMediaNodeList &nodes)
{
    QList<DNFileNodePtr> files;
    for (const NXMediaNodePtr &node : nodes)
        if (auto file = std::dynamic_pointer_cast<DNFileNode>(node); file && datasource_->contains(node))
            files << file;
    if (files.isEmpty())
        return;
    const qsizetype place = datasource_->indexOf(files.first());
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(files);
    for (const DNFileNodePtr &file : files)
        if (DNCell *row = DNCell::cellOfNode(file.get()))
            row->setType(1);
    if (DNCell *row = makeRow(group, 0))
        row->move(0, -row->height());
    datasource_->insert(place, group);
    scrollViewToNodePath(NXMediaPath(int(place), -1));
    for (const DNFileNodePtr &file : files)
        datasource_->removeAll(file);
    unselectMovieViewCell();
    refreshViewWithNeedResetFrame(true);
}

void NXMediaTableView::mergeMovieNodes(const NXMediaNodeList &nodes, const NXMediaPath &groupPath)
{
    const NXMediaNodePtr group = mediaNodeAtPath(groupPath);
    if (!group || group->mediaType() != NXMediaTypeFileGroup)
        return;
    for (const NXMediaNodePtr &node : nodes) {
        if (node->mediaType() != NXMediaTypeFile || !datasource_->contains(node))
            continue;
        node->setMediaType(NXMediaTypeFileGroupMember);
        node->setParent(group.get());
        if (DNCell *row = DNCell::cellOfNode(node.get()))
            row->setType(1);
        group->children().append(node);
        datasource_->removeAll(node);
    }
    if (DNCell *row = DNCell::cellOfNode(group.get()))
        row->updateCellContent();
    refreshViewWithNeedResetFrame(true);
}
