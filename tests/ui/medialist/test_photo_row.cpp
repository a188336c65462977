// The photo-folder row: what it shows of a slideshow made from the authored photo folders, its
// thumbnail arriving later, and its output name.
#include "medialist_test_support.h"

#include "convert/slideshow/NXSlideshowConversion.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"
#include "support/paths.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/medialist/DNRootPhotoCell.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QThreadPool>

using namespace medialisttest;

namespace {

QString photos(const QString &relative)
{
    return testsupport::fixturePath(QStringLiteral("photos/") + relative);
}

// Waits until the slideshow's thumbnail has come (its worker ends, then the main thread stores).
void waitForThumbnail(const DNGraphicsNodePtr &node)
{
    QThreadPool::globalInstance()->waitForDone();
    ASSERT_TRUE(uitest::waitFor([&] { return !node->thumbnail().isNull(); }));
}

} // namespace

TEST(PhotoRow, ShowsFoldersCountSizeLengthAndOutput)
{
    ListFixture f;
    const std::atomic_bool stop{false};
    const auto node = DNGraphicsNode::graphicsNodeWithDirs({photos(QStringLiteral("album")),
                                                            photos(QStringLiteral("orientations"))}, &stop);
    node->setProfile(DNProfile::parserFromContentOfFile(testsupport::buildDir()
                                                        + QStringLiteral("/share/talvane/profiles/Video/Audio_AAC.plist")));
    f.table->addMovieNode(node);
    auto *row = qobject_cast<DNRootPhotoCell *>(f.row(0));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->folderNameField()->toolTip(), QStringLiteral("album, orientations"));
    EXPECT_EQ(row->photoCount()->text(), QStringLiteral("13 photos"));
    EXPECT_EQ(row->folderSize()->text(), DNRootPhotoCell::folderSizeText(node->sizeOfPhotos()));
    EXPECT_TRUE(row->folderSize()->text().endsWith(QLatin1String(" Kb")));
    EXPECT_EQ(row->durationOutput()->text(), QStringLiteral("00:00:00 - 00:00:39")); // 13 x (2 + 1)
    // The name the slideshow is written under, with its extension.
    QTemporaryDir folder;
    EXPECT_EQ(row->trackNameOutput()->text(), QStringLiteral("album.") + node->profile()->fileNameSuffix());
    EXPECT_EQ(row->trackNameOutput()->text(), QFileInfo(NXSlideshowOutputPath(*node, folder.path())).fileName());
    EXPECT_EQ(row->profileName()->toolTip(), QStringLiteral("Target format: ") + node->profile()->title());
    EXPECT_FALSE(row->videoTracks()->isVisible()) << "no track pop-ups";
    EXPECT_FALSE(row->trackNameOriginal()->isVisible());
    EXPECT_FALSE(row->preview()->drawPlayIcon());

    // The output name takes the profile's suffix when the user edits it.
    row->trackNameOutput()->setText(QStringLiteral("Holiday"));
    Q_EMIT row->trackNameOutput()->editingFinished();
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("Holiday.") + node->profile()->fileNameSuffix());

    waitForThumbnail(node);
    EXPECT_TRUE(uitest::waitFor([&] { return row->preview()->hasImage(); }));
    uitest::savePicture(&f.window, QStringLiteral("medialist"), QStringLiteral("photo_row"));
}

TEST(PhotoRow, FolderSizeInKilobytesUpToOneMegabyte)
{
    EXPECT_EQ(DNRootPhotoCell::folderSizeText(1048576), QStringLiteral("1024.0 Kb"));
    EXPECT_EQ(DNRootPhotoCell::folderSizeText(1048577), QStringLiteral("1.0 Mb"));
    EXPECT_EQ(DNRootPhotoCell::folderSizeText(2048), QStringLiteral("2.0 Kb"));
}

// The list keeps one kind of media: a slideshow's row is the photo row, and it counts as the
// photo kind of list.
TEST(PhotoRow, ListMakesThePhotoRowForASlideshow)
{
    ListFixture f;
    const auto node = DNGraphicsNode::graphicsNodeWithDir(photos(QStringLiteral("album/nested")));
    f.table->addMovieNode(node);
    EXPECT_TRUE(qobject_cast<DNRootPhotoCell *>(f.row(0)));
    EXPECT_EQ(f.table->tableMediaType(), 1);
    waitForThumbnail(node);
}

// A photo cut short (a copy that stopped) is not counted: decoded, it would fill its slide half
// grey.
TEST(PhotoRow, APhotoCutShortIsNotCounted)
{
    ListFixture f;
    QTemporaryDir folder;
    for (const char *name : {"one.jpg", "two.jpg", "cut.jpg"}) {
        QImage picture(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                picture.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
        ASSERT_TRUE(picture.save(folder.filePath(QString::fromLatin1(name)), "JPEG"));
    }
    QFile cut(folder.filePath(QStringLiteral("cut.jpg")));
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cut.resize(cut.size() / 2));
    cut.close();

    const auto node = DNGraphicsNode::graphicsNodeWithDir(folder.path());
    f.table->addMovieNode(node);
    auto *row = qobject_cast<DNRootPhotoCell *>(f.row(0));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->photoCount()->text(), QStringLiteral("2 photos"));
    waitForThumbnail(node);
}
