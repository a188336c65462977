#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The video file extensions the program accepts, in their fixed order.
QStringList DNVideoExtensions();
// Each video extension mapped to itself, for lookups.
QHash<QString, QString> DNVideoExtensionDictionary();
// True when the path's extension, ignoring case, is a video extension.
bool DNIsVideoFile(const QString &path);
bool DNIsImageExtension(const QString &extension);
// The picture types offered for a watermark, in order.
QStringList DNWatermarkImageTypes();
// True when path is an existing folder holding a folder "VIDEO_TS".
bool DNIsDVDVideoFolder(const QString &path);
