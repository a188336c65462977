// A screen recording of a clock: a strip on the private X screen spells a time in black and white
// cells, and the clock notes when the X server really showed each time (see screen_clock.h). Each
// picture of the movie, read back, says which time the screen showed when it was taken, so its
// place in the movie is checked against when the screen showed that: never ahead of it, and a
// newly taken picture not behind it (a picture the engine repeats while it waits for the next,
// which a busy machine may make it do, shows the last screen it took). The movie starts when
// recording started and ends at Stop with a picture of the screen at Stop. So a recorder whose
// pictures lag or lead, or are padded out to the recorded length, shows it, while a test clock
// that a busy machine lets draw late does not. A click's ring, seen on the screen by the same
// reading back, is in the pictures taken while the screen showed it, and in none taken before or
// after.
#include "recorder_test_support.h"
#include "screen_clock.h"

#include "convert/capture/DNScreenRecorder.h"
#include "ui/recorder/DNClickMarker.h"

#include "support/ffprobe.h"
#include "support/process.h"

#include <QTemporaryDir>

#include <algorithm>
#include <limits>

#include <gtest/gtest.h>

namespace {

using screenclock::ScreenClock;
using screenclock::Shown;

// How far a picture may be from the screen of its time: what a user would notice.
constexpr qint64 kFollowMs = 500;

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

// The ring's yellow.
bool ringColour(int red, int green, int blue)
{
    return red > 180 && green > 130 && blue < 100;
}

// The ring's yellow in any pixel of an RGB strip.
bool ringIn(const QByteArray &rgb)
{
    for (qsizetype at = 0; at + 2 < rgb.size(); at += 3) {
        const auto *px = reinterpret_cast<const uchar *>(rgb.constData() + at);
        if (ringColour(px[0], px[1], px[2]))
            return true;
    }
    return false;
}

// The ring's yellow in any pixel of the X server's 32-bit pixels (blue, green, red, unused).
bool ringOnScreen(const QByteArray &pixels)
{
    for (qsizetype at = 0; at + 3 < pixels.size(); at += 4) {
        const auto *px = reinterpret_cast<const uchar *>(pixels.constData() + at);
        if (ringColour(px[2], px[1], px[0]))
            return true;
    }
    return false;
}

constexpr qint64 kNever = std::numeric_limits<qint64>::max() / 2;

// When the screen could have shown what the clock's entry at holds: from its asking until the next
// entry was confirmed (no end for the last).
struct Span
{
    qint64 from;
    qint64 to;
};
Span screenSpan(const std::vector<Shown> &screen, size_t at)
{
    return {screen[at].asked, at + 1 < screen.size() ? screen[at + 1].confirmed : kNever};
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

TEST_F(RecordingClock, PicturesShowTheScreenOfTheirTimeAndAClickRingIsRecorded)
{
    // The recorded region; in it the clock at its top left and, to the right, the pad to click.
    const QRect region(100, 100, 640, 360);
    const QPoint stripAt = region.topLeft() + QPoint(10, 10);
    const QRect pad(region.x() + 400, region.y() + 150, 120, 120);
    const QPoint click = pad.center();
    // A few pixels across the ring's left edge (the pointer is drawn to the right of the click).
    const QRect ringEdge(click - QPoint(DNClickRing::kDiameter / 2 - 5 + 2, 0), QSize(5, 1));
    ScreenClock clock(stripAt, pad, ringEdge);
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

    // The movie's time zero lies between these two, and Stop between the other two. The test goes
    // by the recorded time and by the pictures the engine has written (one that a busy machine
    // starts or runs late writes them seconds after their time): the click comes once the engine
    // takes pictures, and Stop once it has written those of well after the ring.
    const auto recordedAndWritten = [&](double seconds) {
        return std::min(recorder.recordedSeconds(), recorder.writtenSeconds()) >= seconds;
    };
    const qint64 startedFrom = clock.now();
    recorder.startRecord(path);
    const qint64 startedTo = clock.now();
    ASSERT_TRUE(recordertest::waitFor([&] { return recordedAndWritten(1.5) || !reports.failed.isEmpty(); }));
    ASSERT_TRUE(reports.failed.isEmpty()) << reports.failed.join(QLatin1Char(' ')).toStdString();
    const testsupport::ProcessResult clicked = testsupport::runProcess(
        QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(click.x()),
                                    QString::number(click.y()), QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(clicked.exitCode, 0) << clicked.output.toStdString();
    ASSERT_TRUE(recordertest::waitFor([&] { return clock.clickedAt().has_value(); }));
    const auto ringShown = [&] {
        const std::vector<Shown> screen = clock.shown();
        return std::any_of(screen.begin(), screen.end(), [](const Shown &s) { return ringOnScreen(s.watched); });
    };
    ASSERT_TRUE(recordertest::waitFor(ringShown)) << "the click's ring never showed on the screen";
    const double ringRecorded = recorder.recordedSeconds();
    ASSERT_TRUE(recordertest::waitFor([&] { return recordedAndWritten(std::max(3.0, ringRecorded + 1.5)); }));
    const double written = recorder.writtenSeconds();
    const qint64 stopFrom = clock.now();
    recorder.stopRecord();
    const qint64 stopTo = clock.now();
    ASSERT_TRUE(recordertest::waitFor([&] { return reports.finished.size() + reports.failed.size() > 0; }));
    ASSERT_EQ(reports.finished, QStringList{path}) << reports.failed.join(QLatin1Char(' ')).toStdString();
    const std::vector<Shown> screen = clock.shown();

    // What each picture shows of the clock, beside its time in the movie; which of the clock's
    // times that is.
    const std::vector<double> times = pictureTimes(path);
    const std::vector<QByteArray> strips =
        pictures(path, QRect(stripAt - region.topLeft(), QSize(screenclock::kWidth, screenclock::kHeight)),
                 QStringLiteral("gray"), 1);
    ASSERT_GT(times.size(), 50u);
    ASSERT_EQ(strips.size(), times.size());
    std::vector<size_t> shows;
    for (size_t k = 0; k < strips.size(); ++k) {
        const std::optional<qint64> at = ScreenClock::read(reinterpret_cast<const uchar *>(strips[k].constData()));
        ASSERT_TRUE(at) << "picture " << k << " shows no time";
        const auto entry = std::lower_bound(screen.begin(), screen.end(), *at,
                                            [](const Shown &s, qint64 v) { return s.value < v; });
        ASSERT_TRUE(entry != screen.end() && entry->value == *at) << "picture " << k << " shows a time never drawn";
        shows.push_back(size_t(entry - screen.begin()));
    }
    for (size_t k = 1; k < shows.size(); ++k)
        EXPECT_GE(shows[k], shows[k - 1]) << "picture " << k << " goes back in time";
    const auto placeFrom = [&](size_t k) { return startedFrom + qint64(std::llround(times[k] * 1000)); };
    const auto placeTo = [&](size_t k) { return startedTo + qint64(std::llround(times[k] * 1000)); };

    // The engine takes its first picture a moment after recording started (seconds later on a
    // machine with every core busy); the movie holds that picture from time zero on, and every
    // picture from the last of those on stands at its own time.
    size_t first = 0;
    while (first + 1 < shows.size() && shows[first + 1] == shows[0])
        ++first;
    qint64 ahead = 0, behind = 0;
    size_t aheadAt = first, behindAt = first;
    for (size_t k = first; k < shows.size(); ++k) {
        const Span seen = screenSpan(screen, shows[k]);
        if (seen.from - placeTo(k) > ahead)
            ahead = seen.from - placeTo(k), aheadAt = k;
        const bool taken = k == first || shows[k] != shows[k - 1];
        if (taken && placeFrom(k) - seen.to > behind)
            behind = placeFrom(k) - seen.to, behindAt = k;
    }
    EXPECT_LE(ahead, kFollowMs) << "picture " << aheadAt << " at " << times[aheadAt]
                                << " s shows the screen of " << ahead << " ms after its time";
    EXPECT_LE(behind, kFollowMs) << "picture " << behindAt << " at " << times[behindAt]
                                 << " s shows the screen of " << behind << " ms before its time";
    // The movie lasts until Stop, and holds every picture the engine had written by then: the
    // last one taken is not before those (a movie padded with an older picture would be).
    const double frameMs = 1000.0 / 25;
    EXPECT_GE(placeFrom(times.size() - 1) + frameMs, stopFrom - kFollowMs) << "the movie ends before Stop";
    EXPECT_LE(placeTo(times.size() - 1), stopTo + kFollowMs) << "the movie goes on past Stop";
    size_t lastTaken = shows.size() - 1;
    while (lastTaken > first && shows[lastTaken] == shows[lastTaken - 1])
        --lastTaken;
    EXPECT_GE(times[lastTaken] * 1000 + 2 * frameMs, written * 1000)
        << "the last picture taken is at " << times[lastTaken] << " s, the engine had written " << written << " s";

    // The ring: on the screen for sure from the first reading back that saw it to the last one,
    // possibly from the reading back before until the one after. A picture taken while it surely
    // showed holds it, and one taken when it could not have shown does not. (An engine that a busy
    // machine left without a core for the ring's moment took no picture of it, and is not asked to.)
    size_t ringFrom = 0;
    while (ringFrom < screen.size() && !ringOnScreen(screen[ringFrom].watched))
        ++ringFrom;
    ASSERT_LT(ringFrom, screen.size());
    size_t ringTo = ringFrom;
    while (ringTo + 1 < screen.size() && ringOnScreen(screen[ringTo + 1].watched))
        ++ringTo;
    const Span sure{screen[ringFrom].confirmed, screen[ringTo].asked};
    const Span possible{ringFrom > 0 ? screen[ringFrom - 1].asked : -kNever,
                        ringTo + 1 < screen.size() ? screen[ringTo + 1].confirmed : kNever};
    const QPoint edge = ringEdge.topLeft() - region.topLeft();
    const std::vector<QByteArray> rings = pictures(path, QRect(edge, ringEdge.size()), QStringLiteral("rgb24"), 3);
    ASSERT_EQ(rings.size(), shows.size());
    for (size_t k = 0; k < rings.size(); ++k) {
        const Span taken = screenSpan(screen, shows[k]);
        if (ringIn(rings[k]))
            EXPECT_TRUE(taken.to > possible.from && taken.from < possible.to)
                << "picture " << k << " at " << times[k] << " s holds the ring, taken when the screen did not show it";
        else
            EXPECT_FALSE(taken.from >= sure.from && taken.to <= sure.to)
                << "picture " << k << " at " << times[k] << " s has no ring, taken while the screen showed it";
    }
}

} // namespace
