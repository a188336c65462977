// The slideshow editor opened from the main window on a photo-folder row: what it shows, the
// photo browser's levels, moves and removals, sorting, music with the durations that follow it,
// the duration pop-up, the transition choice, the preview, and closing.
#include "slideshow_editor_support.h"
#include "../mainwindow/main_window_fixture.h"

#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "ui/slideshow/DNEffectPreviewTile.h"
#include "ui/slideshow/DNPhotoBrowserModel.h"
#include "ui/slideshow/SlideshowView.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace slideshowfixture;

const QString kTest = QStringLiteral("ui_slideshow_editor");

struct Editing : shelltest::MainWindowFixture
{
    DNGraphicsNodePtr node;
    DNImageEditor *editor = nullptr;

    Editing() : MainWindowFixture(QSize(1040, 700))
    {
        node = slideshowui::dropPhotoFolder(controller, photosFolder());
        if (node)
            editor = slideshowui::openEditor(controller, node);
    }
    ~Editing()
    {
        if (editor && editor->panel()->isVisible())
            editor->onCancel();
    }
    QStringList photoNames() const
    {
        QStringList names;
        for (const DNImageNodePtr &photo : node->allImagesNodesWithoutFolderNode())
            names << photo->imageTitle();
        return names;
    }
    QStringList levelNames() const
    {
        QStringList names;
        for (int row = 0; row < editor->imageBrowserModel()->rowCount(); ++row)
            names << editor->imageBrowserModel()->nodeAt(row)->imageTitle();
        return names;
    }
    void select(const QList<int> &rows)
    {
        QListView *view = editor->imageBrowserView();
        view->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
    }
    QStringList popUpItems() const
    {
        QStringList items;
        for (int i = 0; i < editor->durationPopUp()->count(); ++i)
            items << editor->durationPopUp()->itemText(i);
        return items;
    }
    void chooseDuration(const QString &text)
    {
        QComboBox *popUp = editor->durationPopUp();
        const int index = popUp->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        popUp->setCurrentIndex(index);
        Q_EMIT popUp->textActivated(text);
    }
};

// JPEG colours come back within a few levels.
bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) <= 12;
}

QStringList names(int from, int to, bool descending = false)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    if (descending)
        std::reverse(list.begin(), list.end());
    return list;
}

TEST(SlideshowEditor, OpensFromTheMainWindowOnTheItem)
{
    Editing e;
    ASSERT_TRUE(e.node);
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    EXPECT_EQ(editor.graphicsNode(), e.node);
    EXPECT_TRUE(editor.panel()->isModal() || editor.panel()->windowModality() == Qt::WindowModal);
    // The item's own level: its one folder.
    EXPECT_EQ(e.levelNames(), QStringList{"photos"});
    EXPECT_FALSE(editor.stateOfGoRoot());
    EXPECT_FALSE(editor.goRootButton()->isEnabled());
    EXPECT_EQ(editor.display_durations(), (QStringList{"2.0", "4.0", "6.0", "8.0", "10.0"}));
    EXPECT_EQ(editor.valueOfDuration(), "2.0");
    EXPECT_EQ(editor.durationPopUp()->currentText(), "2.0");
    // 12 photos at 2 s and 1 s of transition each; no music.
    EXPECT_EQ(editor.videoDurationField()->text(), "00:00:36");
    EXPECT_EQ(editor.audioDurationField()->text(), "00:00:00");
    EXPECT_FALSE(editor.stateOfAutoCaltulate());
    // Sorted by position then date as loaded: the pop-up says GPS position, ascending.
    EXPECT_EQ(editor.sortBy()->currentIndex(), 0);
    EXPECT_EQ(editor.sortType()->checkedId(), 0);
    // The transition choice opens with the sheet, every transition ticked.
    ASSERT_TRUE(editor.effectsView());
    int ticked = 0;
    for (EffectPreviewWrapper *tile : editor.effectsView()->tiles())
        ticked += tile->state() ? 1 : 0;
    EXPECT_EQ(ticked, 18);
    // The preview shows the first photo, on a view shortened for the strip.
    ASSERT_TRUE(editor.slideshowViewer()->currentImageView());
    EXPECT_TRUE(near(editor.slideshowViewer()->currentImageView()->image().pixel(10, 10), qRgb(255, 0, 0)));
    EXPECT_EQ(editor.slideshowViewer()->height() + editor.effectsView()->height(), 420);
    EXPECT_FALSE(editor.isPreviewRunning());
    uitest::serve(200);
    uitest::savePicture(editor.panel(), kTest, "opened");
}

TEST(SlideshowEditor, BrowsesFoldersMovesAndRemovesPhotos)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    // Entries move only at the item's own level.
    QMimeData *dragged = editor.imageBrowserModel()->mimeData({editor.imageBrowserModel()->index(0, 0)});
    EXPECT_TRUE(editor.imageBrowserModel()->canDropMimeData(dragged, Qt::MoveAction, 0, 0, QModelIndex()));
    QMimeData foreign;
    foreign.setText("/elsewhere/x.jpg");
    EXPECT_FALSE(editor.imageBrowserModel()->canDropMimeData(&foreign, Qt::MoveAction, 0, 0, QModelIndex()));

    // A folder opens; the way back is offered; drops are refused inside it.
    Q_EMIT editor.imageBrowserView()->doubleClicked(editor.imageBrowserModel()->index(0, 0));
    EXPECT_TRUE(editor.stateOfGoRoot());
    EXPECT_TRUE(editor.goRootButton()->isEnabled());
    EXPECT_EQ(e.levelNames(), names(1, 12));
    EXPECT_FALSE(editor.imageBrowserModel()->canDropMimeData(dragged, Qt::MoveAction, 0, 0, QModelIndex()));
    delete dragged;
    // A photo does nothing.
    Q_EMIT editor.imageBrowserView()->doubleClicked(editor.imageBrowserModel()->index(3, 0));
    EXPECT_EQ(e.levelNames(), names(1, 12));

    // Entries 1 and 2 moved to index 5 stand at 3 and 4.
    ASSERT_TRUE(editor.imageBrowserMoveItemsAtIndexes({1, 2}, 5));
    EXPECT_EQ(e.levelNames().mid(0, 6), (QStringList{"p01.jpg", "p04.jpg", "p05.jpg", "p02.jpg", "p03.jpg", "p06.jpg"}));

    // Two photos apart, selected and removed: exactly those two.
    e.select({0, 5});
    QTest::mouseClick(editor.removeButton(), Qt::LeftButton);
    EXPECT_EQ(e.photoNames(), (QStringList{"p04.jpg", "p05.jpg", "p02.jpg", "p03.jpg", "p07.jpg", "p08.jpg", "p09.jpg",
                                           "p10.jpg", "p11.jpg", "p12.jpg"}));
    EXPECT_EQ(editor.videoDurationField()->text(), "00:00:30");

    QTest::mouseClick(editor.goRootButton(), Qt::LeftButton);
    EXPECT_FALSE(editor.stateOfGoRoot());
    EXPECT_EQ(e.levelNames(), QStringList{"photos"});

    // Two more folders, chosen together in the panel, join at the item's level, and folders can
    // change places.
    QTest::mouseClick(editor.addFolderButton(), Qt::LeftButton);
    QFileDialog *panel = editor.panel()->findChild<QFileDialog *>("addPhotoFolderPanel");
    ASSERT_TRUE(panel && panel->isVisible());
    panel->setDirectory(testsupport::fixturePath("photos"));
    panel->selectFile("\"orientations\" \"album\"");
    QDialogButtonBox *buttons = panel->findChild<QDialogButtonBox *>();
    ASSERT_TRUE(buttons);
    buttons->button(QDialogButtonBox::Open)->click();
    EXPECT_EQ(e.levelNames(), (QStringList{"photos", "orientations", "album"}));
    // 10 + 8 + 5 photos.
    EXPECT_EQ(editor.videoDurationField()->text(), "00:01:09");
    ASSERT_TRUE(editor.imageBrowserMoveItemsAtIndexes({1}, 0));
    EXPECT_EQ(e.levelNames(), (QStringList{"orientations", "photos", "album"}));
    EXPECT_EQ(e.photoNames().first(), "o1.jpg");
}

TEST(SlideshowEditor, SortsByTheChosenKeyAndDirection)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    editor.sortBy()->setCurrentIndex(2); // file name
    Q_EMIT editor.sortBy()->activated(2);
    EXPECT_EQ(e.photoNames(), names(1, 12));
    editor.sortType()->button(1)->click(); // descending
    EXPECT_EQ(e.photoNames(), names(1, 12, true));
    // The item keeps its own sort setting.
    EXPECT_EQ(e.node->setting()->sortby(), DNSortByGPSPosition);

    // The pop-up follows a stored setting.
    e.node->setting()->setSortby(DNSortByCreationDate);
    e.node->setting()->setAscOrDesc(1);
    editor.makeUISettingControlFitNodeSetting();
    EXPECT_EQ(editor.sortBy()->currentIndex(), 1);
    EXPECT_EQ(editor.sortType()->checkedId(), 1);
    e.node->setting()->setSortby(DNSortByFileName);
    editor.makeUISettingControlFitNodeSetting();
    EXPECT_EQ(editor.sortBy()->currentIndex(), 2);
}

TEST(SlideshowEditor, MusicDecidesTheSecondsPerPhoto)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    editor.addMusicPanelDidEnd(1, {lowMusic(), highMusic()});
    ASSERT_EQ(editor.audioList()->rowCount(), 2);
    EXPECT_EQ(editor.audioList()->item(0, 0)->text(), "low.mp3");
    EXPECT_EQ(editor.audioList()->item(0, 1)->text(), "00:00:03");
    EXPECT_EQ(editor.audioList()->item(1, 0)->text(), "high.m4a");
    EXPECT_EQ(editor.tableViewObjectValue("Other", 0), "x");
    EXPECT_EQ(editor.audioDurationField()->text(), "00:00:05");
    EXPECT_TRUE(editor.stateOfAutoCaltulate());
    // 5 s of music for 12 photos: 1 s each, offered first.
    EXPECT_FLOAT_EQ(e.node->setting()->interval(), 1.0f);
    EXPECT_EQ(editor.display_durations().first(), "1.0");
    EXPECT_EQ(editor.valueOfDuration(), "1.0");
    EXPECT_EQ(e.popUpItems(), (QStringList{"1.0", "2.0", "4.0", "6.0", "8.0", "10.0"}));
    EXPECT_EQ(editor.videoDurationField()->text(), "00:00:24");

    // A row's remove button takes that row away.
    auto *remove = qobject_cast<QAbstractButton *>(editor.audioList()->cellWidget(0, 2));
    ASSERT_TRUE(remove);
    remove->click();
    ASSERT_EQ(editor.audioList()->rowCount(), 1);
    EXPECT_EQ(e.node->audioTracksPath(), QStringList{highMusic()});
    EXPECT_EQ(editor.audioDurationField()->text(), "00:00:02");

    // Without music the best duration is 1 s, and the sheet no longer follows the music.
    qobject_cast<QAbstractButton *>(editor.audioList()->cellWidget(0, 2))->click();
    EXPECT_EQ(editor.audioList()->rowCount(), 0);
    EXPECT_FALSE(editor.stateOfAutoCaltulate());
    EXPECT_FLOAT_EQ(e.node->setting()->interval(), 1.0f);
    EXPECT_EQ(editor.display_durations().first(), "1.0");
}

TEST(SlideshowEditor, TheDurationPopUpSetsTheIntervalAndRestartsThePreview)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    e.chooseDuration("10.0");
    EXPECT_FLOAT_EQ(e.node->setting()->interval(), 10.0f);
    EXPECT_EQ(editor.videoDurationField()->text(), "00:02:12");
    ASSERT_TRUE(editor.isPreviewRunning());
    EXPECT_EQ(editor.findChild<QTimer *>()->interval(), 11000);
    // 1.0 or less is shown as chosen but gives 2 s.
    editor.addMusicPanelDidEnd(1, {highMusic()});
    e.chooseDuration("1.0");
    EXPECT_EQ(editor.valueOfDuration(), "1.0");
    EXPECT_FLOAT_EQ(e.node->setting()->interval(), 2.0f);
    EXPECT_EQ(editor.findChild<QTimer *>()->interval(), 3000);
}

TEST(SlideshowEditor, TheTicksChooseTheTransitions)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    const QList<EffectPreviewWrapper *> tiles = editor.effectsView()->tiles();
    ASSERT_EQ(tiles.size(), 18);
    for (EffectPreviewWrapper *tile : tiles)
        if (tile->filterIndex() != 7 && tile->filterIndex() != 11)
            tile->checkButton()->click();
    ASSERT_TRUE(e.node->setting()->transitions());
    EXPECT_EQ(*e.node->setting()->transitions(), (QList<qint32>{7, 11}));
    EXPECT_EQ(editor.slideshowViewer()->allowTransitionStyles(), (QList<int>{7, 11}));

    QTest::mouseClick(editor.transitionButton(), Qt::LeftButton);
    EXPECT_FALSE(editor.effectsView());
    QTest::mouseClick(editor.transitionButton(), Qt::LeftButton);
    ASSERT_TRUE(editor.effectsView());
    int ticked = 0;
    for (EffectPreviewWrapper *tile : editor.effectsView()->tiles())
        ticked += tile->state() ? 1 : 0;
    EXPECT_EQ(ticked, 2);
}

// The strip takes the foot of the preview's place while it is open and gives it back when it
// closes; however the sheet was closed, it opens again with the strip open and the button saying
// so.
TEST(SlideshowEditor, TheStripGivesThePreviewItsPlaceBackAndOpensWithTheSheet)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    QWidget *place = editor.slideshowViewer()->parentWidget();
    ASSERT_TRUE(place);
    const int stripHeight = editor.effectsView()->height();
    // A point of the place that the strip covers while it is open.
    const QPoint inBand(place->width() / 2, place->height() - stripHeight / 2);
    const QColor sheetBackground = editor.panel()->palette().color(QPalette::Window);

    struct Case
    {
        const char *what;
        bool closeStripFirst;
        std::function<void()> closeSheet;
    };
    const Case cases[] = {
        {"Done, strip open", false, [&] { QTest::mouseClick(editor.doneButton(), Qt::LeftButton); }},
        {"Cancel, strip closed", true, [&] { QTest::mouseClick(editor.cancelButton(), Qt::LeftButton); }},
        {"Escape, strip open", false, [&] { QTest::keyClick(editor.panel(), Qt::Key_Escape); }},
        {"Escape, strip closed", true, [&] { QTest::keyClick(editor.panel(), Qt::Key_Escape); }},
        {"window closed, strip open", false, [&] { editor.panel()->close(); }},
    };
    int round = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(editor.effectsView());
        EXPECT_TRUE(editor.effectsView()->isVisible());
        EXPECT_TRUE(editor.transitionButton()->isChecked());
        EXPECT_EQ(editor.slideshowViewer()->height(), place->height() - stripHeight);

        if (c.closeStripFirst) {
            QTest::mouseClick(editor.transitionButton(), Qt::LeftButton);
            EXPECT_FALSE(editor.effectsView());
            EXPECT_FALSE(editor.transitionButton()->isChecked());
            // The preview fills its whole place again: no blank band where the strip was.
            EXPECT_EQ(editor.slideshowViewer()->geometry(), place->rect());
            uitest::serve(100);
            const QImage shown = place->grab().toImage();
            EXPECT_NE(shown.pixelColor(inBand), sheetBackground);
            if (round == 1)
                uitest::savePicture(editor.panel(), kTest, "strip_closed");
        }
        c.closeSheet();
        EXPECT_FALSE(editor.panel()->isVisible());
        // Whichever way it closed, nothing plays on in the closed sheet.
        EXPECT_FALSE(editor.effectsView());
        EXPECT_FALSE(editor.graphicsNode());
        ASSERT_EQ(slideshowui::openEditor(e.controller, e.node), e.editor);
        ++round;
    }
    EXPECT_TRUE(editor.transitionButton()->isChecked());
    EXPECT_TRUE(editor.effectsView() && editor.effectsView()->isVisible());
    uitest::serve(100);
    uitest::savePicture(editor.panel(), kTest, "reopened_strip_open");
}

TEST(SlideshowEditor, ThePreviewPassesToTheNextPhotoThroughAnAllowedTransition)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    DNImageEditor &editor = *e.editor;
    e.node->setting()->setTransitions(QList<qint32>{11});
    QTest::mouseClick(editor.previewButton(), Qt::LeftButton);
    EXPECT_TRUE(editor.isPreviewRunning());
    editor.advanceSlideshow();
    EXPECT_EQ(editor.slideshowCurrentAsset()->imageTitle(), "p02.jpg");
    EXPECT_EQ(editor.slideshowViewer()->transitionStyle(), 11);
    EXPECT_TRUE(editor.slideshowViewer()->isInTransition());
    uitest::serve(500);
    uitest::savePicture(editor.slideshowViewer(), kTest, "preview_in_transition");
    ASSERT_TRUE(uitest::waitFor([&] { return !editor.slideshowViewer()->isInTransition(); }));
    EXPECT_TRUE(near(editor.slideshowViewer()->currentImageView()->image().pixel(10, 10), qRgb(0, 255, 0)));
    QTest::mouseClick(editor.previewButton(), Qt::LeftButton);
    EXPECT_FALSE(editor.isPreviewRunning());

    // The photo shown taken away: the preview starts again from the first.
    Q_EMIT editor.imageBrowserView()->doubleClicked(editor.imageBrowserModel()->index(0, 0));
    editor.imageBrowserRemoveItemsAtIndexes({1});
    editor.advanceSlideshow();
    EXPECT_EQ(editor.slideshowCurrentAsset()->imageTitle(), "p01.jpg");

    // With one photo the preview never changes.
    QList<int> all;
    for (int i = 1; i < 11; ++i)
        all << i;
    editor.imageBrowserRemoveItemsAtIndexes(all);
    ASSERT_EQ(e.photoNames(), QStringList{"p01.jpg"});
    editor.advanceSlideshow();
    EXPECT_EQ(editor.slideshowCurrentAsset()->imageTitle(), "p01.jpg");
}

TEST(SlideshowEditor, DoneAndCancelCloseKeepingEveryChange)
{
    Editing e;
    ASSERT_TRUE(e.editor);
    int refreshes = 0;
    const auto observer = DNNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("NXMediaTableViewRefreshAllCells 0.0"), [&](const DNNotification &) { ++refreshes; });
    e.chooseDuration("6.0");
    QTest::mouseClick(e.editor->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(e.editor->panel()->isVisible());
    EXPECT_FALSE(e.editor->isPreviewRunning());
    EXPECT_FALSE(e.editor->graphicsNode());
    EXPECT_EQ(refreshes, 1);
    EXPECT_FLOAT_EQ(e.node->setting()->interval(), 6.0f);

    ASSERT_EQ(slideshowui::openEditor(e.controller, e.node), e.editor);
    EXPECT_EQ(e.editor->valueOfDuration(), "6.0");
    QTest::mouseClick(e.editor->doneButton(), Qt::LeftButton);
    EXPECT_FALSE(e.editor->panel()->isVisible());
    EXPECT_EQ(refreshes, 2);
    DNNotificationCenter::defaultCenter().removeObserver(observer);
}

} // namespace
