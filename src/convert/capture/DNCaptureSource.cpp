#include "convert/capture/DNCaptureSource.h"

namespace {
// Devices deliver in bursts while the encoder is busy; a deeper queue than ffmpeg's default of 8
// packets keeps a burst from being dropped.
const QString kQueueSize = QStringLiteral("512");
} // namespace

QStringList DNPulseAudioInput(const QString &sourceName)
{
    if (sourceName.isEmpty())
        return {};
    return {QStringLiteral("-thread_queue_size"), kQueueSize, QStringLiteral("-f"), QStringLiteral("pulse"),
            QStringLiteral("-i"), sourceName};
}

DNTestCaptureSource::DNTestCaptureSource(QSize size, int framesPerSecond, bool withAudio)
    : size_(size), framesPerSecond_(framesPerSecond > 0 ? framesPerSecond : 25), withAudio_(withAudio)
{
}

QStringList DNTestCaptureSource::inputArguments() const
{
    QStringList words{QStringLiteral("-re"), QStringLiteral("-thread_queue_size"), kQueueSize,
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("testsrc2=size=%1x%2:rate=%3").arg(size_.width()).arg(size_.height()).arg(framesPerSecond_)};
    if (withAudio_)
        words << QStringLiteral("-re") << QStringLiteral("-thread_queue_size") << kQueueSize << QStringLiteral("-f")
              << QStringLiteral("lavfi") << QStringLiteral("-i") << QStringLiteral("sine=frequency=440:sample_rate=48000");
    return words;
}

QString DNTestCaptureSource::describe() const
{
    return QStringLiteral("test pictures %1x%2 at %3 fps%4")
        .arg(size_.width())
        .arg(size_.height())
        .arg(framesPerSecond_)
        .arg(withAudio_ ? QStringLiteral(" with a test tone") : QString());
}
