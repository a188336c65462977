#pragma once

#include "NXObjKV.h"

#include "core/model/NXBasicMediaNode.h"

// What the media-information window shows for a media-list entry: its title and the outline.
// A media file (exactly a file item, not a group) shows its stream counts, duration and every
// stream; a DVD source (exactly a DVD item) its source, title count, main title and each
// selected title with its tracks; anything else an empty outline and no title.
struct NXFloatInfoContent
{
    QString title;
    QList<NXObjKV> rows;

    static NXFloatInfoContent forNode(const NXMediaNodePtr &node);
};

// Media types the window hides for: slideshows, DVD title rows and file groups.
bool NXFloatInfoHidesForMediaType(int mediaType);
