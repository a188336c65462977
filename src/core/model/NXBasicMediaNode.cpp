#include "NXBasicMediaNode.h"

#include <atomic>

namespace {
// Ids start above 1000 so that they never collide with list indices in logs.
std::atomic<qint32> g_nodeCounter{1000};
} // namespace

NXBasicMediaNode::NXBasicMediaNode()
    : nodeID_(g_nodeCounter.fetch_add(1) + 1)
{
}

NXBasicMediaNode::~NXBasicMediaNode()
{
    for (const auto id : std::as_const(observerIds_))
        DNNotificationCenter::defaultCenter().removeObserver(id);
}

void NXBasicMediaNode::observeNotification(const QString &name, DNNotificationHandler handler,
                                           const QVariant &object)
{
    observerIds_.append(
        DNNotificationCenter::defaultCenter().addObserver(name, std::move(handler), object));
}

qint32 NXBasicMediaNode::lastNodeID()
{
    return g_nodeCounter.load();
}

void NXBasicMediaNode::setIsPlaying(bool playing)
{
    if (isPlaying_ == playing)
        return;
    isPlaying_ = playing;
    if (dataView_)
        dataView_->nodePlayingChanged(playing);
}

NXMediaNodePtr NXBasicMediaNode::childAtIndex(int index) const
{
    if (index < 0 || index >= children_.size())
        return nullptr;
    return children_.at(index);
}

bool NXBasicMediaNode::isGroupNode() const
{
    return mediaType_ == NXMediaTypeFileGroup || mediaType_ == NXMediaTypeDVD;
}

float NXBasicMediaNode::cellMaxYValueWithChildren() const
{
    const NXNodeView *view = dataView_.get();
    if (!hiddenChildren_ && !children_.isEmpty())
        view = children_.last()->dataView().get();
    if (!view)
        return 0.0f;
    const QRectF frame = view->frame();
    return float(frame.y() + frame.height());
}
