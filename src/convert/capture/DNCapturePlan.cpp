#include "convert/capture/DNCapturePlan.h"

namespace {

QString movieVideoFilter(QSize maxSize)
{
    // x264 takes 4:2:0 pictures of even sides only; a region may have odd ones.
    if (maxSize.isEmpty())
        return QStringLiteral("crop=trunc(iw/2)*2:trunc(ih/2)*2");
    return QStringLiteral("scale=w='min(%1,iw)':h='min(%2,ih)':force_original_aspect_ratio=decrease:force_divisible_by=2")
        .arg(maxSize.width())
        .arg(maxSize.height());
}

QString previewFilter(const DNCapturePlan &plan)
{
    const int w = plan.previewSize.width(), h = plan.previewSize.height();
    QString filter = QStringLiteral("fps=%1,scale=%2:%3:force_original_aspect_ratio=decrease,pad=%2:%3:(ow-iw)/2:(oh-ih)/2")
                         .arg(qMax(1, plan.previewFramesPerSecond))
                         .arg(w)
                         .arg(h);
    if (plan.previewMirrored)
        filter += QStringLiteral(",hflip");
    return filter;
}

// The source's words with every input's stamps counted from origin (see DNCapturePlan).
QStringList inputsFrom(const QStringList &sourceWords, qint64 originMicroseconds)
{
    if (originMicroseconds <= 0)
        return sourceWords;
    const QString offset = QStringLiteral("-%1.%2")
                               .arg(originMicroseconds / 1000000)
                               .arg(originMicroseconds % 1000000, 6, 10, QLatin1Char('0'));
    QStringList words;
    for (const QString &word : sourceWords) {
        if (word == QLatin1String("-i"))
            words << QStringLiteral("-itsoffset") << offset;
        words << word;
    }
    // Without it each input would start at zero by itself, whenever its device opened.
    return words << QStringLiteral("-copyts");
}

} // namespace

int DNMovieFramesPerSecond(const DNCapturePlan &plan)
{
    const int rate = plan.source ? plan.source->framesPerSecond() : 0;
    return rate > 0 ? rate : 30;
}

QStringList DNCaptureArguments(const DNCapturePlan &plan)
{
    const bool movie = !plan.moviePath.isEmpty();
    const bool audio = plan.source && plan.source->hasAudio();
    QStringList words{QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-loglevel"),
                      QStringLiteral("error")};
    if (movie)
        words << QStringLiteral("-progress") << QStringLiteral("pipe:2") << QStringLiteral("-stats_period")
              << QStringLiteral("0.05");
    if (plan.source)
        words += inputsFrom(plan.source->inputArguments(), plan.timelineOriginMicroseconds);
    if (movie) {
        words << QStringLiteral("-map") << QStringLiteral("0:v") << QStringLiteral("-vf") << movieVideoFilter(plan.maxVideoSize)
              << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset") << QStringLiteral("ultrafast")
              << QStringLiteral("-tune") << QStringLiteral("zerolatency") << QStringLiteral("-crf") << QStringLiteral("20") << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p")
              << QStringLiteral("-fps_mode:v") << QStringLiteral("cfr") << QStringLiteral("-r:v")
              << QString::number(DNMovieFramesPerSecond(plan));
        // A sound device answers when it can: one that a busy machine opens seconds late, even after
        // Stop, or that falls silent for a while, is filled in with silence from the movie's start,
        // so the movie keeps its sound track, in time, for its whole length.
        if (audio)
            words << QStringLiteral("-map") << QStringLiteral("1:a") << QStringLiteral("-af")
                  << QStringLiteral("aresample=async=1:first_pts=0") << QStringLiteral("-c:a") << QStringLiteral("aac")
                  << QStringLiteral("-b:a") << QStringLiteral("128k");
        if (plan.maxSeconds > 0)
            words << QStringLiteral("-t") << QString::number(plan.maxSeconds, 'f', 3);
        // -n: a hidden name is always new, so something already there is never overwritten.
        words << QStringLiteral("-f") << QStringLiteral("mov") << QStringLiteral("-n") << plan.moviePath;
    }
    if (!plan.previewSize.isEmpty())
        words << QStringLiteral("-map") << QStringLiteral("0:v") << QStringLiteral("-vf") << previewFilter(plan)
              << QStringLiteral("-f") << QStringLiteral("rawvideo") << QStringLiteral("-pix_fmt") << QStringLiteral("bgra")
              << QStringLiteral("pipe:1");
    if (audio && (plan.audioLevel || movie))
        // Each 100 ms of sound becomes one "lavfi.astats.Overall.RMS_level=<dB>" line; the
        // level's "file" is escaped twice, once for the graph and once for the filter's options.
        words << QStringLiteral("-map") << QStringLiteral("1:a") << QStringLiteral("-af")
              << QStringLiteral(R"(asetnsamples=n=4800,astats=metadata=1:reset=1:measure_perchannel=none:measure_overall=RMS_level,ametadata=mode=print:key=lavfi.astats.Overall.RMS_level:file=pipe\\\:2:direct=1)")
              << QStringLiteral("-f") << QStringLiteral("null") << QStringLiteral("-");
    if (audio && plan.monitorVolume >= 0)
        words << QStringLiteral("-map") << QStringLiteral("1:a") << QStringLiteral("-af")
              << QStringLiteral("volume=%1").arg(plan.monitorVolume, 0, 'f', 2) << QStringLiteral("-f")
              << QStringLiteral("pulse") << QStringLiteral("Talvane sound preview");
    return words;
}
