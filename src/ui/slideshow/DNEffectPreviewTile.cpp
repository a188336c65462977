#include "ui/slideshow/DNEffectPreviewTile.h"

#include "ui/slideshow/DNEffectPreview.h"

#include <QCheckBox>
#include <QDateTime>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {
double now()
{
    return QDateTime::currentMSecsSinceEpoch() / 1000.0;
}
} // namespace

EffectPreview::EffectPreview(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setGeometry(frame);
}

EffectPreview::~EffectPreview()
{
    stopPreview();
}

void EffectPreview::startPreview()
{
    if (!transition_ || sourceImage_.isNull() || targetImage_.isNull())
        return;
    base_ = now();
    if (!timer_) {
        timer_ = new QTimer(this);
        timer_->setInterval(33); // 1/30 s
        connect(timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        timer_->start();
    }
}

void EffectPreview::stopPreview()
{
    delete timer_;
    timer_ = nullptr;
}

QImage EffectPreview::imageAtTime(double t) const
{
    if (!transition_ || sourceImage_.isNull() || targetImage_.isNull())
        return QImage();
    const bool forward = std::fmod(t, 2.0) < 1.0;
    transition_->setValue(forward ? sourceImage_ : targetImage_, NXFilterKey::image);
    transition_->setValue(forward ? targetImage_ : sourceImage_, NXFilterKey::targetImage);
    transition_->setValue((1.0 - std::cos(NXPi * std::fmod(t, 1.0))) * 0.5, NXFilterKey::time);
    return transition_->outputImage();
}

void EffectPreview::paintEvent(QPaintEvent *)
{
    const QImage frame = imageAtTime((now() - base_) * 0.4);
    if (frame.isNull())
        return;
    QPainter p(this);
    // The frame's origin is its bottom-left corner, at the view's.
    p.drawImage(0, height() - frame.height(), frame);
}

EffectPreviewWrapper::EffectPreviewWrapper(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setGeometry(frame);
    // The sample fills the tile above the check box, which sits centred at the bottom.
    effectView_ = new EffectPreview(QRect(0, 0, 98, 75), this);
    checkButton_ = new QCheckBox(this);
    checkButton_->setGeometry((width() - 20) / 2, height() - 20, 20, 20);
    connect(checkButton_, &QCheckBox::clicked, this, &EffectPreviewWrapper::onCheckButtonStateChanged);
}

EffectPreviewWrapper::~EffectPreviewWrapper()
{
    name_.clear();
    host_ = nullptr;
}

void EffectPreviewWrapper::onCheckButtonStateChanged()
{
    if (host_)
        host_->onEffectsSelectChanged(this);
}

void EffectPreviewWrapper::setPreviewFilter(NXFilterPtr filter)
{
    effectView_->setTransition(std::move(filter));
}

void EffectPreviewWrapper::setDemoSourceImage(const QImage &source, const QImage &target)
{
    effectView_->setSourceImage(source);
    effectView_->setTargetImage(target);
}

void EffectPreviewWrapper::startPreview()
{
    effectView_->startPreview();
}

void EffectPreviewWrapper::stopPreview()
{
    effectView_->stopPreview();
}

bool EffectPreviewWrapper::state() const
{
    return checkButton_->isChecked();
}

void EffectPreviewWrapper::setState(bool checked)
{
    checkButton_->setChecked(checked);
}
