#include "convert/capture/DNCaptureSource.h"

namespace {
// Sound devices deliver in bursts while the encoder is busy; a deeper queue than ffmpeg's default
// of 8 packets keeps a burst from being dropped. Sound packets are small.
const QString kSoundQueue = QStringLiteral("512");
} // namespace

QString DNPictureInputQueue()
{
    // A picture of the screen is 8 MB: a few are enough to ride out a slow frame of the encoder,
    // and a full queue makes the device wait rather than the recording fall behind.
    return QStringLiteral("4");
}

QStringList DNPulseAudioInput(const QString &sourceName)
{
    if (sourceName.isEmpty())
        return {};
    return {QStringLiteral("-thread_queue_size"), kSoundQueue, QStringLiteral("-f"), QStringLiteral("pulse"),
            QStringLiteral("-i"), sourceName};
}

DNTestCaptureSource::DNTestCaptureSource(QSize size, int framesPerSecond, bool withAudio)
    : size_(size), framesPerSecond_(framesPerSecond > 0 ? framesPerSecond : 25), withAudio_(withAudio)
{
}

QStringList DNTestCaptureSource::inputArguments() const
{
    // The realtime filters pace the generators; each packet is stamped when it is read, as a
    // device stamps what it takes.
    const QStringList stamped{QStringLiteral("-use_wallclock_as_timestamps"), QStringLiteral("1"), QStringLiteral("-f"),
                              QStringLiteral("lavfi"), QStringLiteral("-i")};
    QStringList words = QStringList{QStringLiteral("-thread_queue_size"), DNPictureInputQueue()} + stamped;
    words << QStringLiteral("testsrc2=size=%1x%2:rate=%3,realtime").arg(size_.width()).arg(size_.height()).arg(framesPerSecond_);
    if (withAudio_)
        words += QStringList{QStringLiteral("-thread_queue_size"), kSoundQueue} + stamped
                 + QStringList{QStringLiteral("sine=frequency=440:sample_rate=48000,arealtime")};
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
