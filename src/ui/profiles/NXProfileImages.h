#pragma once

#include <QPixmap>
#include <QString>

// The pictures of the profile sheets, "<name>.png" in the images/profiles resources. A name
// without a picture gives fallbackName's picture (a null pixmap when that is missing too).
QPixmap NXProfileImageNamed(const QString &name, const QString &fallbackName = QString());
