#include "dvd/cover/ComputeDVDDiscID.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>


#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr quint64 kReflectedPolynomial = 0x92C64265D32139A4ULL;
constexpr qint64 kIFOBytesRead = 65536;

const std::array<quint64, 256> &crcTable()
{
    static const std::array<quint64, 256> table = [] {
        std::array<quint64, 256> t{};
        for (quint64 i = 0; i < 256; ++i) {
            quint64 c = i;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? (c >> 1) ^ kReflectedPolynomial : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

void appendLittleEndian(QByteArray &out, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// 100-nanosecond units since 1601-01-01 UTC of the file's creation; file systems that keep no
// birth time give their last status change instead, which is what a copy's creation amounts to.
quint64 creationTimeUnits(const QFileInfo &info)
{
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.metadataChangeTime();
    static const QDateTime epoch1601(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC);
    const qint64 seconds = epoch1601.secsTo(created);
    return quint64(seconds) * 10000000ULL;
}

bool readHead(const QString &path, QByteArray *out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *out = file.read(kIFOBytesRead);
    return true;
}

} // namespace

quint64 DNDiscIDCRC64(quint64 crc, const QByteArray &data)
{
    const auto &table = crcTable();
    for (const char byte : data)
        crc = (crc >> 8) ^ table[(crc ^ quint8(byte)) & 0xFF];
    return crc;
}

int ComputeDVDDiscID(quint64 *result, const char *root)
{
    if (!result || !root)
        return 0;
    const QString rootPath = QString::fromUtf8(root);
    const QDir videoTS(rootPath + QStringLiteral("/VIDEO_TS"));
    if (!videoTS.exists())
        return 0;
    const QFileInfoList entries =
        videoTS.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    if (entries.isEmpty())
        return 0;

    struct Entry
    {
        QByteArray name;
        quint64 created;
        quint32 size;
    };
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    for (const QFileInfo &info : entries)
        sorted.push_back({info.fileName().toUtf8(), creationTimeUnits(info), quint32(info.size())});
    std::sort(sorted.begin(), sorted.end(),
              [](const Entry &a, const Entry &b) { return std::strcmp(a.name.constData(), b.name.constData()) < 0; });

    QByteArray vmg;
    QByteArray vts;
    if (!readHead(videoTS.filePath(QStringLiteral("VIDEO_TS.IFO")), &vmg)
        || !readHead(videoTS.filePath(QStringLiteral("VTS_01_0.IFO")), &vts))
        return 0;

    quint64 crc = ~0ULL;
    for (const Entry &entry : sorted) {
        QByteArray bytes;
        appendLittleEndian(bytes, entry.created, 8);
        appendLittleEndian(bytes, entry.size, 4);
        bytes.append(entry.name);
        bytes.append('\0');
        crc = DNDiscIDCRC64(crc, bytes);
    }
    crc = DNDiscIDCRC64(crc, vmg);
    crc = DNDiscIDCRC64(crc, vts);
    *result = crc;
    return 1;
}
