#pragma once

#include <QOpenGLWidget>
#include <QPointer>

class MPlayerVideoRenderer;

// The OpenGL view of the preview: its context is the renderer's, and every repaint is the
// renderer's drawing. Without a renderer it shows black.
class NXMPlayerOpenGLView : public QOpenGLWidget
{
    Q_OBJECT
public:
    explicit NXMPlayerOpenGLView(QWidget *parent = nullptr);
    ~NXMPlayerOpenGLView() override;

    // Whether the platform can give the view an OpenGL context (a window in a platform without
    // one must not hold the view at all). Asked once.
    static bool isOpenGLAvailable();

    void setRenderer(MPlayerVideoRenderer *renderer);
    MPlayerVideoRenderer *renderer() const { return renderer_; }

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void releaseRenderer();

    QPointer<MPlayerVideoRenderer> renderer_;
};
