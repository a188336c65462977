#include "DNNodeInfo.h"

void DNNodeInfo::applyTagsFrom(const DNNodeInfo &other)
{
    displayName_ = other.displayName_;
    artist_ = other.artist_;
    genre_ = other.genre_;
    comments_ = other.comments_;
}
