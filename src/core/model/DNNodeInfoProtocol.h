#pragma once

#include "DNNodeInfo.h"

// The output-tag pair every convertible item answers (file items, DVD sources, slideshows):
// the tag sheet and "apply to all" go through it.
class DNNodeInfoProtocol
{
public:
    virtual ~DNNodeInfoProtocol() = default;

    // The record the item's output uses (the item's own, edited in place).
    virtual DNNodeInfoPtr nodeInfoOfSelectTrack() const = 0;
    // Takes the tags of info and keeps the item's own output name.
    virtual void setNodeInfoOfSelectTrack(const DNNodeInfo &info) = 0;
};
