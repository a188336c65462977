#pragma once

#include <QPixmap>
#include <QString>

// An interface picture by its file name ("DVD_disc_on.png"), looked up in the images resources
// and their subfolders; pictures are read once and kept. A missing picture gives a null pixmap,
// so a control without its picture falls back to its plain drawing.
QPixmap DNImageNamed(const QString &fileName);
