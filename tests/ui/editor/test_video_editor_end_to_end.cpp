// The editor as a user works it, from the main window to the converted file: a media file and a
// DVD title are opened in the editor, edited with its controls, closed with Done and converted
// with Convert; each edit is then measured in the output.
#include "video_editor_support.h"

#include "core/settings/DNSetting.h"
#include "dvd/DNDVDNode.h"
#include "player/NXMPlayerGeometry.h"
#include "ui/editor/controls/DNWatermarkView.h"
#include "support/ffprobe.h"
#include "support/frames.h"
#include "support/tone.h"

#include <QImage>
#include <QSlider>
#include <QTemporaryDir>

#include <cmath>

using namespace editortest;
using testsupport::Rgb;

namespace {

// The fixture's quarters: red full on the left, green full at the top, blue 128.
const Rgb kBottomLeft{255, 0, 128};
const Rgb kWatermarkGrey{128, 128, 128};
// What the DVD road's volume filter adds for 200 %: "volume=10", in decibels.
constexpr double kDVDGainAt200Db = 10.0;

bool near(const Rgb &a, const Rgb &b, int tolerance = 40)
{
    return std::abs(a.red - b.red) < tolerance && std::abs(a.green - b.green) < tolerance
        && std::abs(a.blue - b.blue) < tolerance;
}

std::string text(const Rgb &c)
{
    return "(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

// Width over height of the first video stream of path as a player shows it: its pixels' own
// aspect applied.
double shownAspect(const QString &path)
{
    const QJsonObject video = testsupport::firstStream(testsupport::ffprobe(path), QStringLiteral("video"));
    const QStringList sample = video.value(QStringLiteral("sample_aspect_ratio")).toString().split(QLatin1Char(':'));
    double pixel = sample.size() == 2 && sample.at(1).toDouble() > 0 ? sample.at(0).toDouble() / sample.at(1).toDouble() : 1.0;
    if (pixel <= 0)
        pixel = 1.0;
    return video.value(QStringLiteral("width")).toDouble() * pixel / video.value(QStringLiteral("height")).toDouble();
}

// What every tab of the sheet looks like, saved as pictures.
void saveEveryTab(DNVideoEditorController &editor, const QString &prefix)
{
    for (const QString &identifier : tabIdentifiers(editor)) {
        clickTab(editor, identifier);
        saveEditorPicture(editor, prefix + QLatin1Char('_') + identifier);
    }
}

} // namespace

TEST(VideoEditorEndToEnd, AFileTrimmedCroppedTurnedMarkedAndQuieterConvertsSo)
{
    Batch batch;
    const QString source = testsupport::fixturePath(QStringLiteral("editor/letterbox_quadrants.mp4"));
    const DNFileNodePtr file = batch.addFile("editor/letterbox_quadrants.mp4", "Video_MP4_H264.plist");
    ASSERT_TRUE(file);
    QTemporaryDir pictures;
    const QString logo = pictures.filePath(QStringLiteral("logo.png"));
    QImage grey(64, 32, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    ASSERT_TRUE(grey.save(logo));

    // The Edit command opens the editor on its first page, playing the file.
    clickRow(batch.controller, file);
    QTest::mouseClick(batch.controller.editButton, Qt::LeftButton);
    DNVideoEditorController *editor = shownEditor(batch.controller);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->mediaNode(), file);
    ASSERT_TRUE(playing(*editor));
    EXPECT_EQ(editor->editorTabView()->selectedTabViewItem()->identifier(), DNVideoEditorController::kTabGeneral);
    saveEveryTab(*editor, QStringLiteral("file_before"));

    // General: half the volume.
    clickTab(*editor, DNVideoEditorController::kTabGeneral);
    editor->control<QSlider>("volumeSlider")->setValue(50);
    EXPECT_EQ(file->generalVolume(), 50u);

    // Trim: seconds 1 to 4 of 6, by the slider's knobs.
    clickTab(*editor, DNVideoEditorController::kTabTrimming);
    click(*editor, "trimCheck");
    EXPECT_TRUE(file->isEnableTrimming());
    dragTrimKnob(editor->editDurationSlider(), true, 1.0 / 6);
    dragTrimKnob(editor->editDurationSlider(), false, 4.0 / 6);
    EXPECT_EQ(file->trimStartTime(), 1u);
    EXPECT_EQ(file->trimEndTime(), 4u);
    EXPECT_EQ(editor->startTrimTime()->integerValue(), 1);
    EXPECT_EQ(editor->endTrimTime()->integerValue(), 4);
    EXPECT_EQ(editor->gernalTimeTrimDuration()->text(), QStringLiteral("00:00:03"));

    // Crop: switched on, the black borders go by themselves; then a quarter turn.
    clickTab(*editor, DNVideoEditorController::kTabCrop);
    click(*editor, "cropCheck");
    ASSERT_TRUE(waitFor([&] { return file->isCropLetterboxAuto(); }, 60000));
    ASSERT_TRUE(waitFor([&] { return editor->videoCropHeight() < 380; }, 60000));
    EXPECT_NEAR(editor->videoCropHeight(), 360, 4);
    EXPECT_EQ(editor->videoCropWidth(), 640);
    click(*editor, "rotateButton");
    EXPECT_EQ(editor->effectPreview()->rotationDegress(), 90);

    // Watermark: a grey picture in the box's own place.
    clickTab(*editor, DNVideoEditorController::kTabWatermark);
    click(*editor, "watermarkCheck");
    click(*editor, "watermarkPictureRadio");
    click(*editor, "watermarkChooseButton");
    answerFilePanel(*editor, "watermarkImagePanel", logo);
    ASSERT_TRUE(waitFor([&] { return file->imagePathOfWatermark() == logo; }, 60000));
    EXPECT_EQ(editor->watermarkImageAddress()->text(), logo);
    editor->control<QSlider>("transparencySlider")->setValue(0);

    saveEveryTab(*editor, QStringLiteral("file_edited"));
    // What the user sees: the processed preview turned upright on its side, and the watermark
    // box over that picture, where the output will place the watermark.
    const QImage shown = editor->effectPreview()->resultOfImageFilterFromImage(editor->effectPreview()->currentVideoFrame());
    EXPECT_GT(shown.height(), shown.width());
    const QRectF drawn = NXMPlayerGeometry::fittedPicture(QSizeF(editor->effectPreview()->size()), QSizeF(shown.size()));
    const QRect box = editor->watermark()->geometry();
    EXPECT_NEAR(box.x(), drawn.x(), 1.5);
    EXPECT_NEAR(box.width(), drawn.width(), 1.5);
    EXPECT_NEAR(box.height(), drawn.height(), 1.5);

    ASSERT_TRUE(pressDone(*editor));
    const auto setting = file->setting();
    EXPECT_TRUE(setting->cropEnable());
    EXPECT_EQ(setting->rotationAngle(), 90);
    EXPECT_FALSE(setting->mirror());
    EXPECT_TRUE(setting->watermarkEnable());
    EXPECT_EQ(setting->watermarkType(), 0u);
    EXPECT_EQ(setting->volume(), 50u);
    EXPECT_NEAR(setting->cropRectPercent().y, 60.0 / 480, 0.01);
    EXPECT_NEAR(setting->cropRectPercent().height, 360.0 / 480, 0.01);

    ASSERT_TRUE(batch.run());
    const QString output = file->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();

    // Trim: three seconds, beginning with the second second's pitch.
    EXPECT_NEAR(testsupport::durationOf(testsupport::ffprobe(output)), 3.0, 0.3);
    const auto start = testsupport::measureTone(output, 0, 0.1, 0.6);
    ASSERT_TRUE(start);
    EXPECT_NEAR(start->frequencyHz, 500, 25);

    // Crop and turn: the picture without its bands, on its side, its bottom-left quarter now at
    // the top left; no black band left at either end.
    const auto frame = testsupport::grabFrame(output, 1.0);
    ASSERT_TRUE(frame);
    EXPECT_NEAR(frame->width, 360, 8);
    EXPECT_EQ(frame->height, 640);
    const Rgb corner = frame->mean(4, 4, 12, 12);
    EXPECT_TRUE(near(corner, kBottomLeft)) << text(corner);
    for (const Rgb &end : {frame->mean(0, 636, frame->width, 4), frame->mean(0, 0, frame->width, 4)})
        EXPECT_GT(end.red + end.green + end.blue, 120) << text(end);

    // Watermark: the grey picture where the box stood, as fractions of the output picture.
    const QRect mark = file->setting()->watermarkRectPercent().toPixelRect(frame->width, frame->height);
    const Rgb inside = frame->mean(mark.x() + 4, mark.y() + 4, mark.width() - 8, mark.height() - 8);
    EXPECT_TRUE(near(inside, kWatermarkGrey, 20)) << text(inside);

    // Volume: half the level, about 6 dB under the source's.
    const auto sourceLevel = testsupport::meanVolumeDb(source);
    const auto level = testsupport::meanVolumeDb(output);
    ASSERT_TRUE(sourceLevel && level);
    EXPECT_NEAR(*level - *sourceLevel, -6.02, 1.0);
}

TEST(VideoEditorEndToEnd, ADVDTitleTrimmedCroppedAndLouderConvertsSo)
{
    Batch batch;
    const DNDVDNodePtr dvd = dvdbuildertest::loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("MacGen_MP4_H264.plist"));
    ASSERT_TRUE(dvd);
    for (const DNDVDTitlePtr &title : dvd->titles())
        title->setIsSelected(title->index() == 1);
    batch.controller.actionForDVDScaner(dvd);
    const DNDVDTitlePtr title = dvd->titleAt(1);

    // The title's row, then Edit: the editor edits the DVD source through that title.
    clickRow(batch.controller, title);
    ASSERT_EQ(dvd->titleSelected(), 1);
    QTest::mouseClick(batch.controller.editButton, Qt::LeftButton);
    DNVideoEditorController *editor = shownEditor(batch.controller);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->mediaNode(), dvd);
    EXPECT_TRUE(editor->isForDVDEdit());
    EXPECT_EQ(tabIdentifiers(*editor), (QStringList{DNVideoEditorController::kTabGeneral, DNVideoEditorController::kTabSubtitle,
                                                    DNVideoEditorController::kTabTrimming, DNVideoEditorController::kTabCrop}));
    ASSERT_TRUE(playing(*editor));
    saveEveryTab(*editor, QStringLiteral("dvd_before"));

    // Twice the volume.
    clickTab(*editor, DNVideoEditorController::kTabGeneral);
    editor->control<QSlider>("volumeSlider")->setValue(200);
    EXPECT_EQ(title->setting()->volume(), 200u);

    // Seconds 2 to 6 of the title.
    clickTab(*editor, DNVideoEditorController::kTabTrimming);
    click(*editor, "trimCheck");
    const double length = editor->renderControl()->duration();
    ASSERT_GT(length, 8);
    dragTrimKnob(editor->editDurationSlider(), true, 2.0 / length);
    dragTrimKnob(editor->editDurationSlider(), false, 6.0 / length);
    EXPECT_EQ(dvd->trimStartTime(), 2u);
    EXPECT_EQ(dvd->trimEndTime(), 6u);

    // A square out of the middle of the picture as it is shown: the 4:3 title's pixels are
    // narrower than high, so the square is 540 of its 720 pixels wide and all 480 high.
    clickTab(*editor, DNVideoEditorController::kTabCrop);
    click(*editor, "cropCheck");
    pick(*editor, "cropPresetPopUp", 8);
    ASSERT_TRUE(waitFor([&] { return std::abs(editor->videoCropWidth() - 540) < 4; }, 60000));
    EXPECT_EQ(editor->videoCropHeight(), 480);
    saveEveryTab(*editor, QStringLiteral("dvd_edited"));

    ASSERT_TRUE(pressDone(*editor));
    const auto setting = title->setting();
    EXPECT_TRUE(setting->trimEnable());
    EXPECT_TRUE(setting->cropEnable());
    EXPECT_NEAR(setting->cropRectPercent().width, 540.0 / 720, 0.01);
    EXPECT_NEAR(setting->cropRectPercent().height, 1.0, 0.01);

    ASSERT_TRUE(batch.run());
    const QString output = title->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();
    EXPECT_NEAR(testsupport::durationOf(testsupport::ffprobe(output)), 4.0, 0.5);
    // Square as it is shown (its pixels may be stored in another shape).
    EXPECT_NEAR(shownAspect(output), 1.0, 0.02);
    // The disc's tone (the same in every title), louder by the road's gain for 200 %.
    const auto sourceLevel = testsupport::meanVolumeDb(testsupport::fixturePath(QStringLiteral("dvd/ntsc/VIDEO_TS/VTS_01_1.VOB")));
    const auto level = testsupport::meanVolumeDb(output);
    ASSERT_TRUE(sourceLevel && level);
    EXPECT_NEAR(*level - *sourceLevel, kDVDGainAt200Db, 1.5);
}
