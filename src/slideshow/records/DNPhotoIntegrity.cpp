#include "slideshow/records/DNPhotoIntegrity.h"

#include <QFile>
#include <QImageReader>

#include <cstdlib>
#include <cstring>

namespace {

struct Bytes
{
    const uchar *data = nullptr;
    qint64 size = 0;

    int at(qint64 i) const { return data[i]; }
    quint32 bigEndian16(qint64 i) const { return quint32(at(i)) << 8 | quint32(at(i + 1)); }
    quint32 bigEndian32(qint64 i) const { return bigEndian16(i) << 16 | bigEndian16(i + 2); }
    quint32 littleEndian16(qint64 i) const { return quint32(at(i)) | quint32(at(i + 1)) << 8; }
    quint32 littleEndian32(qint64 i) const { return littleEndian16(i) | littleEndian16(i + 2) << 16; }
};

constexpr int kMarker = 0xFF;
constexpr int kEndOfImage = 0xD9;
constexpr int kStartOfScan = 0xDA;

bool isStandaloneMarker(int marker)
{
    // TEM and the restart markers carry no length.
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// Past the entropy-coded data that follows a scan header: to the next marker, stepping over
// stuffed bytes (FF 00) and restart markers. -1 when the file ends first.
qint64 endOfScan(const Bytes &b, qint64 i)
{
    while (i < b.size) {
        const void *found = std::memchr(b.data + i, kMarker, size_t(b.size - i));
        if (!found)
            return -1;
        i = static_cast<const uchar *>(found) - b.data;
        if (i + 1 >= b.size)
            return -1;
        const int next = b.at(i + 1);
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
            i += 2;
        else if (next == kMarker)
            ++i;   // fill before a marker
        else
            return i;
    }
    return -1;
}

bool jpegIsWhole(const Bytes &b)
{
    if (b.size < 4 || b.at(0) != kMarker || b.at(1) != 0xD8)
        return false;
    qint64 i = 2;
    while (i < b.size) {
        // Stray bytes between segments are passed over, as decoders do.
        while (i < b.size && b.at(i) != kMarker)
            ++i;
        while (i < b.size && b.at(i) == kMarker)
            ++i;
        if (i >= b.size)
            return false;
        const int marker = b.at(i++);
        if (marker == kEndOfImage)
            return true;
        if (isStandaloneMarker(marker))
            continue;
        if (i + 2 > b.size)
            return false;
        const quint32 length = b.bigEndian16(i);
        if (length < 2 || i + length > b.size)
            return false;
        i += length;
        if (marker == kStartOfScan) {
            i = endOfScan(b, i);
            if (i < 0)
                return false;
        }
    }
    return false;
}

bool pngIsWhole(const Bytes &b)
{
    static const uchar signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size < 8 || std::memcmp(b.data, signature, 8) != 0)
        return false;
    qint64 i = 8;
    while (i + 8 <= b.size) {
        const qint64 length = b.bigEndian32(i);
        if (std::memcmp(b.data + i + 4, "IEND", 4) == 0)
            return true;
        // Length, type, data and checksum.
        i += 12 + length;
    }
    return false;
}

bool bmpIsWhole(const Bytes &b)
{
    constexpr qint64 kHeaders = 14 + 16;
    if (b.size < kHeaders || b.at(0) != 'B' || b.at(1) != 'M')
        return false;
    const qint64 pixelsAt = b.littleEndian32(10);
    const qint64 width = qint32(b.littleEndian32(18));
    const qint64 height = std::abs(qint32(b.littleEndian32(22)));
    const qint64 bitsPerPixel = b.littleEndian16(28);
    // Only rows stored plainly have a size to check; compressed rows end where their data says.
    const qint64 compression = b.size >= 34 ? b.littleEndian32(30) : 0;
    if (compression != 0 && compression != 3)
        return true;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return b.size >= pixelsAt + rowBytes * height;
}

} // namespace

bool DNPhotoIsWhole(const QString &path, const QByteArray &format)
{
    const bool jpeg = format == "jpeg" || format == "jpg";
    if (!jpeg && format != "png" && format != "bmp") {
        QImageReader decoder(path, format);
        return !decoder.read().isNull();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
        return false;
    Bytes bytes{file.map(0, file.size()), file.size()};
    // A file that cannot be mapped (on a file system without it) is read instead.
    QByteArray read;
    if (!bytes.data) {
        read = file.readAll();
        bytes = {reinterpret_cast<const uchar *>(read.constData()), read.size()};
    }
    if (jpeg)
        return jpegIsWhole(bytes);
    return format == "png" ? pngIsWhole(bytes) : bmpIsWhole(bytes);
}
