#pragma once

// What the conversion-run tests share: the main window over the real driver and engines, an
// output folder of the test's own, sources added as the loaders hand them over, a click on
// Convert that waits for the batch and its sheet to end, and what the sheet and the progress
// dictionary showed meanwhile.
#include "shell_test_support.h"

#include "../../convert/driver/DriverTestSupport.h"

#include "convert/files/DNMediaFileProbe.h"
#include "core/settings/DNSetting.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNPlainText.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/progress/NXProgressController.h"

#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QSet>
#include <QTime>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>

namespace convertruntest {

using namespace drivertest;

constexpr int kRunTimeoutMs = 300000;

struct Batch
{
    NXAppController controller;
    NXMainWindowInterface ui;
    QTemporaryDir out;
    std::atomic<int> runsEnded{0};
    // The first progress dictionaries seen while converting, and the most conversions the
    // sheet counted as started (it starts from 0 again when it closes).
    QList<QVariantMap> progress;
    int startedSeen = 0;
    QTimer sampler;

    Batch()
    {
        shelltest::app();
        useOutputFolder(out.path());
        ui = NXBuildMainWindow(&controller);
        controller.onApplicationDidFinishLaunching();
        ui.window->show();
        DNSetting::shareSetting().appSetting()->setIsAdd2iTunesLib(false);
        DNSetting::shareSetting().appSetting()->setIsOpenFolderWhenDone(false);
        QObject::connect(&controller, &NXAppController::conversionRunEnded, &controller,
                         [this] { ++runsEnded; }, Qt::DirectConnection);
        sampler.setInterval(5);
        QObject::connect(&sampler, &QTimer::timeout, [this] {
            if (const auto map = controller.updaterConvert(); map && progress.size() < 50)
                progress.append(*map);
            if (controller.progressController)
                startedSeen = qMax(startedSeen, controller.progressController->currentConvertCount());
        });
    }
    ~Batch() { delete ui.window; }

    DNDVDNodePtr addDisc(const char *profile, const QList<int> &selected, double seconds)
    {
        return addDiscAt(testsupport::fixturePath(QStringLiteral("dvd/ntsc")), profile, selected, seconds);
    }

    // A disc folder or image (a copy the test may damage) with a shipped DVD profile, its
    // selected titles cut to their first seconds (all of them for 0), added as the disc loader
    // hands a loaded source over.
    DNDVDNodePtr addDiscAt(const QString &path, const char *profile, const QList<int> &selected, double seconds)
    {
        QString error;
        DNDVDNodePtr dvd = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(path), &error);
        EXPECT_TRUE(dvd) << error.toStdString();
        if (!dvd)
            return dvd;
        dvd->setProfile(shippedProfile(QString::fromLatin1(profile)));
        for (const DNDVDTitlePtr &title : dvd->titles()) {
            title->setIsSelected(selected.contains(title->index()));
            if (seconds > 0)
                trimTitle(title, 0, seconds);
        }
        // As the disc loader hands a loaded source over.
        controller.actionForDVDScaner(dvd);
        EXPECT_EQ(controller.mediaFiles->size(), 1);
        return dvd;
    }

    // A fixture media file with a shipped file profile, added as the file loader hands it over.
    DNFileNodePtr addFile(const char *relative, const char *profile)
    {
        return addFileAt(testsupport::fixturePath(QString::fromLatin1(relative)), profile);
    }

    // A file authored by the test itself.
    DNFileNodePtr addFileAt(const QString &path, const char *profile)
    {
        QString error;
        DNFileNodePtr file = fileNodeWithFile(path, false, &error);
        EXPECT_TRUE(file) << error.toStdString();
        if (!file)
            return file;
        file->setProfile(DNProfile::parserFromContentOfFile(
            DNBundle::pathForResource(QStringLiteral("profiles/Video/") + QString::fromLatin1(profile))));
        controller.block_loadVideoNode(file);
        return file;
    }

    // Clicks Convert and waits for the batch and its sheet to end.
    bool run(const std::function<void()> &whileRunning = {})
    {
        sampler.start();
        QTest::mouseClick(controller.right_run_btn.data(), Qt::LeftButton);
        if (!controller.progressController)
            return false;
        if (whileRunning)
            whileRunning();
        const bool ended = QTest::qWaitFor([this] { return runsEnded.load() > 0; }, kRunTimeoutMs)
            && QTest::qWaitFor([this] { return !controller.progressController->isRunning(); }, 60000);
        sampler.stop();
        return ended;
    }
};

// What the progress sheet showed of each item while it converted (from its start report on),
// polled far more often than the sheet's own second so that an item of a moment is seen too.
// Items are numbered as the sheet counts them, from 1.
struct SheetWatch
{
    struct Item
    {
        QSet<QString> titles, targets, starts, ends, durations;
        // The converted time (in seconds; -1 when no time was shown) and the Frames text of the
        // video face, each change once, in the order shown.
        struct Sample
        {
            int seconds;
            QString frames;
            bool operator==(const Sample &) const = default;
        };
        QList<Sample> samples;
        // The names shown above the photo face while a slideshow was rendered.
        QSet<QString> photoFaceTitles, photoFaceTargets;

        // The most frames shown; -1 when a text was no count.
        int mostFrames() const
        {
            int most = 0;
            for (const Sample &sample : samples) {
                bool number = false;
                const int count = sample.frames.toInt(&number);
                if (!number)
                    return -1;
                most = std::max(most, count);
            }
            return most;
        }
        QString framesShown() const
        {
            QStringList texts;
            for (const Sample &sample : samples)
                texts << QStringLiteral("%1 s: %2").arg(sample.seconds).arg(sample.frames);
            return texts.join(QStringLiteral(", "));
        }
    };
    QMap<int, Item> items;
    QTimer timer;

    explicit SheetWatch(Batch &batch)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, &batch] { sample(batch.controller.progressController); });
        timer.start();
    }

    void sample(NXProgressController *sheet)
    {
        // From an item's start report (Stop enabled) until the next item is handed over, the sheet
        // shows that item.
        if (!sheet || !sheet->isRunning() || sheet->currentConvertCount() < 1 || !sheet->stopButton()->isEnabled())
            return;
        sheet->updateInfomation();
        Item &item = items[sheet->currentConvertCount()];
        if (!sheet->photoEncodeView()->isHidden()) {
            item.photoFaceTitles.insert(sheet->currentTitle()->text());
            item.photoFaceTargets.insert(DNElidedFullText(sheet->currentTargetName()));
        }
        if (!sheet->isShowConvertView() || sheet->isAnimationStart())
            return;
        item.titles.insert(sheet->currentTitle()->text());
        item.targets.insert(DNElidedFullText(sheet->currentTargetName()));
        item.starts.insert(sheet->startTimeLabel()->text());
        item.ends.insert(sheet->endTimeLabel()->text());
        item.durations.insert(sheet->medioDuration()->text());
        const QTime converted = QTime::fromString(sheet->converttime()->text(), QStringLiteral("HH:mm:ss"));
        const Item::Sample sample{converted.isValid() ? converted.msecsSinceStartOfDay() / 1000 : -1,
                                  sheet->totalFrams()->text()};
        if (item.samples.isEmpty() || !(item.samples.last() == sample))
            item.samples.append(sample);
    }
};

} // namespace convertruntest
