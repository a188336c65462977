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
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/progress/NXProgressController.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

} // namespace convertruntest
