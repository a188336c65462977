#pragma once

#include "dvd/slideshow/DNGraphicsNode.h"

#include <QString>

// Gives the slideshow the file item of its rendered video at path (probed without a thumbnail),
// with the slideshow's tags and profile, and no audio when the video has none. The slideshow
// keeps no file item when path holds no video.
void convertGraphicsNodeToFileNode(DNGraphicsNode &node, const QString &path);
