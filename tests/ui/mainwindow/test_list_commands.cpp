// The main window's commands on the list's selection, on real lists of DVD sources and of
// files: which commands the selection enables, merge, rename, edit, information, remove and
// clear; the output folder's buttons; and a tool window handing its recordings back.
#include "main_window_fixture.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"
#include "../medialist/medialist_test_support.h"

#include "core/settings/DNSetting.h"
#include "dvd/file/DNFileGroupNode.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/info/NXFloatInfoWindowController.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"
#include "ui/transition/NXWindowTransition.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace medialisttest;

namespace {

// ---------------------------------------------------------------- the enabling table

struct EnablingCase
{
    const char *name;
    int selected;
    int lastType;
    int kind;
    NXListCommandStates on;
};

NXListCommandStates states(std::initializer_list<const char *> names)
{
    NXListCommandStates on;
    for (const char *name : names) {
        const QByteArray n(name);
        on.play |= n == "play";
        on.pause |= n == "pause";
        on.edit |= n == "edit";
        on.rename |= n == "rename";
        on.merge |= n == "merge";
        on.info |= n == "info";
        on.remove |= n == "remove";
    }
    return on;
}

class Enabling : public ::testing::TestWithParam<EnablingCase>
{
};

TEST_P(Enabling, FollowsTheSelection)
{
    const EnablingCase &c = GetParam();
    EXPECT_EQ(NXAppController::commandStatesForSelection(c.selected, c.lastType, c.kind), c.on);
}

const NXListCommandStates kOneEntry = states({"play", "pause", "edit", "rename", "info", "remove"});

INSTANTIATE_TEST_SUITE_P(
    ListCommands, Enabling,
    ::testing::Values(
        EnablingCase{"Nothing", 0, -1, 0, {}},
        EnablingCase{"OnePhotoFolder", 1, NXMediaTypeGraphics, 41, states({"edit", "rename", "remove"})},
        EnablingCase{"OneFile", 1, NXMediaTypeFile, NXMediaTableView::KindFiles, kOneEntry},
        EnablingCase{"OneDVD", 1, NXMediaTypeDVD, NXMediaTableView::KindDVDSources, kOneEntry},
        EnablingCase{"OneDVDTitle", 1, NXMediaTypeDVDTitle, 12, kOneEntry},
        EnablingCase{"OneFileGroup", 1, NXMediaTypeFileGroup, NXMediaTableView::KindFiles,
                     states({"play", "pause", "rename", "remove"})},
        EnablingCase{"OneGroupMember", 1, NXMediaTypeFileGroupMember, NXMediaTableView::KindGroupMembers,
                     states({"play", "pause", "rename", "info", "remove"})},
        EnablingCase{"TwoDVDTitles", 2, NXMediaTypeDVDTitle, 12, states({"edit", "rename", "info"})},
        EnablingCase{"TwoDVDGroupTitles", 2, NXMediaTypeDVDGroupTitle, NXMediaTableView::KindOther,
                     states({"edit", "rename", "info", "remove"})},
        EnablingCase{"TwoFiles", 2, NXMediaTypeFile, NXMediaTableView::KindFiles, states({"merge", "remove"})},
        EnablingCase{"FileWithPhotoFolder", 2, NXMediaTypeFile, 41, states({"remove"})},
        EnablingCase{"TwoGroupMembers", 2, NXMediaTypeFileGroupMember, NXMediaTableView::KindGroupMembers,
                     states({"remove"})},
        EnablingCase{"TwoDVDs", 3, NXMediaTypeDVD, NXMediaTableView::KindDVDSources, states({"remove"})}),
    [](const ::testing::TestParamInfo<EnablingCase> &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- real lists

struct Window : shelltest::MainWindowFixture
{
    Window() : MainWindowFixture(QSize(1040, 700)) { controller.private_flag.isNeedPreSelect = false; }
    ~Window() { NXFloatInfoWindowController::shareInstance().hiddenTheWindow(); }

    NXListCommandStates buttons() const
    {
        NXListCommandStates on;
        on.play = controller.playAndStop->isEnabled();
        on.pause = controller.pauseAndGoon->isEnabled();
        on.edit = controller.editButton->isEnabled();
        on.rename = controller.renameButton->isEnabled();
        on.merge = controller.mergeButton->isEnabled();
        on.info = controller.infoButton->isEnabled();
        on.remove = controller.removeButton->isEnabled();
        return on;
    }
    DNCell *row(const NXMediaNodePtr &node) const { return DNCell::cellOfNode(node.get()); }
    void click(const NXMediaNodePtr &node, bool append = false)
    {
        DNCell *cell = row(node);
        ASSERT_TRUE(cell);
        QTest::mouseClick(cell, Qt::LeftButton, append ? Qt::ShiftModifier : Qt::NoModifier, QPoint(4, 4));
    }
    // Real files by the road of files handed over; the chooser after the first load is confirmed.
    QList<NXMediaNodePtr> addFiles(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths << testsupport::fixturePath(QStringLiteral("media/") + name);
        controller.private_flag.isNeedPreSelect = true;
        controller.addFilesFromContentOfFiles(paths);
        if (auto *chooser = controller.profileController ? controller.profileController->profileChooseController() : nullptr)
            if (chooser->choosePanel() && chooser->choosePanel()->isVisible())
                QTest::mouseClick(chooser->doneButton(), Qt::LeftButton);
        return *controller.mediaFiles;
    }
    DNDVDNodePtr addDisc(const QString &disc)
    {
        DNDVDNodePtr dvd = dvdbuildertest::loadDisc(disc, QString());
        if (dvd)
            controller.actionForDVDScaner(dvd);
        return dvd;
    }
    QImage placeholder() const { return controller.subWindowTrackView->pixmap().toImage(); }
    QImage companyPicture() const
    {
        return DNImageNamed(QStringLiteral("our_company.png"))
            .scaled(controller.subWindowTrackView->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .toImage();
    }
};

QString logSince(qsizetype start)
{
    return shelltest::logText().mid(start);
}

TEST(ListCommands, FilesMergeInfoEditRemoveAndClear)
{
    Window w;
    NXAppController &c = w.controller;
    EXPECT_EQ(w.buttons(), NXListCommandStates());
    EXPECT_EQ(w.placeholder(), w.companyPicture());

    const QList<NXMediaNodePtr> files = w.addFiles({"clip.mp4", "clip.mkv", "clip.avi", "clip.mov"});
    ASSERT_EQ(files.size(), 4);

    // One file: everything but merge; the information window follows while shown.
    w.click(files[1]);
    EXPECT_EQ(w.buttons(), kOneEntry);
    EXPECT_NE(w.placeholder(), w.companyPicture());
    NXFloatInfoWindowController &info = NXFloatInfoWindowController::shareInstance();
    QTest::mouseClick(c.infoButton, Qt::LeftButton);
    ASSERT_TRUE(info.isVisible());
    EXPECT_EQ(info.windowTitle(), QStringLiteral("clip.mkv"));
    w.click(files[2]);
    EXPECT_EQ(info.windowTitle(), QStringLiteral("clip.avi"));

    // Edit: the editor for the last selected entry, on its first page.
    QTest::mouseClick(c.editButton, Qt::LeftButton);
    shelltest::expectVideoEditorOpenOn(c, files[2], QStringLiteral("tabGeneral"));

    // Rename puts the row's output name into editing.
    QTest::mouseClick(c.renameButton, Qt::LeftButton);
    auto *fileRow = qobject_cast<DNRootCell *>(w.row(files[2]));
    ASSERT_TRUE(fileRow);
    EXPECT_EQ(fileRow->trackNameOutput()->selectedText(), fileRow->trackNameOutput()->text());
    EXPECT_FALSE(fileRow->trackNameOutput()->text().isEmpty());

    // Three files: merge and remove only; merging makes a group in the first one's place.
    w.click(files[0]);
    w.click(files[1], true);
    w.click(files[3], true);
    EXPECT_EQ(w.buttons(), states({"merge", "remove"}));
    QTest::mouseClick(c.mergeButton, Qt::LeftButton);
    ASSERT_EQ(c.mediaFiles->size(), 2);
    auto group = std::dynamic_pointer_cast<DNFileGroupNode>(c.mediaFiles->at(0));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->children(), (NXMediaNodeList{files[0], files[1], files[3]}));
    for (const NXMediaNodePtr &member : group->children())
        EXPECT_EQ(member->mediaType(), NXMediaTypeFileGroupMember);
    EXPECT_EQ(c.mediaFiles->at(1), files[2]);
    EXPECT_TRUE(c.tableView->viewSelectedCell().isEmpty());

    // A member: no editing; removing members keeps the group while two are left.
    w.click(files[1]);
    EXPECT_EQ(w.buttons(), states({"play", "pause", "rename", "info", "remove"}));
    QTest::mouseClick(c.removeButton, Qt::LeftButton);
    EXPECT_EQ(group->children(), (NXMediaNodeList{files[0], files[3]}));
    EXPECT_EQ(c.mediaFiles->size(), 2);

    // Removing the selected entries; then clearing logs and empties the list.
    w.click(files[2]);
    QTest::mouseClick(c.removeButton, Qt::LeftButton);
    EXPECT_EQ(*c.mediaFiles, NXMediaNodeList{group});
    EXPECT_EQ(w.buttons(), NXListCommandStates());
    EXPECT_FALSE(info.isVisible()) << "an empty selection hides the information window";
    const qsizetype logStart = shelltest::logText().size();
    QTest::mouseClick(c.clearButton, Qt::LeftButton);
    EXPECT_TRUE(c.mediaFiles->isEmpty());
    EXPECT_TRUE(logSince(logStart).contains(QStringLiteral("Clean All  @_@")));
    EXPECT_EQ(w.placeholder(), w.companyPicture());
}

// A merge empties the selection: the commands and the placeholder follow, as for any empty one.
TEST(ListCommands, AMergeLeavesNothingSelected)
{
    Window w;
    NXAppController &c = w.controller;
    const QList<NXMediaNodePtr> files = w.addFiles({"clip.mp4", "clip.mkv", "clip.avi"});
    ASSERT_EQ(files.size(), 3);
    w.click(files[0]);
    w.click(files[1], true);
    QTest::mouseClick(c.mergeButton, Qt::LeftButton);
    ASSERT_TRUE(c.tableView->viewSelectedCell().isEmpty());
    EXPECT_EQ(w.buttons(), NXListCommandStates());
    EXPECT_EQ(w.placeholder(), w.companyPicture());
}

// Clear All leaves the window as it started, whatever the list's selection was: one the list
// emptied without a word (as a merge does) too.
TEST(ListCommands, ClearAllLeavesTheWindowAsAtStart)
{
    for (const bool selected : {true, false}) {
        SCOPED_TRACE(selected ? "with a selection" : "with a selection emptied quietly");
        Window w;
        NXAppController &c = w.controller;
        const QList<NXMediaNodePtr> files = w.addFiles({"clip.mp4", "clip.mkv"});
        ASSERT_EQ(files.size(), 2);
        w.click(files[0]);
        w.click(files[1], true);
        ASSERT_NE(w.placeholder(), w.companyPicture());
        if (!selected)
            c.tableView->unselectMovieViewCell();
        QTest::mouseClick(c.clearButton, Qt::LeftButton);
        ASSERT_TRUE(c.mediaFiles->isEmpty());
        EXPECT_EQ(w.buttons(), NXListCommandStates());
        EXPECT_EQ(w.placeholder(), w.companyPicture());
        if (!selected)
            shelltest::saveWindowPicture(w.ui.window, QStringLiteral("ui_mainwindow"),
                                         QStringLiteral("cleared_window"));
    }
}

TEST(ListCommands, DVDSourcesTitlesStandForTheirDisc)
{
    Window w;
    NXAppController &c = w.controller;
    const DNDVDNodePtr ntsc = w.addDisc(QStringLiteral("dvd/ntsc"));
    const DNDVDNodePtr pal = w.addDisc(QStringLiteral("dvd/pal"));
    ASSERT_TRUE(ntsc && pal);
    ASSERT_EQ(c.mediaFiles->size(), 2);

    // Each disc shows its cover in the placeholder.
    const auto cover = [](Qt::GlobalColor colour) {
        QImage image(160, 90, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
    ntsc->setThumbnail(cover(Qt::darkGreen));
    pal->setThumbnail(cover(Qt::darkRed));
    const auto shows = [&](Qt::GlobalColor colour) {
        const QImage shown = w.placeholder();
        return !shown.isNull() && shown.pixelColor(shown.width() / 2, shown.height() / 2) == QColor(colour);
    };

    // The disc row: information shows the disc and follows to the other disc.
    w.click(ntsc);
    EXPECT_EQ(w.buttons(), kOneEntry);
    EXPECT_TRUE(shows(Qt::darkGreen));
    QTest::mouseClick(c.infoButton, Qt::LeftButton);
    NXFloatInfoWindowController &info = NXFloatInfoWindowController::shareInstance();
    ASSERT_TRUE(info.isVisible());
    EXPECT_EQ(info.windowTitle(), QStringLiteral("ntsc"));
    EXPECT_EQ(info.dataSource().first().children.value(1).value, QStringLiteral("3"));
    w.click(pal);
    EXPECT_EQ(info.windowTitle(), QStringLiteral("pal"));
    EXPECT_TRUE(shows(Qt::darkRed));

    // A title row: the information window hides, the placeholder keeps what it showed.
    const DNDVDTitlePtr title = ntsc->titles().at(2);
    w.click(title);
    EXPECT_EQ(w.buttons(), kOneEntry);
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(shows(Qt::darkRed));
    // Information on a title shows its disc, with the titles ticked for ripping.
    QTest::mouseClick(c.infoButton, Qt::LeftButton);
    ASSERT_TRUE(info.isVisible()) << "Info is enabled on a title row: it opens the information window";
    EXPECT_EQ(info.windowTitle(), QStringLiteral("ntsc"));
    EXPECT_EQ(info.dataSource().first().key, QStringLiteral("General"));

    // Rename on a title renames its disc's output name.
    QTest::mouseClick(c.renameButton, Qt::LeftButton);
    auto *discRow = qobject_cast<DNDVDRootCell *>(w.row(ntsc));
    ASSERT_TRUE(discRow);
    ASSERT_TRUE(uitest::waitFor([&] { return !discRow->trackNameOutput()->selectedText().isEmpty(); }, 60000));
    EXPECT_EQ(discRow->trackNameOutput()->selectedText(), discRow->trackNameOutput()->text());

    // Remove on a title removes its disc.
    QTest::mouseClick(c.removeButton, Qt::LeftButton);
    EXPECT_EQ(*c.mediaFiles, NXMediaNodeList{pal});
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("ui_mainwindow"), QStringLiteral("dvd_commands"));
}

// The first file group among the selected entries receives the other plain files; the
// group's row stands in for the one the media list draws.
TEST(ListCommands, MergeIntoTheGroupOfTheSelection)
{
    shelltest::app();
    NXMediaTableView::setAnimationDurationMs(0);
    struct GroupRows : RowDelegate
    {
        DNCell *needNodeCellForNode(const NXMediaNodePtr &node) override
        {
            if (node->mediaType() != NXMediaTypeFileGroup)
                return RowDelegate::needNodeCellForNode(node);
            DNCell *row = DNCell::cellNormal<DNCell>();
            row->setHostTable(table);
            row->setData(node);
            return row;
        }
    } rows;
    NXAppController c;
    QWidget window;
    auto *list = new NXMediaTableView(&window);
    list->resize(640, 480);
    rows.table = list;
    list->setDelegate(&rows);
    list->setDatasource(c.mediaFiles);
    c.tableView = list;
    window.show();

    const QList<std::shared_ptr<DNFileNode>> files = {makeFile("/m/a.mp4"), makeFile("/m/b.mp4"), makeFile("/m/c.mp4"),
                                                      makeFile("/m/d.mp4")};
    for (const auto &file : files)
        list->addMovieNode(file);
    list->cellSelected(DNCell::cellOfNode(files[0].get()), false);
    list->cellSelected(DNCell::cellOfNode(files[1].get()), true);
    c.mergerSelected();
    auto group = c.mediaFiles->first();
    ASSERT_EQ(group->mediaType(), NXMediaTypeFileGroup);
    ASSERT_TRUE(DNCell::cellOfNode(group.get()));

    list->cellSelected(DNCell::cellOfNode(files[2].get()), false);
    list->cellSelected(DNCell::cellOfNode(group.get()), true);
    list->cellSelected(DNCell::cellOfNode(files[3].get()), true);
    ASSERT_EQ(list->viewSelectedCell().size(), 3);
    c.mergerSelected();
    EXPECT_EQ(*c.mediaFiles, NXMediaNodeList{group});
    EXPECT_EQ(group->children(), (NXMediaNodeList{files[0], files[1], files[2], files[3]}));
}

TEST(ListCommands, OutputFolderIsChosenOnlyWhenItTakesFiles)
{
    Window w;
    NXAppController &c = w.controller;
    QTemporaryDir chosen;
    const QString before = QDir::homePath();
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(before);
    c.resetMainAppViewVideoOutputFolder();

    // The panel opens on the main window in the current folder; OK takes the folder.
    QTest::mouseClick(c.browseOutputButton, Qt::LeftButton);
    auto *panel = w.ui.window->findChild<QFileDialog *>(QStringLiteral("NXFolderPanel"));
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->directory().absolutePath(), QDir(before).absolutePath());
    EXPECT_EQ(panel->fileMode(), QFileDialog::Directory);
    panel->setDirectory(chosen.path());
    panel->selectFile(chosen.path());
    QMetaObject::invokeMethod(panel, "accept");
    EXPECT_EQ(c.outputFolderField->text(), chosen.path());
    EXPECT_EQ(DNSetting::shareSetting().appSetting()->videoOutputDirectory(), chosen.path());

    // Cancel and an unwritable folder leave it as it is; the second says why.
    c.openBrowseOutputPanelDidEnd(0, QDir::tempPath());
    EXPECT_EQ(c.outputFolderField->text(), chosen.path());
    c.openBrowseOutputPanelDidEnd(1, QStringLiteral("/proc"));
    EXPECT_EQ(c.outputFolderField->text(), chosen.path());
    EXPECT_EQ(DNSetting::shareSetting().appSetting()->videoOutputDirectory(), chosen.path());
    auto *alert = w.ui.window->findChild<QMessageBox *>(QStringLiteral("NXUnwritableFolderAlert"));
    ASSERT_TRUE(alert);
    EXPECT_TRUE(alert->text().contains(QStringLiteral("/proc")));
    alert->accept();

    // Open shows the folder in the file manager.
    shelltest::openedTargets().clear();
    QTest::mouseClick(c.openOutputButton, Qt::LeftButton);
    EXPECT_EQ(shelltest::openedTargets(), QStringList{chosen.path()});
}

// A closing tool window: the main window flips back in its place and then takes its recordings.
TEST(ListCommands, AClosingToolWindowHandsItsRecordingsBack)
{
    Window w;
    NXAppController &c = w.controller;
    struct Recorder : NXToolWindowController
    {
        QWidget *tool = new QWidget;
        QStringList recordings;
        ~Recorder() override { delete tool; }
        QWidget *window() const override { return tool; }
        QStringList fileListNeedToConvert() const override { return recordings; }
    };
    auto recorder = std::make_unique<Recorder>();
    recorder->tool->setGeometry(300, 200, 400, 300);
    recorder->tool->show();
    recorder->recordings = {testsupport::fixturePath(QStringLiteral("media/clip.mp4"))};
    QPointer<QWidget> tool = recorder->tool;
    c.youtube = std::move(recorder);
    w.ui.window->hide();

    c.onNXYoutubeWindowWillCloseNotification();
    EXPECT_FALSE(c.youtube);
    EXPECT_TRUE(tool.isNull()) << "the controller and its window are released";
    EXPECT_FALSE(w.ui.window->isVisible()) << "the main window appears only when the flip ends";
    EXPECT_TRUE(c.mediaFiles->isEmpty());
    ASSERT_TRUE(uitest::waitFor([&] { return !c.mediaFiles->isEmpty(); }, 60000));
    EXPECT_TRUE(w.ui.window->isVisible());
    const QRect frame = w.ui.window->frameGeometry();
    EXPECT_LE((frame.center() - QPoint(500, 350)).manhattanLength(), 2);
    EXPECT_EQ(std::dynamic_pointer_cast<DNFileNode>(c.mediaFiles->first())->path(),
              testsupport::fixturePath(QStringLiteral("media/clip.mp4")));
    ASSERT_TRUE(uitest::waitFor([] { return !NXWindowTransition::transition().isAnimating(); }, 60000));
}

} // namespace
