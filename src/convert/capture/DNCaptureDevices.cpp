#include "convert/capture/DNCaptureDevices.h"

#include "convert/capture/DNCaptureTools.h"
#include "core/platform/DNChildProcess.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// The card name of a V4L2 device that captures pictures; empty for any other node (UVC cameras
// add a metadata node beside each picture node, which cannot be recorded).
QString captureCardName(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString();
    v4l2_capability caps{};
    const bool answered = ::ioctl(fd, VIDIOC_QUERYCAP, &caps) == 0;
    ::close(fd);
    if (!answered)
        return QString();
    const quint32 nodeCaps = (caps.capabilities & V4L2_CAP_DEVICE_CAPS) ? caps.device_caps : caps.capabilities;
    if (!(nodeCaps & V4L2_CAP_VIDEO_CAPTURE))
        return QString();
    const QString card = QString::fromUtf8(reinterpret_cast<const char *>(caps.card)).trimmed();
    return card.isEmpty() ? QDir(path).dirName() : card;
}

} // namespace

DNCaptureDeviceList DNParsePulseSources(const QByteArray &listing)
{
    DNCaptureDeviceList devices;
    // "  name [description]", the default source marked "* "; newer ffmpeg adds " (media types)".
    static const QRegularExpression entry(QStringLiteral("^(\\S+) \\[(.*)\\](?: \\([^()]*\\))?$"));
    for (const QByteArray &raw : listing.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!raw.startsWith("* ") && !raw.startsWith("  "))
            continue;
        const QRegularExpressionMatch match = entry.match(line.startsWith(QLatin1Char('*')) ? line.mid(2) : line);
        if (!match.hasMatch())
            continue;
        DNCaptureDevice device;
        device.uniqueID = match.captured(1);
        device.localizedName = match.captured(2);
        device.isMonitor = device.uniqueID.endsWith(QLatin1String(".monitor"));
        devices.append(device);
    }
    return devices;
}

DNCaptureDeviceList DNPulseAudioSources()
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.setStandardInputFile(QProcess::nullDevice());
    DNKeepOnlyStandardDescriptors(ffmpeg);
    ffmpeg.start(DNCaptureTools::ffmpeg(), {QStringLiteral("-hide_banner"), QStringLiteral("-sources"), QStringLiteral("pulse")});
    // A server that does not answer must not hang the window that asked.
    if (!ffmpeg.waitForFinished(5000)) {
        ffmpeg.kill();
        ffmpeg.waitForFinished();
        return {};
    }
    return DNParsePulseSources(ffmpeg.readAll());
}

DNCaptureDeviceList DNVideoForLinuxCameras(const QString &folder)
{
    struct Node
    {
        int number;
        QString path;
    };
    std::vector<Node> nodes;
    const QStringList names = QDir(folder).entryList({QStringLiteral("video*")}, QDir::System | QDir::Files);
    for (const QString &name : names) {
        bool ok = false;
        const int number = name.mid(5).toInt(&ok);
        if (ok)
            nodes.push_back({number, folder + QLatin1Char('/') + name});
    }
    std::sort(nodes.begin(), nodes.end(), [](const Node &a, const Node &b) { return a.number < b.number; });
    DNCaptureDeviceList cameras;
    for (const Node &node : nodes) {
        const QString card = captureCardName(node.path);
        if (!card.isEmpty())
            cameras.append({node.path, card, false});
    }
    return cameras;
}

DNCaptureDeviceList DNSystemCaptureDevices::videoDevices() const
{
    return DNVideoForLinuxCameras();
}

DNCaptureDeviceList DNSystemCaptureDevices::audioDevices() const
{
    return DNPulseAudioSources();
}

DNCaptureSourcePtr DNSystemCaptureDevices::sourceFor(const DNCaptureDevice &video, const DNCaptureDevice *audio) const
{
    return std::make_shared<DNCameraCaptureSource>(video.uniqueID, audio ? audio->uniqueID : QString());
}

QStringList DNCameraCaptureSource::inputArguments() const
{
    // Drivers stamp pictures with clocks of their own (mostly the monotonic one, some none at
    // all): each picture is stamped with the wall clock as it is taken from the driver instead,
    // as the sound is.
    return QStringList{QStringLiteral("-thread_queue_size"), DNPictureInputQueue(), QStringLiteral("-f"),
                       QStringLiteral("v4l2"), QStringLiteral("-use_wallclock_as_timestamps"), QStringLiteral("1"),
                       QStringLiteral("-i"), devicePath_}
        + DNPulseAudioInput(audioSource_);
}

QString DNCameraCaptureSource::describe() const
{
    return hasAudio() ? QStringLiteral("camera %1, sound from %2").arg(devicePath_, audioSource_)
                      : QStringLiteral("camera %1").arg(devicePath_);
}
