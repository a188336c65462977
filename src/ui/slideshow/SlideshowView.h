#pragma once

#include "slideshow/transitions/NXFilter.h"
#include "ui/slideshow/SlideImageView.h"

#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

class QTimer;

// The slideshow editor's preview: shows one photo and passes to the next through a transition of
// the slideshow's own (chosen at random among the allowed ones, or the next type in turn), one
// second long, as the movie will.
class SlideshowView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kTransitionMs = 1000;

    explicit SlideshowView(QWidget *parent = nullptr);
    ~SlideshowView() override;

    int transitionStyle() const { return transitionStyle_; }
    // Reconfigures the transition when the type changes.
    void setTransitionStyle(int style);
    bool autoCyclesTransitionStyle() const { return autoCycles_; }
    void setAutoCyclesTransitionStyle(bool on) { autoCycles_ = on; }
    bool autoRandomTransitionStyle() const { return autoRandom_; }
    void setAutoRandomTransitionStyle(bool on) { autoRandom_ = on; }
    QImage inputShadingImage() const { return inputShadingImage_; }
    const std::optional<QList<int>> &allowTransitionStyles() const { return allowTransitionStyles_; }
    void setAllowTransitionStyles(const QList<int> &styles) { allowTransitionStyles_ = styles; }

    // Shows image at once (nothing for a null one).
    void displayDefaultImage(const QImage &image);
    // Passes to image (or to nothing) through the transition.
    void transitionToImage(const QImage &image);
    // The view loses its picture.
    void clear();
    // The transition's filter set up for the view's bounds; none when the type has none.
    void updateSubviewsTransition();

    SlideImageView *currentImageView() const { return currentImageView_; }
    bool isInTransition() const { return animation_ != nullptr; }
    QSize sizeHint() const override { return {480, 320}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    SlideImageView *makeImageView(const QImage &image);
    void finishTransition();

    QPointer<SlideImageView> currentImageView_;
    int transitionStyle_ = 5;
    bool autoCycles_ = true;
    bool autoRandom_ = true;
    QImage inputShadingImage_;
    std::optional<QList<int>> allowTransitionStyles_;

    // The transition under way: its filter, the pictures it goes between, and its clock.
    NXFilterPtr filter_;
    QImage from_;
    QImage to_;
    QPointer<SlideImageView> leaving_;
    QTimer *animation_ = nullptr;
    QElapsedTimer clock_;
};
