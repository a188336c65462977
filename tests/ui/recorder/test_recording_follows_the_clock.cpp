// A screen recording of a clock: a strip on the private X screen spells the wall clock in black
// and white cells, and each picture of the movie, read back, says when it was taken. The movie's
// pictures follow the wall clock (never back, each within half a second of its place in the
// movie, the last one within half a second of Stop), so a recorder whose pictures lag, stall or
// are padded out to the recorded length shows it; and a click's ring is in the pictures taken
// soon after the click, by the same clock.
#include "recorder_test_support.h"
#include "screen_clock.h"

#include "convert/capture/DNScreenRecorder.h"
#include "ui/recorder/DNClickMarker.h"

#include "support/ffprobe.h"
#include "support/process.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using screenclock::ScreenClock;

// How far a picture may be from the wall clock: what a user would notice.
constexpr qint64 kFollowMs = 500;
// How soon after the click its ring shows in the recording.
constexpr qint64 kRingMs = 500;

struct Reports : DNScreenRecorderDelegate
{
    QStringList finished;
    QStringList failed;
    void screenRecorderDidFinishRecordingToOutputFileURL(DNScreenRecorder *, const QString &path) override
    {
        finished << path;
    }
    void screenRecorderDidFailRecording(DNScreenRecorder *, const QString &path, const QString &problem) override
    {
        failed << path + QStringLiteral(": ") + problem;
    }
};

// Every picture of a movie cut to crop, bytesPerPixel bytes a pixel in pixelFormat, in order.
std::vector<QByteArray> pictures(const QString &movie, const QRect &crop, const QString &pixelFormat, int bytesPerPixel)
{
    const testsupport::ProcessResult decoded = testsupport::runProcess(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("quiet"), QStringLiteral("-i"), movie,
         QStringLiteral("-vf"),
         QStringLiteral("format=%5,crop=%1:%2:%3:%4")
             .arg(crop.width())
             .arg(crop.height())
             .arg(crop.x())
             .arg(crop.y())
             .arg(pixelFormat),
         QStringLiteral("-fps_mode"), QStringLiteral("passthrough"), QStringLiteral("-f"), QStringLiteral("rawvideo"),
         QStringLiteral("-pix_fmt"), pixelFormat, QStringLiteral("-")});
    const qsizetype size = qsizetype(crop.width()) * crop.height() * bytesPerPixel;
    std::vector<QByteArray> all;
    for (qsizetype at = 0; at + size <= decoded.output.size(); at += size)
        all.push_back(decoded.output.mid(at, size));
    return all;
}

// The time of every picture in the movie, in seconds of the movie.
std::vector<double> pictureTimes(const QString &movie)
{
    const testsupport::ProcessResult probe = testsupport::runProcess(
        QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                    QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                    QStringLiteral("frame=best_effort_timestamp_time"), QStringLiteral("-of"),
                                    QStringLiteral("csv=p=0"), movie});
    std::vector<double> times;
    for (const QByteArray &line : probe.output.split('\n'))
        if (!line.trimmed().isEmpty())
            times.push_back(line.trimmed().toDouble());
    return times;
}

// The ring's yellow in any pixel of an RGB strip.
bool ringIn(const QByteArray &rgb)
{
    for (qsizetype at = 0; at + 2 < rgb.size(); at += 3) {
        const auto *px = reinterpret_cast<const uchar *>(rgb.constData() + at);
        if (px[0] > 180 && px[1] > 130 && px[2] < 100)
            return true;
    }
    return false;
}

class RecordingClock : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordertest::app();
        if (!recordertest::onX11())
            GTEST_SKIP() << "no private X server";
    }
};

TEST_F(RecordingClock, PicturesFollowTheWallClockAndAClickRingsAtOnce)
{
    // The recorded region; in it the clock at its top left and, to the right, the pad to click.
    const QRect region(100, 100, 640, 360);
    const QPoint stripAt = region.topLeft() + QPoint(10, 10);
    const QRect pad(region.x() + 400, region.y() + 150, 120, 120);
    const QPoint click = pad.center();
    ScreenClock clock(stripAt, pad);
    ASSERT_TRUE(clock.isShowing()) << "no X connection for the clock";

    DNClickMarker marker;
    Reports reports;
    DNScreenRecorder recorder;
    ASSERT_TRUE(recorder.hasCaptureSession());
    recorder.setDelegate(&reports);
    recorder.setClickMarker(&marker);
    recorder.setCaptureMouseClicks(true);
    recorder.setSessionPreset(DNSessionPreset::High);
    recorder.addDislayInputTocaptureSession(DNScreenRecorder::kMainDisplayID, region);
    recorder.setMaxScreenInputFramerate(25);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("clock.mov"));

    const qint64 started = clock.now();
    recorder.startRecord(path);
    ASSERT_TRUE(recordertest::waitFor([&] { return recorder.recordedSeconds() >= 1.5 || !reports.failed.isEmpty(); }));
    ASSERT_TRUE(reports.failed.isEmpty()) << reports.failed.join(QLatin1Char(' ')).toStdString();
    const testsupport::ProcessResult clicked = testsupport::runProcess(
        QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(click.x()),
                                    QString::number(click.y()), QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(clicked.exitCode, 0) << clicked.output.toStdString();
    ASSERT_TRUE(recordertest::waitFor([&] { return clock.clickedAt().has_value(); }));
    const double clickRecorded = recorder.recordedSeconds();
    ASSERT_TRUE(recordertest::waitFor([&] { return recorder.recordedSeconds() >= std::max(3.0, clickRecorded + 1.5); }));
    const qint64 stopped = clock.now();
    recorder.stopRecord();
    ASSERT_TRUE(recordertest::waitFor([&] { return reports.finished.size() + reports.failed.size() > 0; }));
    ASSERT_EQ(reports.finished, QStringList{path}) << reports.failed.join(QLatin1Char(' ')).toStdString();

    // What each picture shows of the clock, beside its time in the movie.
    const std::vector<double> times = pictureTimes(path);
    const std::vector<QByteArray> strips =
        pictures(path, QRect(stripAt - region.topLeft(), QSize(screenclock::kWidth, screenclock::kHeight)),
                 QStringLiteral("gray"), 1);
    ASSERT_GT(times.size(), 50u);
    ASSERT_EQ(strips.size(), times.size());
    std::vector<qint64> shown;
    for (size_t k = 0; k < strips.size(); ++k) {
        const std::optional<qint64> at = ScreenClock::read(reinterpret_cast<const uchar *>(strips[k].constData()));
        ASSERT_TRUE(at) << "picture " << k << " shows no time";
        shown.push_back(*at);
    }
    for (size_t k = 1; k < shown.size(); ++k)
        EXPECT_GE(shown[k], shown[k - 1]) << "picture " << k << " goes back in time";
    // Time zero of the movie is the moment recording started. The engine takes its first
    // picture a moment later (seconds later on a machine with every core busy); the movie holds
    // that picture from time zero on, and every picture after it is taken at its own time.
    size_t first = 0;
    while (first + 1 < shown.size() && shown[first + 1] == shown[0])
        ++first;
    qint64 worst = 0;
    size_t worstAt = first;
    for (size_t k = first; k < shown.size(); ++k) {
        const qint64 off = std::llabs(shown[k] - (started + qint64(std::llround(times[k] * 1000))));
        if (off > worst)
            worst = off, worstAt = k;
    }
    EXPECT_LE(worst, kFollowMs) << "picture " << worstAt << " at " << times[worstAt] << " s shows "
                                << shown[worstAt] - started << " ms after the start";
    EXPECT_LE(std::llabs(shown.back() - stopped), kFollowMs)
        << "the last picture shows " << shown.back() << " ms, Stop came at " << stopped << " ms";

    // The ring's yellow on its left edge (the pointer is drawn to the right of the click).
    const QPoint edge = click - region.topLeft() - QPoint(DNClickRing::kDiameter / 2 - 5, 0);
    const std::vector<QByteArray> rings = pictures(path, QRect(edge - QPoint(2, 0), QSize(5, 1)), QStringLiteral("rgb24"), 3);
    ASSERT_EQ(rings.size(), shown.size());
    size_t ringAt = 0;
    while (ringAt < rings.size() && !ringIn(rings[ringAt]))
        ++ringAt;
    ASSERT_LT(ringAt, rings.size()) << "no ring in the recording";
    const qint64 clickedAt = *clock.clickedAt();
    EXPECT_GE(shown[ringAt], clickedAt - 40) << "a ring before the click";
    EXPECT_LE(shown[ringAt] - clickedAt, kRingMs) << "the ring shows " << shown[ringAt] - clickedAt << " ms after the click";
}

} // namespace
