#pragma once

// What a slideshow movie must show: a job's photos, music and settings, the frame the engine
// draws at a moment of it (with the very transitions and timeline the engine uses), and how far
// a decoded frame is from it.
#include "slideshow_fixture.h"

#include "slideshow/engine/NXSlideshowTimeline.h"
#include "slideshow/image/NXEncoderUtility.h"
#include "slideshow/transitions/NXEffectManager.h"
#include "support/frames.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>

namespace slideshowframes {

struct JobSpec
{
    QStringList photos;
    QStringList music;
    QList<int> effects;
    double showDuration = 1.0;
    double fps = 25;
    QSize size{160, 120};
    QString target;
};

// The frame the engine draws at frame index of a job, as the movie shows it.
inline QImage expectedFrame(const JobSpec &spec, int frame)
{
    const NXSlideshowTimeline timeline(int(spec.photos.size()), spec.showDuration, spec.fps, spec.effects);
    const NXSlideshowTimeline::Moment moment = timeline.momentOfFrame(frame);
    const auto picture = [&](int index) {
        const QString path = index < 0 ? NXEffectManager::blankImagePath() : spec.photos.at(index);
        return NXEncoderUtility::CGImageForContentOfFile(path, QSizeF(spec.size))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    return NXMovieFrame(NXSlideshowFrame(*NXEffectManager::instance(), moment, picture(moment.previous),
                                         picture(moment.photo)),
                        spec.size);
}

// The mean difference per channel between a decoded frame and a picture of its size; a large
// number when the sizes differ.
inline double meanDifference(const testsupport::Frame &frame, const QImage &picture)
{
    if (picture.width() != frame.width || picture.height() != frame.height)
        return 1e9;
    double sum = 0;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const testsupport::Rgb p = frame.pixel(x, y);
            const QRgb q = picture.pixel(x, y);
            sum += std::abs(p.red - qRed(q)) + std::abs(p.green - qGreen(q)) + std::abs(p.blue - qBlue(q));
        }
    return sum / (3.0 * frame.width * frame.height);
}

} // namespace slideshowframes
