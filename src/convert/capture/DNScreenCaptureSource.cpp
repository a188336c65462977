#include "convert/capture/DNScreenCaptureSource.h"

#include <QtGlobal>

QStringList DNScreenCaptureSource::inputArguments() const
{
    // x11grab stamps each picture with the wall clock when it takes it.
    QStringList words{QStringLiteral("-thread_queue_size"), DNPictureInputQueue(), QStringLiteral("-f"),
                      QStringLiteral("x11grab"), QStringLiteral("-framerate"),
                      QString::number(framesPerSecond()), QStringLiteral("-draw_mouse"),
                      input_.drawsPointer ? QStringLiteral("1") : QStringLiteral("0")};
    // Without a size x11grab takes the whole display.
    if (!input_.cropRect.isEmpty())
        words << QStringLiteral("-video_size")
              << QStringLiteral("%1x%2").arg(input_.cropRect.width()).arg(input_.cropRect.height())
              << QStringLiteral("-grab_x") << QString::number(input_.cropRect.x()) << QStringLiteral("-grab_y")
              << QString::number(input_.cropRect.y());
    words << QStringLiteral("-i") << input_.display;
    return words + DNPulseAudioInput(input_.audioSource);
}

QString DNScreenCaptureSource::describe() const
{
    const QRect &r = input_.cropRect;
    QString text = r.isEmpty() ? QStringLiteral("display %1").arg(input_.display)
                               : QStringLiteral("display %1, %2x%3 at %4,%5")
                                     .arg(input_.display)
                                     .arg(r.width())
                                     .arg(r.height())
                                     .arg(r.x())
                                     .arg(r.y());
    if (hasAudio())
        text += QStringLiteral(", sound from %1").arg(input_.audioSource);
    return text;
}

QString DNSessionDisplayName()
{
    return qEnvironmentVariable("DISPLAY");
}

DNScreenCaptureAvailability DNScreenCaptureAvailable()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE").compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
        return DNScreenCaptureAvailability::WaylandSession;
    if (DNSessionDisplayName().isEmpty())
        return DNScreenCaptureAvailability::NoDisplay;
    return DNScreenCaptureAvailability::Available;
}
