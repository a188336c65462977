#include "slideshow/records/DNGPS.h"

#include <cmath>

namespace {
DNGPS::Coordinate coordinate(const QString &ref, const QVariant &degree)
{
    DNGPS::Coordinate c;
    const QByteArray utf8 = ref.toUtf8();
    c.name = utf8.isEmpty() ? 0 : static_cast<qint8>(utf8.at(0));
    c.degree = degree.isValid() ? degree.toFloat() : 0.0f;
    return c;
}

// The step of the comparison for one coordinate; 0 when it does not decide.
int compareCoordinate(DNGPS::Coordinate a, DNGPS::Coordinate b)
{
    if (a.name != b.name)
        return a.name < b.name ? -1 : 1;
    const float d = a.degree - b.degree;
    if (std::fabs(d) >= 0.0001f)
        return d < 0 ? -1 : 1;
    return 0;
}
} // namespace

DNGPS::DNGPS(const QString &longitudeRef, const QVariant &longitude, const QString &latitudeRef,
             const QVariant &latitude)
    : longitude_(coordinate(longitudeRef, longitude)), latitude_(coordinate(latitudeRef, latitude))
{
}

int DNGPS::compare(const DNGPS *other) const
{
    if (!other)
        return 1;
    if (const int byLongitude = compareCoordinate(longitude_, other->longitude_))
        return byLongitude;
    return compareCoordinate(latitude_, other->latitude_);
}
