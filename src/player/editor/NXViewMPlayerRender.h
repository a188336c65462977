#pragma once

#include "player/MPlayerFrameReceiver.h"

#include <QImage>
#include <QObject>
#include <QString>

class NXViewMPlayerRender;

// What the editor's frame receiver tells its target, on the main thread, in the order things
// happen. Each call is optional.
class NXViewMPlayerRenderDelegate
{
public:
    virtual ~NXViewMPlayerRenderDelegate() = default;
    // A stream was mapped: imageWidth and imageHeight are its frame size.
    virtual void videoWillStart(NXViewMPlayerRender *) {}
    // The stream ended.
    virtual void videoWillStop(NXViewMPlayerRender *) {}
    // A new frame, as an RGB image of the stream's frame size. The image shares nothing with the
    // receiver: a target may keep it as long as it likes.
    virtual void videoNeedDisplay(const QImage &) {}
};

// The editor's frame receiver: it serves the player under its buffer name with the receiver the
// preview's renderer uses too (MPlayerFrameReceiver), draws nothing itself, and hands each new
// frame to its target as an image. Frames that arrive faster than the main thread takes them are
// skipped: the target always gets the newest.
class NXViewMPlayerRender : public QObject
{
    Q_OBJECT
public:
    explicit NXViewMPlayerRender(const QString &connectName, QObject *parent = nullptr);
    ~NXViewMPlayerRender() override;

    // Ends the receiver's thread; no later run of the player reaches this receiver.
    void terminateConnection();

    unsigned imageWidth() const { return unsigned(receiver_->imageWidth()); }
    unsigned imageHeight() const { return unsigned(receiver_->imageHeight()); }
    // The display aspect of the stream (its hundredths / 100).
    float imageAspect() const { return receiver_->imageAspect(); }
    bool isRendering() const { return receiver_->isRendering(); }

    // The pixel format asked of the next stream ('yuvs' after creation, or '2vuy').
    void setPixFormat(quint32 pixelFormat) { receiver_->setPixFormat(pixelFormat); }
    quint32 pixFormat() const { return receiver_->pixFormat(); }

    NXViewMPlayerRenderDelegate *target() const { return target_; }
    void setTarget(NXViewMPlayerRenderDelegate *target) { target_ = target; }

    QString connectionName() const { return receiver_->connectionName(); }
    MPlayerFrameReceiver *receiver() const { return receiver_; }

private:
    void render();

    MPlayerFrameReceiver *receiver_ = nullptr;
    NXViewMPlayerRenderDelegate *target_ = nullptr;
    MPlayerFrameReceiver::Frame frame_;
};
