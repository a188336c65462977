#include "HVPlayerArguments.h"

#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileFormatTests.h"
#include "dvd/file/DNFileNode.h"
#include "playerchannel/MPlayerOSXVOWire.h"

#include <QAtomicInt>

#include <cmath>

namespace HVPlayerArguments {
namespace {
QAtomicInt onlineCounter;
QAtomicInt editorCounter;

QString onlineName(int number)
{
    return QStringLiteral("%1<->%2").arg(QStringLiteral("ONLINE_VIDEO_BUFFER_NAME")).arg(number);
}

QString editorName(int number)
{
    return QStringLiteral("%1->%2").arg(QStringLiteral("EDIT_VIDEO_BUFFER_NAME_1")).arg(number);
}

QString fixed(double value, int decimals)
{
    return QString::asprintf("%.*f", decimals, value);
}

QString seekCommand(double seconds, int type)
{
    return QString::asprintf("seek %.1f %d\n", seconds, type);
}
} // namespace

QString previewBufferName()
{
    return QStringLiteral("NXMPlayerBufferName");
}

QString nextOnlineBufferName()
{
    return onlineName(onlineCounter.fetchAndAddOrdered(1) + 1);
}

QString currentOnlineBufferName()
{
    return onlineName(onlineCounter.loadAcquire());
}

QString nextEditorBufferName()
{
    return editorName(editorCounter.fetchAndAddOrdered(1) + 1);
}

QString currentEditorBufferName()
{
    return editorName(editorCounter.loadAcquire());
}

QString sharedBufferVideoOutput(const QString &bufferName)
{
    return QStringLiteral("corevideo:shared_buffer:buffer_name=\"%1\"").arg(bufferName);
}

QString bufferVideoOutput(const QString &bufferName)
{
    return QStringLiteral("corevideo:buffer_name=\"%1\"").arg(bufferName);
}

QStringList previewArguments(const QStringList &itemParameters, float volume, const QString &bufferName)
{
    return itemParameters + QStringList{QStringLiteral("-osdlevel"), QStringLiteral("0"),
                                        QStringLiteral("-ao"),       QStringLiteral("coreaudio"),
                                        QStringLiteral("-vf"),       QStringLiteral("screenshot"),
                                        QStringLiteral("-vo"),       sharedBufferVideoOutput(bufferName),
                                        QStringLiteral("-volume"),   fixed(volume, 2)};
}

QStringList onlineArguments(const QString &bufferName, double cacheMegabytes, float volume,
                            const QStringList &trailing)
{
    QStringList arguments{QStringLiteral("-vf"),       QStringLiteral("screenshot"), QStringLiteral("-identify"),
                          QStringLiteral("-slave"),    QStringLiteral("-vo"),        bufferVideoOutput(bufferName)};
    if (cacheMegabytes > 0)
        arguments << QStringLiteral("-cache") << QString::number(int(std::ceil(cacheMegabytes * 1024.0)));
    arguments << QStringLiteral("-volume") << fixed(volume, 2);
    return arguments + trailing;
}

QStringList editorArguments(const QStringList &itemParameters, double scaleWidth, double scaleHeight,
                            double startSecond, const QString &bufferName)
{
    return itemParameters + QStringList{QStringLiteral("-osdlevel"), QStringLiteral("0"),
                                        QStringLiteral("-ao"),       QStringLiteral("coreaudio"),
                                        QStringLiteral("-vf"),
                                        QString::asprintf("scale=%.0f:%.0f", scaleWidth, scaleHeight),
                                        QStringLiteral("-ss"),       fixed(startSecond, 0),
                                        QStringLiteral("-vo"),       bufferVideoOutput(bufferName),
                                        QStringLiteral("-volume"),   fixed(50.0, 2),
                                        QStringLiteral("-loop"),     QStringLiteral("0")};
}

QString pauseCommand()
{
    return QStringLiteral("pause\n");
}

QString quitCommand()
{
    return QStringLiteral("quit\n");
}

QString seekAbsoluteCommand(double seconds)
{
    return seekCommand(seconds, 2);
}

QString seekRelativeCommand(double seconds)
{
    return seekCommand(seconds, 0);
}

QString seekRelativeStayPausedCommand(double seconds)
{
    return seekCommand(seconds, 0) + QStringLiteral(" pause\n");
}

QString volumeCommand(float volume)
{
    return QString::asprintf("set_property volume %.2f\n", double(volume));
}

QString volumeStayPausedCommand(float volume)
{
    return volumeCommand(volume) + QStringLiteral(" pause\n");
}

QString muteCommand(bool mute)
{
    return QString::asprintf("set_property mute %d\n", mute ? 1 : 0);
}

QString screenshotCommand()
{
    return QStringLiteral("screenshot 0\n");
}

std::optional<QStringList> playbackParametersOf(const NXMediaNodePtr &item)
{
    if (const auto file = std::dynamic_pointer_cast<DNFileNode>(item))
        return file->NXMPlayerPlaybackParameters();
    if (const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(item))
        return dvd->NXMPlayerPlaybackParameters();
    return std::nullopt;
}

quint32 pixelFormatForItem(const NXMediaNodePtr &item)
{
    return Has2vuyVideoTrack(item.get()) ? MPlayerOSXVOWire::kPixelFormat2VUY : MPlayerOSXVOWire::kPixelFormatYUVS;
}

} // namespace HVPlayerArguments
