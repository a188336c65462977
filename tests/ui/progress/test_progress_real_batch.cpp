// The progress sheet over the real conversion driver and engines: a batch of two titles of the
// authored disc, converted on the sheet's worker thread, and a batch stopped part-way.
#include "ui/progress/NXProgressController.h"

#include "ui/ui_test_support.h"

#include "convert/driver/DNVideoConverter.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemActions.h"
#include "dvd/NXDVDUtilities.h"
#include "profiles/DNProfile.h"

#include "support/ffprobe.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

namespace {

DNDVDNodePtr loadFixtureDisc()
{
    QString error;
    DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(
        NXDVDUtilities::sourceInfoForDVDPath(testsupport::fixturePath(QStringLiteral("dvd/ntsc"))), &error);
    EXPECT_TRUE(node) << error.toStdString();
    if (node)
        node->setProfile(DNProfile::parserFromContentOfFile(
            DNBundle::pathForResource(QStringLiteral("profiles/DVD/MacGen_MP4_MPEG4.plist"))));
    return node;
}

void trim(const DNDVDTitlePtr &title, double from, double seconds)
{
    auto setting = title->setting();
    setting->setTrimEnable(true);
    setting->setTrimStartPercent(float(from / title->length()));
    setting->setTrimEndPercent(float((from + seconds) / title->length()));
}

// What the main window's "convertVideos", "updaterConvert" and "interruptConvert" do, over the
// driver: one title at a time, the state codes handed to the sheet, progress from the driver.
struct ShellBatch
{
    NXProgressController *sheet = nullptr;
    DNDVDNodePtr disc;
    QList<int> titles;
    std::atomic<bool> stop{false};
    std::atomic<bool> running{false};
    std::mutex mutex;
    QList<int> results;
    QStringList outputs;

    static int stateCallback(void *context, int code)
    {
        static_cast<ShellBatch *>(context)->sheet->converterStateDidChanged(code);
        return 0;
    }

    void convertVideos()
    {
        running = true;
        sheet->setTotalConvertCount(int(titles.size()));
        for (int index : titles) {
            if (stop)
                break;
            sheet->setInfoWithNode(disc->titleAt(index));
            const int result = DNVideoConverterStart(disc.get(), index, &ShellBatch::stateCallback, this);
            std::lock_guard lock(mutex);
            results.append(result);
            if (result < 0) {
                if (result != ConvertResultStopped)
                    sheet->setStartConvertFailed(true);
                break;
            }
            outputs.append(disc->titleAt(index)->outputName());
        }
        running = false;
    }

    std::optional<QVariantMap> updaterConvert()
    {
        if (!running)
            return std::nullopt;
        ConvertProgressInfo info;
        DNVideoConverterProgress(&info);
        return QVariantMap{{QStringLiteral("EncodeCategory"), 2},
                           {QStringLiteral("currentFPS"), info.speed},
                           {QStringLiteral("frame_number"), info.frame},
                           {QStringLiteral("convertedTime"), info.time},
                           {QStringLiteral("current_percent"), info.percent}};
    }

    void interruptConvert()
    {
        stop = true;
        if (running)
            DNVideoConverterStop();
    }

    void open(QWidget *window)
    {
        sheet->showWithInWindow(
            window, [this](QObject *) { convertVideos(); }, [this](QObject *) { return updaterConvert(); },
            [this](QObject *) { interruptConvert(); }, false, window);
    }
};

struct EndWatch
{
    QList<QVariant> ended;
    DNNotificationCenter::ObserverId id = DNNotificationCenter::defaultCenter().addObserver(
        NXProgressController::progressDidEndNotificationName(), [this](const DNNotification &n) { ended.append(n.object); });
    EndWatch()
    {
        DNSetOpenHandler([](const QString &) { return true; });
        DNSetPowerRequestHandler([](DNPowerRequest) { return true; });
    }
    ~EndWatch()
    {
        DNNotificationCenter::defaultCenter().removeObserver(id);
        DNSetOpenHandler({});
        DNSetPowerRequestHandler({});
    }
};

void useOutputFolder(const QString &folder)
{
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(folder);
    DNSetting::shareSetting().mainWindowSetting()->setSafemode(false);
    DNSetting::shareSetting().mainWindowSetting()->setCpuCore(2);
}

const QRegularExpression kTimeText(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));

} // namespace

TEST(ProgressRealBatch, TwoTitlesConvertOnTheWorkerWhileTheSheetPolls)
{
    uitest::app();
    EndWatch watch;
    QTemporaryDir out;
    useOutputFolder(out.path());
    QWidget window;
    window.resize(640, 420);
    window.show();

    ShellBatch batch;
    batch.disc = loadFixtureDisc();
    ASSERT_TRUE(batch.disc);
    trim(batch.disc->titleAt(1), 1, 2);
    trim(batch.disc->titleAt(2), 1, 2);
    batch.titles = {1, 2};
    NXProgressController sheet;
    batch.sheet = &sheet;
    batch.open(&window);
    ASSERT_TRUE(sheet.updateTimer());
    EXPECT_EQ(sheet.updateTimer()->interval(), 1000);

    // Sample what the sheet shows while the batch runs; poll as the timer does, too, so the
    // texts are seen however fast the engines are.
    QSet<QString> titlesShown;
    QSet<QString> counts;
    bool timesShown = false;
    int mostFrames = 0;
    ASSERT_TRUE(uitest::waitFor(
        [&] {
            if (sheet.stopButton()->isEnabled()) {
                sheet.updateInfomation();
                titlesShown.insert(sheet.currentTitle()->text());
                counts.insert(sheet.stateRemain()->text());
                timesShown = timesShown
                             || (sheet.medioDuration()->text() == QStringLiteral("00:00:02")
                                 && kTimeText.match(sheet.timeRemaid()->text()).hasMatch()
                                 && sheet.progress()->text().endsWith(QStringLiteral(" % ")));
                mostFrames = std::max(mostFrames, sheet.totalFrams()->text().toInt());
            }
            return !watch.ended.isEmpty();
        },
        600000));
    EXPECT_EQ(watch.ended, QList<QVariant>{QVariant(0)});
    EXPECT_EQ(batch.results, (QList<int>{0, 0}));
    titlesShown.remove(QString());
    EXPECT_TRUE(titlesShown.contains(QStringLiteral("ntsc(2)")) || titlesShown.contains(QStringLiteral("ntsc(3)")));
    EXPECT_TRUE(titlesShown.subtract({QStringLiteral("ntsc(2)"), QStringLiteral("ntsc(3)")}).isEmpty());
    EXPECT_TRUE(counts.subtract({QStringLiteral("1 / 2 Converting"), QStringLiteral("2 / 2 Converting")}).isEmpty());
    EXPECT_TRUE(timesShown);
    // The frame count follows the engine's pass: never past the 2 s of a trimmed NTSC title.
    EXPECT_GT(mostFrames, 0);
    EXPECT_LE(mostFrames, 61);
    EXPECT_EQ(sheet.stateRemain()->text(), QStringLiteral("2 / 2 Converting"));
    EXPECT_FALSE(sheet.progressPanel()->isVisible());

    ASSERT_EQ(batch.outputs.size(), 2);
    for (const QString &output : batch.outputs) {
        EXPECT_EQ(QFileInfo(output).absolutePath(), out.path());
        const QJsonObject probe = testsupport::ffprobe(output);
        ASSERT_FALSE(probe.isEmpty()) << output.toStdString();
        const double duration =
            probe.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
        EXPECT_NEAR(duration, 2.0, 0.5) << output.toStdString();
    }
}

TEST(ProgressRealBatch, StopEndsTheRunningTitleAndTheBatch)
{
    uitest::app();
    EndWatch watch;
    QTemporaryDir out;
    useOutputFolder(out.path());
    QWidget window;
    window.show();

    ShellBatch batch;
    batch.disc = loadFixtureDisc();
    ASSERT_TRUE(batch.disc);
    batch.titles = {1, 0};
    NXProgressController sheet;
    batch.sheet = &sheet;
    batch.open(&window);
    ASSERT_TRUE(uitest::waitFor([&] { return sheet.stopButton()->isEnabled(); }, 600000));
    QTest::mouseClick(sheet.stopButton(), Qt::LeftButton);
    EXPECT_EQ(sheet.stateRemainAboveProgress()->text(), QStringLiteral("Stopping..."));
    ASSERT_TRUE(uitest::waitFor([&] { return !watch.ended.isEmpty(); }, 600000));
    EXPECT_EQ(watch.ended, QList<QVariant>{QVariant(0)});
    // Whichever title Stop caught, nothing was started after it, and nothing failed.
    ASSERT_FALSE(batch.results.isEmpty());
    EXPECT_FALSE(batch.results.contains(ConvertResultFailed));
    if (batch.results.first() == ConvertResultStopped) {
        EXPECT_EQ(batch.results.size(), 1);
    }
    EXPECT_FALSE(sheet.progressPanel()->isVisible());
    EXPECT_FALSE(DNVideoConverterState().running);
}
