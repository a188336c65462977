#include "NXMPlayerControlBar.h"

#include "NXMPlayerView.h"

#include "ui/controls/NXSlider.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>

namespace {
constexpr int kFadeMs = 300;
}

NXMPlayerControlBar::NXMPlayerControlBar(const QRect &frame, NXMPlayerView *target, QWidget *parent)
    : QWidget(parent), target_(target)
{
    setGeometry(frame);
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(0, 0, 0, 180));
    setPalette(shade);
    opacity_ = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(opacity_);
    fade_ = new QPropertyAnimation(opacity_, "opacity", this);
    fade_->setDuration(kFadeMs);
}

NXMPlayerControlBar::~NXMPlayerControlBar()
{
    target_ = nullptr;
}

void NXMPlayerControlBar::initControlSence()
{
    durationSlider_ = new NXSlider(QRect(kSliderInset, 0, width() - 2 * kSliderInset, kHeight), this);
    durationSlider_->setFillColor(Qt::yellow);
    durationSlider_->setMinValue(0);
    QPointer<NXMPlayerView> target = target_;
    durationSlider_->setAction([target](NXSlider *slider) {
        if (target)
            target->onDurationValueChange(slider);
    });
    durationSlider_->show();
}

double NXMPlayerControlBar::alphaValue() const
{
    return alpha_;
}

void NXMPlayerControlBar::setAlphaValue(double alpha)
{
    alpha_ = alpha;
    fade_->stop();
    opacity_->setOpacity(alpha);
}

void NXMPlayerControlBar::animateAlpha(double alpha)
{
    alpha_ = alpha;
    fade_->stop();
    fade_->setStartValue(opacity_->opacity());
    fade_->setEndValue(alpha);
    fade_->start();
}
