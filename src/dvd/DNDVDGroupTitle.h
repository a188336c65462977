#pragma once

#include "core/util/DNGuardedValue.h"
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
    // Set by the conversion on its worker thread while the progress sheet reads it.
    QString outputName() const { return outputName_.get(); }
    void setOutputName(const QString &v) { outputName_.set(v); }

private:
    DNDVDNode *originalDVDNode_ = nullptr;
    DNGuardedValue<QString> outputName_;
};

using DNDVDGroupTitlePtr = std::shared_ptr<DNDVDGroupTitle>;
