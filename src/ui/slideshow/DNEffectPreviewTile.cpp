#include "ui/slideshow/DNEffectPreviewTile.h"

#include "ui/slideshow/DNEffectPreview.h"
#include "ui/slideshow/ServerFrames.h"

#include <QCheckBox>
#include <QDateTime>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
double now()
{
    return QDateTime::currentMSecsSinceEpoch() / 1000.0;
}

// The beat of every animating sample: one timer of 1/30 s for them all, running while any
// sample listens, so that their redraws fall in the same pass of the window's painting and the
// frames they copy on the X server go out together.
class PreviewBeat : public QObject
{
public:
    static PreviewBeat &instance()
    {
        static PreviewBeat *beat = new PreviewBeat;
        return *beat;
    }
    void listen(EffectPreview *sample)
    {
        if (!listeners_.contains(sample))
            listeners_.append(sample);
        if (!timer_.isActive())
            timer_.start();
    }
    void leave(EffectPreview *sample)
    {
        listeners_.removeAll(sample);
        if (listeners_.isEmpty())
            timer_.stop();
    }

private:
    PreviewBeat()
    {
        timer_.setInterval(33); // 1/30 s
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &PreviewBeat::tick);
    }
    void tick()
    {
        // A sample may leave while the others advance.
        const QList<EffectPreview *> samples = listeners_;
        for (EffectPreview *sample : samples)
            if (listeners_.contains(sample))
                sample->advance();
        ServerFrames::flush();
    }
    QTimer timer_;
    QList<EffectPreview *> listeners_;
};
bool isOpaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return true;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
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

void EffectPreview::setTransition(NXFilterPtr filter)
{
    transition_ = std::move(filter);
    forgetFrames();
}

void EffectPreview::setSourceImage(const QImage &image)
{
    sourceImage_ = image;
    forgetFrames();
}

void EffectPreview::setTargetImage(const QImage &image)
{
    targetImage_ = image;
    forgetFrames();
}

void EffectPreview::startPreview()
{
    if (!transition_ || sourceImage_.isNull() || targetImage_.isNull())
        return;
    base_ = now();
    // What lies around the sample may have changed (the strip's arrows): its frames on the X
    // server are made again.
    server_.reset();
    if (!animating_) {
        animating_ = true;
        PreviewBeat::instance().listen(this);
    }
}

void EffectPreview::stopPreview()
{
    if (animating_) {
        animating_ = false;
        PreviewBeat::instance().leave(this);
    }
    forgetFrames();
}

void EffectPreview::forgetFrames()
{
    loop_.clear();
    server_.reset();
    serverRefused_ = false;
    shown_ = -1;
    if (testAttribute(Qt::WA_OpaquePaintEvent))
        setAttribute(Qt::WA_OpaquePaintEvent, false);
}

int EffectPreview::keptFrames() const
{
    return int(std::count_if(loop_.begin(), loop_.end(), [](const QImage &frame) { return !frame.isNull(); }));
}

const QImage &EffectPreview::loopFrame(int index)
{
    if (loop_.empty())
        loop_.resize(kLoopFrames);
    QImage &frame = loop_[size_t(std::clamp(index, 0, kLoopFrames - 1))];
    if (frame.isNull()) {
        frame = imageAtTime(index / double(kFramesPerSecond) * 0.4);
        // An opaque frame is kept without its alpha: drawn, it is a copy, not a blend.
        if (isOpaque(frame))
            frame = frame.convertToFormat(QImage::Format_RGB32);
    }
    return frame;
}

int EffectPreview::frameNow() const
{
    // 0.4 s of animation time per second, kFramesPerSecond frames a second.
    const long long beat = std::llround(std::floor((now() - base_) * kFramesPerSecond));
    return int(((beat % kLoopFrames) + kLoopFrames) % kLoopFrames);
}

void EffectPreview::advance()
{
    if (!transition_ || sourceImage_.isNull() || targetImage_.isNull())
        return;
    shown_ = frameNow();
    const QImage &frame = loopFrame(shown_);
    if (showOnServer())
        return;
    // A frame that fills the view without a see-through pixel hides what lies under it: only it
    // is redrawn.
    const bool covers = frame.format() == QImage::Format_RGB32 && frame.width() >= width() && frame.height() >= height();
    // Changing the attribute makes the window work out again what hides what: only on a change.
    if (testAttribute(Qt::WA_OpaquePaintEvent) != covers)
        setAttribute(Qt::WA_OpaquePaintEvent, covers);
    update();
}

bool EffectPreview::showOnServer()
{
    if (server_ && !server_->fits())
        server_.reset();
    if (!server_) {
        // While the sample moves (a page sliding), Qt paints it; its frames are kept on the
        // server once it stands still.
        const QPoint place = mapTo(window(), QPoint(0, 0));
        if (serverRefused_ || place != restingPlace_) {
            restingPlace_ = place;
            return false;
        }
        server_ = ServerFrames::make(this, kLoopFrames);
        serverRefused_ = !server_;
        if (!server_)
            return false;
    }
    if (!server_->has(shown_))
        server_->put(shown_, composedFrame());
    server_->show(shown_);
    return true;
}

QImage EffectPreview::composedFrame()
{
    // The window at the sample's place as Qt paints it with the frame shown: what lies under a
    // see-through frame, and the strip's arrow over the last tile of a page.
    QImage picture(size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    window()->render(&painter, QPoint(0, 0), QRegion(QRect(mapTo(window(), QPoint(0, 0)), size())),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return picture;
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
    if (!transition_ || sourceImage_.isNull() || targetImage_.isNull())
        return;
    const QImage &frame = loopFrame(shown_ >= 0 ? shown_ : frameNow());
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
