// The room a batch needs: the selected (trimmed) lengths at the profiles' bitrates, a copy at the
// DVD's rate, the whole disc for the image backup, against the folder's free space.

#include "DriverTestSupport.h"

#include "convert/driver/OutputSpaceEstimate.h"

#include <QDirIterator>
#include <QTemporaryDir>

using namespace drivertest;

namespace {

double kbps(const DNDVDNodePtr &node)
{
    return node->profile()->videoQuality()->currentValue().toDouble()
        + node->profile()->audioQuality()->currentValue().toDouble();
}

qint64 folderBytes(const QString &path)
{
    qint64 total = 0;
    QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        total += files.fileInfo().size();
    }
    return total;
}

} // namespace

TEST(OutputSpaceEstimate, SelectedLengthsAtTheProfilesRates)
{
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("MacGen_MP4_H264.plist"));
    ASSERT_TRUE(node);
    for (const DNDVDTitlePtr &title : node->titles())
        title->setIsSelected(title->index() != 0);
    trimTitle(node->titleAt(2), 0, 2);
    const double perSecond = kbps(node) * 1000 / 8;
    const double seconds = node->titleAt(1)->length() + 2;

    QTemporaryDir out;
    const OutputSpaceEstimate estimate = estimateBatchOutputSpace({node}, out.path());
    EXPECT_NEAR(double(estimate.neededBytes), seconds * perSecond * 1.05, perSecond * 0.1);
    EXPECT_GT(estimate.availableBytes, 0);
    EXPECT_FALSE(estimate.isShort());

    // Joined into one file: the same lengths.
    node->setMergeIntoOne(true);
    EXPECT_NEAR(double(estimateBatchOutputSpace({node}, out.path()).neededBytes), double(estimate.neededBytes),
                perSecond * 0.1);
}

TEST(OutputSpaceEstimate, BackupsCountWhatTheyCopy)
{
    DNDVDNodePtr dump = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDFullBackup.plist"));
    ASSERT_TRUE(dump);
    for (const DNDVDTitlePtr &title : dump->titles())
        title->setIsSelected(title->index() == 1);
    EXPECT_NEAR(double(estimatedOutputBytes(dump.get(), 1)), dump->titleAt(1)->length() * 10080.0 * 1000 / 8 * 1.05,
                1000);

    DNDVDNodePtr image = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupISO.plist"));
    ASSERT_TRUE(image);
    QTemporaryDir out;
    EXPECT_EQ(estimateBatchOutputSpace({image}, out.path()).neededBytes,
              folderBytes(testsupport::fixturePath(QStringLiteral("dvd/ntsc"))));
}

TEST(OutputSpaceEstimate, AFolderWithoutRoomIsShort)
{
    OutputSpaceEstimate estimate;
    estimate.neededBytes = 100;
    estimate.availableBytes = 99;
    EXPECT_TRUE(estimate.isShort());
    estimate.availableBytes = -1;   // the disk could not be asked: no question is put
    EXPECT_FALSE(estimate.isShort());
}
