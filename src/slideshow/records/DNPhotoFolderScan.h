#pragma once

#include "slideshow/records/DNImageNode.h"

#include <QStringList>

#include <atomic>

// The photo file extensions a slideshow takes (compared lower-cased).
QStringList DNPhotoExtensions();

// Appends to out the photos found below folder at every depth (in name order, a folder's entries
// before the next sibling), reading each one. A sub-folder becomes a folder node of its own only
// while depth + 1 stays below depthLimit; otherwise its photos simply join the list. Photos of
// 8192 pixels or more on a side are dropped with a warning on standard error; files that are no
// readable picture, and files that are no photo at all, are skipped with a line in the log. The
// scan ends early once *stop is set.
void DNLoadPhotosInDirectory(const QString &folder, QList<DNImageNodePtr> &out, int depth, int depthLimit,
                             const std::atomic_bool *stop);
