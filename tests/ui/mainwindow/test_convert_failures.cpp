// A batch in which conversions fail, converted with the real engines as a user runs it: the sheet
// ends with a message that names every item that failed and why, the log says the run failed,
// and the other items are converted all the same.
#include "convert_run_support.h"

#include "support/smallfs.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace {

using namespace convertruntest;

// The alert the sheet leaves on the window when the batch ends with failures.
QMessageBox *failureAlert(const Batch &batch)
{
    QMessageBox *alert = nullptr;
    QTest::qWaitFor([&] {
        alert = batch.ui.window->findChild<QMessageBox *>(QStringLiteral("convertFailedAlert"));
        return alert && alert->isVisible();
    }, 10000);
    return alert;
}

// A copy of a fixture in folder, so that the test may damage it once it is loaded.
QString copyOf(const QString &relative, const QString &folder)
{
    const QString copy = folder + QLatin1Char('/') + QFileInfo(relative).fileName();
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(testsupport::fixturePath(relative), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

// A copy of a fixture in folder, added to the batch with the H.264 MP4 profile as the loader hands
// it over; damage() then overwrites it so that no engine can read it.
struct AddedCopy
{
    QString path;
    DNFileNodePtr node;

    AddedCopy(Batch &batch, const char *relative, const QString &folder)
        : path(copyOf(QString::fromLatin1(relative), folder))
    {
        node = batch.addFileAt(path, "Video_MP4_H264.plist");
    }
    void damage() const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        file.seek(0);
        file.write(QByteArray(size, '\x5A'));
    }
};

// The second of three files was damaged after it was added: the engine cannot read it. The batch
// goes on with the third, and the sheet ends naming the damaged one with the engine's own words.
TEST(ConvertFailures, AFailedItemIsNamedWithTheEnginesReason)
{
    Batch batch;
    QTemporaryDir sources;
    const DNFileNodePtr first = batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist");
    const AddedCopy damaged(batch, "fileroad/quadrants.mp4", sources.path());
    ASSERT_TRUE(damaged.node);
    const DNFileNodePtr third = batch.addFile("fileroad/fps50.mp4", "Video_MP4_H264.plist");
    ASSERT_TRUE(first && third);
    damaged.damage();
    const int finishedBefore = shelltest::logText().count(QStringLiteral("Video Encode Did Finished"));

    ASSERT_TRUE(batch.run());

    QMessageBox *alert = failureAlert(batch);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), QStringLiteral("These items could not be converted:"));
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    const QStringList lines = alert->informativeText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1) << alert->informativeText().toStdString();
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("quadrants.mp4: the AV encoder engine failed: ")))
        << lines.first().toStdString();
    // The engine's own words, not only its exit status.
    EXPECT_FALSE(lines.first().contains(QStringLiteral("status"))) << lines.first().toStdString();
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("convert_failed_alert"));

    // The other two were converted; the damaged one left nothing.
    EXPECT_TRUE(QFileInfo(first->outputName()).isFile());
    EXPECT_TRUE(QFileInfo(third->outputName()).isFile());
    EXPECT_EQ(filesIn(batch.out.path()).size(), 2);
    const QString log = shelltest::logText();
    EXPECT_EQ(log.count(QStringLiteral("Video Encode Did Finished")) - finishedBefore, 2);
    EXPECT_TRUE(log.contains(QStringLiteral("Video Encode Failed: the AV encoder engine failed")));
    alert->buttons().first()->click();
}

// "Open the output folder when done" opens the folder after a batch that wrote a file, and not
// after one in which every item failed.
TEST(ConvertFailures, TheOutputFolderOpensOnlyWhenSomethingWasWritten)
{
    struct Case
    {
        const char *what;
        bool firstDamaged;
        bool opens;
    };
    const Case cases[] = {
        {"every item failed", true, false},
        {"one item written, one failed", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Batch batch;
        DNSetting::shareSetting().appSetting()->setIsOpenFolderWhenDone(true);
        shelltest::openedTargets().clear();
        QTemporaryDir sources;
        const AddedCopy first(batch, "fileroad/h264_aac.mp4", sources.path());
        const AddedCopy second(batch, "fileroad/quadrants.mp4", sources.path());
        ASSERT_TRUE(first.node && second.node);
        if (c.firstDamaged)
            first.damage();
        second.damage();

        ASSERT_TRUE(batch.run());
        QMessageBox *alert = failureAlert(batch);
        ASSERT_TRUE(alert);
        EXPECT_EQ(filesIn(batch.out.path()).size(), c.opens ? 1 : 0);
        EXPECT_EQ(shelltest::openedTargets(), c.opens ? QStringList{batch.out.path()} : QStringList());
        alert->buttons().first()->click();
        DNSetting::shareSetting().appSetting()->setIsOpenFolderWhenDone(false);
    }
}

// The user converts although the output folder may be too small: the disk fills up, and the
// sheet ends naming the item with the full disk as its reason.
TEST(ConvertFailures, AFullDiskAfterConvertAnywayIsNamed)
{
    testsupport::SmallFileSystem disk(24 * 1024);
    if (!disk.isMounted())
        GTEST_SKIP() << "a small file system needs the right to mount here";
    Batch batch;
    useOutputFolder(disk.path());
    const DNFileNodePtr file = batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist");
    ASSERT_TRUE(file);
    bool askedFirst = false;
    QTimer::singleShot(0, batch.ui.window, [&] {
        for (QMessageBox *question : batch.ui.window->findChildren<QMessageBox *>())
            for (QAbstractButton *button : question->buttons())
                if (button->text() == QStringLiteral("Convert Anyway")) {
                    askedFirst = true;
                    button->click();
                }
    });
    batch.sampler.start();
    QTest::mouseClick(batch.controller.right_run_btn.data(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return batch.runsEnded.load() > 0; }, kRunTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.controller.progressController->isRunning(); }, 60000));
    EXPECT_TRUE(askedFirst);

    QMessageBox *alert = failureAlert(batch);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->informativeText(),
              QStringLiteral("h264_aac.mp4: the disk of %1 ran out of space during the pass").arg(disk.path()));
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("convert_disk_full_alert"));
    EXPECT_TRUE(filesIn(disk.path()).isEmpty());
    EXPECT_TRUE(shelltest::logText().contains(QStringLiteral("Video Encode Failed: the disk of")));
    alert->buttons().first()->click();
}

} // namespace
