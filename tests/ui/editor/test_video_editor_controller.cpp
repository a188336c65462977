// The editor sheet with the real player: its pages for files and DVD sources, what Done writes
// back, the restarts of a player that stopped, the stored crop in the processed preview, the trim
// fields, the subtitle file and its language, and Apply to all through the main window.
#include "video_editor_support.h"

#include "../mainwindow/main_window_fixture.h"
#include "../player/player_test_support.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "core/notify/DNNotificationCenter.h"
#include "dvd/DNDVDNode.h"
#include "player/HVPlayerProcess.h"
#include "ui/editor/controls/DNWatermarkView.h"
#include "ui/info/NXFloatInfoWindowController.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

#include <csignal>

using namespace editortest;

// A font as a reader knows it, in a failure.
void PrintTo(const DNFont &font, std::ostream *out)
{
    *out << '"' << font.family.toStdString() << "\" \"" << font.style.toStdString() << "\" " << font.pointSize;
}

namespace {

const QString kGeneral = DNVideoEditorController::kTabGeneral;
const QString kSubtitle = DNVideoEditorController::kTabSubtitle;
const QString kTrim = DNVideoEditorController::kTabTrimming;
const QString kCrop = DNVideoEditorController::kTabCrop;
const QString kWatermark = DNVideoEditorController::kTabWatermark;

DNFileNodePtr fileItem(const char *relative)
{
    return std::dynamic_pointer_cast<DNFileNode>(playertest::fileItem(QString::fromLatin1(relative)));
}

// A clip whose item has the text "Stored" for a watermark; null when the clip does not load.
DNFileNodePtr clipWithStoredText()
{
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    if (file) {
        file->setEnableWatermark(true);
        file->setTypeOfWatermark(1);
        file->setTextOfWatermark(QStringLiteral("Stored"));
    }
    return file;
}

DNDVDNodePtr dvdItem(int title)
{
    auto dvd = std::dynamic_pointer_cast<DNDVDNode>(playertest::dvdItem(QStringLiteral("dvd/ntsc")));
    if (dvd)
        dvd->setTitleSelected(title);
    return dvd;
}

// The player's process id, once one runs.
qint64 playerPid(DNVideoEditorController &editor)
{
    HVPlayerProcess *process = editor.renderControl()->playerProcess();
    return process && process->isRunning() ? process->processId() : 0;
}

} // namespace

TEST(VideoEditor, DVDSourcesHaveNoWatermarkOrEffectPageAndFilesGetTheWatermarkBack)
{
    EditorWindow w;
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    const DNDVDNodePtr dvd = dvdItem(1);
    ASSERT_TRUE(file && dvd);
    file->setEnableCrop(true);

    // A DVD title, on its crop page: no watermark, no effects.
    w.open(dvd, 3);
    EXPECT_EQ(tabIdentifiers(w.editor), (QStringList{kGeneral, kSubtitle, kTrim, kCrop}));
    EXPECT_FALSE(w.editor.canEnableWaterMark());
    EXPECT_EQ(w.editor.editorTabView()->selectedTabViewItem()->identifier(), kCrop);
    EXPECT_TRUE(w.editor.selectionView()->isHidden()) << "the title's crop is off";
    w.editor.onEditorDone();
    EXPECT_EQ(w.editor.flags().tabViewItemIndex, 0);

    // A file afterwards: the watermark page comes back at the end, the effects page never.
    w.open(file, 3);
    EXPECT_EQ(tabIdentifiers(w.editor), (QStringList{kGeneral, kSubtitle, kTrim, kCrop, kWatermark}));
    EXPECT_TRUE(w.editor.canEnableWaterMark());
    EXPECT_FALSE(w.editor.selectionView()->isHidden()) << "crop page, crop on: the box shows";
    // Each page's mark tells whether its edit is on.
    EXPECT_TRUE(w.tab(kCrop)->imageState());
    EXPECT_FALSE(w.tab(kTrim)->imageState());
    EXPECT_FALSE(w.tab(kWatermark)->imageState());
    ASSERT_TRUE(playing(w.editor));
    w.editor.setEditEnableTrimming(true);
    EXPECT_TRUE(w.tab(kTrim)->imageState());
    // Only the crop page shows the crop box; only the trim page lets the trim knobs move.
    clickTab(w.editor, kTrim);
    EXPECT_TRUE(w.editor.selectionView()->isHidden());
    EXPECT_TRUE(w.editor.editDurationSlider()->editable());
    clickTab(w.editor, kWatermark);
    EXPECT_FALSE(w.editor.editDurationSlider()->editable());
    EXPECT_TRUE(w.editor.watermark()->editabled());
}

TEST(VideoEditor, DoneWritesTheBoxesAndThePreviewsTurnBackAndStopsThePlayer)
{
    EditorWindow w;
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    ASSERT_TRUE(file);
    w.open(file);
    ASSERT_TRUE(playing(w.editor));
    // The times of the play position follow the player each second.
    EXPECT_TRUE(waitFor([&] { return w.editor.editLeftTime()->text() != QStringLiteral("-00:00:00"); }, 60000));
    EXPECT_TRUE(w.editor.editLeftTime()->text().startsWith(QStringLiteral("-00:00:0")));
    int refreshes = 0;
    QObject observer;
    DNNotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("NXMediaTableViewRefreshAllCells 0.0"),
                                                      [&](const DNNotification &) { ++refreshes; });

    // A half turn with the mirror; the crop box and the watermark box placed by their fields.
    w.editor.rotateVideo();
    w.editor.rotateVideo();
    w.editor.flipVideo();
    w.editor.setEditorEnableCrop(true);
    w.editor.setIndexOfCropMode(0);
    w.editor.setVideoCropWidth(320);
    w.editor.setVideoCropOriginLeft(160);
    w.editor.setVideoCropHeight(240);
    w.editor.setVideoCropOriginTop(120);
    EXPECT_EQ(w.editor.videoCropWidth(), 320);
    EXPECT_EQ(w.editor.videoCropOriginTop(), 120);
    w.editor.setWatermarkOriginLeft(64);
    w.editor.setWatermarkWidth(128);
    const qint64 pid = playerPid(w.editor);
    ASSERT_GT(pid, 0);

    ASSERT_TRUE(pressDone(w.editor));
    EXPECT_EQ(file->rotationAngle(), 180);
    EXPECT_TRUE(file->isMirror());
    const QRectF crop = file->cropRect();
    EXPECT_NEAR(crop.x(), 160, 0.01);
    EXPECT_NEAR(crop.y(), 120, 0.01);
    EXPECT_NEAR(crop.width(), 320, 0.01);
    EXPECT_NEAR(crop.height(), 240, 0.01);
    // The watermark's place is counted on the converted picture (the 320 x 240 crop): the same
    // proportions of it are kept.
    EXPECT_NEAR(file->setting()->watermarkRectPercent().x, 64.0 / 320, 0.005);
    EXPECT_NEAR(file->setting()->watermarkRectPercent().width, 128.0 / 320, 0.005);
    EXPECT_EQ(refreshes, 1);
    // The previews forget the item's picture and its turn.
    EXPECT_TRUE(w.editor.effectPreview()->currentVideoFrame().isNull());
    EXPECT_EQ(w.editor.effectPreview()->rotationDegress(), 360);
    // The player has ended and is not started again.
    EXPECT_TRUE(PlayerProcessRegistry::shared().pids().empty());
    uitest::serve(500);
    EXPECT_EQ(w.editor.renderControl()->playerProcess(), nullptr);
    EXPECT_FALSE(w.editor.isDisplayTimerRunning());
    DNNotificationCenter::defaultCenter().removeObserver(&observer);
}

TEST(VideoEditor, APlayerThatStopsIsStartedAgainThreeTimesAtMost)
{
    EditorWindow w;
    w.open(fileItem("editor/letterbox_quadrants.mp4"));
    ASSERT_TRUE(playing(w.editor));
    for (int start = 2; start <= 4; ++start) {
        const qint64 pid = playerPid(w.editor);
        ASSERT_GT(pid, 0);
        ::kill(pid_t(pid), SIGKILL);
        ASSERT_TRUE(waitFor([&] { return w.editor.flags().tryPlaybackCount == start && playerPid(w.editor) > 0; },
                            kPlayTimeoutMs)) << "start " << start;
    }
    ::kill(pid_t(playerPid(w.editor)), SIGKILL);
    ASSERT_TRUE(waitFor([&] { return w.editor.renderControl()->playerProcess() == nullptr; }, 60000));
    uitest::serve(500);
    EXPECT_EQ(playerPid(w.editor), 0);
    EXPECT_TRUE(w.editor.doneButton()->isEnabled());
}

// The processed preview shows a stored crop as soon as it has a frame, not only after the box
// was moved: the preview is what the output will be.
TEST(VideoEditor, AStoredCropShowsInTheProcessedPreviewAtOnce)
{
    EditorWindow w;
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    ASSERT_TRUE(file);
    file->setEnableCrop(true);
    file->setIndexOfCropAspect(0);
    file->setCropRect(QRectF(0, 60, 640, 360));
    w.open(file);
    ASSERT_TRUE(playing(w.editor));
    ASSERT_TRUE(waitFor([&] { return w.editor.effectPreview()->varsAdjust().needCrop == 100; }, 60000));
    const QRectF crop = w.editor.effectPreview()->cropRect();
    EXPECT_NEAR(crop.y(), 37.5, 1);
    EXPECT_NEAR(crop.height(), 225, 1);
    const QImage shown = w.editor.effectPreview()->resultOfImageFilterFromImage(w.editor.effectPreview()->currentVideoFrame());
    EXPECT_NEAR(double(shown.width()) / shown.height(), 16.0 / 9, 0.05);
}

// With trimming off the page's length is the whole clip's, before the clip plays, while it
// plays and when trimming is switched off again.
TEST(VideoEditor, TheTrimPageShowsTheClipsLengthWhileTrimmingIsOff)
{
    EditorWindow w;
    const DNFileNodePtr file = fileItem("editor/long_clip.mp4");
    ASSERT_TRUE(file);
    w.open(file, 2);
    EXPECT_EQ(w.editor.gernalTimeTrimDuration()->text(), QStringLiteral("00:00:30"));
    ASSERT_TRUE(playing(w.editor));
    EXPECT_EQ(w.editor.gernalTimeTrimDuration()->text(), QStringLiteral("00:00:30"));
    click(w.editor, "trimCheck");
    w.editor.startTrimTime()->setIntValue(5);
    w.editor.startTrimTime()->performClick();
    EXPECT_EQ(w.editor.gernalTimeTrimDuration()->text(), QStringLiteral("00:00:25"));
    click(w.editor, "trimCheck");
    EXPECT_FALSE(w.editor.editEnableTrimming());
    EXPECT_EQ(w.editor.gernalTimeTrimDuration()->text(), QStringLiteral("00:00:30"));
}

TEST(VideoEditor, TypedTrimTimesLandInTheItemAndKeepTheShortestPart)
{
    EditorWindow w;
    const DNFileNodePtr file = fileItem("editor/long_clip.mp4");
    ASSERT_TRUE(file);
    file->setGeneralVolume(150);
    w.open(file, 2);
    ASSERT_TRUE(playing(w.editor));
    EXPECT_EQ(w.editor.limitation(), 20);
    click(w.editor, "trimCheck");
    EXPECT_EQ(file->trimStartTime(), 0u);
    EXPECT_EQ(file->trimEndTime(), 30u);

    w.editor.startTrimTime()->setIntValue(5);
    w.editor.startTrimTime()->performClick();
    EXPECT_EQ(file->trimStartTime(), 5u);
    EXPECT_EQ(w.editor.endTrimTime()->minTimeValue(), 25);
    EXPECT_EQ(w.editor.gernalTimeTrimDuration()->text(), QStringLiteral("00:00:25"));
    // An end nearer than the shortest part is brought up to it.
    w.editor.endTrimTime()->setIntValue(12);
    w.editor.endTrimTime()->performClick();
    EXPECT_EQ(file->trimEndTime(), 25u);
    EXPECT_EQ(w.editor.startTrimTime()->maxTimeValue(), 5);
    EXPECT_EQ(w.editor.gernalTimeTrimDuration()->text(), QStringLiteral("00:00:20"));
    // The slider's segment follows the fields.
    const auto [left, right] = w.editor.editDurationSlider()->segmentValuePosition();
    EXPECT_NEAR(left, 5.0 / 30, 0.02);
    EXPECT_NEAR(right, 25.0 / 30, 0.02);

    // The page's reset gives the whole clip back and leaves the volume as it was.
    click(w.editor, "resetTrimButton");
    EXPECT_EQ(file->trimStartTime(), 0u);
    EXPECT_EQ(file->trimEndTime(), 30u);
    EXPECT_EQ(file->generalVolume(), 150u);
}

TEST(VideoEditor, ASubtitleFileForADVDTitleAsksItsLanguageAFileItemsDoesNot)
{
    QTemporaryDir dir;
    const QString subtitles = dir.filePath(QStringLiteral("movie.srt"));
    ASSERT_TRUE(QFile::copy(testsupport::fixturePath(QStringLiteral("fileroad/sidecar/movie.srt")), subtitles));
    EditorWindow w;
    const DNDVDNodePtr dvd = dvdItem(1);
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    ASSERT_TRUE(dvd && file);

    struct Row { NXMediaNodePtr item; bool asksLanguage; };
    for (const Row &row : {Row{dvd, true}, Row{file, false}}) {
        SCOPED_TRACE(row.asksLanguage ? "DVD title" : "file");
        w.open(row.item, 1);
        EXPECT_EQ(w.editor.editorTabView()->selectedTabViewItem()->identifier(), kSubtitle);
        click(w.editor, "subtitleCheck");
        click(w.editor, "extraSubtitleRadio");
        EXPECT_TRUE(w.editor.isForExtraSubtitle());
        click(w.editor, "subtitleChooseButton");
        answerFilePanel(w.editor, "subtitleFilePanel", subtitles);
        ASSERT_TRUE(waitFor([&] { return w.editor.extraSRTFilePath() == subtitles; }, 60000));
        EXPECT_EQ(w.editor.control<QLineEdit>("extraSubtitlePath")->text(), subtitles);
        // The title's question comes a moment later, later still on a busy machine while the title
        // plays in the previews; a file's would have come within a second.
        const bool asked =
            waitFor([&] { return w.editor.languageChoosePanel()->isVisible(); }, row.asksLanguage ? 60000 : 1000);
        EXPECT_EQ(asked, row.asksLanguage);
        if (asked) {
            pick(w.editor, "languageChoosePopUp", 2);
            QTest::mouseClick(w.editor.control<QPushButton>("languageDoneButton"), Qt::LeftButton);
            EXPECT_FALSE(w.editor.languageChoosePanel()->isVisible());
            EXPECT_EQ(w.editor.editedItem().extraSubtitleLanguage(), QStringLiteral("fr"));
            EXPECT_EQ(w.editor.curLanguageDic().value(QStringLiteral("languageCode")), QStringLiteral("fr"));
        }
        // The place of the text: an unknown code reads as the bottom.
        w.editor.setSubtitlePosition(w.editor.allSubtitlePosition().at(0));
        EXPECT_EQ(w.editor.editedItem().subtitlePos(), 67u);
        w.editor.editedItem().editSetting()->setPosition(42);
        EXPECT_EQ(w.editor.subtitlePosition(), QStringLiteral("Bottom"));
        w.editor.onEditorDone();
        // The file chosen is the subtitle of the item: the last of its subtitle tracks.
        const auto setting = std::dynamic_pointer_cast<DNTrackEditSetting>(w.editor.editedItem().editSetting());
        ASSERT_TRUE(setting);
        EXPECT_TRUE(setting->subtitleEnable());
        EXPECT_GE(setting->subtitleIndex(), 0);
        EXPECT_EQ(w.editor.editedItem().extraSubtitlePath(), subtitles);
    }
    EXPECT_EQ(dvd->titleAt(1)->setting()->subtitleIndex(), int(dvd->titleAt(1)->subtitleTracks().size()) - 1);
    EXPECT_EQ(file->setting()->subtitleIndex(), int(file->subtitleTracks().size()) - 1);
}

TEST(VideoEditor, ARowsSubtitleRequestOpensTheSubtitlePage)
{
    shelltest::MainWindowFixture f(QSize(1040, 700));
    NXAppController &c = f.controller;
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    ASSERT_TRUE(file);
    c.block_loadVideoNode(file);
    clickRow(c, file);
    c.movieViewCellRequestLoadSubtitle(NXMediaPath(0, -1));
    ASSERT_TRUE(shownEditor(c));
    // Its information button shows the item in the information window.
    QTest::mouseClick(c.videoEditorController->control<QPushButton>("infoButton"), Qt::LeftButton);
    NXFloatInfoWindowController &info = NXFloatInfoWindowController::shareInstance();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.windowTitle(), QStringLiteral("letterbox_quadrants.mp4"));
    info.hiddenTheWindow();
    shelltest::expectVideoEditorOpenOn(c, file, kSubtitle);
}

// Escape (or the window's close button) closes the sheet as Done does: nothing the boxes and
// the previews hold is lost.
TEST(VideoEditor, EscapeClosesTheSheetAsDoneDoes)
{
    EditorWindow w;
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    ASSERT_TRUE(file);
    w.open(file);
    ASSERT_TRUE(playing(w.editor));
    w.editor.rotateVideo();
    QTest::keyClick(w.editor.panel(), Qt::Key_Escape);
    EXPECT_FALSE(w.editor.panel()->isVisible());
    EXPECT_EQ(file->rotationAngle(), 90);
    EXPECT_TRUE(PlayerProcessRegistry::shared().pids().empty());
}

TEST(VideoEditor, ATextWatermarkTakesTheTypedTextItsFontAndColour)
{
    EditorWindow w;
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    ASSERT_TRUE(file);
    w.open(file, 4);
    ASSERT_TRUE(playing(w.editor));
    click(w.editor, "watermarkCheck");
    EXPECT_FALSE(w.editor.watermark()->isHidden());
    click(w.editor, "watermarkTextRadio");
    EXPECT_EQ(file->typeOfWatermark(), 1u);
    EXPECT_FALSE(w.editor.watermarkImageAddress()->isEnabled());
    // Taken when the typing is finished.
    QTest::keyClicks(w.editor.watermarkTextInput(), QStringLiteral("TALVANE"));
    EXPECT_TRUE(file->textOfWatermark().isEmpty());
    QTest::keyClick(w.editor.watermarkTextInput(), Qt::Key_Return);
    EXPECT_EQ(file->textOfWatermark(), QStringLiteral("TALVANE"));
    EXPECT_EQ(w.editor.watermark()->text(), QStringLiteral("TALVANE"));
    EXPECT_FALSE(w.editor.watermark()->image().isNull());

    // "Font..." opens the font panel, and nothing else; the text's colour comes from the colour
    // panel that the font panel's own button opens. Both change the text as the user picks.
    const auto panelsShown = [&] {
        QList<QDialog *> shown;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible() && dialog != w.editor.panel())
                shown << dialog;
        return shown;
    };
    click(w.editor, "watermarkFontButton");
    auto *fonts = w.editor.panel()->findChild<QFontDialog *>(QStringLiteral("watermarkFontPanel"));
    ASSERT_TRUE(fonts);
    EXPECT_EQ(panelsShown(), QList<QDialog *>{fonts});
    uitest::serve(100);
    uitest::savePicture(fonts, QStringLiteral("ui_editor_video_editor_controller"), QStringLiteral("watermark_font_panel"));
    auto *colourButton = fonts->findChild<QPushButton *>(QStringLiteral("watermarkColourButton"));
    ASSERT_TRUE(colourButton);
    EXPECT_EQ(colourButton->text(), QStringLiteral("Text Colour..."));
    QTest::mouseClick(colourButton, Qt::LeftButton);
    auto *colours = fonts->findChild<QColorDialog *>(QStringLiteral("watermarkColourPanel"));
    ASSERT_TRUE(colours);
    EXPECT_TRUE(colours->isVisible());
    // A second click brings the same panel forward.
    QTest::mouseClick(colourButton, Qt::LeftButton);
    EXPECT_EQ(fonts->findChildren<QColorDialog *>().size(), 1);
    fonts->setCurrentFont(QFontDatabase::font(QStringLiteral("DejaVu Serif"), QStringLiteral("Bold Italic"), 30));
    colours->setCurrentColor(QColor(10, 200, 30));
    ASSERT_TRUE(file->textWatermarkFont());
    EXPECT_EQ(*file->textWatermarkFont(), (DNFont{QStringLiteral("DejaVu Serif"), 30, QStringLiteral("Bold Italic")}));
    const QFontInfo face(w.editor.watermark()->textFont());
    EXPECT_TRUE(face.bold() && face.italic()) << "the text takes the chosen face";
    EXPECT_EQ(*file->textWatermarkColor(), (DNColor{10, 200, 30, 255}));
    EXPECT_EQ(w.editor.watermark()->textColor(), QColor(10, 200, 30));
    fonts->reject();
    EXPECT_FALSE(colours->isVisible());
}

// The font panel opens on the watermark's font as it is, its face (bold, italic) and its chosen
// size; OK at once keeps the font and the text's picture as they were, and OK after the user has
// tried another face and come back to it keeps the face.
TEST(VideoEditor, TheFontPanelOpensOnTheWatermarksFontAndOKKeepsIt)
{
    const struct
    {
        const char *name;
        DNFontRef font;
        bool italic;
    } cases[] = {
        {"system", DNFont::systemFont(120), false},
        {"bold", DNFont::font(QStringLiteral("DejaVu Serif"), 30, QStringLiteral("Bold")), false},
        {"bold_italic", DNFont::font(QStringLiteral("DejaVu Serif"), 48, QStringLiteral("Bold Italic")), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EditorWindow w;
        const DNFileNodePtr file = clipWithStoredText();
        ASSERT_TRUE(file);
        file->setTextWatermarkFont(c.font);
        w.open(file, 4);
        const QFontInfo box(w.editor.watermark()->textFont());
        EXPECT_TRUE(box.bold());
        EXPECT_EQ(box.italic(), c.italic);
        // A face's first picture can differ a little from every later one of the same face.
        w.editor.watermark()->updateContextImage();
        const QImage picture = w.editor.watermark()->image();
        ASSERT_FALSE(picture.isNull());

        click(w.editor, "watermarkFontButton");
        auto *fonts = w.editor.panel()->findChild<QFontDialog *>(QStringLiteral("watermarkFontPanel"));
        ASSERT_TRUE(fonts);
        uitest::serve(100);
        uitest::savePicture(fonts, QStringLiteral("ui_editor_video_editor_controller"),
                            QStringLiteral("watermark_font_panel_") + QString::fromLatin1(c.name));
        const QFont shown = fonts->currentFont();
        if (!c.font->isSystemFont())
            EXPECT_EQ(shown.family(), c.font->family);
        EXPECT_EQ(shown.weight(), QFont::Bold);
        EXPECT_EQ(shown.italic(), c.italic);
        EXPECT_EQ(shown.pointSizeF(), c.font->pointSize);

        auto *buttons = fonts->findChild<QDialogButtonBox *>();
        ASSERT_TRUE(buttons);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        EXPECT_FALSE(fonts->isVisible());
        ASSERT_TRUE(file->textWatermarkFont());
        EXPECT_EQ(*file->textWatermarkFont(), *c.font);
        EXPECT_EQ(w.editor.watermark()->image(), picture) << "the text keeps its face";

        // The user tries another face and comes back to the one shown: what OK then keeps is the
        // font as the panel hands it over, not the unchanged font that it could keep by doing
        // nothing. The text has its face again.
        click(w.editor, "watermarkFontButton");
        fonts = w.editor.panel()->findChild<QFontDialog *>(QStringLiteral("watermarkFontPanel"));
        ASSERT_TRUE(fonts);
        fonts->setCurrentFont(QFontDatabase::font(QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Book"), 20));
        ASSERT_NE(*file->textWatermarkFont(), *c.font) << "the other face was taken";
        fonts->setCurrentFont(shown);
        buttons = fonts->findChild<QDialogButtonBox *>();
        ASSERT_TRUE(buttons);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        ASSERT_TRUE(file->textWatermarkFont());
        EXPECT_EQ(file->textWatermarkFont()->style, c.italic ? QStringLiteral("Bold Italic") : QStringLiteral("Bold"));
        EXPECT_EQ(file->textWatermarkFont()->pointSize, c.font->pointSize);
        const QFontInfo kept(w.editor.watermark()->textFont());
        EXPECT_TRUE(kept.bold());
        EXPECT_EQ(kept.italic(), c.italic);
    }
}

// The item's text reaching the box at opening does not size the box again: the place and size
// the user gave the watermark come back.
TEST(VideoEditor, AStoredTextWatermarkComesBackInItsOwnBox)
{
    EditorWindow w;
    const DNFileNodePtr file = clipWithStoredText();
    ASSERT_TRUE(file);
    file->setWatermarkRect(QRectF(64, 48, 320, 96));
    w.open(file, 4);
    ASSERT_TRUE(playing(w.editor));
    EXPECT_EQ(w.editor.watermark()->text(), QStringLiteral("Stored"));
    EXPECT_NEAR(w.editor.watermarkWidth(), 320, 2);
    EXPECT_NEAR(w.editor.watermarkHeight(), 96, 2);
    EXPECT_NEAR(w.editor.watermarkOriginLeft(), 64, 2);
    EXPECT_NEAR(w.editor.watermarkOriginBottom(), 48, 2);
}

TEST(VideoEditor, ApplyToAllGivesEveryDVDTitleACopyOfItsOwn)
{
    shelltest::MainWindowFixture f(QSize(1040, 700));
    NXAppController &c = f.controller;
    const DNDVDNodePtr dvd = dvdbuildertest::loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("MacGen_MP4_H264.plist"));
    ASSERT_TRUE(dvd);
    c.actionForDVDScaner(dvd);
    const DNFileNodePtr file = fileItem("editor/letterbox_quadrants.mp4");
    ASSERT_TRUE(file);
    c.block_loadVideoNode(file);
    const auto fileSetting = file->setting();

    // From the second title: a louder, cropped edit for every title.
    dvd->setTitleSelected(1);
    c.movieViewCellRequestEdit(NXMediaPath(0, 1), 0);
    DNVideoEditorController *editor = shownEditor(c);
    ASSERT_TRUE(editor);
    ASSERT_TRUE(playing(*editor));
    editor->control<QSlider>("volumeSlider")->setValue(150);
    clickTab(*editor, kCrop);
    click(*editor, "cropCheck");
    QTest::mouseClick(editor->apply2AllButton(), Qt::LeftButton);
    EXPECT_TRUE(editor->panel()->isVisible()) << "the sheet stays open";
    QList<std::shared_ptr<DNDVDTitleSetting>> settings;
    for (const DNDVDTitlePtr &title : dvd->titles()) {
        EXPECT_EQ(title->setting()->volume(), 150u);
        EXPECT_TRUE(title->setting()->cropEnable());
        for (const auto &other : settings)
            EXPECT_NE(title->setting(), other) << "each title keeps an object of its own";
        settings << title->setting();
    }
    EXPECT_EQ(file->setting(), fileSetting);
    EXPECT_EQ(file->generalVolume(), 100u);
    // A later edit of one title leaves the others as they are.
    editor->control<QSlider>("volumeSlider")->setValue(50);
    EXPECT_EQ(dvd->titleAt(1)->setting()->volume(), 50u);
    EXPECT_EQ(dvd->titleAt(0)->setting()->volume(), 150u);
    EXPECT_EQ(dvd->titleAt(2)->setting()->volume(), 150u);
    ASSERT_TRUE(pressDone(*editor));

    // From the file: the titles take the file's edits; the file keeps its own object.
    c.movieViewCellRequestEdit(NXMediaPath(1, -1), 0);
    ASSERT_EQ(shownEditor(c), editor);
    ASSERT_TRUE(playing(*editor));
    editor->control<QSlider>("volumeSlider")->setValue(80);
    QTest::mouseClick(editor->apply2AllButton(), Qt::LeftButton);
    for (const DNDVDTitlePtr &title : dvd->titles())
        EXPECT_EQ(title->setting()->volume(), 80u);
    EXPECT_EQ(file->setting(), fileSetting);
    editor->control<QSlider>("volumeSlider")->setValue(90);
    EXPECT_EQ(dvd->titleAt(0)->setting()->volume(), 80u);
    ASSERT_TRUE(pressDone(*editor));
}
