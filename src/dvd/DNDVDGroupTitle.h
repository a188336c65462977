#pragma once

#include "dvd/DNDVDNode.h"

// The selected titles of a DVD source joined into one output: a DVD node whose titles are the
// base item's selected titles themselves (shared, their parent stays the base item).
class DNDVDGroupTitle : public DNDVDNode
{
public:
    DNDVDGroupTitle();

    // Null unless node's mergeIntoOne is set. The group takes the node's thumbnail, selected
    // title, source, a copy of its profile and its very tag record.
    static std::shared_ptr<DNDVDGroupTitle> dvdGroupTitleWithDVDNode(const std::shared_ptr<DNDVDNode> &node);

    // The item the group was made from; not owned (the media list holds it and outlives the group).
    DNDVDNode *originalDVDNode() const { return originalDVDNode_; }
    void setOriginalDVDNode(DNDVDNode *v) { originalDVDNode_ = v; }
    QString outputName() const { return outputName_; }
    void setOutputName(const QString &v) { outputName_ = v; }

private:
    DNDVDNode *originalDVDNode_ = nullptr;
    QString outputName_;
};

using DNDVDGroupTitlePtr = std::shared_ptr<DNDVDGroupTitle>;
