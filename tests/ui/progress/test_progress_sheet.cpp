// The progress sheet: the batch on its worker thread, the one-second poll and what it shows,
// Stop, the end of the batch with its after-conversion choices and its notification.
#include "ui/progress/DNLoginManagerPower.h"
#include "ui/progress/NXProgressController.h"
#include "ui/slideshow/ImgEncodeProgressView.h"

#include "ui/ui_test_support.h"

#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemActions.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileGroupNode.h"
#include "dvd/file/DNFileNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

const QString kTest = QStringLiteral("ui_progress_progress_sheet");

// A disc "MOVIE" with titles of the given lengths.
DNDVDNodePtr makeDisc(const QList<int> &lengths)
{
    QList<DNDVDTitlePtr> titles;
    for (int i = 0; i < lengths.size(); ++i) {
        auto title = std::make_shared<DNDVDTitle>();
        title->setIndex(i);
        title->setLength(lengths[i]);
        title->setOutputName(QStringLiteral("/out/MOVIE_T%1.mp4").arg(i + 1));
        titles.append(title);
    }
    auto source = NXDVDSourceInfo::sourceInfo();
    source->setName(QStringLiteral("MOVIE"));
    return DNDVDNode::dvdNodeWithData(titles, source);
}

// The main window's three entry points as plain functions over a scripted batch: each item
// waits until the test lets it go (or Stop is pressed).
struct Batch
{
    NXProgressController *sheet = nullptr;
    QList<NXMediaNodePtr> items;
    bool failSecondStart = false;
    // Items (by position) whose engine fails: they write nothing.
    QList<int> failing;

    std::mutex mutex;
    std::condition_variable wake;
    int released = 0;
    std::atomic<int> started{0};
    std::atomic<bool> stop{false};
    std::atomic<bool> returned{false};
    std::atomic<int> interrupts{0};
    std::optional<QVariantMap> progress;

    void release()
    {
        std::lock_guard lock(mutex);
        ++released;
        wake.notify_all();
    }

    void run()
    {
        sheet->setTotalConvertCount(int(items.size()));
        for (int i = 0; i < items.size() && !stop; ++i) {
            sheet->setInfoWithNode(items[i]);
            if (failSecondStart && i == 1) {
                sheet->setStartConvertFailed(true);
                break;
            }
            sheet->converterStateDidChanged(NXProgressController::kEncodeStateStarted);
            ++started;
            std::unique_lock lock(mutex);
            wake.wait(lock, [&] { return released > i || stop; });
            if (stop)
                break;
            if (failing.contains(i))
                sheet->reportConvertFailure(QStringLiteral("item %1").arg(i + 1),
                                            ConvertFailureReason(ConvertFailureKind::Unexplained,
                                                                 {QStringLiteral("the engine failed")}));
            else
                sheet->reportConvertOutput(QStringLiteral("/out/item%1.mp4").arg(i + 1));
        }
        returned = true;
    }

    NXProgressController::ConvertEntry converter()
    {
        return [this](QObject *) { run(); };
    }
    NXProgressController::UpdaterEntry updater()
    {
        return [this](QObject *) { return progress; };
    }
    NXProgressController::InterruptEntry interrupter()
    {
        return [this](QObject *) {
            ++interrupts;
            stop = true;
            std::lock_guard lock(mutex);
            wake.notify_all();
        };
    }
};

// Records the after-conversion requests instead of carrying them out, and the end notification.
struct AfterBatch
{
    QStringList requests;
    QList<QVariant> ended;
    DNNotificationCenter::ObserverId observer;

    AfterBatch()
    {
        DNSetOpenHandler([this](const QString &target) {
            requests.append(QStringLiteral("open ") + target);
            return true;
        });
        DNSetPowerRequestHandler([this](DNPowerRequest r) {
            requests.append(r == DNPowerRequest::Shutdown ? QStringLiteral("shutdown") : QStringLiteral("other"));
            return true;
        });
        observer = DNNotificationCenter::defaultCenter().addObserver(
            NXProgressController::progressDidEndNotificationName(),
            [this](const DNNotification &n) { ended.append(n.object); });
    }
    ~AfterBatch()
    {
        DNNotificationCenter::defaultCenter().removeObserver(observer);
        DNSetOpenHandler({});
        DNSetPowerRequestHandler({});
    }
};

QVariantMap progressInfo(int percent, int fps, int converted, int frame = 0)
{
    return {{QStringLiteral("EncodeCategory"), 2},
            {QStringLiteral("current_percent"), percent},
            {QStringLiteral("currentFPS"), fps},
            {QStringLiteral("convertedTime"), converted},
            {QStringLiteral("frame_number"), frame}};
}

} // namespace

TEST(ProgressSheet, PollShowsTitleTimesSpeedAndRemainingTime)
{
    uitest::app();
    AfterBatch after;
    QWidget window;
    window.resize(640, 420);
    window.show();
    auto disc = makeDisc({600, 600, 600});
    auto title = disc->titleAt(1);
    DNDVDTitleSetting trimmed = *title->setting();
    trimmed.setTrimEnable(true);
    trimmed.setTrimStartPercent(0.1f);
    trimmed.setTrimEndPercent(0.6f);
    title->setSetting(trimmed);

    NXProgressController sheet;
    qint64 clock = 1000000;
    sheet.setClock([&] { return clock; });
    NXProgressController::resetRemainingTimeEstimate();
    Batch batch;
    batch.sheet = &sheet;
    batch.items = {title, disc->titleAt(2)};
    sheet.showWithInWindow(&window, batch.converter(), batch.updater(), batch.interrupter(), false, &window);
    ASSERT_TRUE(sheet.updateTimer());
    EXPECT_EQ(sheet.updateTimer()->interval(), 1000);
    EXPECT_TRUE(sheet.updateTimer()->isActive());
    // The test polls by hand on its own clock.
    sheet.updateTimer()->stop();
    EXPECT_EQ(sheet.currentTargetName()->text(), QStringLiteral("fetching..."));
    EXPECT_TRUE(sheet.isShowConvertView());

    ASSERT_TRUE(uitest::waitFor([&] { return sheet.stopButton()->isEnabled(); }));
    EXPECT_EQ(sheet.stateRemain()->text(), QStringLiteral("1 / 2 Converting"));
    EXPECT_EQ(sheet.stateRemainAboveProgress()->text(), QStringLiteral("Converting..."));

    // No dictionary: nothing changes.
    sheet.updateInfomation();
    EXPECT_EQ(sheet.currentTargetName()->text(), QStringLiteral("fetching..."));

    struct Poll
    {
        qint64 secondsAfterStart;
        int percent;
        const char *progress;
        const char *remaining;
    };
    const Poll polls[] = {
        {30, 10, "10 % ", "00:04:30"},
        {31, 10, "10 % ", "00:04:29"},  // same percent: counts down a second per poll
        {32, 10, "10 % ", "00:04:28"},
        {100, 50, "50 % ", "00:01:40"},
    };
    const qint64 start = clock;
    for (const Poll &p : polls) {
        clock = start + p.secondsAfterStart;
        // The pass has reached the frame it reports.
        const int frame = int(p.secondsAfterStart) * 25;
        batch.progress = progressInfo(p.percent, 25, int(p.secondsAfterStart), frame);
        sheet.updateInfomation();
        EXPECT_EQ(sheet.totalFrams()->text(), QString::number(frame));
        EXPECT_EQ(sheet.progress()->text(), QString::fromLatin1(p.progress));
        EXPECT_EQ(sheet.timeRemaid()->text(), QString::fromLatin1(p.remaining)) << p.secondsAfterStart;
        EXPECT_EQ(sheet.curProgress()->value(), p.percent);
    }
    EXPECT_EQ(sheet.convertfps()->text(), QStringLiteral("25 "));
    EXPECT_EQ(sheet.converttime()->text(), QStringLiteral("00:01:40"));
    EXPECT_EQ(sheet.currentTitle()->text(), QStringLiteral("MOVIE(2)"));
    EXPECT_EQ(sheet.currentTargetName()->text(), QStringLiteral("MOVIE_T2.mp4"));
    EXPECT_EQ(sheet.startTimeLabel()->text(), QStringLiteral("00:01:00"));
    EXPECT_EQ(sheet.endTimeLabel()->text(), QStringLiteral("00:06:00"));
    EXPECT_EQ(sheet.medioDuration()->text(), QStringLiteral("00:05:00"));
    uitest::savePicture(sheet.progressPanel(), kTest, QStringLiteral("video_face"));

    // The next item restarts the clock; 0 % is taken as 1 %.
    batch.release();
    // The count text comes with the item's "Waiting..." step, the enabled Stop with its start
    // report after it: both seen means the second item's clock has been restarted.
    ASSERT_TRUE(uitest::waitFor([&] {
        return sheet.stateRemain()->text() == QStringLiteral("2 / 2 Converting") && sheet.stopButton()->isEnabled();
    }));
    clock += 3;
    batch.progress = progressInfo(0, 0, 0);
    sheet.updateInfomation();
    EXPECT_EQ(sheet.totalFrams()->text(), QStringLiteral("0"));
    EXPECT_EQ(sheet.progress()->text(), QStringLiteral("0 % "));
    EXPECT_EQ(sheet.timeRemaid()->text(), QStringLiteral("00:04:57"));
    EXPECT_EQ(sheet.currentTitle()->text(), QStringLiteral("MOVIE(3)"));
    EXPECT_EQ(sheet.medioDuration()->text(), QStringLiteral("00:10:00"));

    batch.release();
    ASSERT_TRUE(uitest::waitFor([&] { return !after.ended.isEmpty(); }));
    EXPECT_EQ(after.ended, QList<QVariant>{QVariant(0)});
    EXPECT_FALSE(sheet.progressPanel()->isVisible());
}

TEST(ProgressSheet, RemainingTimeNeverCountsBelowZero)
{
    uitest::app();
    NXProgressController sheet;
    qint64 clock = 5000;
    sheet.setClock([&] { return clock; });
    NXProgressController::resetRemainingTimeEstimate();
    sheet.converterStateDidChanged(NXProgressController::kEncodeStateStarted);
    clock += 2;
    const char *expected[] = {"00:00:02", "00:00:01", "00:00:00", "00:00:00", "00:00:00"};
    for (const char *text : expected) {
        sheet.setConvertProgress(50);
        EXPECT_EQ(sheet.timeRemaid()->text(), QString::fromLatin1(text));
    }
}

// The remaining time comes from the item's progress: its clock runs from the item's first start
// report (or its stage's), however many passes or members report theirs after it, and it does not
// count down while the engine does nothing (held, or waiting on its source).
TEST(ProgressSheet, RemainingTimeComesFromTheItemsProgress)
{
    uitest::app();
    AfterBatch after;
    auto disc = makeDisc({600, 600});
    NXProgressController sheet;
    qint64 clock = 2000000;
    sheet.setClock([&] { return clock; });
    NXProgressController::resetRemainingTimeEstimate();
    Batch batch;
    batch.sheet = &sheet;
    batch.items = {disc->titleAt(0)};
    QObject target;
    sheet.showWithInWindow(nullptr, batch.converter(), batch.updater(), batch.interrupter(), false, &target);
    sheet.updateTimer()->stop();
    ASSERT_TRUE(uitest::waitFor([&] { return sheet.stopButton()->isEnabled(); }));
    const qint64 start = clock;

    // The next member (or pass) starts 50 s on; the percent goes on over the whole item.
    clock = start + 50;
    sheet.converterStateDidChanged(NXProgressController::kEncodeStateStarted);
    clock = start + 100;
    batch.progress = progressInfo(50, 25, 100, 2500);
    sheet.updateInfomation();
    EXPECT_EQ(sheet.timeRemaid()->text(), QStringLiteral("00:01:40"));

    // Held: poll after poll shows the same figures, and the time left stays.
    for (int poll = 0; poll < 3; ++poll) {
        ++clock;
        sheet.updateInfomation();
        EXPECT_EQ(sheet.timeRemaid()->text(), QStringLiteral("00:01:40")) << poll;
    }
    // Going on within the percent step, it counts down.
    batch.progress = progressInfo(50, 25, 101, 2525);
    sheet.updateInfomation();
    EXPECT_EQ(sheet.timeRemaid()->text(), QStringLiteral("00:01:39"));

    // A speed the engine does not measure is not shown as a standstill.
    EXPECT_EQ(sheet.convertfps()->text(), QStringLiteral("25 "));
    batch.progress = progressInfo(50, -1, 101, 2525);
    sheet.updateInfomation();
    EXPECT_EQ(sheet.convertfps()->text(), QStringLiteral("--"));

    // A new stage of the item (a slideshow's movie after its pictures) is reckoned from its own
    // start.
    clock = start + 300;
    sheet.setConvertingNode(disc->titleAt(0));
    sheet.converterStateDidChanged(NXProgressController::kEncodeStateStarted);
    clock = start + 310;
    batch.progress = progressInfo(60, 25, 6, 150);
    sheet.updateInfomation();
    EXPECT_EQ(sheet.timeRemaid()->text(), QStringLiteral("00:00:06"));

    batch.release();
    ASSERT_TRUE(uitest::waitFor([&] { return !after.ended.isEmpty(); }));
}

// A media file of the given length, trimmed from..to (fractions) when asked.
DNFileNodePtr makeFile(const QString &path, float seconds, float from = 0, float to = 1)
{
    auto file = std::make_shared<DNFileNode>();
    file->setPath(path);
    file->videoTracks().append(std::make_shared<DNTVideo>());
    file->videoTracks().first()->duration = seconds;
    file->setting()->setTrimEnable(from > 0 || to < 1);
    file->setting()->setTrimStartPercent(from);
    file->setting()->setTrimEndPercent(to);
    return file;
}

TEST(ProgressSheet, EveryKindOfItemShowsItsNamesTimesAndFrames)
{
    uitest::app();
    QTemporaryDir out;
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(out.path());
    auto disc = makeDisc({100, 30, 40, 50, 60});
    disc->setMergeIntoOne(true);
    for (int i : {1, 4})
        disc->titleAt(i)->setIsSelected(true);
    auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(disc);
    ASSERT_TRUE(group);
    group->setOutputName(QStringLiteral("/out/MOVIE_Group.mp4"));
    // A group of one title writes the title's file, which the group learns only at its end.
    auto single = makeDisc({100, 30});
    single->setMergeIntoOne(true);
    single->titleAt(1)->setIsSelected(true);
    auto singleGroup = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(single);
    ASSERT_TRUE(singleGroup);

    auto backup = makeDisc({600, 20});
    auto profile = std::make_shared<DNProfile>(QString());
    profile->setGlobalID(1000002);
    backup->setProfile(profile);

    auto file = makeFile(QStringLiteral("/media/clip.mp4"), 600.5f, 0.1f, 0.6f);
    file->setOutputName(QStringLiteral("/out/clip.m4v"));
    // A join lasts its members' parts: 10.6 s, 20 s of 40.4 s, and 30.2 s.
    auto fileGroup = DNFileGroupNode::fileGroupNodeWithNodes(
        {makeFile(QStringLiteral("/media/a.mp4"), 10.6f), makeFile(QStringLiteral("/media/b.mp4"), 40.4f, 0.25f, 0.75f),
         makeFile(QStringLiteral("/media/c.mp4"), 30.2f)});
    fileGroup->setOutputName(QStringLiteral("/out/joined (1).mp4"));

    // A slideshow of 12 photos at 2 s each (36 s with its transitions), named after its folder.
    // Before its movie is rendered it shows the file its conversion will write; the folder holds
    // one of that name already.
    auto slideshow = DNGraphicsNode::graphicsNodeWithDir(testsupport::fixturePath(QStringLiteral("slideshow/photos")));
    ASSERT_TRUE(slideshow);
    slideshow->setting()->setInterval(2.0f);
    auto mp4 = std::make_shared<DNProfile>(QString());
    mp4->setFileNameSuffix(QStringLiteral("mp4"));
    slideshow->setProfile(mp4);
    QFile taken(QDir(out.path()).filePath(QStringLiteral("photos.mp4")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    auto rendered = DNGraphicsNode::graphicsNodeWithDir(testsupport::fixturePath(QStringLiteral("slideshow/photos")));
    ASSERT_TRUE(rendered);
    rendered->setFileNode(makeFile(out.filePath(QStringLiteral(".movie.mov")), 36.04f));
    rendered->fileNode()->setOutputName(out.filePath(QStringLiteral("photos (2).mp4")));

    struct Case
    {
        const char *what;
        NXMediaNodePtr node;
        QString title;
        QString target;
        QString start, end, duration, converted, frames;
    };
    const QString none = QStringLiteral("--:--:--");
    const QString polled = QStringLiteral("00:00:07");
    const Case cases[] = {
        {"group of titles 2 and 5", group, QStringLiteral("MOVIE(2,5)"), QStringLiteral("MOVIE_Group.mp4"), none, none,
         QStringLiteral("00:01:30"), polled, QStringLiteral("210")},
        {"group of title 2 alone", singleGroup, QStringLiteral("MOVIE(2)"), QStringLiteral("MOVIE_T2.mp4"), none, none,
         QStringLiteral("00:00:30"), polled, QStringLiteral("210")},
        {"file item", file, QStringLiteral("clip.mp4"), QStringLiteral("clip.m4v"), QStringLiteral("00:01:00"),
         QStringLiteral("00:06:00"), QStringLiteral("00:05:00"), polled, QStringLiteral("210")},
        {"file group", fileGroup, QStringLiteral("a.mp4"), QStringLiteral("joined (1).mp4"), none, none,
         QStringLiteral("00:01:00"), polled, QStringLiteral("210")},
        {"slideshow being rendered", slideshow, QStringLiteral("photos"), QStringLiteral("photos (1).mp4"),
         QStringLiteral("00:00:00"), QStringLiteral("00:00:36"), QStringLiteral("00:00:36"), polled,
         QStringLiteral("210")},
        {"slideshow's movie converting", rendered, QStringLiteral("photos"), QStringLiteral("photos (2).mp4"),
         QStringLiteral("00:00:00"), QStringLiteral("00:00:36"), QStringLiteral("00:00:36"), polled,
         QStringLiteral("210")},
        {"ISO backup", backup->titleAt(0), QStringLiteral("MOVIE(1)"), QStringLiteral("MOVIE_T1.mp4"), none, none, none,
         none, QStringLiteral("--")},
    };
    for (const Case &c : cases) {
        AfterBatch quiet;
        NXProgressController sheet;
        std::optional<QVariantMap> info = progressInfo(5, 30, 7, 210);
        QObject target;
        // Entry points without a running batch: only the poll is exercised here.
        sheet.showWithInWindow(nullptr, [](QObject *) {}, [&](QObject *) { return info; }, [](QObject *) {}, false,
                               &target);
        sheet.setConvertingNode(c.node);
        if (sheet.updateTimer())
            sheet.updateTimer()->stop();
        sheet.updateInfomation();
        EXPECT_EQ(sheet.currentTitle()->text(), c.title) << c.what;
        EXPECT_EQ(sheet.currentTargetName()->text(), c.target) << c.what;
        EXPECT_EQ(sheet.startTimeLabel()->text(), c.start) << c.what;
        EXPECT_EQ(sheet.endTimeLabel()->text(), c.end) << c.what;
        EXPECT_EQ(sheet.medioDuration()->text(), c.duration) << c.what;
        EXPECT_EQ(sheet.converttime()->text(), c.converted) << c.what;
        EXPECT_EQ(sheet.totalFrams()->text(), c.frames) << c.what;
        uitest::waitFor([&] { return !sheet.isRunning(); });
    }
}

TEST(ProgressSheet, StopEndsTheBatchWithoutShuttingDown)
{
    uitest::app();
    QTemporaryDir out;
    auto appSetting = DNSetting::shareSetting().appSetting();
    appSetting->setVideoOutputDirectory(out.path());
    appSetting->setIsShutdowWhenDone(true);
    appSetting->setIsOpenFolderWhenDone(true);

    AfterBatch after;
    QWidget window;
    window.show();
    auto disc = makeDisc({60, 60});
    NXProgressController sheet;
    Batch batch;
    batch.sheet = &sheet;
    batch.items = {disc->titleAt(0), disc->titleAt(1)};
    batch.progress = progressInfo(40, 20, 10);
    sheet.showWithInWindow(&window, batch.converter(), batch.updater(), batch.interrupter(), false, &window);
    EXPECT_TRUE(sheet.shutdownButton()->isChecked());
    EXPECT_TRUE(sheet.openButton()->isChecked());
    ASSERT_TRUE(uitest::waitFor([&] { return sheet.stopButton()->isEnabled(); }));
    sheet.updateInfomation();

    QTest::mouseClick(sheet.stopButton(), Qt::LeftButton);
    EXPECT_EQ(batch.interrupts, 1);
    EXPECT_EQ(sheet.updateTimer(), nullptr);
    EXPECT_FALSE(sheet.stopButton()->isEnabled());
    EXPECT_EQ(sheet.stateRemainAboveProgress()->text(), QStringLiteral("Stopping..."));
    ASSERT_TRUE(uitest::waitFor([&] { return !after.ended.isEmpty(); }));
    uitest::serve(50);
    EXPECT_TRUE(batch.returned);
    EXPECT_EQ(batch.started, 1);
    EXPECT_EQ(after.ended, QList<QVariant>{QVariant(0)});
    // Stop came before anything was written: no folder opens, and the machine stays on,
    // because the batch did not complete.
    EXPECT_TRUE(after.requests.isEmpty()) << after.requests.join(QLatin1Char(',')).toStdString();
    EXPECT_FALSE(sheet.progressPanel()->isVisible());
    EXPECT_EQ(sheet.progress()->text(), QStringLiteral("0 % "));
    EXPECT_EQ(sheet.timeRemaid()->text(), QStringLiteral("00:00:00"));
    EXPECT_TRUE(sheet.currentTitle()->text().isEmpty());
}

TEST(ProgressSheet, AfterBatchChoicesByHowTheBatchEnded)
{
    uitest::app();
    QTemporaryDir out;
    auto appSetting = DNSetting::shareSetting().appSetting();
    appSetting->setVideoOutputDirectory(out.path());
    const QString open = QStringLiteral("open ") + out.path();

    struct Case
    {
        const char *what;
        bool shutdown;
        bool openFolder;
        bool failStart;
        QList<int> failing;
        QStringList requests;
        int notified;
    };
    const Case cases[] = {
        {"completed, both chosen: shut down first", true, true, false, {}, {QStringLiteral("shutdown"), open}, 0},
        {"completed, nothing chosen", false, false, false, {}, {}, 0},
        {"a start failed: no shut-down", true, false, true, {}, {}, 1},
        {"one written, one failed: the folder opens", false, true, false, {1}, {open}, 0},
        {"every item failed: nothing to open", true, true, false, {0, 1}, {}, 0},
        {"the first written, the second failed to start", false, true, true, {}, {open}, 1},
    };
    for (const Case &c : cases) {
        appSetting->setIsShutdowWhenDone(c.shutdown);
        appSetting->setIsOpenFolderWhenDone(c.openFolder);
        AfterBatch after;
        NXProgressController sheet;
        Batch batch;
        batch.sheet = &sheet;
        batch.failSecondStart = c.failStart;
        batch.failing = c.failing;
        auto disc = makeDisc({10, 10});
        batch.items = {disc->titleAt(0), disc->titleAt(1)};
        batch.release();
        batch.release();
        QObject target;
        sheet.showWithInWindow(nullptr, batch.converter(), batch.updater(), batch.interrupter(), false, &target);
        ASSERT_TRUE(uitest::waitFor([&] { return !after.ended.isEmpty(); })) << c.what;
        EXPECT_EQ(after.requests, c.requests) << c.what;
        EXPECT_EQ(after.ended, QList<QVariant>{QVariant(c.notified)}) << c.what;
        if (sheet.failureAlert())
            sheet.failureAlert()->close();
    }
}

TEST(ProgressSheet, PhotoFaceShowsFramesAndTheImage)
{
    uitest::app();
    AfterBatch quiet;
    const QString photo = testsupport::fixturePath(QStringLiteral("slideshow/photos/p03.jpg"));
    std::optional<QVariantMap> info = QVariantMap{{QStringLiteral("EncodeCategory"), 0},
                                                  {QStringLiteral("currentFrame"), 30},
                                                  {QStringLiteral("totalFrames"), 120},
                                                  {QStringLiteral("currentImage"), photo}};
    std::atomic<bool> go{false};
    NXProgressController sheet;
    QObject target;
    sheet.showWithInWindow(nullptr, [&](QObject *) { while (!go) QThread::msleep(5); },
                           [&](QObject *) { return info; }, [](QObject *) {}, true, &target);
    EXPECT_FALSE(sheet.isShowConvertView());
    sheet.updateInfomation();
    EXPECT_EQ(sheet.encodePhotoProgress()->value(), 25);
    EXPECT_EQ(sheet.encodeFrameLabel()->text(), QStringLiteral("30 / 120 Frame Finished"));
    // The photo being encoded tops the stack of the photo picture.
    EXPECT_FALSE(sheet.photoEncodeProgress()->myCurrentLayer().contents.isNull());
    uitest::savePicture(sheet.progressPanel(), kTest, QStringLiteral("photo_face"));

    // The faces slide; while they do, photo progress is not drawn.
    sheet.showConvertViewView();
    EXPECT_TRUE(sheet.isAnimationStart());
    ASSERT_TRUE(uitest::waitFor([&] { return !sheet.isAnimationStart(); }));
    EXPECT_TRUE(sheet.isShowConvertView());
    EXPECT_TRUE(sheet.photoEncodeView()->isHidden());
    go = true;
    ASSERT_TRUE(uitest::waitFor([&] { return !quiet.ended.isEmpty(); }));
}

TEST(ProgressSheet, PowerRequestsAskTheLoginManager)
{
    struct Case
    {
        DNPowerRequest request;
        const char *member;
    };
    const Case cases[] = {{DNPowerRequest::Shutdown, "PowerOff"},
                          {DNPowerRequest::Restart, "Reboot"},
                          {DNPowerRequest::LogOut, "TerminateSession"}};
    for (const Case &c : cases) {
        const QDBusMessage m = DNLoginManagerMessageForRequest(c.request);
        EXPECT_EQ(m.service(), QStringLiteral("org.freedesktop.login1"));
        EXPECT_EQ(m.path(), QStringLiteral("/org/freedesktop/login1"));
        EXPECT_EQ(m.interface(), QStringLiteral("org.freedesktop.login1.Manager"));
        EXPECT_EQ(m.member(), QString::fromLatin1(c.member));
        ASSERT_EQ(m.arguments().size(), 1);
    }
    EXPECT_EQ(DNLoginManagerMessageForRequest(DNPowerRequest::Shutdown).arguments().first(), QVariant(true));
}
