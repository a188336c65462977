#include "dvd/DNDVDGroupTitle.h"

DNDVDGroupTitle::DNDVDGroupTitle()
{
    setMediaType(NXMediaTypeDVDGroupTitle);
}

std::shared_ptr<DNDVDGroupTitle> DNDVDGroupTitle::dvdGroupTitleWithDVDNode(const std::shared_ptr<DNDVDNode> &node)
{
    if (!node || !node->mergeIntoOne())
        return nullptr;
    auto group = std::make_shared<DNDVDGroupTitle>();
    group->setThumbnail(node->thumbnail());
    group->setTitleSelected(node->titleSelected());
    group->setSourceInfo(node->sourceInfo());
    group->setProfile(node->profile());
    group->setNodeInfo(node->nodeInfo());
    group->setMergeIntoOne(true);
    group->setOriginalDVDNode(node.get());
    for (const DNDVDTitlePtr &title : node->titles())
        if (title->isSelected())
            group->appendTitle(title);
    return group;
}
