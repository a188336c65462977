#include "slideshow/records/DNPhotoProperties.h"

#include "slideshow/records/DNPhotoIntegrity.h"

#include <QFile>
#include <QImageReader>

#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

struct ExifDataUnref
{
    void operator()(ExifData *d) const { exif_data_unref(d); }
};
using ExifDataPtr = std::unique_ptr<ExifData, ExifDataUnref>;

// The EXIF block as the file holds it. libexif's own loader would "fix" the block to the
// standard on the way in, which adds mandatory tags such as a capture date of today; the raw
// block is loaded with that option off.
ExifDataPtr loadExif(const QString &path)
{
    ExifLoader *loader = exif_loader_new();
    if (!loader)
        return nullptr;
    exif_loader_write_file(loader, QFile::encodeName(path).constData());
    const unsigned char *buffer = nullptr;
    unsigned int size = 0;
    exif_loader_get_buf(loader, &buffer, &size);
    ExifDataPtr data;
    if (buffer && size > 0) {
        data.reset(exif_data_new());
        if (data) {
            exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
            exif_data_load_data(data.get(), buffer, size);
        }
    }
    exif_loader_unref(loader);
    return data;
}

ExifEntry *entry(ExifData *data, ExifIfd ifd, ExifTag tag)
{
    return data->ifd[ifd] ? exif_content_get_entry(data->ifd[ifd], tag) : nullptr;
}

QString asciiValue(const ExifEntry *e)
{
    if (!e || e->format != EXIF_FORMAT_ASCII || !e->data)
        return QString();
    const char *text = reinterpret_cast<const char *>(e->data);
    return QString::fromLatin1(text, static_cast<qsizetype>(strnlen(text, e->size)));
}

// Degrees, minutes and seconds as three rationals; nothing when the entry has another shape.
std::optional<double> degreesValue(const ExifEntry *e, ExifByteOrder order)
{
    if (!e || e->format != EXIF_FORMAT_RATIONAL || e->components < 1 || !e->data)
        return std::nullopt;
    const unsigned long parts = e->components < 3 ? e->components : 3;
    const double scale[3] = {1.0, 60.0, 3600.0};
    double value = 0.0;
    for (unsigned long i = 0; i < parts; ++i) {
        const ExifRational r = exif_get_rational(e->data + i * exif_format_get_size(e->format), order);
        if (r.denominator == 0)
            return std::nullopt;
        value += double(r.numerator) / double(r.denominator) / scale[i];
    }
    return value;
}

void readFailed(const char *what, const char *why)
{
    std::fprintf(stderr, "%s\n%s\n", what, why);
}

void readGPS(ExifData *data, ExifByteOrder order, DNPhotoProperties &p)
{
    ExifContent *gps = data->ifd[EXIF_IFD_GPS];
    if (!gps || gps->count == 0)
        return;
    p.hasGPS = true;
    p.longitudeRef = asciiValue(entry(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LONGITUDE_REF)));
    p.latitudeRef = asciiValue(entry(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LATITUDE_REF)));
    const ExifEntry *lon = entry(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LONGITUDE));
    const ExifEntry *lat = entry(data, EXIF_IFD_GPS, ExifTag(EXIF_TAG_GPS_LATITUDE));
    const auto lonValue = degreesValue(lon, order);
    const auto latValue = degreesValue(lat, order);
    if ((lon && !lonValue) || (lat && !latValue))
        readFailed("get photo gps failed...", "malformed GPS coordinate");
    if (lonValue)
        p.longitude = *lonValue;
    if (latValue)
        p.latitude = *latValue;
}

void readDate(ExifData *data, DNPhotoProperties &p)
{
    const ExifEntry *e = entry(data, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL);
    if (!e)
        return;
    if (e->format != EXIF_FORMAT_ASCII) {
        readFailed("get photo creation date failed...", "the capture date is no text");
        return;
    }
    p.createDate = DNPhotoDateFromText(asciiValue(e));
}

void readOrientation(ExifData *data, ExifByteOrder order, DNPhotoProperties &p)
{
    const ExifEntry *e = entry(data, EXIF_IFD_0, EXIF_TAG_ORIENTATION);
    if (!e || e->format != EXIF_FORMAT_SHORT || e->components < 1 || !e->data)
        return;
    const int value = exif_get_short(e->data, order);
    p.orientation = value >= 1 && value <= 8 ? value : 1;
}

} // namespace

QDateTime DNPhotoDateFromText(const QString &text)
{
    return QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

DNPhotoProperties DNReadPhotoProperties(const QString &path)
{
    DNPhotoProperties p;
    QImageReader reader(path);
    if (!reader.canRead())
        return p;
    const QSize size = reader.size();
    if (size.isValid()) {
        // The header alone would take a photo cut short, whose missing part shows grey.
        if (!DNPhotoIsWhole(path, reader.format()))
            return p;
        p.pixelSize = size;
    } else {
        // A file that starts like a picture but whose header says nothing: a picture only if it
        // decodes (a damaged one does not).
        QImageReader decoder(path);
        if (decoder.read().isNull())
            return p;
    }
    p.isImage = true;

    if (ExifDataPtr data = loadExif(path)) {
        const ExifByteOrder order = exif_data_get_byte_order(data.get());
        readGPS(data.get(), order, p);
        readDate(data.get(), p);
        readOrientation(data.get(), order, p);
    }
    return p;
}
