#include "NXMPlayerOpenGLView.h"

#include "MPlayerVideoRenderer.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

NXMPlayerOpenGLView::NXMPlayerOpenGLView(QWidget *parent) : QOpenGLWidget(parent)
{
    setMouseTracking(true);
}

NXMPlayerOpenGLView::~NXMPlayerOpenGLView()
{
    releaseRenderer();
}

bool NXMPlayerOpenGLView::isOpenGLAvailable()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    static const bool available = [] {
        QOpenGLContext probe;
        return probe.create();
    }();
    return available;
}

void NXMPlayerOpenGLView::setRenderer(MPlayerVideoRenderer *renderer)
{
    releaseRenderer();
    renderer_ = renderer;
    update();
}

void NXMPlayerOpenGLView::releaseRenderer()
{
    if (!renderer_ || !context())
        return;
    makeCurrent();
    renderer_->releaseGL();
    doneCurrent();
}

void NXMPlayerOpenGLView::initializeGL()
{
    // The context goes when the view moves to another window (full screen and back); the
    // renderer makes its objects again in the next one.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &NXMPlayerOpenGLView::releaseRenderer,
            Qt::UniqueConnection);
}

void NXMPlayerOpenGLView::paintGL()
{
    if (renderer_) {
        renderer_->renderOpenGL();
        return;
    }
    QOpenGLFunctions *gl = context()->functions();
    gl->glClearColor(0, 0, 0, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);
}
