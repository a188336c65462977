#pragma once

#include <QtGlobal>

// The kind of a media-list entry, as stored in a node's mediaType. The numbers are part of the
// model's contract (builders and the media list compare them), so they must not be renumbered.
enum NXMediaType : qint32 {
    NXMediaTypeFile = 0,             // a media file; what every new node starts as
    NXMediaTypeGraphics = 1,         // a photo slideshow made from a photo folder
    NXMediaTypeDVD = 2,              // a DVD source (group entry: its titles are its members)
    NXMediaTypeDVDTitle = 3,         // a title of a DVD source
    NXMediaTypeDVDGroupTitle = 4,    // several DVD titles merged into one output
    NXMediaTypeFileGroup = 5,        // several media files joined into one output (group entry)
    NXMediaTypeFileGroupMember = 6,  // a media file that is a member of a file group
};
