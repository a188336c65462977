#pragma once

// What a slideshow movie must show: a job's photos, music and settings, the frame the engine
// must draw at a moment of it (the timeline and timing curve the engine uses, the transition's
// plain formula of transition_reference.h, not the engine's own drawing), and how far a decoded
// frame is from it.
#include "slideshow_fixture.h"
#include "transition_reference.h"

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

// The frame the engine must draw at frame index of a job, as the movie shows it.
inline QImage expectedFrame(const JobSpec &spec, int frame)
{
    const NXSlideshowTimeline timeline(int(spec.photos.size()), spec.showDuration, spec.fps, spec.effects);
    const NXSlideshowTimeline::Moment moment = timeline.momentOfFrame(frame);
    const auto picture = [&](int index) {
        const QString path = index < 0 ? NXEffectManager::blankImagePath() : spec.photos.at(index);
        return NXEncoderUtility::CGImageForContentOfFile(path, QSizeF(spec.size))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QImage photo = picture(moment.photo);
    if (!moment.inTransition())
        return NXMovieFrame(photo, spec.size);
    const float progress = float(NXEffectManager::instance()->mediaTimeFunc()->valueWithTime(moment.elapsed));
    // The manager shows either picture whole this near the ends.
    if (progress < 0.0001f || progress > 0.9999f)
        return NXMovieFrame(progress < 0.0001f ? picture(moment.previous) : photo, spec.size);
    const transitionreference::Pair pair{transitionreference::Picture(picture(moment.previous)),
                                         transitionreference::Picture(photo),
                                         transitionreference::Picture(NXEffectManager::shadingImage())};
    return NXMovieFrame(transitionreference::Transition(pair, moment.transition, double(progress)).frame(), spec.size);
}

// How near a decoded frame is to a picture of its size, as peak signal-to-noise ratios in dB:
// of the luma, and of both chroma planes together. The picture is taken to YUV 4:2:0 the plain
// way (studio-range BT.601, each chroma sample the mean of its 2 x 2 pixels) and compared with
// the planes as stored, so that what the ratios measure is what the encoder lost.
struct PlaneQuality
{
    double luma = 0;
    double chroma = 0;
};

inline PlaneQuality planeQuality(const testsupport::Planes &planes, const QImage &picture)
{
    if (picture.width() != planes.width || picture.height() != planes.height)
        return {};
    const auto psnr = [](double squares, qsizetype count) {
        return squares <= 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / (squares / double(count)));
    };
    const auto luma = [](QRgb c) { return 16.0 + (65.481 * qRed(c) + 128.553 * qGreen(c) + 24.966 * qBlue(c)) / 255.0; };
    const auto cb = [](QRgb c) { return 128.0 + (-37.797 * qRed(c) - 74.203 * qGreen(c) + 112.0 * qBlue(c)) / 255.0; };
    const auto cr = [](QRgb c) { return 128.0 + (112.0 * qRed(c) - 93.786 * qGreen(c) - 18.214 * qBlue(c)) / 255.0; };
    const auto stored = [](const QByteArray &plane, qsizetype at) { return double(quint8(plane.at(at))); };
    double lumaSquares = 0;
    for (int y = 0; y < planes.height; ++y)
        for (int x = 0; x < planes.width; ++x) {
            const double d = stored(planes.y, qsizetype(y) * planes.width + x) - luma(picture.pixel(x, y));
            lumaSquares += d * d;
        }
    const int cw = (planes.width + 1) / 2, ch = (planes.height + 1) / 2;
    double chromaSquares = 0;
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) {
            double u = 0, v = 0;
            int n = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    if (2 * x + dx < planes.width && 2 * y + dy < planes.height) {
                        const QRgb c = picture.pixel(2 * x + dx, 2 * y + dy);
                        u += cb(c), v += cr(c), ++n;
                    }
            const double du = stored(planes.u, qsizetype(y) * cw + x) - u / n;
            const double dv = stored(planes.v, qsizetype(y) * cw + x) - v / n;
            chromaSquares += du * du + dv * dv;
        }
    return {psnr(lumaSquares, qsizetype(planes.width) * planes.height), psnr(chromaSquares, 2 * qsizetype(cw) * ch)};
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
