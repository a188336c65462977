// A screen recording of a clock: a strip on the private X screen spells a time in black and white
// cells, and the clock notes when the X server really showed each time (see screen_clock.h). Each
// picture of the movie, read back, says which time the screen showed when it was taken, so its
// place in the movie is checked against when the screen showed that: never ahead of it, and a
// newly taken picture not behind it (a picture the engine repeats while it waits for the next,
// which a busy machine may make it do, shows the last screen it took). The movie starts when
// recording started, ends at Stop and holds every picture the engine had written by then. So a
// recorder whose pictures lag or lead, or are padded out to the recorded length, shows it, while a
// test clock or an engine that a busy machine lets run late does not. A click's ring, seen on the
// screen by the same reading back, is in the pictures taken while the screen showed it, and in none
// taken before or after (clock_recording.h).
#include "recorder_test_support.h"
#include "clock_recording.h"

#include "convert/capture/DNScreenRecorder.h"
#include "ui/recorder/DNClickMarker.h"

#include "support/process.h"

#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using namespace screenclock;

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
    ASSERT_TRUE(recordertest::waitFor([&] { return ringSeen(clock); })) << "the click's ring never showed on the screen";
    const double ringRecorded = recorder.recordedSeconds();
    ASSERT_TRUE(recordertest::waitFor([&] { return recordedAndWritten(std::max(3.0, ringRecorded + 1.5)); }));
    const double written = recorder.writtenSeconds();
    const qint64 stopFrom = clock.now();
    recorder.stopRecord();
    const qint64 stopTo = clock.now();
    ASSERT_TRUE(recordertest::waitFor([&] { return reports.finished.size() + reports.failed.size() > 0; }));
    ASSERT_EQ(reports.finished, QStringList{path}) << reports.failed.join(QLatin1Char(' ')).toStdString();
    const std::vector<Shown> screen = clock.shown();

    // What each picture shows of the clock, beside its time in the movie.
    const Recorded recorded = readRecording(path, stripAt - region.topLeft(), screen);
    ASSERT_GT(recorded.shows.size(), 50u);
    const std::vector<double> &times = recorded.times;
    const std::vector<size_t> &shows = recorded.shows;
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

    expectRingWhereTheScreenShowedIt(path, QRect(ringEdge.topLeft() - region.topLeft(), ringEdge.size()), screen, recorded);
}

} // namespace
