#include "SlideshowRenderer.h"

#include "EncoderPipe.h"
#include "FramePlan.h"
#include "FrameWorkers.h"
#include "MovieCheck.h"
#include "MusicMix.h"
#include "PhotoLibrary.h"
#include "StopSignal.h"
#include "VideoEncoder.h"

#include "core/util/DNPaths.h"
#include "slideshow/image/NXEncoderUtility.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>
#include <deque>
#include <thread>

namespace {

void warn(const QString &text)
{
    std::fprintf(stderr, "HarnvaleAVEngine: %s\n", text.toLocal8Bit().constData());
}

std::string rate(double fps)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", fps);
    return text;
}

// The file is gone whatever happened to it; a missing file is no failure.
void removeFile(const QString &path)
{
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

} // namespace

SlideshowRenderer::SlideshowRenderer(NXImageEngineJob job)
    : job_(std::move(job)), timeline_(int(job_.photos.size()), job_.showDuration, job_.fps, job_.effects)
{
    const QSizeF size(job_.frameSize);
    blank_ = NXEncoderUtility::CGImageForContentOfFile(job_.blankImage, size);
    if (blank_.isNull()) {
        blank_ = QImage(job_.frameSize, QImage::Format_ARGB32_Premultiplied);
        blank_.fill(Qt::black);
    }
    blank_ = blank_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool SlideshowRenderer::anyPhotoReadable() const
{
    // A damaged file can look like a picture until it is decoded; the search ends at the first
    // photo that decodes, usually the first one. JPEG decodes small at a fraction of the cost.
    for (const QString &path : job_.photos) {
        QImageReader reader(path);
        reader.setScaledSize(QSize(64, 64));
        if (!reader.read().isNull())
            return true;
    }
    return false;
}

std::vector<std::string> SlideshowRenderer::encoderArguments(const std::vector<std::string> &musicInputs,
                                                             const std::string &musicGraph,
                                                             const QString &output) const
{
    std::vector<std::string> args{"ffmpeg", "-hide_banner", "-nostats", "-loglevel", "error", "-y",
                                  "-f", "nut", "-i", "pipe:0"};
    args.insert(args.end(), musicInputs.begin(), musicInputs.end());
    if (!musicGraph.empty())
        args.insert(args.end(), {"-filter_complex", musicGraph, "-map", "0:v", "-map", "[music]",
                                 "-c:a", "pcm_s16le"});
    // The pictures come encoded; the length is the frames piped in (a frame limit here would end
    // the music early as well).
    args.insert(args.end(), {"-c:v", "copy", QFile::encodeName(output).toStdString()});
    return args;
}

bool SlideshowRenderer::sendPictures(EncoderPipe &encoder)
{
    const QSize size = job_.frameSize;
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    VideoEncoder video;
    std::string why;
    const bool opened = video.open(size, rate(job_.fps), threads,
                                   [&encoder](const unsigned char *data, int bytes) {
                                       return encoder.write(data, size_t(bytes), stopRequested);
                                   },
                                   &why);
    if (!opened) {
        if (!stopRequested())
            warn(QString::fromStdString(why));
        return false;
    }
    PhotoLibrary photos(job_.photos, size, blank_);
    FrameWorkers workers(threads, size);
    struct InFlight
    {
        PlannedPicture picture;
        std::future<QByteArray> planes;
    };
    std::deque<InFlight> inFlight;
    // Enough pictures ahead to keep every thread drawing while the oldest is encoded.
    const size_t ahead = size_t(threads) * 2;
    const std::vector<PlannedPicture> plan = planPictures(timeline_);
    size_t next = 0;
    while (next < plan.size() || !inFlight.empty()) {
        while (next < plan.size() && inFlight.size() < ahead) {
            const PlannedPicture &picture = plan[next++];
            std::shared_future<QImage> from = photos.picture(picture.moment.previous);
            std::shared_future<QImage> to = photos.picture(picture.moment.photo);
            photos.forgetBefore(picture.moment.previous);
            inFlight.push_back({picture, workers.submit([moment = picture.moment, from, to, size](FrameWorkers::Tools &tools) {
                                    QImage frame = NXSlideshowFrame(tools.effects, moment, from.get(), to.get());
                                    if (!FrameConverter::takes(frame, size))
                                        frame = NXMovieFrame(frame, size);
                                    return tools.converter.yuv420(frame);
                                })});
        }
        InFlight done = std::move(inFlight.front());
        inFlight.pop_front();
        const QByteArray planes = done.planes.get();
        if (stopRequested() || planes.isEmpty() || !video.addPicture(planes, done.picture.firstFrame, done.picture.frames))
            return false;
        for (int frame = 0; frame < done.picture.frames; ++frame)
            printProgress(done.picture.firstFrame + frame + 1, done.picture.moment.photo);
    }
    return video.finish();
}

void SlideshowRenderer::printProgress(int done, int photo) const
{
    const QByteArray path = job_.photos.value(photo).toUtf8();
    std::printf("progress:%d:%d:%s\n", timeline_.totalFrames(), done, path.constData());
    std::fflush(stdout);
}

NXImageEngineResult SlideshowRenderer::run(QString *moviePath)
{
    if (!anyPhotoReadable()) {
        warn(QStringLiteral("no photo of the job can be read"));
        return NXImageEngineNoPhoto;
    }
    const QString hidden = NXHiddenRenderPath(job_.targetPath);
    if (hidden.isEmpty()) {
        warn(QStringLiteral("the movie's folder takes no name long enough for its working file"));
        return NXImageEngineOutputFailed;
    }
    const int total = timeline_.totalFrames();
    const double seconds = total / job_.fps;
    const std::vector<MusicTrack> music = readableMusic(job_.music);
    const MusicMix mix = musicMix(music, seconds, 1);

    EncoderPipe encoder;
    if (!encoder.start("ffmpeg", encoderArguments(mix.inputs, mix.graph, hidden))) {
        warn(QString::fromStdString(encoder.errorText()));
        return NXImageEngineEncoderFailed;
    }
    if (stopRequested() || !sendPictures(encoder)) {
        encoder.kill();
        removeFile(hidden);
        return stopRequested() ? NXImageEngineStopped : NXImageEngineEncoderFailed;
    }
    const int status = encoder.finish(stopRequested);
    if (stopRequested() || status != 0) {
        removeFile(hidden);
        if (!stopRequested())
            warn(status < 0 && !encoder.errorText().empty() ? QString::fromStdString(encoder.errorText())
                                                             : QStringLiteral("ffmpeg ended with status %1").arg(status));
        return stopRequested() ? NXImageEngineStopped : NXImageEngineEncoderFailed;
    }
    std::string why;
    if (!movieIsComplete(QFile::encodeName(hidden).toStdString(), seconds, job_.fps, !mix.graph.empty(), &why)) {
        warn(QString::fromStdString(why));
        removeFile(hidden);
        return NXImageEngineOutputFailed;
    }
    // A movie already there keeps its name; this one takes the first free " (n)".
    const QFileInfo target(job_.targetPath);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = DNUniqueFilePath(target.path(), target.fileName(), 0);
        if (QFile::rename(hidden, name)) {
            *moviePath = name;
            return NXImageEngineSucceeded;
        }
    }
    warn(QStringLiteral("the movie cannot be named %1").arg(job_.targetPath));
    removeFile(hidden);
    return NXImageEngineOutputFailed;
}
