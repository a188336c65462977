// The ISO backup needs the room of its image and no more: a disk with room for the image alone
// takes a whole, readable image of the disc; a disk with less is refused, with the room needed and
// free in the reason the user reads, and keeps nothing. Real tool, the NTSC disc.

#include "UnfinishedOutputSupport.h"

#include "support/dvdimage.h"
#include "support/smallfs.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace drivertest;

namespace {

DNDVDNodePtr discForImage()
{
    return loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupISO.plist"));
}

// The image's size, from a backup into a roomy folder.
qint64 imageBytes()
{
    QTemporaryDir roomy;
    useOutputFolder(roomy.path());
    const DNDVDNodePtr node = discForImage();
    if (!node || DNVideoConverterStart(node.get(), 1, nullptr, nullptr) != 0)
        return -1;
    return QFileInfo(node->titleAt(1)->outputName()).size();
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

} // namespace

TEST(DiscImageRoom, ADiskWithRoomForTheImageAloneTakesAWholeImage)
{
    const qint64 size = imageBytes();
    ASSERT_GT(size, 0);
    testsupport::SmallFileSystem disk(size);
    ASSERT_TRUE(disk.isValid());
    if (!disk.isMounted())
        GTEST_SKIP() << "no file system of a given size can be mounted here";
    useOutputFolder(disk.path());
    const DNDVDNodePtr node = discForImage();
    ASSERT_TRUE(node);
    ASSERT_EQ(DNVideoConverterStart(node.get(), 1, nullptr, nullptr), 0) << DNVideoConverterFailureReason().toStdString();
    const QString image = node->titleAt(1)->outputName();
    expectOnlyTheWholeOutput(disk.path(), image);
    EXPECT_EQ(QFileInfo(image).size(), size);

    const testsupport::DiscListing disc = testsupport::listDisc(image);
    ASSERT_EQ(disc.lengths.size(), 3u);
    const double authored[] = {6, 10, 4};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(disc.lengths[size_t(i)], authored[i], 0.5) << "title " << i + 1;
    EXPECT_EQ(testsupport::videoFilesNotIn(image, testsupport::fixturePath(QStringLiteral("dvd/ntsc/VIDEO_TS"))),
              QStringList());
}

TEST(DiscImageRoom, ADiskWithTooLittleRoomIsRefusedWithTheRoomNeededAndFree)
{
    const qint64 size = imageBytes();
    ASSERT_GT(size, 0);
    // Whole pages, as the file system counts its room.
    const qint64 room = (size - 512 * 1024) / 4096 * 4096;
    testsupport::SmallFileSystem disk(room);
    ASSERT_TRUE(disk.isValid());
    if (!disk.isMounted())
        GTEST_SKIP() << "no file system of a given size can be mounted here";
    useOutputFolder(disk.path());
    const DNDVDNodePtr node = discForImage();
    ASSERT_TRUE(node);
    EXPECT_NE(DNVideoConverterStart(node.get(), 1, nullptr, nullptr), 0);
    const QString reason = DNVideoConverterFailureReason();
    EXPECT_TRUE(reason.contains(QStringLiteral("no space for the image on the disk of %1: it needs %2 and %3 are free")
                                    .arg(disk.path(), megabytes(size), megabytes(room))))
        << reason.toStdString();
    EXPECT_EQ(entriesIn(disk.path()), QStringList());
}
