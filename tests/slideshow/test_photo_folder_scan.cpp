// Scanning an authored photo folder: every photo of the tree below it, flat; the photos that
// cannot be taken left out with a word in the log.
#include "slideshow/records/DNPhotoFolderScan.h"
#include "slideshow_test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

using slideshowtest::photo;

namespace {
// A picture with something in every part, as a photo has: a flat one compresses to nearly
// nothing, and a cut would fall in its headers.
QImage busyPicture()
{
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < 240; y += 8)
        for (int x = 0; x < 320; x += 8)
            painter.fillRect(x, y, 8, 8, QColor((x * 7 + y) % 256, (x + y * 5) % 256, (x * y) % 256));
    return image;
}

void writePhoto(const QString &path, const QByteArray &format, bool progressive = false)
{
    QImageWriter writer(path, format);
    writer.setProgressiveScanWrite(progressive);
    ASSERT_TRUE(writer.write(busyPicture())) << path.toStdString();
}

// The file's first fraction of its bytes, as a copy that stopped leaves it; or the whole file
// with more bytes after it.
void rewrite(const QString &path, double keptFraction, const QByteArray &appended = QByteArray())
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes = bytes.left(qsizetype(bytes.size() * keptFraction)) + appended;
    file.resize(0);
    file.seek(0);
    file.write(bytes);
}

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

TEST_F(PhotoFolderScan, PhotosCutShortAreLeftOutWithAWordInTheLogWholeOnesKept)
{
    struct Row { const char *name; const char *format; bool progressive; double kept; QByteArray after; bool whole; };
    const Row rows[] = {
        {"a_whole.jpg", "jpeg", false, 1.0, {}, true},
        {"b_progressive.jpg", "jpeg", true, 1.0, {}, true},
        // Some cameras put more after the picture's end (a motion photo's movie, padding).
        {"c_trailer.jpg", "jpeg", false, 1.0, QByteArray(3000, 'x'), true},
        {"d_cut.jpg", "jpeg", false, 0.6, {}, false},
        {"e_cut_progressive.jpg", "jpeg", true, 0.6, {}, false},
        {"f_whole.png", "png", false, 1.0, {}, true},
        {"g_cut.png", "png", false, 0.6, {}, false},
        {"h_whole.bmp", "bmp", false, 1.0, {}, true},
        {"i_cut.bmp", "bmp", false, 0.6, {}, false},
    };
    QTemporaryDir folder;
    QStringList kept;
    for (const Row &row : rows) {
        const QString path = folder.filePath(QString::fromLatin1(row.name));
        writePhoto(path, row.format, row.progressive);
        if (row.kept < 1.0 || !row.after.isEmpty())
            rewrite(path, row.kept, row.after);
        if (row.whole)
            kept << QString::fromLatin1(row.name);
    }

    QList<DNImageNodePtr> photos;
    const std::atomic_bool stop{false};
    DNLoadPhotosInDirectory(folder.path(), photos, 0, 1, &stop);
    EXPECT_EQ(fileNames(photos).join(QLatin1Char(' ')).toStdString(), kept.join(QLatin1Char(' ')).toStdString());
    const QString text = slideshowtest::readText(log);
    for (const Row &row : rows) {
        const QString line = QStringLiteral("skip unreadable photo ") + folder.filePath(QString::fromLatin1(row.name));
        EXPECT_EQ(text.contains(line), !row.whole) << row.name;
    }
}
