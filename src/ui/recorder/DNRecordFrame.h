#pragma once

#include <QRect>
#include <QWidget>

// The record frame's content: the screen darkened everywhere but the recorded region.
class DNFrameViewExt : public QWidget
{
    Q_OBJECT
public:
    explicit DNFrameViewExt(QWidget *parent = nullptr);
    // In the view's coordinates, which are the screen's moved to the screen's corner.
    QRect clearFrame() const { return clearFrame_; }
    void setClearFrame(const QRect &frame);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect clearFrame_;
};

// While a region of the screen is recorded: a window over the whole main screen, above every
// other, that darkens all but the region and lets every mouse event through to the windows
// below. The region itself is left out of the window altogether, so nothing of it covers what is
// recorded even where the desktop cannot draw translucent windows.
class DNRecordFrame : public QWidget
{
    Q_OBJECT
public:
    // region in screen coordinates.
    explicit DNRecordFrame(const QRect &region);

    void displayFrame();
    void destroyFrame();
    DNFrameViewExt *frameView() const { return view_; }

private:
    DNFrameViewExt *view_;
};
