#include "convert/files/DNCaptureController.h"
#include "convert/files/DNFileLoader.h"
#include "core/notify/DNNotificationCenter.h"
#include "dvd/file/DNFileNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "files_test_support.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QObject>
#include <QThreadPool>

#include <stdexcept>

using filestest::media;

namespace {

// What one load handed over and said.
struct LoadRecord : QObject
{
    QList<NXMediaNodePtr> items;
    QList<bool> onMainThread;
    QStringList statuses;
    QStringList failures;
    QList<QVariantMap> finished;
    int ends = 0;
    DNNotificationCenter::ObserverId observer = 0;
    std::function<void(const NXMediaNodePtr &)> onItem;

    explicit LoadRecord(DNFileLoader &loader)
    {
        loader.setHandlerLoader(NXAction::actionWithTarget(this, [this](const QVariant &item, const QVariant &) {
            items << item.value<NXMediaNodePtr>();
            onMainThread << (QThread::currentThread() == QCoreApplication::instance()->thread());
            if (onItem)
                onItem(items.last());
        }));
        QObject::connect(&loader, &DNFileLoader::statusTextChanged, this, [this](const QString &t) { statuses << t; });
        QObject::connect(&loader, &DNFileLoader::loadDidEnd, this, [this] { ++ends; });
        QObject::connect(&loader, &DNFileLoader::photoLoadFailed, this, [this](const QString &t) { failures << t; });
        observer = DNNotificationCenter::defaultCenter().addObserver(
            DNFileLoader::finishedNotificationName(), [this](const DNNotification &n) { finished << n.userInfo; });
    }
    ~LoadRecord() override { DNNotificationCenter::defaultCenter().removeObserver(observer); }

    QStringList paths() const
    {
        QStringList list;
        for (const auto &item : items)
            list << std::dynamic_pointer_cast<DNFileNode>(item)->path();
        return list;
    }
};

} // namespace

class FileLoader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        filestest::app();
        logFile = filestest::freshLog(logDir);
        loader.setPauseBetweenFiles(0);
    }
    void TearDown() override
    {
        DNCaptureController::shareCaptureQueue().waitForDone();
        QThreadPool::globalInstance()->waitForDone();
    }
    bool loadAll(const QStringList &paths)
    {
        if (!loader.showLoadVideoProgress(paths))
            return false;
        loader.waitForLoad();
        return true;
    }

    QTemporaryDir logDir;
    QString logFile;
    DNFileLoader loader;
};

TEST_F(FileLoader, GoodFilesReachTheMainThreadAndUnusableOnesAreSkipped)
{
    QTemporaryDir dir;
    const QString notMedia = dir.filePath(QStringLiteral("readme.mp4"));
    {
        QFile out(notMedia);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("plain words\n");
    }
    const QString damaged = dir.filePath(QStringLiteral("damaged.mkv"));
    {
        QFile out(damaged);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(8192, '\x5A'));
    }
    const QString odd = dir.filePath(QStringLiteral("Été «clip» 'one' \"two\" 你好.mp4"));
    ASSERT_TRUE(QFile::copy(media(QStringLiteral("clip.mp4")), odd));
    const QStringList paths{media(QStringLiteral("clip.mp4")), dir.path(), notMedia, damaged,
                            dir.filePath(QStringLiteral("missing.avi")), media(QStringLiteral("audio.mp3")),
                            odd, media(QStringLiteral("clip.mkv"))};
    LoadRecord record(loader);
    QList<QStringList> refused;
    QObject::connect(&loader, &DNFileLoader::filesRefused, &record,
                     [&](const QStringList &lines) { refused << lines; });
    ASSERT_TRUE(loadAll(paths));

    EXPECT_EQ(record.paths(), (QStringList{paths.at(0), odd, paths.at(7)}));
    // The five left out are named together, once, each with its reason.
    ASSERT_EQ(refused.size(), 1);
    const QStringList expected{QStringLiteral("%1 is a folder").arg(QFileInfo(dir.path()).fileName()),
                               QStringLiteral("MediaInfo cannot read readme.mp4"),
                               QStringLiteral("MediaInfo cannot read damaged.mkv"),
                               QStringLiteral("missing.avi: the file does not exist"),
                               QStringLiteral("audio.mp3 has no video stream")};
    EXPECT_EQ(refused.first(), expected);
    EXPECT_EQ(record.onMainThread, (QList<bool>{true, true, true}));
    EXPECT_EQ(record.statuses.first(), QStringLiteral("Loading clip.mp4"));
    EXPECT_EQ(record.statuses.size(), paths.size());
    EXPECT_EQ(record.ends, 1);
    ASSERT_EQ(record.finished.size(), 1);
    EXPECT_EQ(record.finished.first().value(QStringLiteral("keyMediaLoadType_")).toInt(), 1);
    const QString log = filestest::readText(logFile);
    for (const QString &path : paths)
        EXPECT_TRUE(log.contains(QStringLiteral("start video load file ") + path)) << path.toStdString();
    EXPECT_EQ(log.count(QStringLiteral("add node to user interface...")), 3);
    EXPECT_TRUE(log.contains(QStringLiteral("Create video node failed ") + damaged));
    // Only what was made is logged as made.
    for (const QString &path : {notMedia, damaged, paths.at(5)})
        EXPECT_FALSE(log.contains(QStringLiteral("create video node ok ") + path)) << path.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("create video node ok ") + odd));
}

TEST_F(FileLoader, CancelStopsAfterTheCurrentFile)
{
    QStringList paths;
    for (int i = 0; i < 5; ++i)
        paths << media(QStringLiteral("clip.mp4"));
    LoadRecord record(loader);
    // Cancel while the first file is being probed: the status line has just shown it.
    QObject::connect(&loader, &DNFileLoader::statusTextChanged, &record, [this] { loader.onCancel(); });
    ASSERT_TRUE(loadAll(paths));
    EXPECT_EQ(record.items.size(), 1) << "the first item still arrives";
    EXPECT_EQ(record.statuses.size(), 1);
    EXPECT_EQ(record.ends, 1);
    EXPECT_EQ(record.finished.size(), 1);

    // The next load starts afresh.
    QObject::disconnect(&loader, &DNFileLoader::statusTextChanged, &record, nullptr);
    ASSERT_TRUE(loadAll({media(QStringLiteral("clip.mkv"))}));
    EXPECT_EQ(record.items.size(), 2);
    EXPECT_EQ(record.finished.size(), 2);
}

TEST_F(FileLoader, AFileThatDisappearsDuringTheLoadIsSkipped)
{
    QTemporaryDir dir;
    const QString second = dir.filePath(QStringLiteral("second.mkv"));
    ASSERT_TRUE(QFile::copy(media(QStringLiteral("clip.mkv")), second));
    LoadRecord record(loader);
    record.onItem = [&](const NXMediaNodePtr &) { QFile::remove(second); };
    ASSERT_TRUE(loadAll({media(QStringLiteral("clip.mp4")), second, media(QStringLiteral("clip.avi"))}));
    EXPECT_EQ(record.paths(), (QStringList{media(QStringLiteral("clip.mp4")), media(QStringLiteral("clip.avi"))}));
    EXPECT_EQ(record.finished.size(), 1);
}

TEST_F(FileLoader, OnlyOneLoadAtATime)
{
    LoadRecord record(loader);
    loader.setPauseBetweenFiles(200);
    ASSERT_TRUE(loader.showLoadVideoProgress({media(QStringLiteral("clip.mp4")), media(QStringLiteral("clip.mkv"))}));
    EXPECT_FALSE(loader.showLoadVideoProgress({media(QStringLiteral("clip.avi"))}));
    loader.waitForLoad();
    EXPECT_EQ(record.items.size(), 2);
    EXPECT_EQ(record.finished.size(), 1);
}

TEST_F(FileLoader, PhotoFoldersBecomeSlideshows)
{
    const QString album = testsupport::fixturePath(QStringLiteral("photos/album"));
    const QString noPhotos = testsupport::fixturePath(QStringLiteral("photos/noPhotos"));
    LoadRecord record(loader);
    ASSERT_TRUE(loader.showLoadPhotoPrgress({album}));
    loader.waitForLoad();
    EXPECT_EQ(record.statuses, (QStringList{"Loading Photos"}));
    ASSERT_EQ(record.items.size(), 1);
    EXPECT_TRUE(record.onMainThread.first());
    const auto slideshow = std::dynamic_pointer_cast<DNGraphicsNode>(record.items.first());
    ASSERT_TRUE(slideshow);
    EXPECT_EQ(slideshow->countOfPhotos(), 5);
    EXPECT_TRUE(record.failures.isEmpty());
    // The damaged and the non-photo files are named in the log.
    const QString log = filestest::readText(logFile);
    EXPECT_TRUE(log.contains(QStringLiteral("skip unreadable photo ") + album + QStringLiteral("/broken.jpg")));
    EXPECT_TRUE(log.contains(album + QStringLiteral("/notes.txt: not a photo")));

    // A folder without photos fails with the slideshow's message; no item is handed over.
    ASSERT_TRUE(loader.showLoadPhotoPrgress({noPhotos}));
    loader.waitForLoad();
    EXPECT_EQ(record.items.size(), 1);
    EXPECT_EQ(record.failures, (QStringList{QStringLiteral("There is no photo found at %1.").arg(noPhotos)}));
    EXPECT_EQ(record.ends, 2);
    EXPECT_EQ(record.finished.size(), 2);
}

TEST_F(FileLoader, PhotoLoadHandsItsStopFlagToTheMaker)
{
    auto slideshow = std::make_shared<NXBasicMediaNode>();
    loader.setGraphicsNodeFactory([&](const QStringList &folders, const std::atomic_bool *stop) -> NXMediaNodePtr {
        if (folders.first().endsWith(QLatin1String("empty")))
            throw std::runtime_error("nothing here");
        return stop && !*stop ? slideshow : nullptr;
    });
    LoadRecord record(loader);
    ASSERT_TRUE(loader.showLoadPhotoPrgress({QStringLiteral("/photos")}));
    loader.waitForLoad();
    ASSERT_EQ(record.items.size(), 1);
    EXPECT_EQ(record.items.first(), slideshow);
    ASSERT_TRUE(loader.showLoadPhotoPrgress({QStringLiteral("/photos/empty")}));
    loader.waitForLoad();
    EXPECT_EQ(record.failures, QStringList{QStringLiteral("nothing here")});
}
