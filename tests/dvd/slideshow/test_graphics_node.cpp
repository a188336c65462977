// The slideshow item made from the authored photo folders: its photos in each sort order, the
// folders without photos, its figures and its thumbnail.
#include "core/model/NXMediaType.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "../../slideshow/slideshow_test_support.h"
#include "profiles/DNProfile.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QThreadPool>

using slideshowtest::photo;

namespace {

QStringList names(const QList<DNImageNodePtr> &nodes)
{
    QStringList list;
    for (const auto &n : nodes)
        list << QFileInfo(n->path()).completeBaseName();
    return list;
}

QString noPhotoMessage(const QString &where)
{
    return QStringLiteral("There is no photo found at %1.").arg(where);
}

// The message a factory throws for folders, or an empty text when it made an item.
QString failureOf(const QStringList &folders, bool stopAtOnce = false)
{
    const std::atomic_bool stop{stopAtOnce};
    try {
        DNGraphicsNode::graphicsNodeWithDirs(folders, &stop);
    } catch (const DNNoPhotoFoundError &e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

DNImageNodePtr photoOfSize(qint32 size)
{
    auto n = std::make_shared<DNImageNode>();
    n->setSize(size);
    return n;
}

// A slideshow of count photos in one folder, made without files.
DNGraphicsNodePtr slideshowOf(int count)
{
    auto node = std::make_shared<DNGraphicsNode>();
    auto folder = std::make_shared<DNImageNode>();
    folder->setType(DNImageNode::Folder);
    for (int i = 0; i < count; ++i)
        folder->imageNodes() << photoOfSize(100);
    node->imageNodes() << folder;
    return node;
}

} // namespace

class GraphicsNode : public ::testing::Test
{
protected:
    void SetUp() override
    {
        slideshowtest::app();
        slideshowtest::freshLog(logDir);
    }
    void TearDown() override { QThreadPool::globalInstance()->waitForDone(); }
    QTemporaryDir logDir;
};

TEST_F(GraphicsNode, AlbumBecomesOneFolderOfPhotosInDateThenPositionOrder)
{
    const auto node = DNGraphicsNode::graphicsNodeWithDir(photo(QStringLiteral("album")));
    EXPECT_EQ(node->mediaType(), NXMediaTypeGraphics);
    EXPECT_EQ(node->className(), QStringLiteral("DNGraphicsNode"));
    EXPECT_EQ(node->path(), photo(QStringLiteral("album")));
    ASSERT_EQ(node->imageNodes().size(), 1);
    const auto folder = node->imageNodes().first();
    EXPECT_EQ(folder->type(), DNImageNode::Folder);
    EXPECT_EQ(folder->path(), photo(QStringLiteral("album")));
    // The nested folder's photo is among them; the huge, broken and non-photo files are not.
    EXPECT_EQ(names(folder->imageNodes()), (QStringList{"d", "c", "a", "e", "b"}));
    EXPECT_EQ(node->countOfPhotos(), 5);
    qint64 bytes = 0;
    for (const char *f : {"a.jpg", "b.JPG", "c.jpeg", "d.png", "nested/e.jpg"})
        bytes += QFileInfo(photo(QStringLiteral("album/") + QString::fromLatin1(f))).size();
    EXPECT_EQ(node->sizeOfPhotos(), bytes);
    EXPECT_FLOAT_EQ(node->videoDuration(), 15.0f); // 5 x (2 + 1)

    EXPECT_EQ(node->nodeInfo()->displayName(), QStringLiteral("album"));
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("album"));
    EXPECT_EQ(node->nodeInfo()->genre(), QStringLiteral("Video"));
    EXPECT_EQ(node->nodeInfo()->artist(), QStringLiteral("Talvane"));
    QList<qint32> all;
    for (int i = 0; i < 18; ++i)
        all << i;
    EXPECT_EQ(*node->setting()->transitions(), all);
    EXPECT_TRUE(node->subtitleTracks().isEmpty());
    EXPECT_EQ(node->audioChannelOfSelectTrack(), 2);
    EXPECT_EQ(node->resolutionOfSelectedVideoTrack(), QSizeF(0, 0));
}

TEST_F(GraphicsNode, EachSortOrder)
{
    const auto node = DNGraphicsNode::graphicsNodeWithDir(photo(QStringLiteral("album")));
    const auto photosNow = [&] { return names(node->imageNodes().first()->imageNodes()); };
    node->sortPhotoNode(DNSortByFileName, -1);
    EXPECT_EQ(photosNow(), (QStringList{"a", "b", "c", "d", "e"}));
    node->sortPhotoNode(DNSortByFileName, 1);
    EXPECT_EQ(photosNow(), (QStringList{"e", "d", "c", "b", "a"}));

    node->sortPhotoNode(DNSortByFileSize, -1);
    QList<qint64> sizes;
    for (const auto &p : node->imageNodes().first()->imageNodes())
        sizes << QFileInfo(p->path()).size();
    EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end())) << photosNow().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(photosNow().first(), QStringLiteral("d")) << "the PNG is the smallest";

    node->sortPhotoNode(DNSortByCreationDate, -1);
    EXPECT_EQ(photosNow(), (QStringList{"d", "e", "b", "a", "c"}));
    node->sortPhotoNode(DNSortByCreationDate, 1);
    EXPECT_EQ(photosNow(), (QStringList{"c", "a", "b", "e", "d"}));

    node->sortPhotoNode(DNSortByFileName, -1);
    node->sortPhotoNode(DNSortByGPSPosition, -1);
    EXPECT_EQ(photosNow(), (QStringList{"c", "d", "a", "e", "b"}));
    node->sortPhotoNode(DNSortByGPSPosition, 1);
    EXPECT_EQ(photosNow(), (QStringList{"b", "e", "a", "c", "d"}));
}

TEST_F(GraphicsNode, SeveralFoldersKeepTheirOrder)
{
    const std::atomic_bool stop{false};
    const QStringList folders{photo(QStringLiteral("orientations")), photo(QStringLiteral("noPhotos")),
                              photo(QStringLiteral("album"))};
    const auto node = DNGraphicsNode::graphicsNodeWithDirs(folders, &stop);
    ASSERT_EQ(node->imageNodes().size(), 2) << "no folder node for the folder without photos";
    EXPECT_EQ(node->imageNodes().at(0)->path(), folders.at(0));
    EXPECT_EQ(node->imageNodes().at(1)->path(), folders.at(2));
    EXPECT_EQ(node->countOfPhotos(), 13);
    EXPECT_EQ(node->path(), folders.last());
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("orientations"));
    EXPECT_EQ(node->firstPhotoPathInNodes(), photo(QStringLiteral("orientations/o1.jpg")));

    // Adding a folder appends it as it is, unsorted.
    node->appendingPhotosWithDir({photo(QStringLiteral("album/nested"))});
    ASSERT_EQ(node->imageNodes().size(), 3);
    EXPECT_EQ(names(node->imageNodes().last()->imageNodes()), QStringList{"e"});
}

TEST_F(GraphicsNode, FoldersWithoutPhotosFailWithTheMessage)
{
    EXPECT_EQ(failureOf({photo(QStringLiteral("noPhotos"))}), noPhotoMessage(photo(QStringLiteral("noPhotos"))));
    testing::internal::CaptureStderr();
    EXPECT_EQ(failureOf({photo(QStringLiteral("hugeOnly"))}), noPhotoMessage(photo(QStringLiteral("hugeOnly"))));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("abandon massive resolution photo (9000x6000)"), std::string::npos);
    const QStringList two{photo(QStringLiteral("noPhotos")), QStringLiteral("/nonexistent/folder")};
    EXPECT_EQ(failureOf(two), noPhotoMessage(two.join(QStringLiteral(", "))));
    // A scan stopped before it found anything.
    EXPECT_EQ(failureOf({photo(QStringLiteral("album"))}, true), noPhotoMessage(photo(QStringLiteral("album"))));
    try {
        DNGraphicsNode::graphicsNodeWithDir(photo(QStringLiteral("noPhotos")));
        ADD_FAILURE() << "no exception";
    } catch (const std::exception &e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), noPhotoMessage(photo(QStringLiteral("noPhotos"))));
    }
}

TEST_F(GraphicsNode, ThumbnailOfTheFirstPhotoArrivesOnTheMainThread)
{
    const auto node = DNGraphicsNode::graphicsNodeWithDir(photo(QStringLiteral("orientations")));
    ASSERT_TRUE(filestest::waitFor([&] { return !node->thumbnail().isNull(); }));
    EXPECT_EQ(node->thumbnail().size(), QSize(64, 48)) << "o1.jpg, not enlarged";
}

TEST_F(GraphicsNode, Figures)
{
    const auto node = slideshowOf(10);
    EXPECT_FLOAT_EQ(node->videoDuration(), 30.0f);
    node->setting()->setInterval(4.5f);
    EXPECT_FLOAT_EQ(node->videoDuration(), 55.0f);
    EXPECT_EQ(node->sizeOfPhotos(), 1000);
    EXPECT_FLOAT_EQ(node->bestDisplayDuration(), 1.0f) << "no music";
    auto song = std::make_shared<DNGraphicsAudio>();
    song->setAudioPath(QStringLiteral("/music/a.mp3"));
    song->setAudioDuration(60);
    auto second = std::make_shared<DNGraphicsAudio>();
    second->setAudioPath(QStringLiteral("/music/b.mp3"));
    second->setAudioDuration(35);
    node->audioTracks() << song << second;
    EXPECT_EQ(node->audioDuration(), 95);
    EXPECT_FLOAT_EQ(node->bestDisplayDuration(), 10.0f); // ceil(95 / 10)
    EXPECT_EQ(node->audioTracksPath(), (QStringList{"/music/a.mp3", "/music/b.mp3"}));
    const auto empty = std::make_shared<DNGraphicsNode>();
    empty->audioTracks() << song;
    EXPECT_FLOAT_EQ(empty->bestDisplayDuration(), 60.0f) << "no photos: the music's length";
    EXPECT_EQ(empty->countOfPhotos(), 0);
}

TEST_F(GraphicsNode, TagsAndProfileAreCopies)
{
    const auto node = slideshowOf(1);
    node->initializeConfigOnDidLoadDVDInfo(QStringLiteral("/photos/Holiday 2020"));
    DNNodeInfo tags;
    tags.setOutputName(QStringLiteral("other"));
    tags.setDisplayName(QStringLiteral("Title"));
    tags.setArtist(QStringLiteral("Me"));
    tags.setGenre(QStringLiteral("Travel"));
    tags.setComments(QStringLiteral("Nice"));
    node->setNodeInfoOfSelectTrack(tags);
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("Holiday 2020"));
    EXPECT_EQ(node->nodeInfo()->displayName(), QStringLiteral("Title"));
    EXPECT_EQ(node->nodeInfo()->comments(), QStringLiteral("Nice"));

    const auto info = std::make_shared<DNNodeInfo>(tags);
    node->setNodeInfo(info);
    EXPECT_NE(node->nodeInfo(), info);
    EXPECT_EQ(*node->nodeInfo(), tags);

    auto profile = DNProfile::parserFromContentOfFile(testsupport::buildDir() + QStringLiteral("/share/talvane/profiles/Video/Audio_AAC.plist"));
    node->setCurProfileOfSelectTrack(profile);
    ASSERT_TRUE(node->curProfileOfSelectTrack());
    EXPECT_NE(node->curProfileOfSelectTrack(), profile);
}
