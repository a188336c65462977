#pragma once

#include <QRectF>

// The looks of a row view: an entry of its own, or a member of a group.
enum NXNodeViewType { NXNodeViewTypeEntry = 0, NXNodeViewTypeMember = 1 };

// What the core needs of the row view that shows a node. The media list's row widgets
// implement it (usually through a small adapter that also guards against the widget's
// deletion); the core never sees a widget type.
class NXNodeView
{
public:
    virtual ~NXNodeView() = default;

    // The row's frame in the media list's coordinates (y grows downwards, so the bottom edge
    // is y + height).
    virtual QRectF frame() const = 0;

    // The node's isPlaying changed; the row redraws its playing mark. Called on the thread
    // that changed the node (the main thread once the node is in the list).
    virtual void nodePlayingChanged(bool playing) { Q_UNUSED(playing); }

    // The node's thumbnail changed (it arrives after the row was made, a cover found later);
    // called on the main thread.
    virtual void nodeThumbnailChanged() {}
    // A value the row's texts show changed (which title the row addresses, the merge switch).
    virtual void nodeContentChanged() {}

    // The node became a member of a group (or an entry again); the row takes that style.
    virtual void setViewType(int type) { Q_UNUSED(type); }
};
