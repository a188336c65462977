#include "player/editor/NXViewMPlayerRender.h"

#include "player/PackedYCbCr.h"

NXViewMPlayerRender::NXViewMPlayerRender(const QString &connectName, QObject *parent)
    : QObject(parent), receiver_(new MPlayerFrameReceiver(connectName, this))
{
    // The receiver signals from its own thread; connected with this object as context, every
    // event is handed to the main thread in the order it happened.
    connect(receiver_, &MPlayerFrameReceiver::streamWillStart, this, [this] {
        if (target_)
            target_->videoWillStart(this);
    });
    connect(receiver_, &MPlayerFrameReceiver::frameArrived, this, &NXViewMPlayerRender::render);
    connect(receiver_, &MPlayerFrameReceiver::streamDidEnd, this, [this] {
        if (target_)
            target_->videoWillStop(this);
    });
}

NXViewMPlayerRender::~NXViewMPlayerRender()
{
    terminateConnection();
}

void NXViewMPlayerRender::terminateConnection()
{
    receiver_->terminateConnection();
}

void NXViewMPlayerRender::render()
{
    if (!receiver_->takeLatestFrame(frame_) || !receiver_->isRendering())
        return;
    const QImage image = PackedYCbCr::imageOfFrame(frame_);
    if (!image.isNull() && target_)
        target_->videoNeedDisplay(image);
}
