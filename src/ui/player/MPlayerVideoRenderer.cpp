#include "MPlayerVideoRenderer.h"

#include "NXMPlayerOpenGLView.h"

#include "player/PackedYCbCr.h"
#include "playerchannel/MPlayerOSXVOWire.h"

#include <QGenericMatrix>
#include <QMetaObject>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>

namespace {
const char *const kVertexShader = R"(
attribute vec2 position;
attribute vec2 texturePosition;
varying vec2 at;
void main()
{
    at = texturePosition;
    gl_Position = vec4(position, 0.0, 1.0);
}
)";

// Packed 4:2:2 arrives as one RGBA texel per pixel pair: 'yuvs' holds Y0 Cb Y1 Cr, '2vuy'
// Cb Y0 Cr Y1. Studio-range Y'CbCr to RGB with the matrix the frame height suggests
// (PackedYCbCr).
const char *const kFragmentShader = R"(
#ifdef GL_ES
precision highp float;
#endif
uniform sampler2D frame;
uniform float lumaWidth;
uniform float cbFirst;
uniform mat3 toRGB;
varying vec2 at;
void main()
{
    float x = at.x * lumaWidth;
    float pair = floor(x / 2.0);
    float odd = mod(floor(x), 2.0);
    vec4 t = texture2D(frame, vec2((pair + 0.5) / (lumaWidth / 2.0), at.y));
    float y0 = mix(t.r, t.g, cbFirst);
    float y1 = mix(t.b, t.a, cbFirst);
    float cb = mix(t.g, t.r, cbFirst);
    float cr = mix(t.a, t.b, cbFirst);
    float y = mix(y0, y1, odd);
    vec3 yuv = vec3((y - 16.0 / 255.0) * (255.0 / 219.0), (cb - 128.0 / 255.0) * (255.0 / 224.0),
                    (cr - 128.0 / 255.0) * (255.0 / 224.0));
    gl_FragColor = vec4(clamp(toRGB * yuv, 0.0, 1.0), 1.0);
}
)";

// The Y'CbCr -> R'G'B' matrix of a frame of that height, as the shader's mat3.
QMatrix3x3 toRGBForHeight(int height)
{
    const PackedYCbCr::Matrix &m = PackedYCbCr::matrixForHeight(height);
    const float rows[9] = {1.0f, 0.0f, m.crToRed, 1.0f, m.cbToGreen, m.crToGreen, 1.0f, m.cbToBlue, 0.0f};
    return QMatrix3x3(rows);
}
} // namespace

MPlayerVideoRenderer::MPlayerVideoRenderer(NXMPlayerOpenGLView *view, const QString &connectionName,
                                           QObject *parent)
    : QObject(parent), view_(view), receiver_(new MPlayerFrameReceiver(connectionName, this))
{
    connect(receiver_, &MPlayerFrameReceiver::streamWillStart, this, &MPlayerVideoRenderer::onStreamWillStart);
    connect(receiver_, &MPlayerFrameReceiver::frameArrived, this, &MPlayerVideoRenderer::onFrameArrived);
    connect(receiver_, &MPlayerFrameReceiver::streamDidEnd, this, &MPlayerVideoRenderer::onStreamDidEnd);
    if (view_)
        view_->setRenderer(this);
}

MPlayerVideoRenderer::~MPlayerVideoRenderer()
{
    terminateConnection();
    if (view_ && view_->renderer() == this)
        view_->setRenderer(nullptr);
}

void MPlayerVideoRenderer::setPixFormat(quint32 pixelFormat)
{
    receiver_->setPixFormat(pixelFormat);
}

quint32 MPlayerVideoRenderer::pixFormat() const
{
    return receiver_->pixFormat();
}

void MPlayerVideoRenderer::boundsDidChangeTo(const QRectF &textureFrame, const QRectF &displayFrame)
{
    textureFrame_ = textureFrame;
    displayFrame_ = displayFrame;
    if (view_)
        view_->update();
}

void MPlayerVideoRenderer::redraw()
{
    if (view_)
        view_->update();
}

void MPlayerVideoRenderer::clearOpenGLContenxt()
{
    clearRequested_ = true;
    if (view_)
        view_->update();
}

void MPlayerVideoRenderer::terminateConnection()
{
    receiver_->terminateConnection();
}

void MPlayerVideoRenderer::onStreamWillStart()
{
    textureFrame_ = QRectF(0, 0, receiver_->imageWidth(), receiver_->imageHeight());
    isStarting_ = false;
    frameUploaded_ = false;
    if (target_)
        target_->mplayerWillStart(this);
}

void MPlayerVideoRenderer::onFrameArrived()
{
    if (receiver_->takeLatestFrame(frame_)) {
        frameUploaded_ = false;
        clearRequested_ = false;
    }
    if (view_)
        view_->update();
}

void MPlayerVideoRenderer::onStreamDidEnd()
{
    clearOpenGLContenxt();
    if (target_)
        target_->mplayerDidEnded(this);
}

bool MPlayerVideoRenderer::makeGLObjects()
{
    QOpenGLContext *current = QOpenGLContext::currentContext();
    if (!current)
        return false;
    if (current != glContext_) {
        // The objects of another (gone) context are not ours to delete here.
        program_.reset();
        texture_ = 0;
        textureWidth_ = textureHeight_ = 0;
        frameUploaded_ = false;
        glContext_ = current;
    }
    if (program_)
        return true;
    auto program = std::make_unique<QOpenGLShaderProgram>();
    if (!program->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
        !program->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader) ||
        !program->link())
        return false;
    program_ = std::move(program);
    current->functions()->glGenTextures(1, &texture_);
    return true;
}

void MPlayerVideoRenderer::uploadFrame()
{
    QOpenGLFunctions *gl = glContext_->functions();
    const int pairs = frame_.width / 2;
    gl->glBindTexture(GL_TEXTURE_2D, texture_);
    gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (pairs != textureWidth_ || frame_.height != textureHeight_) {
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pairs, frame_.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         frame_.pixels.data());
        textureWidth_ = pairs;
        textureHeight_ = frame_.height;
    } else {
        gl->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, pairs, frame_.height, GL_RGBA, GL_UNSIGNED_BYTE,
                            frame_.pixels.data());
    }
    frameUploaded_ = true;
}

void MPlayerVideoRenderer::renderOpenGL()
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (!context)
        return;
    QOpenGLFunctions *gl = context->functions();
    const qreal ratio = view_ ? view_->devicePixelRatioF() : 1.0;
    const int viewHeight = view_ ? int(view_->height() * ratio) : 0;
    const QRect viewport(int(displayFrame_.x()), int(displayFrame_.y()), int(displayFrame_.width()),
                         int(displayFrame_.height()));
    gl->glClearColor(0, 0, 0, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);

    const bool drawable = receiver_->isRendering() && !clearRequested_ && frame_.width >= 2 &&
                          frame_.bytesPerPixel == 2 && frame_.pixels.size() >= std::size_t(frame_.width) * frame_.height * 2 &&
                          viewport.width() > 0 && viewport.height() > 0 && makeGLObjects();
    if (!drawable)
        return;
    if (!frameUploaded_) {
        uploadFrame();
        ++framesDrawn_;
    }
    gl->glViewport(int(viewport.x() * ratio), viewHeight - int((viewport.y() + viewport.height()) * ratio),
                   int(viewport.width() * ratio), int(viewport.height() * ratio));

    // The picture's corners in the viewport, y downward from the top as the frames are given.
    const QRect picture(int(textureFrame_.x()), int(textureFrame_.y()), int(textureFrame_.width()),
                        int(textureFrame_.height()));
    const float dw = float(viewport.width());
    const float dh = float(viewport.height());
    auto nx = [dw](float x) { return 2.0f * x / dw - 1.0f; };
    auto ny = [dh](float y) { return 1.0f - 2.0f * y / dh; };
    const float left = nx(float(picture.x()));
    const float right = nx(float(picture.x() + picture.width()));
    const float top = ny(float(picture.y()));
    const float bottom = ny(float(picture.y() + picture.height()));
    const GLfloat positions[] = {left, top, left, bottom, right, top, right, bottom};
    const GLfloat texturePositions[] = {0, 0, 0, 1, 1, 0, 1, 1};

    program_->bind();
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(GL_TEXTURE_2D, texture_);
    program_->setUniformValue("frame", 0);
    program_->setUniformValue("lumaWidth", GLfloat(frame_.width));
    program_->setUniformValue("cbFirst", frame_.pixelFormat == MPlayerOSXVOWire::kPixelFormat2VUY ? 1.0f : 0.0f);
    program_->setUniformValue("toRGB", toRGBForHeight(frame_.height));
    program_->enableAttributeArray("position");
    program_->enableAttributeArray("texturePosition");
    program_->setAttributeArray("position", positions, 2);
    program_->setAttributeArray("texturePosition", texturePositions, 2);
    gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    program_->disableAttributeArray("position");
    program_->disableAttributeArray("texturePosition");
    program_->release();

    if (!isStarting_) {
        isStarting_ = true;
        // After this repaint, not inside it: the target may change the view.
        QMetaObject::invokeMethod(this, [this] {
            if (target_)
                target_->mplayerDidStart(this);
        }, Qt::QueuedConnection);
    }
}

void MPlayerVideoRenderer::releaseGL()
{
    if (glContext_ && QOpenGLContext::currentContext() == glContext_ && texture_)
        glContext_->functions()->glDeleteTextures(1, &texture_);
    program_.reset();
    texture_ = 0;
    textureWidth_ = textureHeight_ = 0;
    frameUploaded_ = false;
    glContext_ = nullptr;
}
