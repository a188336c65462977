#pragma once

#include <QString>

// The first path in folder that nothing occupies: number < 1 tries folder/name first, then
// "folder/base (number).ext" with number counting up. A folder ending in "/" gets no second one.
QString DNUniqueFilePath(const QString &folder, const QString &fileName, int number);
// A file name built from a user's name for folder: head + as much of the start of body as fits +
// tail, body cut at a UTF-8 character boundary so that the name stays room bytes below the
// NAME_MAX of folder's file system. Empty when head and tail alone do not fit.
QString DNFitFileName(const QString &folder, const QString &head, const QString &body, const QString &tail, int room = 0);
// The name a file is written under for a name the user gave (typed, or taken from a tag or a
// disc's label): a '/' would lead out of the chosen folder, so it becomes '_'. Rows and the tag
// editor keep a name in this form, so the name they show is the one written.
QString DNFileNameAsWritten(QString name);
// Creates path with its missing parents. False, doing nothing, when anything exists there.
// An empty path is a programming error (assertion "dir != nil").
bool DNCreateDirectory(const QString &path);
// The per-user data folder ($XDG_DATA_HOME, by default ~/.local/share); empty when unknown.
QString DNApplicationSupportDirectory();
// The program's own folder inside it: "Harnvale/Talvane".
QString DNApplicationDataDirectory();
