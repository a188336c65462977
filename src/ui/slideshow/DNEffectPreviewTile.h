#pragma once

#include "slideshow/transitions/NXFilter.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class DNEffectPreview;
class QCheckBox;
class ServerFrames;

// One animated sample of a transition: loops the transition between two demo images, forward
// and back, one pass every 2.5 seconds, while it is started. The loop's 150 frames (30 a
// second) are drawn once, when first shown, and kept while the sample animates: a strip left
// open costs its redraws, not its transitions. On an X display the frames are also kept on the
// X server and copied into the window from there, so a beat does not repaint the window.
class EffectPreview : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFramesPerSecond = 30;
    static constexpr int kLoopFrames = 150; // forward and back, 5 seconds

    explicit EffectPreview(const QRect &frame, QWidget *parent = nullptr);
    ~EffectPreview() override;

    NXFilterPtr transition() const { return transition_; }
    void setTransition(NXFilterPtr filter);
    QImage sourceImage() const { return sourceImage_; }
    void setSourceImage(const QImage &image);
    QImage targetImage() const { return targetImage_; }
    void setTargetImage(const QImage &image);

    // Starts the animation clock and a redraw 30 times a second, when transition and both images
    // are set. Every started sample redraws on the same beat, so the window paints them together.
    void startPreview();
    // Stops the redraws and lets the kept frames go.
    void stopPreview();
    bool isAnimating() const { return animating_; }

    // The frame at t seconds of animation time (0.4 of real time): forward in even seconds,
    // back in odd ones, eased; a null image without both images.
    QImage imageAtTime(double t) const;
    // The frame of the loop shown at frame index (of kLoopFrames), drawn on first use.
    const QImage &loopFrame(int index);
    int keptFrames() const;
    // Moves to the frame of the beat the clock is at and asks for its redraw.
    void advance();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void forgetFrames();
    int frameNow() const;
    // Shows the frame through the X server; false when Qt is to paint it.
    bool showOnServer();
    QImage composedFrame();

    NXFilterPtr transition_;
    QImage sourceImage_;
    QImage targetImage_;
    double base_ = 0.0; // seconds since the epoch when the animation started
    bool animating_ = false;
    std::vector<QImage> loop_;
    int shown_ = -1; // the loop frame painted next; -1: the one the clock says
    std::unique_ptr<ServerFrames> server_;
    bool serverRefused_ = false;
    QPoint restingPlace_{-1, -1}; // where in its window the sample stood at the last beat
};

// One tile of the strip: the sample above a check box that says whether the slideshow may use
// the transition.
class EffectPreviewWrapper : public QWidget
{
    Q_OBJECT
public:
    explicit EffectPreviewWrapper(const QRect &frame, QWidget *parent = nullptr);
    ~EffectPreviewWrapper() override;

    QString name() const { return name_; }
    void setName(const QString &v) { name_ = v; }
    DNEffectPreview *host() const { return host_; }
    void setHost(DNEffectPreview *host) { host_ = host; }
    int filterIndex() const { return filterIndex_; }
    void setFilterIndex(int v) { filterIndex_ = v; }

    void setPreviewFilter(NXFilterPtr filter);
    void setDemoSourceImage(const QImage &source, const QImage &target);
    void startPreview();
    void stopPreview();
    bool state() const;
    void setState(bool checked);

    EffectPreview *effectView() const { return effectView_; }
    QCheckBox *checkButton() const { return checkButton_; }

    void onCheckButtonStateChanged();

private:
    QString name_;
    QPointer<DNEffectPreview> host_;
    int filterIndex_ = 0;
    EffectPreview *effectView_ = nullptr;
    QCheckBox *checkButton_ = nullptr;
};
