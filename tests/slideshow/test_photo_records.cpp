// Photo records read from the authored photo folders: what EXIF and the image readers give,
// and what a file that is no photo leaves.
#include "slideshow/records/DNGPS.h"
#include "slideshow/records/DNGraphicsAudio.h"
#include "slideshow/records/DNGraphicsSetting.h"
#include "slideshow/records/DNImageNode.h"
#include "slideshow_test_support.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using slideshowtest::photo;

class PhotoRecords : public ::testing::Test
{
protected:
    void SetUp() override { slideshowtest::app(); }
};

TEST_F(PhotoRecords, JpegGivesDatePositionSizeAndOrientation)
{
    const QString path = photo(QStringLiteral("album/a.jpg"));
    bool isImage = false;
    const auto node = DNImageNode::imageNodeWithContentOfPath(path, &isImage);
    EXPECT_TRUE(isImage);
    EXPECT_EQ(node->path(), path);
    EXPECT_EQ(node->type(), DNImageNode::Photo);
    EXPECT_EQ(node->createDate(), QDateTime(QDate(2021, 5, 3), QTime(10, 0, 0)));
    EXPECT_EQ(node->size(), QFileInfo(path).size());
    EXPECT_EQ(node->resolution(), QSizeF(64, 48));
    EXPECT_EQ(node->orientation(), 1);
    ASSERT_TRUE(node->gps());
    EXPECT_EQ(node->gps()->longitude().name, 'E');
    EXPECT_FLOAT_EQ(node->gps()->longitude().degree, 2.25f);
    EXPECT_EQ(node->gps()->latitude().name, 'N');
    EXPECT_FLOAT_EQ(node->gps()->latitude().degree, 48.5f);
    EXPECT_EQ(node->imageTitle(), QStringLiteral("a.jpg"));
    EXPECT_EQ(node->imageUID(), path);
}

TEST_F(PhotoRecords, SecondsOfArcAndTurnedPhotos)
{
    const auto b = DNImageNode::imageNodeWithContentOfPath(photo(QStringLiteral("album/b.JPG")));
    EXPECT_EQ(b->orientation(), 6);
    EXPECT_EQ(b->resolution(), QSizeF(96, 72)) << "as stored, before turning";
    ASSERT_TRUE(b->gps());
    EXPECT_EQ(b->gps()->longitude().name, 'W');
    EXPECT_NEAR(b->gps()->longitude().degree, 74.01, 1e-4); // 74 + 36/3600
    const auto e = DNImageNode::imageNodeWithContentOfPath(photo(QStringLiteral("album/nested/e.jpg")));
    ASSERT_TRUE(e->gps());
    EXPECT_EQ(e->gps()->latitude().name, 'S');
    EXPECT_NEAR(e->gps()->latitude().degree, 33.87, 1e-4);  // 33 + 52/60 + 12/3600
    EXPECT_NEAR(e->gps()->longitude().degree, 151.21, 1e-4); // 151 + 12/60 + 36/3600
    EXPECT_EQ(e->orientation(), 8);
    const auto c = DNImageNode::imageNodeWithContentOfPath(photo(QStringLiteral("album/c.jpeg")));
    EXPECT_FALSE(c->gps()) << "no GPS block";
    EXPECT_TRUE(c->createDate().isValid());
}

TEST_F(PhotoRecords, PhotoWithoutExifStillHasSizeAndResolution)
{
    const QString path = photo(QStringLiteral("album/d.png"));
    const auto node = DNImageNode::imageNodeWithContentOfPath(path);
    EXPECT_EQ(node->resolution(), QSizeF(32, 32));
    EXPECT_EQ(node->size(), QFileInfo(path).size());
    EXPECT_FALSE(node->createDate().isValid());
    EXPECT_FALSE(node->gps());
    EXPECT_EQ(node->orientation(), 1);
}

TEST_F(PhotoRecords, DateInAnotherLayoutIsLeftOut)
{
    const auto node = DNImageNode::imageNodeWithContentOfPath(photo(QStringLiteral("orientations/o2.jpg")));
    EXPECT_FALSE(node->createDate().isValid());
    EXPECT_EQ(node->orientation(), 2);
}

TEST_F(PhotoRecords, FileThatIsNoPictureKeepsOnlyItsPath)
{
    for (const char *name : {"album/broken.jpg", "album/notes.txt", "album/missing.jpg"}) {
        const QString path = photo(QString::fromLatin1(name));
        bool isImage = true;
        const auto node = DNImageNode::imageNodeWithContentOfPath(path, &isImage);
        EXPECT_FALSE(isImage) << name;
        EXPECT_EQ(node->path(), path);
        EXPECT_EQ(node->size(), 0) << name;
        EXPECT_EQ(node->resolution(), QSizeF(0, 0)) << name;
        EXPECT_FALSE(node->gps());
        EXPECT_FALSE(node->createDate().isValid());
    }
}

TEST(GPSPosition, ComparesByLetterThenDegreesLongitudeFirst)
{
    const DNGPS paris(QStringLiteral("E"), 2.25, QStringLiteral("N"), 48.5);
    struct Row
    {
        const char *what;
        DNGPS other;
        int expected; // paris.compare(&other)
    };
    const Row rows[] = {
        {"west is after east", DNGPS(QStringLiteral("W"), 1.0, QStringLiteral("N"), 48.5), -1},
        {"more degrees east", DNGPS(QStringLiteral("E"), 151.21, QStringLiteral("S"), 33.87), -1},
        {"fewer degrees east", DNGPS(QStringLiteral("E"), 2.0, QStringLiteral("N"), 48.5), 1},
        {"south is after north", DNGPS(QStringLiteral("E"), 2.25, QStringLiteral("S"), 10.0), -1},
        {"further north", DNGPS(QStringLiteral("E"), 2.25, QStringLiteral("N"), 40.0), 1},
        {"within 0.0001 in both", DNGPS(QStringLiteral("E"), 2.25005, QStringLiteral("N"), 48.50005), 0},
    };
    for (const Row &r : rows)
        EXPECT_EQ(paris.compare(&r.other), r.expected) << r.what;
    EXPECT_EQ(paris.compare(nullptr), 1);
    // Missing texts and numbers give 0.
    const DNGPS empty{QString(), QVariant(), QString(), QVariant()};
    EXPECT_EQ(empty.longitude().name, 0);
    EXPECT_EQ(empty.latitude().degree, 0.0f);
    EXPECT_EQ(empty.compare(&paris), -1);
}

TEST(GraphicsSetting, DefaultsAndCopiesShareTheTransitionList)
{
    DNGraphicsSetting setting;
    EXPECT_EQ(setting.interval(), 2.0f);
    EXPECT_EQ(setting.sortby(), 103);
    EXPECT_EQ(setting.ascOrDesc(), -1);
    EXPECT_TRUE(setting.transitions()->isEmpty());
    setting.setTransitions(QList<qint32>{3, 5});
    setting.setInterval(4.0f);
    const DNGraphicsSetting copy(setting);
    EXPECT_EQ(copy.transitions(), setting.transitions()) << "the same list object";
    EXPECT_EQ(copy.interval(), 4.0f);
    setting.transitions()->append(7);
    EXPECT_EQ(*copy.transitions(), (QList<qint32>{3, 5, 7}));
}

TEST(GraphicsAudio, DurationInWholeSecondsOrZero)
{
    const auto mp3 = DNGraphicsAudio::graphicsAudio(testsupport::fixturePath(QStringLiteral("media/audio.mp3")));
    EXPECT_EQ(mp3->audioDuration(), 3);
    EXPECT_EQ(mp3->audioPath(), testsupport::fixturePath(QStringLiteral("media/audio.mp3")));
    EXPECT_EQ(DNGraphicsAudio::graphicsAudio(testsupport::fixturePath(QStringLiteral("media/audio.m4a")))->audioDuration(), 3);
    EXPECT_EQ(DNGraphicsAudio::graphicsAudio(photo(QStringLiteral("album/notes.txt")))->audioDuration(), 0);
    EXPECT_EQ(DNGraphicsAudio::graphicsAudio(photo(QStringLiteral("album/a.jpg")))->audioDuration(), 0);
    EXPECT_EQ(DNGraphicsAudio::graphicsAudio(QStringLiteral("/nonexistent/song.mp3"))->audioDuration(), 0);
}
