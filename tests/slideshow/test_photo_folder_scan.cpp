// Scanning an authored photo folder: every photo of the tree below it, flat; the photos that
// cannot be taken left out with a word in the log.
#include "slideshow/records/DNPhotoFolderScan.h"
#include "slideshow_test_support.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using slideshowtest::photo;

namespace {
QStringList fileNames(const QList<DNImageNodePtr> &nodes)
{
    QStringList names;
    for (const auto &n : nodes)
        names << QFileInfo(n->path()).fileName();
    return names;
}
} // namespace

class PhotoFolderScan : public ::testing::Test
{
protected:
    void SetUp() override
    {
        slideshowtest::app();
        log = slideshowtest::freshLog(logDir);
    }
    QTemporaryDir logDir;
    QString log;
};

TEST_F(PhotoFolderScan, TakesThePhotosOfTheWholeTreeAndLogsTheRest)
{
    QList<DNImageNodePtr> photos;
    const std::atomic_bool stop{false};
    testing::internal::CaptureStderr();
    DNLoadPhotosInDirectory(photo(QStringLiteral("album")), photos, 0, 1, &stop);
    const std::string errors = testing::internal::GetCapturedStderr();
    // In name order, the nested folder's photo where the folder stands; no node for the folder.
    EXPECT_EQ(fileNames(photos), (QStringList{"a.jpg", "b.JPG", "c.jpeg", "d.png", "e.jpg"}));
    for (const auto &p : photos)
        EXPECT_EQ(p->type(), DNImageNode::Photo);
    EXPECT_NE(errors.find("warning: abandon massive resolution photo (9000x6000) whitch is out of control!"),
              std::string::npos)
        << errors;
    const QString text = slideshowtest::readText(log);
    EXPECT_TRUE(text.contains(QStringLiteral("skip unreadable photo ") + photo(QStringLiteral("album/broken.jpg")))) << text.toStdString();
    EXPECT_TRUE(text.contains(photo(QStringLiteral("album/notes.txt")) + QStringLiteral(": not a photo")));
    EXPECT_TRUE(text.contains(photo(QStringLiteral("album/anim.gif")) + QStringLiteral(": not a photo")));
}

TEST_F(PhotoFolderScan, StopsAtOnceWhenAskedAndRespectsTheDepthLimit)
{
    QList<DNImageNodePtr> photos;
    const std::atomic_bool stop{true};
    DNLoadPhotosInDirectory(photo(QStringLiteral("album")), photos, 0, 1, &stop);
    EXPECT_TRUE(photos.isEmpty());
    const std::atomic_bool go{false};
    DNLoadPhotosInDirectory(photo(QStringLiteral("album")), photos, 1, 1, &go);
    EXPECT_TRUE(photos.isEmpty());
}

TEST_F(PhotoFolderScan, FolderOfNoPhotosGivesNothing)
{
    QList<DNImageNodePtr> photos;
    const std::atomic_bool stop{false};
    DNLoadPhotosInDirectory(photo(QStringLiteral("noPhotos")), photos, 0, 1, &stop);
    EXPECT_TRUE(photos.isEmpty());
}
