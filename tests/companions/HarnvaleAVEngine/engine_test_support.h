#pragma once

// Shared by the image-to-video tests: a job written as the program writes it, the engine run to
// its end, and the frame the engine must have drawn at a moment, to compare with what decodes.
#include "../../slideshow/slideshow_frames.h"

#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"
#include "slideshow/engine/NXImageEngineJob.h"
#include "slideshow/transitions/NXEffectManager.h"
#include "support/process.h"

#include <QRegularExpression>
#include <QString>

namespace enginetest {

using slideshowframes::JobSpec;
using slideshowframes::expectedFrame;
using slideshowframes::meanDifference;

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

} // namespace enginetest
