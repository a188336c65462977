#pragma once

#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "dvd/NXDVDSourceInfo.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What the DVD loading assistant does off its windows: decide which folder a user's choice
// stands for, find a subtitle file beside a folder or image, and read a source into a finished
// DVD item. Everything here may run on a loading thread.
namespace NXDVDSourceLoading {

// The DVD folder a chosen folder stands for: its parent when it is itself a VIDEO_TS folder, the
// folder when it holds a VIDEO_TS folder, else empty (not a DVD folder).
QString dvdFolderForChosenFolder(const QString &chosen);

// The source a dropped or chosen path stands for: an image by its "iso" extension (any case),
// else a DVD folder, a VIDEO_TS folder standing for the folder above it; null for an empty path.
NXDVDSourceInfoPtr sourceInfoForPath(const QString &path);

// A subtitle file beside a DVD folder or image whose name (without extension) begins with the
// source's name, ignoring case; at most one, the first in name order. A mounted disc gets none.
QList<DNDVDTExtSubtitlePtr> loadDVDExtraSubtitleAtPath(const NXDVDSourceInfoPtr &source);

// Reads the source and builds its item: titles, main title chosen and selected, the matching
// subtitle file shared by every title; its cover lookup is queued. Null (error set) when the structure cannot be read.
// listPath replaces the shipped main-title list (tests).
DNDVDNodePtr analysisDVDSource(const NXDVDSourceInfoPtr &source, QString *error = nullptr,
                               const QString &listPath = QString());

} // namespace NXDVDSourceLoading
