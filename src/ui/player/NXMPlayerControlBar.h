#pragma once

#include <QPointer>
#include <QWidget>

class NXMPlayerView;
class NXSlider;
class QGraphicsOpacityEffect;
class QPropertyAnimation;

// The thin bar along the bottom of the full-screen preview: a position slider, inset 50 points
// on each side, whose moves ask the view's delegate to seek.
class NXMPlayerControlBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 15;
    static constexpr int kSliderInset = 50;

    NXMPlayerControlBar(const QRect &frame, NXMPlayerView *target, QWidget *parent = nullptr);
    ~NXMPlayerControlBar() override;

    // Builds the slider: yellow fill, minimum 0, across the bar less the insets.
    void initControlSence();
    NXSlider *durationSlider() const { return durationSlider_; }

    // The bar's opacity, 0 to 1. animateAlpha fades to a value; alphaValue already answers the
    // value a fade is heading for, so a fade-out under way counts as faded.
    double alphaValue() const;
    void setAlphaValue(double alpha);
    void animateAlpha(double alpha);

private:
    QPointer<NXMPlayerView> target_;
    NXSlider *durationSlider_ = nullptr;
    QGraphicsOpacityEffect *opacity_ = nullptr;
    QPropertyAnimation *fade_ = nullptr;
    double alpha_ = 1.0;
};
