#pragma once

#include <QString>

// Puts an extension on an output path.
// mode 1: the path's own extension is replaced by `extension`;
// mode 0: `extension` is appended unless the path already ends in it (case ignored), so
//         "clip.avi" with "mp4" becomes "clip.avi.mp4";
// any other mode, or a null extension: the path unchanged.
QString FixOutputPathExtension(const QString &path, const QString &extension, int mode);
