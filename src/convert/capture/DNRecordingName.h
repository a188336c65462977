#pragma once

#include <QDateTime>
#include <QString>

// How the recorders name their movies: "Quivra Screen Recorder %@.mov" and
// "Quivra Camera Recorder %@.mov", %@ being the date in the pattern "yyyy-MM-dd 'at' a KK.mm.ss"
// (a: the AM/PM marker, KK: the hour of the half day, 00 to 11).
inline constexpr const char *kScreenRecordingNameFormat = "Quivra Screen Recorder %@.mov";
inline constexpr const char *kCameraRecordingNameFormat = "Quivra Camera Recorder %@.mov";

// nameFormat with its %@ replaced by the date as the program's files name it (DNFileNameDateText:
// "AM"/"PM" whatever the interface language).
QString DNRecordingFileName(const char *nameFormat, const QDateTime &date);
// The first free path for that name in folder (" (1)", " (2)" ... before the extension when
// the name is taken).
QString DNRecordingPath(const QString &folder, const char *nameFormat, const QDateTime &date);

// Where recordings go while the user has chosen no folder: the program's default output folder
// (made when missing), else the home folder.
QString DNDefaultRecordingFolder();
// folder itself when it names one, else DNDefaultRecordingFolder().
QString DNRecordingFolderOrDefault(const QString &folder);
