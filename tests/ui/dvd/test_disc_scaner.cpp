// The DVD loading assistant: the chooser's three ways in, the drop entry points, the finished
// item handed to the completion action, and the alerts for what is no DVD.
#include "ui/dvd/NXDiscScanerController.h"

#include "ui/ui_test_support.h"

#include "core/notify/DNNotificationCenter.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "dvd/cover/NXDVDInfoCapture.h"

#include "support/fixturecopy.h"
#include "support/rawnames.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kTest = QStringLiteral("ui_dvd_disc_scaner");

// A copy of the NTSC disc as folder and image, with a subtitle file for each beside them.
struct DiscCopies
{
    QTemporaryDir dir;
    QString folder;
    QString iso;

    DiscCopies()
    {
        folder = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), dir.path());
        iso = testsupport::copyFixture(QStringLiteral("dvd/ntsc.iso"), dir.path());
        QFile srt(dir.filePath(QStringLiteral("ntsc.en.srt")));
        if (srt.open(QIODevice::WriteOnly))
            srt.write("1\n00:00:01,000 --> 00:00:02,000\nHello\n");
        QFile other(dir.filePath(QStringLiteral("Other.srt")));
        if (other.open(QIODevice::WriteOnly))
            other.write("1\n00:00:01,000 --> 00:00:02,000\nOther\n");
    }
};

// The main window's side: the completion action collects the items, an observer counts the
// load-finished notifications.
struct Receiver
{
    QWidget window;
    QList<DNDVDNodePtr> nodes;
    QList<QVariantMap> finished;
    std::shared_ptr<NXAction> action;
    DNNotificationCenter::ObserverId observer;
    // Called as each item arrives, while the sheet still shows what is being read.
    std::function<void()> onNode;

    Receiver()
    {
        window.resize(700, 450);
        window.setWindowTitle(QStringLiteral("Talvane"));
        window.show();
        action = NXAction::actionWithTarget(&window, [this](const QVariant &first, const QVariant &) {
            nodes.append(first.value<DNDVDNodePtr>());
            if (onNode)
                onNode();
        });
        observer = DNNotificationCenter::defaultCenter().addObserver(
            QStringLiteral("NXMediaFileLoadFinished o.o"),
            [this](const DNNotification &n) { finished.append(n.userInfo); });
    }
    ~Receiver() { DNNotificationCenter::defaultCenter().removeObserver(observer); }
};

QFileDialog *openPanel(NXDiscScanerController &c, const char *name)
{
    QFileDialog *panel = c.dvdLoadPanel()->findChild<QFileDialog *>(QString::fromLatin1(name));
    return panel;
}

void expectFinishedNode(const DNDVDNodePtr &node, int sourceType, const QString &subtitle)
{
    ASSERT_TRUE(node);
    EXPECT_EQ(node->sourceInfo()->sourceType(), sourceType);
    EXPECT_EQ(node->sourceInfo()->name(), QStringLiteral("ntsc"));
    ASSERT_EQ(node->titleCount(), 3);
    // Title 2 (10 s) is the longest and nothing marks another one.
    EXPECT_EQ(node->titleSelected(), 1);
    EXPECT_TRUE(node->titleAt(1)->isSelected());
    EXPECT_TRUE(node->titleAt(1)->isMainTitle());
    EXPECT_FALSE(node->titleAt(0)->isSelected());
    for (const DNDVDTitlePtr &title : node->titles()) {
        auto extra = std::dynamic_pointer_cast<DNDVDTExtSubtitle>(title->subtitleTracks().last());
        if (subtitle.isEmpty()) {
            EXPECT_FALSE(extra);
        } else {
            ASSERT_TRUE(extra);
            EXPECT_EQ(extra->path(), subtitle);
        }
    }
}

} // namespace

TEST(DiscScaner, ChooserLoadsFolderVideoTSAndImage)
{
    uitest::app();
    DiscCopies disc;
    ASSERT_FALSE(disc.folder.isEmpty());
    ASSERT_FALSE(disc.iso.isEmpty());
    const QString subtitle = disc.dir.filePath(QStringLiteral("ntsc.en.srt"));

    struct Case
    {
        const char *what;
        int tab;
        QString chosen;
        QString shown; // what the path field shows
        int sourceType;
    };
    const Case cases[] = {
        {"DVD folder", NXDiscScanerController::TabDVDFolder, disc.folder, disc.folder, NXDVDSourceInfo::SourceFolder},
        {"its VIDEO_TS folder", NXDiscScanerController::TabDVDFolder, disc.folder + QStringLiteral("/VIDEO_TS"),
         disc.folder, NXDVDSourceInfo::SourceFolder},
        {"ISO image", NXDiscScanerController::TabISO, disc.iso, disc.iso, NXDVDSourceInfo::SourceImage},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Receiver receiver;
        NXDiscScanerController scaner;
        if (c.tab == NXDiscScanerController::TabISO)
            scaner.loadISOFilePanel(&receiver.window, receiver.action);
        else
            scaner.loadDVDFolderPanel(&receiver.window, receiver.action);
        ASSERT_TRUE(scaner.dvdLoadPanel()->isVisible());
        EXPECT_EQ(scaner.tabView()->currentIndex(), c.tab);
        EXPECT_FALSE(scaner.okbutton()->isEnabled());

        // Browse, pick in the open panel, accept.
        const bool iso = c.tab == NXDiscScanerController::TabISO;
        QTest::mouseClick(scaner.dvdLoadPanel()->findChild<QPushButton *>(iso ? "browseISOFile" : "browseDVDFolder"),
                          Qt::LeftButton);
        QFileDialog *panel = openPanel(scaner, iso ? "browseISOPanel" : "browseDVDFolderPanel");
        ASSERT_TRUE(panel);
        panel->setDirectory(QFileInfo(c.chosen).absolutePath());
        panel->selectFile(c.chosen);
        if (c.tab == NXDiscScanerController::TabDVDFolder && c.chosen == disc.folder)
            uitest::savePicture(panel, kTest, QStringLiteral("chooser_folder_browse"));
        QMetaObject::invokeMethod(panel, "accept");
        EXPECT_EQ((iso ? scaner.isoPathFeild() : scaner.dvdFolderPathFeild())->text(), c.shown);
        EXPECT_TRUE(scaner.okbutton()->isEnabled());
        if (iso)
            uitest::savePicture(scaner.dvdLoadPanel(), kTest, QStringLiteral("chooser_iso"));
        else if (c.chosen == disc.folder)
            uitest::savePicture(scaner.dvdLoadPanel(), kTest, QStringLiteral("chooser_folder"));

        // The sheet says what it reads for as long as it reads it, which may be shorter than a
        // look at the window takes: it is read when the item arrives.
        QString readingText;
        bool sheetShown = false;
        receiver.onNode = [&] {
            sheetShown = scaner.progressPanel()->isVisible();
            readingText = scaner.analysisTextLebal()->text();
            if (iso)
                uitest::savePicture(scaner.progressPanel(), kTest, QStringLiteral("loading_progress"));
        };
        QTest::mouseClick(scaner.okbutton(), Qt::LeftButton);
        EXPECT_FALSE(scaner.dvdLoadPanel()->isVisible());
        EXPECT_TRUE(scaner.dvdFolderPath().isEmpty());
        EXPECT_TRUE(scaner.isoFilePath().isEmpty());
        ASSERT_TRUE(uitest::waitFor([&] { return !receiver.finished.isEmpty(); }));
        EXPECT_TRUE(sheetShown);
        if (iso)
            EXPECT_EQ(readingText, QStringLiteral("Analyzing ntsc.iso, Please wait..."));
        ASSERT_EQ(receiver.nodes.size(), 1);
        expectFinishedNode(receiver.nodes.first(), c.sourceType, subtitle);
        EXPECT_FALSE(scaner.progressPanel()->isVisible());
        EXPECT_EQ(scaner.analysisTextLebal()->text(), QStringLiteral("Loading DVD ..."));
        EXPECT_EQ(receiver.finished.first().value(QStringLiteral("keyMediaLoadType_")).toInt(), 2);
    }
    NXDVDInfoCapture::DVDInfoCapture().waitForDone();
}

TEST(DiscScaner, DroppedFoldersAndImagesLoadBehindOneSheet)
{
    uitest::app();
    DiscCopies disc;
    QTemporaryDir pal;
    const QString palIso = testsupport::copyFixture(QStringLiteral("dvd/pal.iso"), pal.path());
    ASSERT_FALSE(palIso.isEmpty());

    Receiver receiver;
    NXDiscScanerController scaner;
    scaner.loadDVDFoldersProgressWithoutOpenPanel(&receiver.window,
                                                  {disc.folder, disc.folder + QStringLiteral("/VIDEO_TS")},
                                                  receiver.action);
    EXPECT_TRUE(scaner.progressPanel()->isVisible());
    ASSERT_TRUE(uitest::waitFor([&] { return !receiver.finished.isEmpty(); }));
    ASSERT_EQ(receiver.nodes.size(), 2);
    for (const auto &node : receiver.nodes) {
        expectFinishedNode(node, NXDVDSourceInfo::SourceFolder, disc.dir.filePath(QStringLiteral("ntsc.en.srt")));
        EXPECT_EQ(node->sourceInfo()->playbackPath(), disc.folder + QStringLiteral("/VIDEO_TS"));
    }

    receiver.nodes.clear();
    receiver.finished.clear();
    scaner.loadISOsProgressWithoutOpenPanel(&receiver.window, {disc.iso, palIso, disc.folder}, receiver.action);
    ASSERT_TRUE(uitest::waitFor([&] { return !receiver.finished.isEmpty(); }));
    uitest::serve(800);
    EXPECT_EQ(receiver.finished.size(), 1);
    ASSERT_EQ(receiver.nodes.size(), 3);
    expectFinishedNode(receiver.nodes[0], NXDVDSourceInfo::SourceImage, disc.dir.filePath(QStringLiteral("ntsc.en.srt")));
    EXPECT_EQ(receiver.nodes[1]->sourceInfo()->name(), QStringLiteral("pal"));
    EXPECT_EQ(receiver.nodes[1]->titleSelected(), 1);
    EXPECT_EQ(receiver.nodes[2]->sourceInfo()->sourceType(), NXDVDSourceInfo::SourceFolder);
    NXDVDInfoCapture::DVDInfoCapture().waitForDone();
}

TEST(DiscScaner, WhatIsNoDVDGetsTheReadFailedAlert)
{
    uitest::app();
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath(QStringLiteral("Holiday"));
    QFile bad(tmp.filePath(QStringLiteral("broken.iso")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(64 * 1024, 'x'));
    bad.close();

    // A folder without VIDEO_TS chosen in the folder tab.
    {
        Receiver receiver;
        NXDiscScanerController scaner;
        scaner.loadDVDFolderPanel(&receiver.window, receiver.action);
        scaner.browseDVDFolderPanelDidEnd(1, tmp.filePath(QStringLiteral("Holiday")));
        QMessageBox *alert = scaner.lastAlert();
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->icon(), QMessageBox::Critical);
        EXPECT_EQ(alert->text(), QStringLiteral("Read DVD Structure Failed!"));
        EXPECT_EQ(alert->informativeText(), QStringLiteral("Please check the input DVD and try again."));
        ASSERT_EQ(alert->buttons().size(), 1);
        EXPECT_EQ(alert->buttons().first()->text(), QStringLiteral("OK"));
        EXPECT_TRUE(scaner.dvdFolderPath().isEmpty());
        EXPECT_FALSE(scaner.okbutton()->isEnabled());
        uitest::savePicture(alert, kTest, QStringLiteral("read_failed_alert"));
        alert->accept();
        scaner.cancelChoose();
        EXPECT_FALSE(scaner.dvdLoadPanel()->isVisible());
    }

    // Dropped sources that cannot be read: one alert each, the sheet closes, the load still ends.
    Receiver receiver;
    NXDiscScanerController scaner;
    scaner.loadISOsProgressWithoutOpenPanel(&receiver.window, {tmp.filePath(QStringLiteral("broken.iso")),
                                                               tmp.filePath(QStringLiteral("Holiday"))},
                                            receiver.action);
    ASSERT_TRUE(uitest::waitFor([&] { return !receiver.finished.isEmpty(); }));
    EXPECT_TRUE(receiver.nodes.isEmpty());
    EXPECT_FALSE(scaner.progressPanel()->isVisible());
    int alerts = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
            EXPECT_EQ(box->text(), QStringLiteral("Read DVD Structure Failed!"));
            EXPECT_EQ(box->parentWidget(), nullptr);
            box->accept();
            ++alerts;
        }
    }
    EXPECT_EQ(alerts, 2);
}

// A DVD folder or image whose name is not UTF-8 text, read as an open panel or a drop reads it
// (U+FFFD for its bytes), is refused for its name, with the name to rename, in the chooser and
// when it is loaded; the reader is never given the other name that reading makes.
TEST(DiscScaner, ASourceNamedNotTextIsRefusedForItsName)
{
    uitest::app();
    testsupport::RawNameFolder tmp;
    const QString folder = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), tmp.path());
    const QString iso = testsupport::copyFixture(QStringLiteral("dvd/ntsc.iso"), tmp.path());
    ASSERT_TRUE(testsupport::renameToRaw(folder, tmp.bytesOf("Film\xff")));
    ASSERT_TRUE(testsupport::renameToRaw(iso, tmp.bytesOf("Film\xfe.iso")));
    const QString lossyFolder = testsupport::lossyReading(tmp.bytesOf("Film\xff"));
    const QString lossyImage = testsupport::lossyReading(tmp.bytesOf("Film\xfe.iso"));
    const auto line = [&](const char *name, const char *shown) {
        return QStringLiteral("%1: the name \"%2\" in %3 is not UTF-8 text, so the source cannot be read: rename it")
            .arg(QString::fromUtf8(shown), QString::fromLatin1(name), tmp.path());
    };

    {
        Receiver receiver;
        NXDiscScanerController scaner;
        scaner.loadDVDFolderPanel(&receiver.window, receiver.action);
        scaner.browseDVDFolderPanelDidEnd(1, lossyFolder + QStringLiteral("/VIDEO_TS"));
        QMessageBox *alert = scaner.lastAlert();
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->text(), QStringLiteral("Read DVD Structure Failed!"));
        EXPECT_EQ(alert->informativeText(), line("Film\\xff", "VIDEO_TS"));
        EXPECT_FALSE(scaner.okbutton()->isEnabled());
        uitest::savePicture(alert, kTest, QStringLiteral("source_named_not_text_alert"));
        alert->accept();
        scaner.cancelChoose();
    }

    // Dropped (or handed over on the command line): one alert each with its reason.
    Receiver receiver;
    NXDiscScanerController scaner;
    scaner.loadISOsProgressWithoutOpenPanel(&receiver.window, {lossyImage, lossyFolder}, receiver.action);
    ASSERT_TRUE(uitest::waitFor([&] { return !receiver.finished.isEmpty(); }));
    EXPECT_TRUE(receiver.nodes.isEmpty());
    QStringList reasons;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
            reasons << box->informativeText();
            box->accept();
        }
    }
    reasons.sort();
    EXPECT_EQ(reasons, (QStringList{line("Film\\xfe.iso", "Film\uFFFD.iso"), line("Film\\xff", "Film\uFFFD")}));
}

TEST(DiscScaner, DiscTabListsMountedDiscsAndLoadsTheChosenOne)
{
    uitest::app();
    DiscCopies disc;
    QTemporaryDir fake;
    const QString sys = fake.filePath(QStringLiteral("sys/class/block"));
    QDir().mkpath(sys + QStringLiteral("/sr0/device"));
    QFile type(sys + QStringLiteral("/sr0/device/type"));
    ASSERT_TRUE(type.open(QIODevice::WriteOnly));
    type.write("5\n");
    type.close();
    const QString mountinfo = fake.filePath(QStringLiteral("mountinfo"));
    const QString emptyMounts = fake.filePath(QStringLiteral("empty"));
    QFile(emptyMounts).open(QIODevice::WriteOnly);
    QFile table(mountinfo);
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(QStringLiteral("41 22 11:0 / %1 ro - udf /dev/sr0 ro\n").arg(disc.folder).toUtf8());
    table.close();

    // No disc: the pop-up says so and OK stays off.
    {
        Receiver receiver;
        NXDiscScanerController scaner;
        scaner.setDiscSearchRoots(sys, emptyMounts);
        scaner.showScanerPanel(&receiver.window, receiver.action);
        ASSERT_TRUE(uitest::waitFor([&] { return scaner.chooseList()->count() == 1; }));
        EXPECT_EQ(scaner.chooseList()->itemText(0), QStringLiteral("No Disc Found"));
        EXPECT_FALSE(scaner.isReadHaveDVD());
        EXPECT_FALSE(scaner.okbutton()->isEnabled());
        scaner.cancelChoose();
    }

    Receiver receiver;
    NXDiscScanerController scaner;
    scaner.setDiscSearchRoots(sys, mountinfo);
    scaner.showScanerPanel(&receiver.window, receiver.action);
    EXPECT_EQ(scaner.tabView()->currentIndex(), NXDiscScanerController::TabDisc);
    ASSERT_TRUE(uitest::waitFor([&] { return scaner.okbutton()->isEnabled(); }));
    ASSERT_EQ(scaner.chooseList()->count(), 1);
    EXPECT_EQ(scaner.chooseList()->itemText(0), QStringLiteral("ntsc"));
    uitest::savePicture(scaner.dvdLoadPanel(), kTest, QStringLiteral("chooser_disc"));

    QTest::mouseClick(scaner.okbutton(), Qt::LeftButton);
    ASSERT_TRUE(uitest::waitFor([&] { return !receiver.finished.isEmpty(); }));
    ASSERT_EQ(receiver.nodes.size(), 1);
    // A disc gets no subtitle file, though one lies beside its mount point.
    expectFinishedNode(receiver.nodes.first(), NXDVDSourceInfo::SourceDisc, QString());
    EXPECT_EQ(receiver.nodes.first()->sourceInfo()->devicePath(), QStringLiteral("/dev/sr0"));
    NXDVDInfoCapture::DVDInfoCapture().waitForDone();
}
