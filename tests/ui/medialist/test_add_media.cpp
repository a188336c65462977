// Adding media through the main window controller: row heights and row classes, the "two kinds"
// question, files handed over, and the profile chooser after the first load into an empty list.
#include "medialist_test_support.h"

#include "../mainwindow/shell_test_support.h"

#include "dvd/file/DNFileGroupNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "ui/controls/DNButton.h"
#include "ui/loader/DNFileLoaderController.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/medialist/DNRootPhotoCell.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"
#include "support/rawnames.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

using namespace medialisttest;

namespace {

struct Window
{
    QApplication &application = shelltest::app();
    NXAppController controller;
    NXMainWindowInterface ui;
    Window()
    {
        NXMediaTableView::setAnimationDurationMs(0);
        ui = NXBuildMainWindow(&controller);
        controller.onApplicationDidFinishLaunching();
        ui.window->show();
    }
    ~Window() { delete ui.window; }

    void answer(const QString &button)
    {
        ASSERT_TRUE(controller.kindQuestionAlert);
        for (QAbstractButton *b : controller.kindQuestionAlert->buttons())
            if (b->text() == button) {
                b->click();
                return;
            }
        FAIL() << "no button " << button.toStdString();
    }
    bool chooserShown() const
    {
        return controller.profileController && controller.profileController->profileChooseController()->choosePanel()
               && controller.profileController->profileChooseController()->choosePanel()->isVisible();
    }
};

TEST(AddMedia, RowsAndHeightsByMediaType)
{
    Window w;
    const struct
    {
        NXMediaNodePtr node;
        const char *rowClass; // nullptr: no row
        float height;
    } cases[] = {
        // A file row of its own has its toolbar below its content.
        {makeFile(QStringLiteral("/m/a.mp4")), "DNRootCell", 115.0f},
        {std::make_shared<DNGraphicsNode>(), "DNRootPhotoCell", 115.0f},
        {makeDVD({5}), "DNDVDRootCell", 85.0f},
        {makeTitle(0, 5), "DNDVDTitleCell", 30.0f},
        // So does a group row.
        {DNFileGroupNode::fileGroupNodeWithNodes(
             {makeFile(QStringLiteral("/m/b.mp4")), makeFile(QStringLiteral("/m/c.mp4"))}),
         "DNGroupCell", 115.0f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rowClass);
        EXPECT_EQ(w.controller.cellHeightForNodePath(c.node), c.height);
        std::unique_ptr<DNCell> row(w.controller.needNodeCellForNode(c.node));
        ASSERT_TRUE(row);
        EXPECT_STREQ(row->metaObject()->className(), c.rowClass);
        EXPECT_EQ(row->hostTable(), w.controller.tableView.data());
        EXPECT_EQ(row->data(), c.node);
    }
    auto group = std::make_shared<NXBasicMediaNode>();
    for (int type : {4, 6, 9}) {
        group->setMediaType(type);
        EXPECT_EQ(w.controller.needNodeCellForNode(group), nullptr) << type;
    }
}

TEST(AddMedia, AnotherKindAsksFirstAndContinueStartsOver)
{
    Window w;
    auto dvd = makeDVD({5});
    w.controller.actionForDVDScaner(dvd);
    ASSERT_EQ(w.controller.mediaFiles->size(), 1);
    EXPECT_EQ(w.controller.tableView->selecedDVDNode(), dvd);
    EXPECT_TRUE(w.controller.canAddMediaWithType(true));
    EXPECT_FALSE(w.controller.canAddMediaWithType(false));

    w.controller.loadVideos();
    ASSERT_TRUE(w.controller.kindQuestionAlert);
    EXPECT_EQ(w.controller.kindQuestionAlert->text(), QStringLiteral("Can NOT add two kind of media resource!"));
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("medialist"), QStringLiteral("kind_question"));
    w.answer(QStringLiteral("Cancel"));
    uitest::serve(700);
    EXPECT_EQ(w.controller.mediaFiles->size(), 1);
    EXPECT_FALSE(w.controller.fileLoader);

    w.controller.loadVideos();
    w.answer(QStringLiteral("Continue"));
    EXPECT_TRUE(w.controller.mediaFiles->isEmpty());
    EXPECT_FALSE(w.controller.fileLoader) << "the open panel comes half a second later";
    ASSERT_TRUE(uitest::waitFor([&] { return !w.controller.fileLoader.isNull(); }, 60000));
    // Whether a list holds DVD sources is decided by its last entry alone.
    w.controller.mediaFiles->append(makeFile(QStringLiteral("/m/a.mp4")));
    w.controller.mediaFiles->append(makeDVD({3}));
    EXPECT_TRUE(w.controller.canAddMediaWithType(true));
    w.controller.mediaFiles->clear();
}

TEST(AddMedia, FilesHandedOverSkipMissingPathsAndStillReportTheLoad)
{
    Window w;
    Posts finished(QStringLiteral("NXMediaFileLoadFinished o.o"));
    w.controller.addFilesFromContentOfFiles({QStringLiteral("/missing/a.vob"), QStringLiteral("/missing/b.mkv")});
    EXPECT_TRUE(w.controller.mediaFiles->isEmpty());
    EXPECT_EQ(finished.objects.size(), 1);
    // Nothing loaded into an empty list: no chooser.
    EXPECT_FALSE(w.chooserShown());

    const QString clip = testsupport::fixturePath(QStringLiteral("media/clip.mp4"));
    w.controller.addFilesFromContentOfFiles({QStringLiteral("/missing/a.vob"), clip});
    ASSERT_EQ(w.controller.mediaFiles->size(), 1);
    EXPECT_EQ(finished.objects.size(), 2);
    auto *row = qobject_cast<DNRootCell *>(DNCell::cellOfNode(w.controller.mediaFiles->first().get()));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->trackNameOriginal()->text(), QStringLiteral("clip.mp4"));
    // The first load into the empty list ends with the profile chooser.
    EXPECT_TRUE(w.chooserShown());
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("medialist"), QStringLiteral("file_added"));
}

// Files handed over that exist but cannot be added (no video, not media) are named in one alert,
// as the Add dialog names them; the good ones are added.
TEST(AddMedia, FilesHandedOverThatCannotBeAddedAreNamed)
{
    Window w;
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("notes.avi"));
    {
        QFile out(notes);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("not a movie\n");
    }
    w.controller.addFilesFromContentOfFiles({testsupport::fixturePath(QStringLiteral("media/audio.m4a")), notes,
                                             testsupport::fixturePath(QStringLiteral("media/clip.mp4"))});
    EXPECT_EQ(w.controller.mediaFiles->size(), 1);
    QMessageBox *alert = w.ui.window->findChild<QMessageBox *>(QStringLiteral("filesRefusedAlert"));
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->informativeText(),
              QStringLiteral("audio.m4a has no video stream\nMediaInfo cannot read notes.avi"));
    alert->close();
}

// A file handed over (on the command line, from the file manager) whose name is not UTF-8 text,
// read with U+FFFD for its bytes, is named with why it cannot be read, not left out unsaid.
TEST(AddMedia, AFileHandedOverNamedNotTextIsNamedWithItsReason)
{
    Window w;
    testsupport::RawNameFolder dir;
    ASSERT_TRUE(QFile::copy(testsupport::fixturePath(QStringLiteral("media/clip.mp4")), dir.path() + QStringLiteral("/c.mp4")));
    ASSERT_TRUE(testsupport::renameToRaw(dir.path() + QStringLiteral("/c.mp4"), dir.bytesOf("clip\xe9.mp4")));
    w.controller.addFilesFromContentOfFiles({testsupport::lossyReading(dir.bytesOf("clip\xe9.mp4")),
                                             testsupport::fixturePath(QStringLiteral("media/clip.mp4"))});
    EXPECT_EQ(w.controller.mediaFiles->size(), 1);
    QMessageBox *alert = w.ui.window->findChild<QMessageBox *>(QStringLiteral("filesRefusedAlert"));
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->informativeText(), QStringLiteral("clip\uFFFD.mp4: the name \"clip\\xe9.mp4\" in %1 is not UTF-8 "
                                                       "text, so the source cannot be read: rename it")
                                            .arg(dir.path()));
    alert->close();
}

// Many files handed over at once (read side by side, added a few dozen per slide) end in the
// list in the order given, each under the one before, with one notification for the whole load.
TEST(AddMedia, ManyFilesHandedOverKeepTheirOrder)
{
    Window w;
    Posts finished(QStringLiteral("NXMediaFileLoadFinished o.o"));
    QStringList paths;
    QStringList expected;
    for (int round = 0; round < 16; ++round) {
        for (const char *name : {"clip.mkv", "clip.mp4", "clip.avi", "clip.mov"}) {
            paths << testsupport::fixturePath(QStringLiteral("media/") + QLatin1String(name));
            expected << paths.last();
        }
        paths << QStringLiteral("/missing/%1.mp4").arg(round);
    }
    w.controller.addFilesFromContentOfFiles(paths);
    EXPECT_EQ(finished.objects.size(), 1);
    QStringList listed;
    int bottom = 0;
    for (const NXMediaNodePtr &entry : *w.controller.mediaFiles) {
        listed << std::static_pointer_cast<DNFileNode>(entry)->path();
        DNCell *row = DNCell::cellOfNode(entry.get());
        ASSERT_TRUE(row);
        EXPECT_EQ(row->y(), bottom);
        bottom = row->geometry().bottom() + 1;
    }
    EXPECT_EQ(listed, expected);
}

// A dropped photo folder becomes a slideshow with its photo row; a folder without photos ends
// with the alert, and the list stays as it was.
TEST(AddMedia, DroppedPhotoFolderBecomesASlideshowRow)
{
    Window w;
    w.controller.movieViewDragedFilesEntered({testsupport::fixturePath(QStringLiteral("photos/album"))}, 4);
    ASSERT_TRUE(uitest::waitFor([&] { return w.controller.mediaFiles->size() == 1; }));
    auto *row = qobject_cast<DNRootPhotoCell *>(DNCell::cellOfNode(w.controller.mediaFiles->first().get()));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->photoCount()->text(), QStringLiteral("5 photos"));
    EXPECT_EQ(w.controller.tableView->tableMediaType(), 1);
    QThreadPool::globalInstance()->waitForDone();
    ASSERT_TRUE(uitest::waitFor([&] { return row->preview()->hasImage(); }));
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("medialist"), QStringLiteral("photo_folder_added"));

    auto *loader = qobject_cast<DNFileLoaderController *>(w.controller.fileLoader);
    ASSERT_TRUE(loader);
    ASSERT_TRUE(uitest::waitFor([&] { return !loader->loader().isLoading(); }));
    w.controller.movieViewDragedFilesEntered({testsupport::fixturePath(QStringLiteral("photos/noPhotos"))}, 4);
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(uitest::waitFor([&] {
        alert = w.ui.window->findChild<QMessageBox *>(QStringLiteral("loadPhotoFailedAlert"));
        return alert && alert->isVisible();
    }));
    EXPECT_EQ(alert->informativeText(), QStringLiteral("There is no photo found at %1.")
                                            .arg(testsupport::fixturePath(QStringLiteral("photos/noPhotos"))));
    alert->buttons().first()->click();
    EXPECT_EQ(w.controller.mediaFiles->size(), 1);
}

// A DVD image or folder handed over (the command line, the file manager) loads as a DVD, as a
// dropped one does; into a list of other media only after the kind question.
TEST(AddMedia, DVDSourcesHandedOverLoadAsDVDs)
{
    Window w;
    w.controller.addFilesFromContentOfFiles({testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso"))});
    ASSERT_TRUE(uitest::waitFor([&] { return !w.controller.mediaFiles->isEmpty(); }));
    auto dvd = std::dynamic_pointer_cast<DNDVDNode>(w.controller.mediaFiles->first());
    ASSERT_TRUE(dvd);
    EXPECT_EQ(dvd->sourceInfo()->sourceType(), NXDVDSourceInfo::SourceImage);
    EXPECT_EQ(dvd->titleCount(), 3);
    ASSERT_TRUE(uitest::waitFor([&] { return w.chooserShown(); }));
    EXPECT_EQ(w.controller.profileController->profileChooseController()->profileType(), 1) << "DVD profiles";
    w.controller.profileController->profileChooseController()->choosePanel()->hide();

    Window files;
    files.controller.addFileFromContentOfFile(testsupport::fixturePath(QStringLiteral("media/clip.mp4")));
    ASSERT_EQ(files.controller.mediaFiles->size(), 1);
    files.controller.addFilesFromContentOfFiles({testsupport::fixturePath(QStringLiteral("dvd/pal")),
                                                 testsupport::fixturePath(QStringLiteral("media/clip.mp4"))});
    ASSERT_TRUE(files.controller.kindQuestionAlert);
    EXPECT_TRUE(files.controller.kindQuestionAlert->isVisible());
    files.answer(QStringLiteral("Continue"));
    ASSERT_TRUE(uitest::waitFor([&] {
        return files.controller.mediaFiles->size() == 1
               && std::dynamic_pointer_cast<DNDVDNode>(files.controller.mediaFiles->first()) != nullptr;
    }));
    EXPECT_EQ(std::dynamic_pointer_cast<DNDVDNode>(files.controller.mediaFiles->first())->sourceInfo()->sourceType(),
              NXDVDSourceInfo::SourceFolder);
}

TEST(AddMedia, ChooserFollowsOnlyALoadIntoAnEmptyList)
{
    Window w;
    w.controller.private_flag.isNeedPreSelect = false;
    w.controller.actionForDVDScaner(makeDVD({5}));
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXMediaFileLoadFinished o.o"), QVariant(),
                                                           {{QStringLiteral("keyMediaLoadType_"), 2}});
    EXPECT_FALSE(w.chooserShown());

    w.controller.private_flag.isNeedPreSelect = true;
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXMediaFileLoadFinished o.o"), QVariant(),
                                                           {{QStringLiteral("keyMediaLoadType_"), 2}});
    ASSERT_TRUE(w.chooserShown());
    NXProfileChooserController *chooser = w.controller.profileController->profileChooseController();
    EXPECT_EQ(chooser->profileType(), 1);
}

TEST(AddMedia, ASecondDVDClosesTheTitleRowsOfTheFirst)
{
    Window w;
    w.controller.private_flag.isNeedPreSelect = false;
    auto first = makeDVD({5, 9}, QStringLiteral("FIRST"));
    w.controller.actionForDVDScaner(first);
    ASSERT_FALSE(first->isHiddenChildren());
    auto *firstRow = qobject_cast<DNDVDRootCell *>(DNCell::cellOfNode(first.get()));
    ASSERT_TRUE(firstRow);
    ASSERT_TRUE(firstRow->isOpenup());

    auto second = makeDVD({7}, QStringLiteral("SECOND"));
    w.controller.actionForDVDScaner(second);
    EXPECT_TRUE(first->isHiddenChildren());
    EXPECT_FALSE(firstRow->isOpenup());
    for (const DNDVDTitlePtr &title : first->titles())
        EXPECT_TRUE(DNCell::cellOfNode(title.get())->isHidden());
    EXPECT_FALSE(second->isHiddenChildren());
    EXPECT_FALSE(DNCell::cellOfNode(second->titleAt(0).get())->isHidden());
}

TEST(AddMedia, ARowsProfileButtonOpensTheChooserForItsEntry)
{
    Window w;
    auto dvd = makeDVD({5, 9});
    w.controller.private_flag.isNeedPreSelect = false;
    w.controller.actionForDVDScaner(dvd);
    auto *row = qobject_cast<DNDVDRootCell *>(DNCell::cellOfNode(dvd.get()));
    ASSERT_TRUE(row);
    QTest::mouseClick(row->profileView()->leftButton(), Qt::LeftButton);
    ASSERT_TRUE(w.chooserShown());
    EXPECT_EQ(w.controller.profileController->profileChooseController()->profileType(), 1);
    EXPECT_EQ(w.controller.tableView->viewSelectedNodes(), NXMediaNodeList{dvd});
}

} // namespace
