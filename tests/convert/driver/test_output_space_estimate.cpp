// The room a batch needs: the selected (trimmed) lengths at the profiles' bitrates, a copy of a
// title as large as the title is on the disc, the whole disc for the image backup, media files
// and groups at their own lengths, against the folder's free space.

#include "FileRoadTestSupport.h"

#include "convert/driver/OutputSpaceEstimate.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace drivertest;

namespace {

template <class Item>
double kbps(const Item &node)
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

TEST(OutputSpaceEstimate, TheImageBackupCountsTheWholeDisc)
{
    DNDVDNodePtr image = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupISO.plist"));
    ASSERT_TRUE(image);
    QTemporaryDir out;
    EXPECT_EQ(estimateBatchOutputSpace({image}, out.path()).neededBytes,
              folderBytes(testsupport::fixturePath(QStringLiteral("dvd/ntsc"))));
}

struct CopyCase
{
    const char *profile;
    int titleIndex;
    double trimSeconds;   // 0: the whole title
};

void PrintTo(const CopyCase &copy, std::ostream *out)
{
    *out << copy.profile << " title " << copy.titleIndex + 1;
}

class CopyEstimate : public ::testing::TestWithParam<CopyCase>
{
};

// A backup of a title asks for about what it writes: a copy of the title's streams as much as
// the title's own cells hold on the disc (not the DVD's highest rate over its length, three times
// this disc's), the Matroska backup its video rate with the audio it copies; trimmed, the part.
TEST_P(CopyEstimate, IsWhatTheBackupWritesOrALittleMore)
{
    const CopyCase &copy = GetParam();
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(copy.profile));
    ASSERT_TRUE(node);
    const DNDVDTitlePtr title = node->titleAt(copy.titleIndex);
    if (copy.trimSeconds > 0)
        trimTitle(title, 1, copy.trimSeconds);
    QTemporaryDir out;
    useOutputFolder(out.path());
    const qint64 estimate = estimatedOutputBytes(node.get(), copy.titleIndex);

    ASSERT_EQ(DNVideoConverterStart(node.get(), copy.titleIndex, nullptr, nullptr), 0);
    const qint64 written = QFileInfo(title->outputName()).size();
    ASSERT_GT(written, 0);
    EXPECT_GE(estimate, written);
    EXPECT_LT(double(estimate), written * 1.5) << "estimate " << estimate << ", written " << written;
}

const CopyCase kCopies[] = {
    {"DVDMainBackup.plist", 2, 0},
    {"DVDMainBackup.plist", 1, 0},
    {"DVDMainBackup.plist", 1, 5},
    {"DVDFullBackup.plist", 1, 0},
    {"DVDBackupMKV.plist", 2, 0},
};

INSTANTIATE_TEST_SUITE_P(Backups, CopyEstimate, ::testing::ValuesIn(kCopies),
                         [](const ::testing::TestParamInfo<CopyCase> &info) {
                             const QString profile = QFileInfo(QString::fromLatin1(info.param.profile)).baseName();
                             return profile.toStdString() + "_Title" + std::to_string(info.param.titleIndex + 1)
                                 + (info.param.trimSeconds > 0 ? "_Trimmed" : "");
                         });

// A media file at its trimmed length, a group at the sum of its members' lengths (untrimmed here),
// each at its own profile's rates.
TEST(OutputSpaceEstimate, FilesAndGroupsAtTheirLengthsTrimsAndRates)
{
    using fileroadtest::loadFile;
    const DNFileNodePtr file = loadFile(QStringLiteral("fileroad/h264_aac.mp4"));
    ASSERT_TRUE(file);
    file->setEnableTrimming(true);
    file->setTrimStartTime(1);
    file->setTrimEndTime(2);
    const DNFileGroupNodePtr group =
        fileroadtest::groupOf({QStringLiteral("fileroad/fps50.mp4"), QStringLiteral("fileroad/quadrants.mp4")},
                              QStringLiteral("Joined"));
    ASSERT_TRUE(group);
    group->profile()->videoQuality()->setCurrentValue(QStringLiteral("2500"));
    const auto lengthOf = [](const NXMediaNodePtr &member) {
        return std::static_pointer_cast<DNFileNode>(member)->selectedVideoTrack()->duration;
    };
    const double groupSeconds = lengthOf(group->children().at(0)) + lengthOf(group->children().at(1));
    ASSERT_GT(groupSeconds, 5);

    QTemporaryDir out;
    const double fileBytes = 1 * kbps(file) * 1000 / 8 * 1.05;
    const double groupBytes = groupSeconds * kbps(group) * 1000 / 8 * 1.05;
    EXPECT_NEAR(double(estimateBatchOutputSpace({file}, out.path()).neededBytes), fileBytes, fileBytes * 0.01);
    EXPECT_NEAR(double(estimateBatchOutputSpace({group}, out.path()).neededBytes), groupBytes, groupBytes * 0.01);
    EXPECT_NEAR(double(estimateBatchOutputSpace({file, group}, out.path()).neededBytes), fileBytes + groupBytes,
                (fileBytes + groupBytes) * 0.01);
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
