#include "DNFileGroupNode.h"

#include "core/model/NXMediaType.h"

DNFileGroupNode::DNFileGroupNode()
{
    recommendFirstProfileAgain();
}

std::shared_ptr<DNFileGroupNode> DNFileGroupNode::fileGroupNodeWithNodes(const QList<DNFileNodePtr> &nodes)
{
    Q_ASSERT_X(!nodes.isEmpty(), "fileGroupNodeWithNodes", "a group needs at least one member");
    auto group = std::make_shared<DNFileGroupNode>();
    for (const auto &node : nodes)
        group->children().append(node);
    group->updateGroupNodeInfo();
    group->setMediaType(NXMediaTypeFileGroup);
    for (const auto &node : nodes) {
        node->setMediaType(NXMediaTypeFileGroupMember);
        node->setParent(group.get());
        if (node->dataView())
            node->dataView()->setViewType(NXNodeViewTypeMember);
    }
    return group;
}

void DNFileGroupNode::updateGroupNodeInfo()
{
    if (children().isEmpty())
        return;
    const auto first = std::dynamic_pointer_cast<DNFileNode>(children().first());
    if (!first)
        return;
    setPath(first->path());
    initializeConfigOnDidLoadVideoInfo();
    setOutputName(nodeInfo()->displayName());
}

int DNFileGroupNode::audioChannelOfSelectTrack() const
{
    int channels = 100;
    for (const auto &child : children()) {
        const auto member = std::dynamic_pointer_cast<DNFileNode>(child);
        if (!member || member->audioTracks().isEmpty())
            continue;
        if (const auto track = member->selectedAudioTrack())
            channels = qMin(channels, track->channel);
    }
    return channels;
}
