#pragma once

#include "core/model/NXBasicMediaNode.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// What the three players hand the player executable: buffer names, argument vectors and slave
// commands, exactly as the protocol gives them. Pure functions except for the two process-wide
// buffer counters.
namespace HVPlayerArguments {

// The preview's one buffer name, fixed for the life of its control.
QString previewBufferName();
// Each new online or editor receiver takes the next number of its own process-wide counter
// (starting at 0, incremented before use): "ONLINE_VIDEO_BUFFER_NAME<->1", then <->2, ...;
// "EDIT_VIDEO_BUFFER_NAME_1->1", ... The current names are those of the last receiver made.
QString nextOnlineBufferName();
QString currentOnlineBufferName();
QString nextEditorBufferName();
QString currentEditorBufferName();

// The video-output options; the buffer name stands between two double-quote characters.
QString sharedBufferVideoOutput(const QString &bufferName);   // preview
QString bufferVideoOutput(const QString &bufferName);         // online and editor

// The preview: the item's parameters, then the fixed list with the volume as "%.2f".
QStringList previewArguments(const QStringList &itemParameters, float volume, const QString &bufferName);
// The online player: "-cache" is given only for a cache size above 0 MB (ceil(MB x 1024) KB);
// the media address and whatever else the caller hands in trail.
QStringList onlineArguments(const QString &bufferName, double cacheMegabytes, float volume,
                            const QStringList &trailing);
// The editor: scaled to the editor's picture, starting at its left time limit, looping, at
// volume 50.
QStringList editorArguments(const QStringList &itemParameters, double scaleWidth, double scaleHeight,
                            double startSecond, const QString &bufferName);

// Slave commands, each ending in a line feed.
QString pauseCommand();
QString quitCommand();
QString seekAbsoluteCommand(double seconds);
QString seekRelativeCommand(double seconds);
QString seekRelativeStayPausedCommand(double seconds);   // the editor, while paused
QString volumeCommand(float volume);
QString volumeStayPausedCommand(float volume);           // the editor, while paused
QString muteCommand(bool mute);
QString screenshotCommand();

// The item's leading player arguments when it is playable (a file item or a DVD source), else
// nothing.
std::optional<QStringList> playbackParametersOf(const NXMediaNodePtr &item);
// '2vuy' for a plain file item with a 2vuy video track, else 'yuvs'.
quint32 pixelFormatForItem(const NXMediaNodePtr &item);

} // namespace HVPlayerArguments
