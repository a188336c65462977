// File rows added through the main window controller's file road: the row's toolbar and where
// its requests end up, the track pop-ups, the output name and time range, the hover buttons, and
// the profile chooser and settings sheet for a file entry.
#include "medialist_test_support.h"

#include "../mainwindow/shell_test_support.h"

#include "core/util/DNTimeText.h"
#include "profiles/DNProfile.h"
#include "profiles/NXProfileValue.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNPlainText.h"
#include "ui/info/NXFloatInfoWindowController.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/profiles/DNMajorTableViewController.h"
#include "ui/profiles/DNProfilePreviewTableViewController.h"
#include "ui/profiles/NXDetailProfileScrollView.h"
#include "ui/profiles/NXNumberComboBox.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"
#include "ui/tags/DNNodeTagController.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

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
        ui.window->resize(1000, 640);
        ui.window->show();
    }
    ~Window() { delete ui.window; }

    NXProfileChooserController *chooser() const
    {
        return controller.profileController ? controller.profileController->profileChooseController() : nullptr;
    }
    bool chooserShown() const
    {
        return chooser() && chooser()->choosePanel() && chooser()->choosePanel()->isVisible();
    }

    // Adds the fixture files by the road of files handed over and answers the chooser that
    // follows a first load with the profile it proposes.
    QList<std::shared_ptr<DNFileNode>> addFiles(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths << testsupport::fixturePath(QStringLiteral("media/") + name);
        controller.addFilesFromContentOfFiles(paths);
        if (chooserShown()) {
            EXPECT_TRUE(chooser()->doneButton()->isEnabled());
            QTest::mouseClick(chooser()->doneButton(), Qt::LeftButton);
        }
        QList<std::shared_ptr<DNFileNode>> files;
        for (const NXMediaNodePtr &entry : *controller.mediaFiles)
            files << std::dynamic_pointer_cast<DNFileNode>(entry);
        return files;
    }
    DNRootCell *row(const std::shared_ptr<DNFileNode> &file) const
    {
        return qobject_cast<DNRootCell *>(DNCell::cellOfNode(file.get()));
    }
    void hover(DNRootCell *row) const
    {
        row->onDNNotificationScrollWheel(row->mapToGlobal(QPoint(row->width() / 2, 10)));
    }
};

void choose(DNPopUpButton *popUp, int position)
{
    popUp->setCurrentIndex(position);
    Q_EMIT popUp->activated(position);
}

bool shows(DNButton *button, const char *picture)
{
    return button->normalImage().toImage() == DNImageNamed(QString::fromLatin1(picture)).toImage();
}

TEST(FileRowToolbar, SitsUnderTheContentAndItsButtonsReachTheController)
{
    Window w;
    const auto files = w.addFiles({QStringLiteral("clip.mkv"), QStringLiteral("clip.mp4")});
    ASSERT_EQ(files.size(), 2);
    DNRootCell *first = w.row(files[0]);
    DNRootCell *second = w.row(files[1]);
    ASSERT_TRUE(first && second);

    // Rows of their own: the toolbar below the 85 points of content, inside the row.
    EXPECT_EQ(first->height(), 115);
    EXPECT_EQ(second->y(), first->y() + 115);
    QWidget *bar = first->toolbarContainer();
    EXPECT_TRUE(bar->isVisibleTo(first));
    EXPECT_EQ(bar->geometry(), QRect((first->width() - 390) / 2, 85, 390, 30));
    EXPECT_GE(bar->y(), first->trackNameOutput()->geometry().bottom());
    EXPECT_EQ(first->toolBarInfo()->geometry(), QRect(0, 2, 70, 20));
    EXPECT_EQ(first->toolBarEdit()->geometry(), QRect(160, 2, 70, 20));
    EXPECT_EQ(first->toolBarRename()->geometry(), QRect(320, 2, 70, 20));

    // Hover pictures follow the pointer; moving it to the other row puts them back.
    EXPECT_TRUE(shows(first->toolBarEdit(), "toolbar_edit_nor.png"));
    w.hover(first);
    EXPECT_TRUE(shows(first->toolBarEdit(), "toolbar_edit_on.png"));
    EXPECT_TRUE(shows(first->toolBarInfo(), "toolbar_info_on.png"));
    EXPECT_TRUE(shows(first->toolBarRename(), "toolbar_rename_on.png"));
    first->onDNNotificationScrollWheel(second->mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(shows(first->toolBarEdit(), "toolbar_edit_nor.png"));
    first->setToolBarButtonState(7);
    EXPECT_TRUE(shows(first->toolBarEdit(), "toolbar_edit_nor.png"));

    // Edit selects the row, then opens the editor on the row's page (its second, subtitles).
    QTest::mouseClick(second->toolBarEdit(), Qt::LeftButton);
    EXPECT_EQ(w.controller.tableView->viewSelectedNodes(), NXMediaNodeList{files[1]});
    shelltest::expectVideoEditorOpenOn(w.controller, files[1], QStringLiteral("tabSubtile"));
    // Information selects the row and shows it in the information window.
    QTest::mouseClick(first->toolBarInfo(), Qt::LeftButton);
    EXPECT_EQ(w.controller.tableView->viewSelectedNodes(), NXMediaNodeList{files[0]});
    NXFloatInfoWindowController &info = NXFloatInfoWindowController::shareInstance();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.windowTitle(), QStringLiteral("clip.mkv"));
    info.hiddenTheWindow();

    // The tag button opens the tag sheet on the row's own entry.
    QTest::mouseClick(second->toolBarRename(), Qt::LeftButton);
    auto *tags = w.ui.window->findChild<DNNodeTagController *>();
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->mediaNode(), files[1]);
    ASSERT_TRUE(tags->panel()->isVisible());
    EXPECT_EQ(tags->outputname()->text(), second->trackNameOutput()->text());
    tags->onCancel();
    EXPECT_FALSE(tags->panel()->isVisible());

    // A member of a group has no toolbar: it is pushed out of the shorter row.
    DNRootCell *member = DNCell::cellNormal<DNRootCell>();
    member->setType(1);
    EXPECT_EQ(member->height(), 85);
    EXPECT_FALSE(member->toolbarContainer()->isVisibleTo(member));
    member->setType(0);
    EXPECT_EQ(member->height(), 115);
    EXPECT_TRUE(member->toolbarContainer()->isVisibleTo(member));
    delete member;

    w.hover(second);
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("medialist"), QStringLiteral("file_rows_toolbar"));
}

TEST(FileRowToolbar, PopUpsNameAndRangeOfAProbedFile)
{
    Window w;
    const auto files = w.addFiles({QStringLiteral("clip.mkv")});
    ASSERT_EQ(files.size(), 1);
    const auto file = files[0];
    DNRootCell *row = w.row(file);
    ASSERT_TRUE(row);

    // Two audio tracks, no subtitles; the mkv's video is 640x360 and 4 s long.
    ASSERT_EQ(row->videoTracks()->count(), 1);
    EXPECT_TRUE(row->videoTracks()->itemText(0).startsWith(QStringLiteral("00:00:04 640x360 ")))
        << row->videoTracks()->itemText(0).toStdString();
    EXPECT_EQ(row->videoTracks()->tagAt(0), 101);
    ASSERT_EQ(file->audioTracks().size(), 2);
    EXPECT_EQ(row->audioTracks()->tagAt(1), 102);
    EXPECT_EQ(row->subtitleTracks()->itemTitles(),
              (QStringList{QStringLiteral("No Subtitle"), QStringLiteral("Load Subtitle...")}));

    const auto setting = file->setting();
    choose(row->audioTracks(), 1);
    EXPECT_EQ(setting->audioIndex(), 1);
    // "No Subtitle" is no choice.
    setting->setSubtitleIndex(-1);
    setting->setSubtitleEnable(true);
    choose(row->subtitleTracks(), row->subtitleTracks()->positionOfTag(DNRootCell::TagNone));
    EXPECT_EQ(setting->subtitleIndex(), -1);
    EXPECT_TRUE(setting->subtitleEnable());

    // "Load Subtitle..." opens a panel on the window; Cancel keeps the setting.
    choose(row->subtitleTracks(), row->subtitleTracks()->positionOfTag(DNRootCell::TagLoad));
    auto *panel = w.ui.window->findChild<QFileDialog *>();
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->windowModality(), Qt::WindowModal);
    panel->reject();
    QCoreApplication::processEvents();
    EXPECT_TRUE(file->subtitleTracks().isEmpty());
    EXPECT_EQ(row->subtitleTracks()->selectedTag(), DNRootCell::TagNone);

    // A subtitle file, then the choices of the subtitle pop-up over it.
    row->addExtSubtitlePath(testsupport::fixturePath(QStringLiteral("media/subtitled/movie.srt")));
    EXPECT_EQ(row->subtitleTracks()->itemText(0), QStringLiteral("Track1 [movie]"));
    const struct
    {
        int tag;
        bool enabled;
        int index;
    } subtitleChoices[] = {
        {DNRootCell::TagDisabled, false, -1},
        {101, true, 0},
        {DNRootCell::TagDisabled, false, -1},
    };
    for (const auto &c : subtitleChoices) {
        SCOPED_TRACE(c.tag);
        choose(row->subtitleTracks(), row->subtitleTracks()->positionOfTag(c.tag));
        EXPECT_EQ(setting->subtitleEnable(), c.enabled);
        EXPECT_EQ(setting->subtitleIndex(), c.index);
    }
    row->updateCellContent();
    EXPECT_EQ(row->subtitleTracks()->selectedTag(), DNRootCell::TagDisabled);

    // The output name keeps the profile's extension, typed or not.
    const QString suffix = file->profile()->fileNameSuffix();
    ASSERT_FALSE(suffix.isEmpty());
    EXPECT_EQ(row->trackNameOutput()->text(), QStringLiteral("clip.") + suffix);
    row->trackNameOutput()->setText(QStringLiteral("Holiday"));
    Q_EMIT row->trackNameOutput()->editingFinished();
    EXPECT_EQ(file->nodeInfo()->outputName(), QStringLiteral("Holiday.") + suffix);
    EXPECT_EQ(row->trackNameOutput()->text(), QStringLiteral("Holiday.") + suffix);
    // Leaving the window in the middle of a rename stores the name and keeps what was selected.
    row->trackNameOutput()->selectAll();
    QFocusEvent leftTheWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(row->trackNameOutput(), &leftTheWindow);
    EXPECT_EQ(row->trackNameOutput()->selectedText(), QStringLiteral("Holiday.") + suffix);
    EXPECT_EQ(file->nodeInfo()->outputName(), QStringLiteral("Holiday.") + suffix);

    // The range shows the trimmed part of the selected video track.
    setting->setTrimEnable(true);
    setting->setTrimStartPercent(0.25f);
    setting->setTrimEndPercent(0.75f);
    row->updateCellContent();
    const QString range = row->durationOutput()->text();
    EXPECT_TRUE(range.contains(QStringLiteral("00:00:01")) && range.contains(QStringLiteral("00:00:03")))
        << range.toStdString();

    // The hover buttons: shown over the row, and remove takes the entry away.
    EXPECT_TRUE(row->removeButton()->isHidden());
    w.hover(row);
    EXPECT_FALSE(row->removeButton()->isHidden());
    EXPECT_FALSE(row->upButton()->isHidden());
    QTest::mouseClick(row->removeButton(), Qt::LeftButton);
    ASSERT_TRUE(uitest::waitFor([&] { return w.controller.mediaFiles->isEmpty(); }, 60000));
}

// The bit rate the sheet proposes, from the item's point of view.
QSizeF sheetTarget(const DNProfile &profile, const DNFileNode &file)
{
    const auto resolution = profile.videoResolution();
    const QString current = resolution ? resolution->currentValue() : QString();
    if (current.startsWith(QLatin1String("keep")) || !current.contains(QLatin1Char('x')))
        return file.resolutionOfSelectedVideoTrack();
    const QStringList parts = current.split(QLatin1Char('x'));
    return QSizeF(NXFloatValue(parts.value(0)), NXFloatValue(parts.value(1)));
}

TEST(FileRowProfile, ChooserAndSettingsSheetServeAFileEntry)
{
    Window w;
    const auto files = w.addFiles({QStringLiteral("clip.mp4")});
    ASSERT_EQ(files.size(), 1);
    const auto file = files[0];
    DNRootCell *row = w.row(file);
    ASSERT_TRUE(row);
    ASSERT_TRUE(file->profile());
    file->setting()->setAudioIndex(0);

    // The profile button opens the chooser for this file alone, showing video profiles.
    QTest::mouseClick(row->profileView()->leftButton(), Qt::LeftButton);
    ASSERT_TRUE(w.chooserShown());
    EXPECT_EQ(w.chooser()->profileType(), 2);
    const DNProfileProtocolPtr item = w.controller.profileController->mediaNode();
    ASSERT_TRUE(item);
    EXPECT_EQ(item->className(), QStringLiteral("DNFileNode"));
    EXPECT_FALSE(item->isDVDSource());
    EXPECT_EQ(item->audioChannelOfSelectTrack(), 2);
    EXPECT_EQ(item->resolutionOfSelectedVideoTrack(), QSizeF(320, 240));

    // Pick a card of the first category other than the file's profile and commit it.
    w.chooser()->majorTableController()->selectRow(2);
    ASSERT_TRUE(uitest::waitFor([&] { return w.chooser()->isPushedEnd(); }, 60000));
    NXDetailProfileScrollView *cards = w.chooser()->detaileProfileTableController()->tableView();
    const auto &offered = w.chooser()->detaileProfileTableController()->dataSource();
    int other = -1;
    for (int i = 0; i < offered.size() && other < 0; ++i)
        if (offered[i]->title() != file->profile()->title())
            other = i;
    ASSERT_GE(other, 0) << "the chooser offers no other profile";
    cards->selectCellAtIndex(other);
    const QString chosen = offered[other]->title();
    QTest::mouseClick(w.chooser()->doneButton(), Qt::LeftButton);
    EXPECT_FALSE(w.chooserShown());
    EXPECT_EQ(file->profile()->title(), chosen);
    // The list redraws a moment after the item received its profile.
    const QString target = QStringLiteral("Target format: ") + chosen;
    EXPECT_TRUE(uitest::waitFor([&] { return DNElidedFullText(row->profileName()) == target; }, 60000))
        << DNElidedFullText(row->profileName()).toStdString();

    // The settings button opens the sheet; its proposed bit rate is the file's own.
    QTest::mouseClick(row->profileView()->rightButton(), Qt::LeftButton);
    NXProfileController *sheet = w.controller.profileController;
    ASSERT_TRUE(sheet->settingPanel() && sheet->settingPanel()->isVisible());
    EXPECT_TRUE(sheet->isMovies());
    const DNProfile &edited = *sheet->parser();
    const QSizeF size = sheetTarget(edited, *file);
    const float own = file->recommendBitrate(edited, size);
    EXPECT_EQ(sheet->bitrateEdit()->defaultValue(), int(own));
    EXPECT_NE(int(own), int(edited.recommendBitrate(nullptr, size)))
        << "this profile cannot tell the file's recommendation from the profile's";
    shelltest::saveWindowPicture(sheet->settingPanel(), QStringLiteral("medialist"), QStringLiteral("file_profile_sheet"));

    sheet->setEnableTwopassEncode(!edited.userEnableTwopassCode());
    const bool twoPass = sheet->parser()->userEnableTwopassCode();
    sheet->OKClick();
    EXPECT_FALSE(sheet->settingPanel()->isVisible());
    EXPECT_EQ(file->profile()->userEnableTwopassCode(), twoPass);
    EXPECT_EQ(file->profile()->title(), chosen);
}

} // namespace
