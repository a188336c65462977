#pragma once

#include "core/model/NXBasicMediaNode.h"
#include "core/model/NXMediaPath.h"

#include <QStringList>

class DNCell;

// What the media list asks of its owner (the main window controller). The first two are
// required: the list cannot show an entry without a row and its height. The others are requests
// a row passes on; an owner that does not take one keeps the default, which does nothing.
class NXMediaTableViewDelegate
{
public:
    virtual ~NXMediaTableViewDelegate() = default;

    // The height of the entry's row (despite the name, the argument is the entry).
    virtual float cellHeightForNodePath(const NXMediaNodePtr &node) = 0;
    // A new row for the entry, or null when the entry gets none.
    virtual DNCell *needNodeCellForNode(const NXMediaNodePtr &node) = 0;

    virtual void movieViewCellRequestPlay() {}
    virtual void movieViewCellRequestSetting(const NXMediaPath &) {}
    virtual void movieViewCellRequestChangeCurrnetProfile(const NXMediaPath &) {}
    virtual void movieViewCellRequestChangeProfile(const NXMediaPath &) {}
    virtual void movieViewCellRequestSetTag(const NXMediaPath &) {}
    virtual void movieViewCellRequestLoadSubtitle(const NXMediaPath &) {}
    virtual void movieViewCellRequestEdit(const NXMediaPath &, int tabIndex) { Q_UNUSED(tabIndex); }
    virtual void editSelected() {}
    virtual void infoOfSelected() {}
    virtual void mergerSelected() {}
    // kind 1 disc, 2 DVD folder, 3 ISO image (the empty list's three buttons).
    virtual void movieViewWantAddDVDTypeMedia(int kind) { Q_UNUSED(kind); }
    // kind 1 media files, 2 DVD folders, 3 ISO images, 4 photo folders.
    virtual void movieViewDragedFilesEntered(const QStringList &paths, int kind)
    {
        Q_UNUSED(paths);
        Q_UNUSED(kind);
    }
};
