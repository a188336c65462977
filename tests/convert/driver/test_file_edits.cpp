// The user's edits of a media file, each measured in the converted output: trim (length), crop
// (size), turns and mirror (size and a corner's colour), volume (mean level against the
// source's), burnt-in subtitles (text appears in the picture's lower part), text and picture
// watermarks (their rectangle changes); and items the road refuses with a log line.

#include "FileRoadTestSupport.h"

#include "support/testname.h"

#include <QImage>
#include <QTemporaryDir>

#include <cmath>

using namespace fileroadtest;
using testsupport::Rgb;

namespace {

// The quadrant fixture's colours: red full on the left, green full at the top, blue 128.
const Rgb kTopLeft{255, 255, 128}, kTopRight{0, 255, 128}, kBottomLeft{255, 0, 128}, kBottomRight{0, 0, 128};

bool near(const Rgb &a, const Rgb &b)
{
    return std::abs(a.red - b.red) < 40 && std::abs(a.green - b.green) < 40 && std::abs(a.blue - b.blue) < 40;
}

std::string text(const Rgb &c)
{
    return "(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

// Pixels brighter than the grey movie by far, in a rectangle of a frame.
int brightPixels(const testsupport::Frame &frame, int x, int y, int w, int h)
{
    int count = 0;
    for (int yy = y; yy < y + h && yy < frame.height; ++yy)
        for (int xx = x; xx < x + w && xx < frame.width; ++xx) {
            const Rgb p = frame.pixel(xx, yy);
            count += (p.red + p.green + p.blue) / 3 > 150 ? 1 : 0;
        }
    return count;
}

using FileEdits = FileRoadTest;

} // namespace

TEST_F(FileEdits, TrimKeepsTheChosenSeconds)
{
    const QString output = convertWith("fileroad/h264_aac.mp4", [](DNFileNode &item) {
        item.setEnableTrimming(true);
        item.setTrimStartTime(1);
        item.setTrimEndTime(3);
    });
    EXPECT_NEAR(durationOf(testsupport::ffprobe(output)), 2.0, 0.3);
}

TEST_F(FileEdits, CropKeepsTheRectangle)
{
    // The top-left quarter, given as the editor gives it (fractions from the bottom edge).
    const QString output = convertWith("fileroad/quadrants.mp4", [](DNFileNode &item) {
        item.setEnableCrop(true);
        item.setting()->setCropRectPercent({0.0f, 0.5f, 0.5f, 0.5f});
    });
    const auto frame = testsupport::grabFrame(output, 1.0);
    ASSERT_TRUE(frame);
    EXPECT_EQ(QSize(frame->width, frame->height), QSize(160, 120));
    for (const auto &corner : {frame->mean(0, 0, 8, 8), frame->mean(152, 112, 8, 8)})
        EXPECT_TRUE(near(corner, kTopLeft)) << text(corner);
}

TEST_F(FileEdits, TurnsAndMirrorMoveTheCorners)
{
    struct Row { int rotation; bool mirror; QSize size; Rgb topLeft; };
    const Row rows[] = {
        {90, false, {240, 320}, kBottomLeft},
        {180, false, {320, 240}, kBottomRight},
        {270, false, {240, 320}, kTopRight},
        {0, true, {320, 240}, kTopRight},
        // Mirrored left to right as the editor's preview shows it, after the turn.
        {90, true, {240, 320}, kTopLeft},
        {180, true, {320, 240}, kBottomLeft},
        {270, true, {240, 320}, kBottomRight},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::to_string(row.rotation) + (row.mirror ? " mirrored" : ""));
        const QString output = convertWith("fileroad/quadrants.mp4", [&](DNFileNode &item) {
            item.setRotationAngle(row.rotation);
            item.setMirror(row.mirror);
        });
        const auto frame = testsupport::grabFrame(output, 1.0);
        ASSERT_TRUE(frame);
        EXPECT_EQ(QSize(frame->width, frame->height), row.size);
        const Rgb corner = frame->mean(0, 0, 8, 8);
        EXPECT_TRUE(near(corner, row.topLeft)) << text(corner);
    }
}

TEST_F(FileEdits, VolumeScalesTheLevel)
{
    const QString source = testsupport::fixturePath(QStringLiteral("fileroad/quadrants.mp4"));
    const auto sourceLevel = testsupport::meanVolumeDb(source);
    ASSERT_TRUE(sourceLevel);
    struct Row { quint32 volume; double gainDb; };
    for (const Row &row : {Row{0, -200}, Row{50, -6.02}, Row{100, 0}, Row{200, 6.02}}) {
        SCOPED_TRACE(row.volume);
        const QString output = convertWith("fileroad/quadrants.mp4", [&](DNFileNode &item) { item.setGeneralVolume(row.volume); });
        const auto level = testsupport::meanVolumeDb(output);
        ASSERT_TRUE(level);
        if (row.volume == 0)
            EXPECT_LT(*level, -70.0);
        else
            EXPECT_NEAR(*level - *sourceLevel, row.gainDb, 1.0);
    }
}

// Subtitles from a text stream of every kind a movie holds (SubRip, ASS and WebVTT in Matroska,
// the timed text of MP4 and QuickTime) and from side-car files in three character sets are burnt
// into the lower part of the picture; the same conversion without one leaves it plain.
TEST_F(FileEdits, SubtitlesAreBurntIn)
{
    const QString plain = convertWith("fileroad/sidecar/movie.mp4", [](DNFileNode &item) {
        item.setting()->setSubtitleIndex(-1);
    });
    const auto plainFrame = testsupport::grabFrame(plain, 1.5);
    ASSERT_TRUE(plainFrame);
    EXPECT_EQ(brightPixels(*plainFrame, 0, 160, 320, 80), 0);

    struct Row { const char *name; const char *source; const char *sideCar; };
    const Row rows[] = {
        {"inner text stream", "fileroad/subtitle.mkv", ""},
        {"ASS stream", "fileroad/ass.mkv", ""},
        {"WebVTT stream", "fileroad/webvtt.mkv", ""},
        {"MP4 timed text", "fileroad/timedtext.mp4", ""},
        {"QuickTime timed text", "fileroad/timedtext.mov", ""},
        {"UTF-8 file", "fileroad/sidecar/movie.mp4", "movie.srt"},
        {"UTF-16 file", "fileroad/sidecar/movie.mp4", "movie.utf16.srt"},
        {"GB18030 file", "fileroad/sidecar/movie.mp4", "movie.gb18030.srt"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString output = convertWith(row.source, [&](DNFileNode &item) {
            const int index = subtitleIndexOf(item, row.sideCar);
            ASSERT_GE(index, 0);
            item.setting()->setSubtitleIndex(index);
        });
        const auto frame = testsupport::grabFrame(output, 1.5);
        ASSERT_TRUE(frame);
        EXPECT_GT(brightPixels(*frame, 0, 160, 320, 80), 100);
        EXPECT_EQ(brightPixels(*frame, 0, 0, 320, 120), 0);
    }
}

TEST_F(FileEdits, WatermarksLandInTheirRectangle)
{
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QImage picture(64, 32, QImage::Format_ARGB32);
    picture.fill(QColor(250, 250, 250));
    ASSERT_TRUE(picture.save(logo));

    struct Row { const char *name; quint32 type; };
    for (const Row &row : {Row{"picture", 0}, Row{"text", 1}}) {
        SCOPED_TRACE(row.name);
        // The top-right quarter of the frame, drawn nearly opaque.
        const QString output = convertWith("fileroad/sidecar/movie.mp4", [&](DNFileNode &item) {
            item.setEnableWatermark(true);
            item.setTypeOfWatermark(row.type);
            item.setImagePathOfWatermark(logo);
            item.setTextOfWatermark(QStringLiteral("TALVANE"));
            item.setTextWatermarkColor(DNColor::rgb(255, 255, 255));
            item.setWatermarkTransparency(5);
            item.setting()->setWatermarkRectPercent({0.5f, 0.5f, 0.5f, 0.5f});
        });
        const auto frame = testsupport::grabFrame(output, 1.0);
        ASSERT_TRUE(frame);
        EXPECT_GT(brightPixels(*frame, 160, 0, 160, 120), 200);
        EXPECT_EQ(brightPixels(*frame, 0, 0, 160, 240), 0);
        EXPECT_EQ(brightPixels(*frame, 160, 124, 160, 116), 0);
    }
}

// What cannot be converted fails the pass with a log line; the program goes on.
TEST_F(FileEdits, MissingTracksAndAudioOnlyFilesFailWithAReason)
{
    QString error;
    EXPECT_FALSE(fileNodeWithFile(testsupport::fixturePath(QStringLiteral("fileroad/tone.m4a")), false, &error));
    EXPECT_TRUE(error.contains(QLatin1String("no video stream"))) << error.toStdString();

    DNFileNodePtr item = loadFile(QStringLiteral("fileroad/h264_aac.mp4"));
    ASSERT_TRUE(item);
    item->setting()->setAudioIndex(4);
    EXPECT_EQ(convert(item.get()), ConvertResultFailed);
    EXPECT_TRUE(readText(logFile).contains(QLatin1String("has no audio track 4"))) << readText(logFile).toStdString();

    item = loadFile(QStringLiteral("fileroad/h264_aac.mp4"));
    item->setting()->setVideoIndex(2);
    EXPECT_EQ(convert(item.get()), ConvertResultFailed);
    EXPECT_TRUE(readText(logFile).contains(QLatin1String("has no video track 2")));

    // A profile naming a builder the table does not have.
    item = loadFile(QStringLiteral("fileroad/h264_aac.mp4"));
    item->profile()->setArgvAssembler(QStringLiteral("Video_To_Nothing_With_AVEncoder"));
    EXPECT_EQ(convert(item.get()), ConvertResultFailed);
    EXPECT_TRUE(readText(logFile).contains(QLatin1String("cannot find argument assember")));
    EXPECT_TRUE(filesIn(out.path()).isEmpty());
    EXPECT_EQ(DNVideoConverterState().running, 0);
}
