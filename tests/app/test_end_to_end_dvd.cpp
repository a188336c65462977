// A new user's road through the main window with the real engines: open the authored ISO from the
// DVD menu, keep two titles checked, pick the second audio track for one of them, choose an H.264
// profile in the chooser that follows the first load, Convert, and find two playable files of the
// right length with the chosen audio in the output folder. A second road drops a DVD folder on the
// empty list. A picture of the window is saved at each step.
#include "app/DNMainInterface.h"

#include "../ui/mainwindow/shell_test_support.h"

#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/DNDVDNode.h"
#include "profiles/DNProfile.h"
#include "support/ffprobe.h"
#include "support/tone.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNCheckBox.h"
#include "ui/dvd/NXDiscScanerController.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/medialist/DNDVDRootCell.h"
#include "ui/medialist/DNDVDTitleCell.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/medialist/NXPromptView.h"
#include "ui/profiles/DNMajorTableViewController.h"
#include "ui/profiles/DNProfilePreviewTableViewController.h"
#include "ui/profiles/DNSecondaryTableViewController.h"
#include "ui/profiles/NXNavigationBar.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"
#include "ui/progress/NXProgressController.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonObject>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <tuple>

namespace {

constexpr int kLoadTimeoutMs = 60000;
constexpr int kRunTimeoutMs = 240000;
const QString kPictures = QStringLiteral("app_end_to_end_dvd");

struct Session
{
    QApplication &application = shelltest::app();
    std::unique_ptr<DNMainInterface> shell = DNLoadMainInterface();
    NXAppController &c = shell->controller;
    QTemporaryDir out;
    int step = 0;

    Session()
    {
        DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(out.path());
        DNSetting::shareSetting().appSetting()->setIsAdd2iTunesLib(false);
        DNSetting::shareSetting().appSetting()->setIsOpenFolderWhenDone(false);
        DNSetting::shareSetting().mainWindowSetting()->setSafemode(false);
        DNSetting::shareSetting().mainWindowSetting()->setCpuCore(2);
        shell->ui.window->resize(1100, 720);
        EXPECT_TRUE(shell->delegate.applicationDidFinishLaunching());
        shell->ui.window->show();
    }

    // The window, and the sheet over it when one is open.
    void picture(const QString &name, QWidget *sheet = nullptr)
    {
        const QString base = QStringLiteral("%1_%2").arg(++step, 2, 10, QLatin1Char('0')).arg(name);
        shelltest::saveWindowPicture(shell->ui.window, kPictures, base);
        if (sheet && sheet->isVisible())
            shelltest::saveWindowPicture(sheet, kPictures, base + QStringLiteral("_sheet"));
    }

    DNDVDNodePtr dvd() const
    {
        return c.mediaFiles->isEmpty() ? nullptr : std::dynamic_pointer_cast<DNDVDNode>(c.mediaFiles->first());
    }
    DNDVDTitleCell *titleRow(int index) const
    {
        return qobject_cast<DNDVDTitleCell *>(c.tableView->cellAtPath(NXMediaPath(0, index)));
    }
    NXProfileChooserController *chooser() const
    {
        return c.profileController ? c.profileController->profileChooseController() : nullptr;
    }
    bool chooserShown() const
    {
        return chooser() && chooser()->choosePanel() && chooser()->choosePanel()->isVisible();
    }
};

void settle(NXProfileChooserController *chooser)
{
    QTest::qWaitFor([&] {
        return chooser->isPushedEnd() && !chooser->navigationBar()->isAnimating()
               && chooser->leftContainerView()->x() == chooser->leftContainerX();
    }, 5000);
}

void clickRow(NXCategoryTableController *list, int row)
{
    QTableView *table = list->tableView();
    table->scrollTo(list->index(row, 0));
    QCoreApplication::processEvents();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(list->index(row, 0)).center());
}

// Clicks the card of the profile file in the detail list; false when the list does not hold it.
bool clickCardOf(NXProfileChooserController *chooser, const QString &fileName)
{
    const auto &profiles = chooser->detaileProfileTableController()->dataSource();
    for (int i = 0; i < profiles.size(); ++i) {
        if (!profiles.at(i)->profilePath().endsWith(QLatin1Char('/') + fileName))
            continue;
        NXDetailProfileScrollView *cards = chooser->detaileProfileTableController()->tableView();
        cards->scroll2Index(i);
        QCoreApplication::processEvents();
        QTest::mouseClick(cards->dataCells().at(i), Qt::LeftButton, {}, QPoint(5, 5));
        return true;
    }
    return false;
}

// Browses the chooser's categories as a user would until the profile's card shows, and clicks it.
bool chooseProfile(NXProfileChooserController *chooser, const QString &fileName)
{
    if (clickCardOf(chooser, fileName))
        return true;
    NXCategoryTableController *major = chooser->majorTableController();
    for (int row = 0; row < major->rows().size(); ++row) {
        if (!major->rows().at(row).item)
            continue;
        clickRow(major, row);
        settle(chooser);
        if (clickCardOf(chooser, fileName))
            return true;
        NXCategoryTableController *secondary = chooser->secondaryTableController();
        for (int sub = 0; chooser->leftContainerX() != 0 && sub < secondary->rows().size(); ++sub) {
            if (!secondary->rows().at(sub).item)
                continue;
            clickRow(secondary, sub);
            if (clickCardOf(chooser, fileName))
                return true;
        }
        if (chooser->leftContainerX() != 0) {
            QTest::mouseClick(chooser->navigationBar()->button(), Qt::LeftButton);
            settle(chooser);
        }
    }
    return false;
}

// The sheet shown over the window, if any.
QWidget *visibleSheet()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog *>(top) && top->isVisible())
            return top;
    return nullptr;
}

void choosePopUpItem(DNPopUpButton *popUp, int position)
{
    // As a user: the pop-up opens (the row selects itself), then an item is picked.
    popUp->showPopup();
    popUp->hidePopup();
    popUp->setCurrentIndex(position);
    Q_EMIT popUp->activated(position);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

TEST(EndToEndDVD, OpenTheISOChooseTitlesTracksAndProfileThenConvert)
{
    Session s;
    s.picture(QStringLiteral("empty"));

    // DVD menu -> "ISO": the loading assistant opens on its image tab.
    QAction *isoItem = nullptr;
    for (QAction *action : s.c.dvdLoadMenu->actions())
        if (action->text() == QStringLiteral("ISO"))
            isoItem = action;
    ASSERT_TRUE(isoItem);
    isoItem->trigger();
    NXDiscScanerController *scaner = s.c.discScanerController;
    ASSERT_TRUE(scaner);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scaner->dvdLoadPanel()->isVisible(); }, 60000));
    EXPECT_EQ(scaner->tabView()->currentIndex(), int(NXDiscScanerController::TabISO));

    // Browse... and pick the image in the file panel, then OK.
    const QString iso = testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso"));
    scaner->broweToSelectISOFile();
    auto *panel = scaner->dvdLoadPanel()->findChild<QFileDialog *>(QStringLiteral("browseISOPanel"));
    ASSERT_TRUE(panel);
    panel->selectFile(iso);
    QMetaObject::invokeMethod(panel, "accept");
    ASSERT_TRUE(QTest::qWaitFor([&] { return scaner->okbutton()->isEnabled(); }, 60000));
    s.picture(QStringLiteral("iso_chosen"), scaner->dvdLoadPanel());
    QTest::mouseClick(scaner->okbutton(), Qt::LeftButton);

    // The DVD row and its three title rows; the main title (2, the longest) is checked and
    // highlighted, and the profile chooser follows the first load.
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.dvd() != nullptr; }, kLoadTimeoutMs));
    DNDVDNodePtr dvd = s.dvd();
    ASSERT_EQ(dvd->titleCount(), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.chooserShown(); }, kLoadTimeoutMs));
    auto *root = qobject_cast<DNDVDRootCell *>(s.c.tableView->cellAtPath(NXMediaPath(0, -1)));
    ASSERT_TRUE(root);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(s.titleRow(i)) << i;
    EXPECT_TRUE(dvd->titleAt(1)->isSelected());
    EXPECT_EQ(s.c.tableView->selecedDVDNode(), dvd);
    EXPECT_EQ(root->state(), int(DNCell::StateSelected));
    EXPECT_EQ(root->mainTitle()->text(), QStringLiteral("Main title detected: 2"));
    s.picture(QStringLiteral("dvd_loaded_chooser"), s.chooser()->choosePanel());

    // An H.264 MP4 profile, applied to the DVD.
    ASSERT_TRUE(chooseProfile(s.chooser(), QStringLiteral("MacGen_MP4_H264.plist")));
    s.picture(QStringLiteral("profile_card"), s.chooser()->choosePanel());
    QTest::mouseClick(s.chooser()->doneButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dvd->profile() != nullptr; }, 60000));
    EXPECT_TRUE(dvd->profile()->profilePath().endsWith(QStringLiteral("MacGen_MP4_H264.plist")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.chooserShown(); }, 60000));
    EXPECT_EQ(root->profileName()->toolTip(), QStringLiteral("Target format: ") + dvd->profile()->title());
    EXPECT_TRUE(root->trackNameOutput()->text().endsWith(QStringLiteral(".mp4")));

    // Keep titles 1 and 3 (the short ones): uncheck the main title, check the others.
    QTest::mouseClick(s.titleRow(1)->check(), Qt::LeftButton);
    QTest::mouseClick(s.titleRow(0)->check(), Qt::LeftButton);
    QTest::mouseClick(s.titleRow(2)->check(), Qt::LeftButton);
    EXPECT_FALSE(dvd->titleAt(1)->isSelected());
    EXPECT_TRUE(dvd->titleAt(0)->isSelected());
    EXPECT_TRUE(dvd->titleAt(2)->isSelected());
    EXPECT_EQ(root->titlesSelected()->text(), QStringLiteral("Titles ready to rip: 1,3"));
    EXPECT_TRUE(s.titleRow(2)->check()->isChecked());

    // Title 3 speaks the second language; its subtitle is switched off.
    DNDVDTitleCell *third = s.titleRow(2);
    ASSERT_EQ(third->audioTracks()->count(), 2);
    choosePopUpItem(third->audioTracks(), 1);
    EXPECT_EQ(dvd->titleAt(2)->setting()->audioIndex(), 1);
    EXPECT_EQ(s.c.tableView->viewSelectedNodes(), NXMediaNodeList{dvd->titleAt(2)});
    choosePopUpItem(third->subtitleTracks(), third->subtitleTracks()->positionOfTag(DNDVDTitleCell::TagDisabled));
    EXPECT_FALSE(dvd->titleAt(2)->setting()->subtitleEnable());
    // Whole titles of the authored disc do not end under the DVD navigation input, so each kept
    // title is trimmed, as the editor's trim page does for the selected title: 1 s to 4 s of
    // title 1, 1 s to 3 s of title 3.
    for (auto [index, from, to] : {std::tuple{0, 1u, 4u}, std::tuple{2, 1u, 3u}}) {
        QTest::mouseClick(s.titleRow(index), Qt::LeftButton, {}, QPoint(150, 15));
        ASSERT_EQ(dvd->titleSelected(), index);
        dvd->setEnableTrimming(true);
        dvd->setTrimStartTime(from);
        dvd->setTrimEndTime(to);
    }
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXMediaTableViewRefreshAllCells 0.0"));
    EXPECT_TRUE(s.titleRow(2)->titleDuration()->text().contains(QStringLiteral("00:00:03")));
    s.picture(QStringLiteral("titles_and_tracks_chosen"));

    // Convert.
    std::atomic<int> runsEnded{0};
    QObject::connect(&s.c, &NXAppController::conversionRunEnded, &s.c, [&] { ++runsEnded; }, Qt::DirectConnection);
    QTest::mouseClick(s.c.right_run_btn, Qt::LeftButton);
    ASSERT_TRUE(s.c.progressController);
    QTest::qWait(1500);
    s.picture(QStringLiteral("converting"), visibleSheet());
    ASSERT_TRUE(QTest::qWaitFor([&] { return runsEnded.load() > 0; }, kRunTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.c.progressController->isRunning(); }, 60000));
    s.picture(QStringLiteral("converted"));

    // Two playable H.264 files of the titles' lengths, with the chosen audio tracks.
    const QStringList files = filesIn(s.out.path());
    ASSERT_EQ(files.size(), 2) << files.join(QLatin1Char(' ')).toStdString();
    const struct
    {
        int title;
        double seconds;
        double toneHz;
    } expected[] = {{0, 3.0, 440.0}, {2, 2.0, 880.0}};
    for (const auto &e : expected) {
        const QString output = dvd->titleAt(e.title)->outputName();
        SCOPED_TRACE(output.toStdString());
        ASSERT_TRUE(QFileInfo(output).isFile());
        EXPECT_EQ(QFileInfo(output).absolutePath(), QDir(s.out.path()).absolutePath());
        const QJsonObject probe = testsupport::ffprobe(output);
        QStringList codecs;
        for (const QJsonValue &stream : probe.value(QStringLiteral("streams")).toArray())
            codecs << stream.toObject().value(QStringLiteral("codec_name")).toString();
        EXPECT_TRUE(codecs.contains(QStringLiteral("h264"))) << codecs.join(QLatin1Char(',')).toStdString();
        const double duration = probe.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
        EXPECT_NEAR(duration, e.seconds, 0.7);
        const auto tone = testsupport::measureTone(output, 0, 0.3, 1.4);
        ASSERT_TRUE(tone.has_value());
        EXPECT_NEAR(tone->frequencyHz, e.toneHz, 25.0);
    }
}

TEST(EndToEndDVD, DroppingADVDFolderOnTheEmptyListLoadsIt)
{
    Session s;
    // The folder that holds VIDEO_TS is what a user drags.
    const QString folder = testsupport::fixturePath(QStringLiteral("dvd/pal"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(folder)});
    QWidget *target = s.c.tableView->promptView();
    ASSERT_TRUE(target->isVisible());
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    ASSERT_TRUE(drop.isAccepted());

    ASSERT_TRUE(QTest::qWaitFor([&] { return s.dvd() != nullptr; }, kLoadTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.chooserShown(); }, kLoadTimeoutMs));
    EXPECT_EQ(s.dvd()->titleCount(), 3);
    EXPECT_FALSE(s.c.tableView->promptView()->isVisible());
    EXPECT_TRUE(s.titleRow(2));
    EXPECT_EQ(s.titleRow(0)->titleResolution()->text(), QStringLiteral("720x576(16:9)"));
    s.picture(QStringLiteral("dropped_folder"), s.chooser()->choosePanel());
    QTest::mouseClick(s.chooser()->doneButton(), Qt::LeftButton);

    // A second DVD folder dropped on a DVD list is taken too.
    QMimeData second;
    second.setUrls({QUrl::fromLocalFile(testsupport::fixturePath(QStringLiteral("dvd/ntsc")))});
    QDragEnterEvent enterList(QPoint(50, 50), Qt::CopyAction, &second, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.c.tableView->viewport(), &enterList);
    QDropEvent dropList(QPointF(50, 50), Qt::CopyAction, &second, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.c.tableView->viewport(), &dropList);
    EXPECT_TRUE(dropList.isAccepted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.c.mediaFiles->size() == 2; }, kLoadTimeoutMs));
    s.picture(QStringLiteral("two_dvds"));
}

} // namespace
