#include "convert/driver/DiscImageCheck.h"

#include "convert/engine/DNISOBackUpCore.h"
#include "dvd/DVDLayoutCheck.h"
#include "dvd/NXDVDUtilities.h"

#include <QFile>

namespace {
constexpr qint64 kSector = 2048;

quint32 littleEndian32(const QByteArray &bytes, int at)
{
    return quint32(quint8(bytes.at(at))) | quint32(quint8(bytes.at(at + 1))) << 8 | quint32(quint8(bytes.at(at + 2))) << 16
        | quint32(quint8(bytes.at(at + 3))) << 24;
}
} // namespace

QString discImageProblem(const QString &path, int titles)
{
    if (!isReadableISOImage(path))
        return QStringLiteral("%1 is no ISO image").arg(path);
    QFile image(path);
    if (!image.open(QIODevice::ReadOnly) || !image.seek(16 * kSector))
        return QStringLiteral("%1 cannot be read").arg(path);
    const QByteArray descriptor = image.read(kSector);
    if (descriptor.size() != kSector)
        return QStringLiteral("%1 cannot be read").arg(path);
    // The primary volume descriptor gives the volume's length in blocks and the block size.
    const qint64 blocks = littleEndian32(descriptor, 80);
    const qint64 blockSize = quint8(descriptor.at(128)) | quint8(descriptor.at(129)) << 8;
    const qint64 wanted = blocks * (blockSize > 0 ? blockSize : kSector);
    if (image.size() < wanted)
        return QStringLiteral("%1 holds %2 of the %3 bytes of its volume").arg(path).arg(image.size()).arg(wanted);
    image.close();

    QString error;
    const auto structure = NXDVDUtilities::readDVDIFO(path, QString(), &error);
    if (!structure)
        return QStringLiteral("the DVD in %1 cannot be read: %2").arg(path, error);
    if (titles > 0 && int(structure->listOfTitles.size()) != titles)
        return QStringLiteral("the DVD in %1 holds %2 titles where the source has %3")
            .arg(path)
            .arg(structure->listOfTitles.size())
            .arg(titles);
    // Every file in the image as long as the image's own IFO files say, and there to read.
    const DVDSourceLayout layout = checkDVDSourceLayout(path, 0);
    if (!layout.problem.isEmpty())
        return QStringLiteral("the DVD in %1 is not whole: %2").arg(path, layout.problem);
    return {};
}
