#pragma once

#include <QString>
#include <QVariant>

// The GPS position of one photo: each coordinate as the first byte of its reference text (the
// letter for north or south, east or west) and its degrees as the photo gives them (a positive
// number; the letter says which side).
class DNGPS
{
public:
    struct Coordinate
    {
        qint8 name = 0;
        float degree = 0.0f;
    };

    DNGPS() = default;
    // A missing text or number (an invalid variant) yields 0.
    DNGPS(const QString &longitudeRef, const QVariant &longitude, const QString &latitudeRef, const QVariant &latitude);

    Coordinate longitude() const { return longitude_; }
    void setLongitude(Coordinate v) { longitude_ = v; }
    Coordinate latitude() const { return latitude_; }
    void setLatitude(Coordinate v) { latitude_ = v; }

    // -1, 0 or 1: by longitude letter, longitude degrees, latitude letter, latitude degrees;
    // degrees closer than 0.0001 count as equal. No other position: 1.
    int compare(const DNGPS *other) const;

private:
    Coordinate longitude_;
    Coordinate latitude_;
};
