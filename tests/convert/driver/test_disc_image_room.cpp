// The ISO backup needs the room of its image and no more: a disk with room for the image alone
// takes a whole, readable image of the disc; a disk with less is refused before a byte of the
// image is written (not by the disk filling up), with the room needed and free in the reason the
// user reads, and keeps nothing. Real tool, the NTSC disc.

#include "UnfinishedOutputSupport.h"

#include "support/dvdimage.h"
#include "support/smallfs.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include <sys/inotify.h>
#include <unistd.h>

using namespace drivertest;

namespace {

// The names that appeared in a folder (made there or moved in) while the object lived. The
// kernel queues each as it happens, so none is missed however briefly it stood.
class NamesAppearing
{
public:
    explicit NamesAppearing(const QString &folder)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        EXPECT_GE(m_fd, 0);
        if (m_fd >= 0) {
            EXPECT_GE(inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO), 0);
        }
    }
    ~NamesAppearing()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    NamesAppearing(const NamesAppearing &) = delete;
    NamesAppearing &operator=(const NamesAppearing &) = delete;

    QStringList names() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[16 * 1024];
        for (ssize_t got; m_fd >= 0 && (got = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                if (event->len > 0)
                    names << QFile::decodeName(event->name);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int m_fd;
};

DNDVDNodePtr discForImage()
{
    return loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupISO.plist"));
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

// A backup of the disc, first into a roomy folder for the image's size, then into a disk of
// that size less shortBy.
class DiscImageRoom : public testing::Test
{
protected:
    void backUpOnASmallDisk(qint64 shortBy)
    {
        QTemporaryDir roomy;
        useOutputFolder(roomy.path());
        const DNDVDNodePtr first = discForImage();
        ASSERT_TRUE(first);
        ASSERT_EQ(DNVideoConverterStart(first.get(), 1, nullptr, nullptr), 0);
        imageBytes = QFileInfo(first->titleAt(1)->outputName()).size();
        // Whole pages, as the file system counts its room.
        room = (imageBytes - shortBy + 4095) / 4096 * 4096;
        disk = std::make_unique<testsupport::SmallFileSystem>(room);
        ASSERT_TRUE(disk->isValid());
        if (!disk->isMounted())
            return;
        useOutputFolder(disk->path());
        node = discForImage();
        ASSERT_TRUE(node);
        const NamesAppearing watch(disk->path());
        result = DNVideoConverterStart(node.get(), 1, nullptr, nullptr);
        appeared = watch.names();
    }

    qint64 imageBytes = 0, room = 0;
    QStringList appeared;   // on the small disk during the backup
    std::unique_ptr<testsupport::SmallFileSystem> disk;
    DNDVDNodePtr node;
    int result = -1;
};

} // namespace

TEST_F(DiscImageRoom, ADiskWithRoomForTheImageAloneTakesAWholeImage)
{
    ASSERT_NO_FATAL_FAILURE(backUpOnASmallDisk(0));
    if (!disk->isMounted())
        GTEST_SKIP() << "no file system of a given size can be mounted here";
    ASSERT_EQ(result, 0) << DNVideoConverterFailureReason().text().toStdString();
    const QString image = node->titleAt(1)->outputName();
    expectOnlyTheWholeOutput(disk->path(), image);
    EXPECT_EQ(QFileInfo(image).size(), imageBytes);

    const testsupport::DiscListing disc = testsupport::listDisc(image);
    ASSERT_EQ(disc.lengths.size(), 3u);
    const double authored[] = {6, 10, 4};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(disc.lengths[size_t(i)], authored[i], 0.5) << "title " << i + 1;
    EXPECT_EQ(testsupport::videoFilesNotIn(image, testsupport::fixturePath(QStringLiteral("dvd/ntsc/VIDEO_TS"))),
              QStringList());
}

TEST_F(DiscImageRoom, ADiskWithTooLittleRoomIsRefusedWithTheRoomNeededAndFree)
{
    ASSERT_NO_FATAL_FAILURE(backUpOnASmallDisk(512 * 1024));
    if (!disk->isMounted())
        GTEST_SKIP() << "no file system of a given size can be mounted here";
    EXPECT_NE(result, 0);
    const QString reason = DNVideoConverterFailureReason().text();
    EXPECT_TRUE(reason.contains(QStringLiteral("no space for the image on the disk of %1: it needs %2 and %3 are free")
                                    .arg(disk->path(), megabytes(imageBytes), megabytes(room))))
        << reason.toStdString();
    EXPECT_EQ(entriesIn(disk->path()), QStringList());
    // Refused before writing: no file of the image was ever made there.
    EXPECT_EQ(appeared, QStringList());
}
