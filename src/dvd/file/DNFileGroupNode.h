#pragma once

#include "dvd/file/DNFileNode.h"

// Several file items joined into one output file. The members are the node's children; the
// group takes its path and names from the first member and has its own edits, tags and profile.
class DNFileGroupNode : public DNFileNode
{
public:
    // The first profile (the last-used file profile) takes the profile's normal quality phase.
    DNFileGroupNode();
    QString className() const override { return QStringLiteral("DNFileGroupNode"); }

    // nodes must not be empty. Each member gets mediaType 6, the group as parent and, when it is
    // shown, the member-row style of its row view.
    static std::shared_ptr<DNFileGroupNode> fileGroupNodeWithNodes(const QList<DNFileNodePtr> &nodes);

    // Path and tags from the first member; output name = the display name.
    void updateGroupNodeInfo();

    // The fewest channels among the members' selected audio tracks; 100 when none has one.
    int audioChannelOfSelectTrack() const override;
};

using DNFileGroupNodePtr = std::shared_ptr<DNFileGroupNode>;
