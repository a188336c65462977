#include "SlideshowRenderer.h"

#include "EncoderPipe.h"
#include "FrameConverter.h"
#include "MovieCheck.h"
#include "MusicMix.h"
#include "StopSignal.h"

#include "core/util/DNPaths.h"
#include "slideshow/image/NXEncoderUtility.h"
#include "slideshow/transitions/NXEffectManager.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>

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

const QImage &SlideshowRenderer::picture(int index)
{
    if (index < 0 || index >= job_.photos.size())
        return blank_;
    auto found = pictures_.find(index);
    if (found == pictures_.end()) {
        // Only the photo coming in and the one it leaves are ever drawn.
        for (auto it = pictures_.begin(); it != pictures_.end();)
            it = it.key() < index - 1 ? pictures_.erase(it) : std::next(it);
        QImage image = NXEncoderUtility::CGImageForContentOfFile(job_.photos.at(index), QSizeF(job_.frameSize));
        if (image.isNull()) {
            warn(QStringLiteral("the photo %1 cannot be read; the blank frame stands in").arg(job_.photos.at(index)));
            image = blank_;
        }
        found = pictures_.insert(index, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return found.value();
}

const QImage &SlideshowRenderer::frameAt(const NXSlideshowTimeline::Moment &moment)
{
    // A photo standing alone is the same frame for seconds: made once.
    if (!moment.inTransition() && holdPhoto_ == moment.photo)
        return holdFrame_;
    const QImage from = picture(moment.previous);
    const QImage &to = picture(moment.photo);
    const QImage frame = NXMovieFrame(NXSlideshowFrame(*NXEffectManager::instance(), moment, from, to), job_.frameSize);
    if (!moment.inTransition()) {
        holdPhoto_ = moment.photo;
        holdFrame_ = frame;
        return holdFrame_;
    }
    transitionFrame_ = frame;
    return transitionFrame_;
}

std::vector<std::string> SlideshowRenderer::encoderArguments(const std::vector<std::string> &musicInputs,
                                                             const std::string &musicGraph,
                                                             const QString &output) const
{
    const std::string size = std::to_string(job_.frameSize.width()) + "x" + std::to_string(job_.frameSize.height());
    std::vector<std::string> args{"ffmpeg", "-hide_banner", "-nostats", "-loglevel", "error", "-y",
                                  "-f", "rawvideo", "-pix_fmt", "yuv420p", "-s", size,
                                  "-framerate", rate(job_.fps), "-i", "pipe:0"};
    args.insert(args.end(), musicInputs.begin(), musicInputs.end());
    if (!musicGraph.empty())
        args.insert(args.end(), {"-filter_complex", musicGraph, "-map", "0:v", "-map", "[music]",
                                 "-c:a", "aac", "-b:a", "256k"});
    // A master for the conversion that follows: near-lossless, and quick to make. The length is
    // the frames piped in (a frame limit here would end the music early as well).
    args.insert(args.end(), {"-c:v", "libx264", "-preset", "veryfast", "-crf", "16", "-pix_fmt", "yuv420p",
                             QFile::encodeName(output).toStdString()});
    return args;
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
    const int total = timeline_.totalFrames();
    const double seconds = total / job_.fps;
    const std::vector<MusicTrack> music = readableMusic(job_.music);
    const MusicMix mix = musicMix(music, seconds, 1);

    EncoderPipe encoder;
    if (!encoder.start("ffmpeg", encoderArguments(mix.inputs, mix.graph, hidden))) {
        warn(QStringLiteral("ffmpeg cannot be started"));
        return NXImageEngineEncoderFailed;
    }
    FrameConverter converter(job_.frameSize);
    QByteArray planes;
    int convertedPhoto = -1; // the photo standing alone that planes holds
    bool written = true;
    for (int frame = 0; frame < total && written; ++frame) {
        const NXSlideshowTimeline::Moment moment = timeline_.momentOfFrame(frame);
        const QImage &image = frameAt(moment);
        // A photo standing alone is the same frame for seconds: converted once.
        if (moment.inTransition() || convertedPhoto != moment.photo)
            planes = converter.yuv420(image);
        convertedPhoto = moment.inTransition() ? -1 : moment.photo;
        written = !planes.isEmpty() && encoder.write(planes.constData(), size_t(planes.size()), stopRequested);
        if (written)
            printProgress(frame + 1, moment.photo);
    }
    if (stopRequested() || !written) {
        encoder.kill();
        removeFile(hidden);
        return stopRequested() ? NXImageEngineStopped : NXImageEngineEncoderFailed;
    }
    const int status = encoder.finish(stopRequested);
    if (stopRequested() || status != 0) {
        removeFile(hidden);
        if (!stopRequested())
            warn(QStringLiteral("ffmpeg ended with status %1").arg(status));
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
