// The in-process DVD identifier: a CRC-64 over the VIDEO_TS listing and the first IFO bytes.
#include "dvd/cover/ComputeDVDDiscID.h"

#include "support/fixturecopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Bit by bit, straight from the definition: reflected polynomial, LSB first.
quint64 bitwiseCRC(quint64 crc, const QByteArray &data)
{
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0x92C64265D32139A4ULL : crc >> 1;
    }
    return crc;
}

quint64 discID(const QString &root, int *status)
{
    quint64 id = 0;
    *status = ComputeDVDDiscID(&id, root.toUtf8().constData());
    return id;
}

} // namespace

TEST(DiscID, TableCRCAgreesWithTheBitwiseDefinition)
{
    const QByteArray inputs[] = {QByteArray("123456789"), QByteArray(), QByteArray(300, '\xA5'),
                                 QByteArray("\0\x01\xFF", 3)};
    for (const QByteArray &input : inputs)
        EXPECT_EQ(DNDiscIDCRC64(~0ULL, input), bitwiseCRC(~0ULL, input)) << input.toHex().constData();
    // Feeding in pieces is the same as feeding at once.
    EXPECT_EQ(DNDiscIDCRC64(DNDiscIDCRC64(~0ULL, "1234"), "56789"), DNDiscIDCRC64(~0ULL, "123456789"));
}

TEST(DiscID, StableForOneDiscAndSensitiveToItsIFOBytes)
{
    QTemporaryDir tmp;
    const QString root = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), tmp.path());
    ASSERT_FALSE(root.isEmpty());
    int status = 0;
    const quint64 first = discID(root, &status);
    ASSERT_EQ(status, 1);
    EXPECT_EQ(discID(root, &status), first);

    QFile ifo(root + QStringLiteral("/VIDEO_TS/VTS_01_0.IFO"));
    ASSERT_TRUE(ifo.open(QIODevice::ReadWrite));
    ifo.seek(200);
    char byte = 0;
    ifo.getChar(&byte);
    ifo.seek(200);
    ifo.putChar(char(byte ^ 0x01));
    ifo.close();
    EXPECT_NE(discID(root, &status), first);
    EXPECT_EQ(status, 1);
}

TEST(DiscID, FailsWithoutAListableFolderOrEitherIFO)
{
    QTemporaryDir tmp;
    const QString root = testsupport::copyFixture(QStringLiteral("dvd/pal"), tmp.path());
    ASSERT_FALSE(root.isEmpty());
    QTemporaryDir empty;
    QDir(empty.path()).mkdir(QStringLiteral("VIDEO_TS"));

    QTemporaryDir noVts;
    const QString partial = testsupport::copyFixture(QStringLiteral("dvd/pal"), noVts.path());
    ASSERT_TRUE(QFile::remove(partial + QStringLiteral("/VIDEO_TS/VTS_01_0.IFO")));
    QTemporaryDir noVmg;
    const QString partial2 = testsupport::copyFixture(QStringLiteral("dvd/pal"), noVmg.path());
    ASSERT_TRUE(QFile::remove(partial2 + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")));

    const QString failing[] = {tmp.path() + QStringLiteral("/missing"), empty.path(), partial, partial2};
    for (const QString &path : failing) {
        quint64 id = 42;
        EXPECT_EQ(ComputeDVDDiscID(&id, path.toUtf8().constData()), 0) << path.toStdString();
        EXPECT_EQ(id, 42u);
    }
    int status = 0;
    discID(root, &status);
    EXPECT_EQ(status, 1);
}
