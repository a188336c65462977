#pragma once

#include "player/MPlayerFrameReceiver.h"

#include <QObject>
#include <QPointer>
#include <QRectF>

#include <memory>

class MPlayerVideoRenderer;
class NXMPlayerOpenGLView;
class QOpenGLContext;
class QOpenGLShaderProgram;

// What a renderer tells its controller; each call is optional (the defaults do nothing) and
// arrives on the main thread.
class MPlayerVideoRendererTarget
{
public:
    virtual ~MPlayerVideoRendererTarget() = default;
    // A stream was mapped: its size is readable.
    virtual void mplayerWillStart(MPlayerVideoRenderer *) {}
    // The stream's first frame was drawn.
    virtual void mplayerDidStart(MPlayerVideoRenderer *) {}
    // The stream was unmapped.
    virtual void mplayerDidEnded(MPlayerVideoRenderer *) {}
};

// The frame receiver of the preview and online players with its drawing: it serves the player
// under its buffer name (MPlayerFrameReceiver) and draws each new frame into the controller's
// OpenGL view as a textured quad, turning the packed 4:2:2 Y'CbCr into RGB in a shader. Where
// the picture lands in the view is the controller's to say (boundsDidChangeTo).
//
// Drawing happens on the main thread in the view's repaint; the receiver's thread only copies
// frames, so a repaint never meets a buffer that a stop has unmapped.
class MPlayerVideoRenderer : public QObject
{
    Q_OBJECT
public:
    MPlayerVideoRenderer(NXMPlayerOpenGLView *view, const QString &connectionName, QObject *parent = nullptr);
    ~MPlayerVideoRenderer() override;

    void setTarget(MPlayerVideoRendererTarget *target) { target_ = target; }
    // The pixel format asked of the next stream ('yuvs' after creation, or '2vuy').
    void setPixFormat(quint32 pixelFormat);
    quint32 pixFormat() const;

    // Where the picture is drawn (view coordinates, origin at the top left) and the viewport.
    void boundsDidChangeTo(const QRectF &textureFrame, const QRectF &displayFrame);
    QRectF curTextureFrame() const { return textureFrame_; }
    QRectF curDisplayFrame() const { return displayFrame_; }
    // Draws again (after a change of geometry).
    void redraw();
    // Leaves the view black.
    void clearOpenGLContenxt();
    // Ends the receiver's thread; no later run of the player reaches this renderer.
    void terminateConnection();

    unsigned image_width() const { return unsigned(receiver_->imageWidth()); }
    unsigned image_height() const { return unsigned(receiver_->imageHeight()); }
    unsigned image_bytes() const { return unsigned(receiver_->imageBytes()); }
    float image_aspect() const { return receiver_->imageAspect(); }
    bool isRendering() const { return receiver_->isRendering(); }
    MPlayerFrameReceiver *receiver() const { return receiver_; }
    QString connectionName() const { return receiver_->connectionName(); }

    // New frames drawn since creation (a repaint of the same frame does not count).
    quint64 framesDrawn() const { return framesDrawn_; }

    // Called by the view with its context current.
    void renderOpenGL();
    void releaseGL();

private:
    void onStreamWillStart();
    void onFrameArrived();
    void onStreamDidEnd();
    bool makeGLObjects();
    void uploadFrame();

    QPointer<NXMPlayerOpenGLView> view_;
    MPlayerFrameReceiver *receiver_ = nullptr;
    MPlayerVideoRendererTarget *target_ = nullptr;
    QRectF textureFrame_;
    QRectF displayFrame_;
    bool isStarting_ = false;
    bool clearRequested_ = false;

    MPlayerFrameReceiver::Frame frame_;
    bool frameUploaded_ = false;
    quint64 framesDrawn_ = 0;

    // OpenGL objects of glContext_.
    QOpenGLContext *glContext_ = nullptr;
    std::unique_ptr<QOpenGLShaderProgram> program_;
    unsigned texture_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
};
