// What the editor's pictures show and what the converted file then holds: a picture of
// non-square pixels (an anamorphic MPEG-2 file, a 16:9 DVD title) in both previews at its display
// shape with its crop still counted in source pixels; the black borders that "Remove Black
// Borders" finds gone from the converted file; and a typed text watermark whose box takes the
// whole text and whose converted text has the preview's shape. Media are authored here.
#include "video_editor_support.h"

#include "../mainwindow/main_window_fixture.h"
#include "../player/player_test_support.h"

#include "dvd/DNDVDNode.h"
#include "support/frames.h"
#include "support/process.h"
#include "ui/editor/controls/DNAreaSelectView.h"
#include "ui/editor/controls/DNWatermarkView.h"
#include "ui/editor/preview/NXEditMovieView.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using namespace editortest;

namespace {

constexpr int kCropTab = 3;

// Runs ffmpeg to author a clip; the arguments come after the input options' common head.
bool author(const QStringList &arguments)
{
    const testsupport::ProcessResult result = testsupport::runProcess(
        QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                                              QStringLiteral("-y")} + arguments);
    EXPECT_EQ(result.exitCode, 0) << result.output.constData();
    return result.finished && result.exitCode == 0;
}

QImage imageOf(const testsupport::Frame &frame)
{
    return QImage(reinterpret_cast<const uchar *>(frame.rgb.constData()), frame.width, frame.height,
                  frame.width * 3, QImage::Format_RGB888)
        .copy();
}

// A 4 s H.264 clip of the lavfi picture source through filters, with a tone, at dir/name.
QString authorClip(const QTemporaryDir &dir, const char *name, const QString &source, const QString &filters = {})
{
    const QString clip = dir.filePath(QString::fromLatin1(name));
    const QString video =
        source + QStringLiteral(":rate=25:duration=4") + (filters.isEmpty() ? QString() : QLatin1Char(',') + filters);
    const bool made = author({"-f", "lavfi", "-i", video, "-f", "lavfi", "-i",
                              "sine=frequency=440:sample_rate=48000:duration=4", "-c:v", "libx264", "-preset",
                              "veryfast", "-pix_fmt", "yuv420p", "-g", "5", "-c:a", "aac", "-shortest", clip});
    return made ? clip : QString();
}

// An authored clip in the main window's list, converted to H.264 in MP4, opened in the editor
// with its Edit command.
struct ClipInEditor
{
    Batch batch;
    DNFileNodePtr file;
    DNVideoEditorController *editor = nullptr;

    explicit ClipInEditor(const QString &clip)
    {
        if (!clip.isEmpty())
            file = batch.addFileAt(clip, "Video_MP4_H264.plist");
        if (file)
            editor = editFromList(batch, file);
    }
};

// Convert runs the list; a frame of file's output, saved as name for the eye.
std::optional<testsupport::Frame> convertedFrame(Batch &batch, const DNFileNodePtr &file, const QString &name)
{
    if (!batch.run())
        return std::nullopt;
    const QString output = file->outputName();
    EXPECT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    auto frame = testsupport::grabFrame(output, 1.0);
    if (frame)
        imageOf(*frame).save(testsupport::buildDir() + QStringLiteral("/test-output/ui_editor/") + name
                             + QStringLiteral(".png"));
    return frame;
}

// The bounding box of the pixels of image that match.
QRect boundsOf(const QImage &image, const std::function<bool(QColor)> &matches)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (matches(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool white(QColor c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}

bool notBlack(QColor c)
{
    return c.red() + c.green() + c.blue() > 60;
}

bool red(QColor c)
{
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}

double aspectOf(QSizeF size)
{
    return size.width() / size.height();
}

// The mean of red, green and blue summed, over one row or one column of a frame.
int lineLevel(const testsupport::Frame &frame, bool row, int at)
{
    const testsupport::Rgb mean = row ? frame.mean(0, at, frame.width, 1) : frame.mean(at, 0, 1, frame.height);
    return mean.red + mean.green + mean.blue;
}

} // namespace

// A 16:9 picture stored in 720 x 576 pixels: the file holds a white square as it is shown (202
// stored pixels wide, 288 high, 288 wide once shown); the DVD title is the authored PAL disc's.
TEST(VideoEditorPictures, NonSquarePixelsAreShownInTheirDisplayShapeAndCroppedInSourcePixels)
{
    QTemporaryDir dir;
    const QString anamorphic = dir.filePath(QStringLiteral("anamorphic.mpg"));
    ASSERT_TRUE(author({"-f", "lavfi", "-i",
                        "color=black:size=720x576:rate=25:duration=4,drawbox=x=259:y=144:w=202:h=288:color=white:t=fill",
                        "-aspect", "16:9", "-c:v", "mpeg2video", "-q:v", "2", anamorphic}));
    auto dvd = std::dynamic_pointer_cast<DNDVDNode>(playertest::dvdItem(QStringLiteral("dvd/pal")));
    ASSERT_TRUE(dvd);
    dvd->setTitleSelected(1);

    struct Case { const char *name; NXMediaNodePtr item; bool square; };
    const Case cases[] = {
        {"anamorphic_file", fileNodeWithFile(anamorphic, false), true},
        {"dvd_16_9", dvd, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.item);
        EditorWindow w;
        w.open(c.item, kCropTab);
        ASSERT_TRUE(playing(w.editor));
        click(w.editor, "cropCheck");
        pick(w.editor, "cropPresetPopUp", 0);
        w.editor.resetVideoCrop();
        uitest::serve(300);
        saveEditorPicture(w.editor, QString::fromLatin1(c.name));

        // Both previews get the picture at 16:9; the crop box lies over all of it.
        for (NXEditMovieView *view : {w.editor.originalView(), w.editor.effectPreview()}) {
            EXPECT_NEAR(aspectOf(view->currentVideoFrame().size()), 16.0 / 9, 0.03);
            uitest::savePicture(view, QStringLiteral("ui_editor"), QString::fromLatin1(c.name) + QLatin1Char('_')
                                                                      + view->objectName());
            // The picture alone, without the boxes over it.
            QImage shown(view->size(), QImage::Format_RGB32);
            view->render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            if (c.square) {
                // What the user sees: the square is square.
                const QRect square = boundsOf(shown, white);
                ASSERT_FALSE(square.isEmpty());
                EXPECT_NEAR(aspectOf(square.size()), 1.0, 0.06) << square.width() << "x" << square.height();
            } else {
                EXPECT_NEAR(aspectOf(boundsOf(shown, notBlack).size()), 16.0 / 9, 0.04);
            }
        }
        EXPECT_NEAR(aspectOf(w.editor.selectionView()->size()), 16.0 / 9, 0.03);

        // The crop counts the source's pixels: the whole picture is 720 x 576, and half its
        // width typed in is half the box.
        EXPECT_EQ(w.editor.videoCropWidth(), 720);
        EXPECT_EQ(w.editor.videoCropHeight(), 576);
        w.editor.setVideoCropWidth(360);
        EXPECT_NEAR(w.editor.selectionView()->selectionAreaPercentage().width(), 0.5, 0.01);
        EXPECT_EQ(w.editor.videoCropWidth(), 360);
        w.editor.onEditorDone();
        const DNEditedItem item(c.item);
        EXPECT_NEAR(item.cropRect().width(), 360, 2);
        EXPECT_NEAR(item.cropRect().height(), 576, 2);
    }
}

// A 640 x 480 clip whose 640 x 272 picture lies between black bands, in the middle and off it:
// "Remove Black Borders" proposes the picture alone, and the converted file has no black row.
TEST(VideoEditorPictures, RemovedBlackBordersLeaveNoBlackLineInTheConvertedFile)
{
    for (const int top : {104, 88}) {
        SCOPED_TRACE("picture from row " + std::to_string(top));
        QTemporaryDir dir;
        ClipInEditor c(authorClip(dir, "scope.mp4", QStringLiteral("testsrc2=size=640x272"),
                                  QStringLiteral("pad=640:480:0:%1:black").arg(top)));
        ASSERT_TRUE(c.editor);
        DNVideoEditorController *editor = c.editor;
        const DNFileNodePtr file = c.file;
        clickTab(*editor, DNVideoEditorController::kTabCrop);
        click(*editor, "cropCheck");
        pick(*editor, "cropPresetPopUp", 1);
        ASSERT_TRUE(waitFor([&] { return file->isCropLetterboxAuto(); }, 60000));
        uitest::serve(100);
        saveEditorPicture(*editor, QStringLiteral("black_borders_%1").arg(top));

        // The proposal lies inside the picture and keeps nearly all of it.
        const float cropTop = editor->videoCropOriginTop();
        EXPECT_GE(cropTop, top);
        EXPECT_LE(cropTop + editor->videoCropHeight(), top + 272);
        EXPECT_GE(editor->videoCropHeight(), 264);
        EXPECT_EQ(editor->videoCropWidth(), 640);

        ASSERT_TRUE(pressDone(*editor));
        const auto frame = convertedFrame(c.batch, file, QStringLiteral("black_borders_%1_output").arg(top));
        ASSERT_TRUE(frame);
        EXPECT_GE(frame->height, 264);
        // No black line at any edge: testsrc2's bars make every line of the picture bright.
        for (const int row : {0, 1, frame->height - 2, frame->height - 1})
            EXPECT_GT(lineLevel(*frame, true, row), 150) << "row " << row;
        for (const int column : {0, frame->width - 1})
            EXPECT_GT(lineLevel(*frame, false, column), 150) << "column " << column;
    }
}

// A typed text, finished with Return: the box takes the whole text's shape as measured for the
// box, the size fields show the box, and the converted file shows the text in the shape and
// place the processed preview showed it.
TEST(VideoEditorPictures, ATypedTextSizesItsBoxAndTheFileShowsItAsThePreviewDoes)
{
    QTemporaryDir dir;
    ClipInEditor c(authorClip(dir, "grey.mp4", QStringLiteral("color=gray:size=640x480")));
    ASSERT_TRUE(c.editor);
    DNVideoEditorController *editor = c.editor;
    const DNFileNodePtr file = c.file;

    clickTab(*editor, DNVideoEditorController::kTabWatermark);
    click(*editor, "watermarkCheck");
    click(*editor, "watermarkTextRadio");
    click(*editor, "watermarkFontButton");
    auto *fonts = editor->panel()->findChild<QFontDialog *>(QStringLiteral("watermarkFontPanel"));
    ASSERT_TRUE(fonts);
    auto *colourButton = fonts->findChild<QPushButton *>(QStringLiteral("watermarkColourButton"));
    ASSERT_TRUE(colourButton);
    QTest::mouseClick(colourButton, Qt::LeftButton);
    auto *colours = fonts->findChild<QColorDialog *>(QStringLiteral("watermarkColourPanel"));
    ASSERT_TRUE(colours);
    colours->setCurrentColor(QColor(255, 0, 0));
    fonts->reject();
    editor->control<QSlider>("transparencySlider")->setValue(0);

    const QString text = QStringLiteral("WATERMARK TEST");
    QLineEdit *input = editor->watermarkTextInput();
    QTest::mouseClick(input, Qt::LeftButton);
    QTest::keyClicks(input, text);
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(file->textOfWatermark(), text);
    // Return finished the text, and left the sheet open.
    EXPECT_TRUE(editor->panel()->isVisible());

    // The box has the whole text's shape (as measured for the box: the system font at 52).
    QFont measure = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    measure.setPixelSize(DNWatermarkView::kMeasureSize);
    const QSizeF measured = QFontMetricsF(measure).size(0, text);
    const QRectF box = editor->watermark()->selectionArea();
    EXPECT_NEAR(aspectOf(box.size()) / aspectOf(measured), 1.0, 0.03)
        << box.width() << "x" << box.height() << " for " << measured.width() << "x" << measured.height();
    // The size fields show the box in the picture's pixels.
    const double pixelsPerPoint = 640.0 / editor->watermark()->width();
    EXPECT_NEAR(editor->control<QSpinBox>("watermarkWidth")->value(), box.width() * pixelsPerPoint, 1.5);
    EXPECT_NEAR(editor->control<QSpinBox>("watermarkHeight")->value(), box.height() * pixelsPerPoint, 1.5);

    // The text as the processed preview shows it, in fractions of the picture it lies on.
    uitest::serve(200);
    saveEditorPicture(*editor, QStringLiteral("text_watermark"));
    const QImage shown = editor->effectPreview()->grab().toImage();
    const QRect picture = editor->watermark()->geometry();
    const QRect previewText = boundsOf(shown.copy(picture), red);
    ASSERT_FALSE(previewText.isEmpty());
    // Over the playing picture, not over an empty view.
    EXPECT_NEAR(QColor(shown.pixel(picture.center().x(), picture.top() + 4)).red(), 128, 12);

    ASSERT_TRUE(pressDone(*editor));
    const auto frame = convertedFrame(c.batch, file, QStringLiteral("text_watermark_output"));
    ASSERT_TRUE(frame);
    const QImage converted = imageOf(*frame);
    const QRect outputText = boundsOf(converted, red);
    ASSERT_FALSE(outputText.isEmpty());

    EXPECT_NEAR(aspectOf(outputText.size()) / aspectOf(previewText.size()), 1.0, 0.06)
        << "output " << outputText.width() << "x" << outputText.height() << ", preview " << previewText.width()
        << "x" << previewText.height();
    const auto fraction = [](int v, int whole) { return double(v) / whole; };
    EXPECT_NEAR(fraction(outputText.x(), converted.width()), fraction(previewText.x(), picture.width()), 0.02);
    EXPECT_NEAR(fraction(outputText.y(), converted.height()), fraction(previewText.y(), picture.height()), 0.02);
    EXPECT_NEAR(fraction(outputText.width(), converted.width()), fraction(previewText.width(), picture.width()), 0.02);
    EXPECT_NEAR(fraction(outputText.height(), converted.height()), fraction(previewText.height(), picture.height()),
                0.02);
}
