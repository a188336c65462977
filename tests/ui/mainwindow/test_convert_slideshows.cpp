// Convert with slideshows, as a user runs it: a photo folder dropped on the list, its music and
// settings chosen in the slideshow editor, Convert clicked; the movie is rendered behind the
// progress sheet's photo face and converted with the item's profile behind its video face. What
// comes out is checked against what the settings say: its length, what its frames show and what
// its sound is. Stop during the rendering leaves nothing behind.
#include "convert_run_support.h"

#include "../../slideshow/slideshow_frames.h"
#include "../slideshow/slideshow_editor_support.h"

#include "support/tone.h"
#include "ui/slideshow/DNEffectPreviewTile.h"
#include "ui/slideshow/DNPhotoBrowserModel.h"
#include "ui/slideshow/ImgEncodeProgressView.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QListView>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace convertruntest;
using namespace slideshowfixture;
using slideshowframes::JobSpec;
using slideshowframes::expectedFrame;
using slideshowframes::meanDifference;

const QString kPictures = QStringLiteral("ui_mainwindow");

// The editor's Add Music panel, answered as a user answers it: both files of the music folder.
void addMusicThroughThePanel(DNImageEditor &editor, const QStringList &names)
{
    QTest::mouseClick(editor.addMusicButton(), Qt::LeftButton);
    QFileDialog *panel = nullptr;
    ASSERT_TRUE(uitest::waitFor([&] {
        panel = editor.panel()->findChild<QFileDialog *>(QStringLiteral("addMusicPanel"));
        return panel && panel->isVisible();
    }));
    panel->setDirectory(QFileInfo(lowMusic()).absolutePath());
    QStringList quoted;
    for (const QString &name : names)
        quoted << QLatin1Char('"') + name + QLatin1Char('"');
    panel->selectFile(quoted.join(QLatin1Char(' ')));
    QDialogButtonBox *buttons = panel->findChild<QDialogButtonBox *>();
    ASSERT_TRUE(buttons && buttons->button(QDialogButtonBox::Open));
    buttons->button(QDialogButtonBox::Open)->click();
}

double videoSeconds(const QString &path)
{
    return firstStream(testsupport::ffprobe(path), QStringLiteral("video")).value(QStringLiteral("duration")).toString().toDouble();
}

double heardAt(const QString &path, double seconds)
{
    const auto tone = testsupport::measureTone(path, 0, seconds, 0.4);
    return tone ? tone->frequencyHz : 0;
}

TEST(ConvertSlideshows, TwelvePhotosAndTwoTunesBecomeTheMovieTheSettingsSay)
{
    Batch batch;
    const DNGraphicsNodePtr node = slideshowui::dropPhotoFolder(batch.controller, photosFolder());
    ASSERT_TRUE(node);
    DNImageEditor *editor = slideshowui::openEditor(batch.controller, node);
    ASSERT_TRUE(editor);
    addMusicThroughThePanel(*editor, {"low.mp3", "high.m4a"});
    ASSERT_EQ(node->audioTracksPath(), (QStringList{lowMusic(), highMusic()}));
    QTest::mouseClick(editor->doneButton(), Qt::LeftButton);
    // 5 s of music for 12 photos: 1 s each, slots of 2 s, 24 s in all; every transition allowed.
    ASSERT_FLOAT_EQ(node->setting()->interval(), 1.0f);
    ASSERT_FLOAT_EQ(node->videoDuration(), 24.0f);

    // The rendering shows on the photo face with its frames; the conversion that follows on the
    // video face. Both are watched all along (a small slideshow renders in a moment), not waited
    // for one after the other.
    bool photoFaceSeen = false, videoFaceSeen = false, picturesSaved = false, moviePictureSaved = false;
    int totalFrames = 0;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        NXProgressController *sheet = batch.controller.progressController;
        const auto info = batch.controller.updaterConvert();
        if (!sheet || !info)
            return;
        const int category = info->value(QStringLiteral("EncodeCategory")).toInt();
        if (category == 0 && !sheet->photoEncodeView()->isHidden()) {
            photoFaceSeen = true;
            totalFrames = std::max(totalFrames, info->value(QStringLiteral("totalFrames")).toInt());
            if (!picturesSaved && sheet->encodePhotoProgress()->value() > 0) {
                shelltest::saveWindowPicture(sheet->progressPanel(), kPictures, QStringLiteral("progress_sheet_slideshow"));
                picturesSaved = true;
            }
        }
        if (category == 2 && sheet->isShowConvertView() && !sheet->isAnimationStart()) {
            videoFaceSeen = true;
            if (!moviePictureSaved && sheet->totalFrams()->text() != QStringLiteral("0")) {
                shelltest::saveWindowPicture(sheet->progressPanel(), kPictures,
                                             QStringLiteral("progress_sheet_slideshow_movie"));
                moviePictureSaved = true;
            }
        }
    });
    watch.start();
    SheetWatch shown(batch);
    ASSERT_TRUE(batch.run());
    watch.stop();
    EXPECT_TRUE(photoFaceSeen);
    EXPECT_TRUE(videoFaceSeen);
    EXPECT_EQ(totalFrames, 600);
    EXPECT_FALSE(batch.controller.progressController->startConvertFailed());

    // The slideshow is named after its folder, and its output is the file its conversion writes,
    // from the rendering on; its movie lasts 24 s, whose frames the conversion counts.
    ASSERT_EQ(shown.items.keys(), QList<int>{1});
    const SheetWatch::Item &item = shown.items.value(1);
    EXPECT_EQ(item.photoFaceTitles, QSet<QString>{QStringLiteral("photos")});
    EXPECT_EQ(item.photoFaceTargets, QSet<QString>{QStringLiteral("photos.mp4")});
    EXPECT_EQ(item.titles, QSet<QString>{QStringLiteral("photos")});
    EXPECT_EQ(item.targets, QSet<QString>{QStringLiteral("photos.mp4")});
    EXPECT_EQ(item.ends, QSet<QString>{QStringLiteral("00:00:24")});
    EXPECT_EQ(item.durations, QSet<QString>{QStringLiteral("00:00:24")});
    EXPECT_GT(item.mostFrames(), 0) << item.framesShown().toStdString();
    EXPECT_LE(item.mostFrames(), 600) << item.framesShown().toStdString();

    // The converted movie alone is left, named after the folder.
    ASSERT_TRUE(node->fileNode());
    const QString movie = node->fileNode()->outputName();
    EXPECT_EQ(movie, QDir(batch.out.path()).filePath(QStringLiteral("photos.mp4")));
    EXPECT_EQ(filesIn(batch.out.path()), QStringList{QStringLiteral("photos.mp4")});

    EXPECT_NEAR(videoSeconds(movie), 24.0, 1.0 / 25);
    // Each photo alone in the second half of its slot, in order.
    for (int k = 0; k < kPhotoCount; ++k) {
        SCOPED_TRACE(k);
        const auto frame = testsupport::grabFrame(movie, 2.0 * k + 1.5);
        ASSERT_TRUE(frame);
        EXPECT_EQ(photoShown(*frame), k);
    }
    // Half-way into a slot's first second: the transition of its turn between the two photos.
    JobSpec spec;
    spec.photos = photoPaths();
    for (int type = 0; type < 18; ++type)
        spec.effects << type;
    spec.size = QSize(320, 240);
    for (int k : {1, 7, 9, 11}) {
        SCOPED_TRACE(k);
        const int index = 50 * k + 12;
        const auto frame = testsupport::grabFrame(movie, index / 25.0);
        ASSERT_TRUE(frame);
        EXPECT_LT(meanDifference(*frame, expectedFrame(spec, index)), 8.0);
        EXPECT_GT(meanDifference(*frame, expectedFrame(spec, 50 * k - 5)), 20.0);
        EXPECT_GT(meanDifference(*frame, expectedFrame(spec, 50 * k + 40)), 20.0);
    }
    // The low tune (3 s), the high one (2 s), and again from the start.
    EXPECT_NEAR(heardAt(movie, 0.5), kLowHz, 15);
    EXPECT_NEAR(heardAt(movie, 3.5), kHighHz, 15);
    EXPECT_NEAR(heardAt(movie, 5.5), kLowHz, 15);
    EXPECT_NEAR(heardAt(movie, 23.5), kHighHz, 15);
}

// Fewer photos, another order, another duration, one transition and one tune, chosen in the
// editor: each is seen in the movie.
TEST(ConvertSlideshows, WhatTheEditorChangesIsWhatTheMovieShows)
{
    Batch batch;
    const DNGraphicsNodePtr node = slideshowui::dropPhotoFolder(batch.controller, photosFolder());
    ASSERT_TRUE(node);
    DNImageEditor *editor = slideshowui::openEditor(batch.controller, node);
    ASSERT_TRUE(editor);

    // Photos 5 to 12 removed inside the folder.
    Q_EMIT editor->imageBrowserView()->doubleClicked(editor->imageBrowserModel()->index(0, 0));
    QListView *browser = editor->imageBrowserView();
    for (int row = 4; row < 12; ++row)
        browser->selectionModel()->select(browser->model()->index(row, 0), QItemSelectionModel::Select);
    QTest::mouseClick(editor->removeButton(), Qt::LeftButton);
    QTest::mouseClick(editor->goRootButton(), Qt::LeftButton);
    // By file name, descending: p04, p03, p02, p01.
    editor->sortBy()->setCurrentIndex(2);
    Q_EMIT editor->sortBy()->activated(2);
    editor->sortType()->button(1)->click();
    // Both tunes, then the low one taken away again.
    addMusicThroughThePanel(*editor, {"low.mp3", "high.m4a"});
    qobject_cast<QAbstractButton *>(editor->audioList()->cellWidget(0, 2))->click();
    ASSERT_EQ(node->audioTracksPath(), QStringList{highMusic()});
    // 4 s per photo.
    const int four = editor->durationPopUp()->findText(QStringLiteral("4.0"));
    ASSERT_GE(four, 0);
    editor->durationPopUp()->setCurrentIndex(four);
    Q_EMIT editor->durationPopUp()->textActivated(QStringLiteral("4.0"));
    // Push alone.
    for (EffectPreviewWrapper *tile : editor->effectsView()->tiles())
        if (tile->filterIndex() != 7)
            tile->checkButton()->click();
    QTest::mouseClick(editor->doneButton(), Qt::LeftButton);
    ASSERT_FLOAT_EQ(node->videoDuration(), 20.0f);

    ASSERT_TRUE(batch.run());
    ASSERT_TRUE(node->fileNode());
    const QString movie = node->fileNode()->outputName();
    EXPECT_NEAR(videoSeconds(movie), 20.0, 1.0 / 25);

    JobSpec spec;
    spec.photos = {photoPath(3), photoPath(2), photoPath(1), photoPath(0)};
    spec.effects = {7};
    spec.showDuration = 4.0;
    spec.size = QSize(320, 240);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const auto still = testsupport::grabFrame(movie, 5.0 * k + 3.0);
        ASSERT_TRUE(still);
        EXPECT_EQ(photoShown(*still), 3 - k);
        const int index = 125 * k + 12;
        const auto moving = testsupport::grabFrame(movie, index / 25.0);
        ASSERT_TRUE(moving);
        EXPECT_LT(meanDifference(*moving, expectedFrame(spec, index)), 8.0);
    }
    // The high tune only, over and over.
    for (double at : {0.5, 1.5, 2.5, 10.5, 19.5})
        EXPECT_NEAR(heardAt(movie, at), kHighHz, 15) << at;
}

// Stop while the movie is being rendered: the engine ends, and no file of it is left.
TEST(ConvertSlideshows, StopWhileRenderingLeavesNothing)
{
    Batch batch;
    const DNGraphicsNodePtr node = slideshowui::dropPhotoFolder(batch.controller, photosFolder());
    ASSERT_TRUE(node);
    // Long enough a movie (12 minutes) that Stop comes while it is rendered, however quick that is.
    node->setting()->setInterval(60.0f);
    ASSERT_TRUE(batch.run([&] {
        NXProgressController *sheet = batch.controller.progressController;
        ASSERT_TRUE(uitest::waitFor([&] {
            const auto info = batch.controller.updaterConvert();
            return info && info->value(QStringLiteral("EncodeCategory")).toInt() == 0
                && info->value(QStringLiteral("currentFrame")).toInt() > 0 && sheet->stopButton()->isEnabled();
        }, kRunTimeoutMs));
        QTest::mouseClick(sheet->stopButton(), Qt::LeftButton);
    }));
    EXPECT_FALSE(batch.controller.progressController->startConvertFailed());
    EXPECT_TRUE(filesIn(batch.out.path()).isEmpty()) << filesIn(batch.out.path()).join(", ").toStdString();
}

} // namespace
