#pragma once

// Shared by the image-to-video tests: a job written as the program writes it, the engine run to
// its end, and the frame the engine must have drawn at a moment, to compare with what decodes.
#include "../../slideshow/slideshow_fixture.h"

#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"
#include "slideshow/engine/NXImageEngineJob.h"
#include "slideshow/engine/NXSlideshowTimeline.h"
#include "slideshow/image/NXEncoderUtility.h"
#include "slideshow/transitions/NXEffectManager.h"
#include "support/frames.h"
#include "support/process.h"

#include <QRegularExpression>
#include <QString>

namespace enginetest {

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

inline QString writeJob(const QString &path, const JobSpec &spec)
{
    QVariantList photos, music, effects;
    for (const QString &p : spec.photos)
        photos << p;
    for (const QString &m : spec.music)
        music << m;
    for (int e : spec.effects)
        effects << e;
    const QVariantMap job{{NXImageEngineKey::showDuration, spec.showDuration},
                          {NXImageEngineKey::effectList, effects},
                          {NXImageEngineKey::imageSquenes, photos},
                          {NXImageEngineKey::audioList, music},
                          {NXImageEngineKey::videoFPS, spec.fps},
                          {NXImageEngineKey::videoSize, NXStringFromSize(QSizeF(spec.size))},
                          {NXImageEngineKey::targetPath, spec.target},
                          {NXImageEngineKey::shadingImage, NXEffectManager::shadingImagePath()},
                          {NXImageEngineKey::blankImage, NXEffectManager::blankImagePath()}};
    writePropertyList(job, path, DNPropertyListFormat::XML);
    return path;
}

inline QString enginePath()
{
    return DNBundle::pathForCompanion(QStringLiteral("HarnvaleAVEngine"));
}

struct EngineRun
{
    bool finished = false;
    int exitCode = -1;
    int code = -1;      // of the result line; -1 without one
    QString path;       // of the result line
    QStringList progress;
    QString output;
};

inline EngineRun parseEngineOutput(const QString &output)
{
    EngineRun run;
    run.output = output;
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("progress:")))
            run.progress << line;
        static const QRegularExpression result(QStringLiteral("^result:(\\d+):(.*)$"));
        const QRegularExpressionMatch m = result.match(line);
        if (m.hasMatch())
            run.code = m.captured(1).toInt(), run.path = m.captured(2);
    }
    return run;
}

inline EngineRun runEngine(const QString &jobPath)
{
    const testsupport::ProcessResult result = testsupport::runProcess(enginePath(), {jobPath}, 300000);
    EngineRun run = parseEngineOutput(QString::fromUtf8(result.output));
    run.finished = result.finished;
    run.exitCode = result.exitCode;
    return run;
}

// The frame the engine draws at frame index of a job, as 8-bit RGB.
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

} // namespace enginetest
