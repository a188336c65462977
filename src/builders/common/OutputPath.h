#pragma once

#include <QString>

// The path of a file that does not exist yet: folder/<sourceName without extension><suffix>.<ext>,
// or with " (n)" before the extension. A null sourceName gives "Untitled"; a null or empty
// folder gives the home folder; a source extension that matches the wanted one (or the other of
// mp4/m4v) is kept with its own letter case. A '/' in the name cannot lead out of the folder.
QString makeOutputPath(const QString &folder, const QString &sourceName, const QString &suffix,
                       const QString &extension);
