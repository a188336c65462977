#include "slideshow/engine/NXSlideshowTimeline.h"

#include "slideshow/transitions/NXEffectManager.h"
#include "slideshow/transitions/NXTransitionTypes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

NXSlideshowTimeline::NXSlideshowTimeline(int photoCount, double showDuration, double fps, QList<int> effects)
    : photoCount_(std::max(photoCount, 0)), slot_(std::max(showDuration, 0.0) + kTransitionSeconds),
      fps_(fps > 0 ? fps : 25.0), effects_(std::move(effects))
{
}

double NXSlideshowTimeline::duration() const
{
    return photoCount_ * slot_;
}

int NXSlideshowTimeline::totalFrames() const
{
    return int(std::lround(duration() * fps_));
}

int NXSlideshowTimeline::transitionInto(int photo) const
{
    if (effects_.isEmpty())
        return NXTransitionCut;
    return effects_.at(photo % effects_.size());
}

NXSlideshowTimeline::Moment NXSlideshowTimeline::momentAtTime(double seconds) const
{
    Moment moment;
    if (photoCount_ == 0)
        return moment;
    const double t = std::max(seconds, 0.0);
    // A hair of tolerance so that a frame time that lands on a slot's start is not counted in
    // the slot before it.
    moment.photo = std::min(int(std::floor(t / slot_ + 1e-9)), photoCount_ - 1);
    moment.previous = moment.photo - 1;
    moment.transition = transitionInto(moment.photo);
    const double into = t - moment.photo * slot_;
    // A cut shows the photo from the first frame of its slot.
    moment.elapsed = moment.transition == NXTransitionCut ? 1.0 : std::clamp(into / kTransitionSeconds, 0.0, 1.0);
    return moment;
}

QImage NXSlideshowFrame(NXEffectManager &manager, const NXSlideshowTimeline::Moment &moment, const QImage &from,
                        const QImage &to)
{
    if (!moment.inTransition())
        return to;
    const double progress = manager.mediaTimeFunc()->valueWithTime(moment.elapsed);
    return manager.effectImageWithFromImage(from, to, moment.transition, float(progress));
}

QImage NXMovieFrame(const QImage &frame, QSize size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.drawImage(QRect(QPoint(0, 0), size), frame);
    return canvas;
}
