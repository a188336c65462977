#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QVariant>

// What a photo file tells about itself without being decoded: whether it is a picture at all,
// its stored pixel size, and from its EXIF block (read with libexif) the capture date, the GPS
// position and the orientation in which it is meant to be shown.
struct DNPhotoProperties
{
    bool isImage = false;   // a whole picture the image readers can read (a damaged one, or
                            // one cut short, is not)
    QSize pixelSize;        // as stored, before the orientation; invalid when not given
    QDateTime createDate;   // EXIF capture date-time; invalid when absent or not parsable
    bool hasGPS = false;    // the file has a GPS block
    QString longitudeRef;   // "E" or "W"
    QVariant longitude;     // degrees, invalid when absent
    QString latitudeRef;    // "N" or "S"
    QVariant latitude;
    int orientation = 1;    // EXIF orientation code 1 to 8 (1: as stored)
};

DNPhotoProperties DNReadPhotoProperties(const QString &path);

// The capture date-time text parsed with the pattern "yyyy:MM:dd HH:mm:ss" (local time); an
// invalid date for any other layout.
QDateTime DNPhotoDateFromText(const QString &text);
