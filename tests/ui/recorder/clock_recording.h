#pragma once

// A screen recording read against the ScreenClock it recorded: which of the clock's times each
// picture holds, so when the picture was really taken, and whether a click's ring, seen by the
// clock's reading back of the screen, is in the pictures taken while the screen showed it.
#include "screen_clock.h"

#include "support/process.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace screenclock {

// Every picture of a movie cut to crop, bytesPerPixel bytes a pixel in pixelFormat, in order.
inline std::vector<QByteArray> moviePictures(const QString &movie, const QRect &crop, const QString &pixelFormat,
                                             int bytesPerPixel)
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
inline std::vector<double> pictureTimes(const QString &movie)
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

// The click ring's yellow in any pixel of a strip of step bytes a pixel, whose red and blue bytes
// stand at red and blue (green between them).
inline bool ringInPixels(const QByteArray &pixels, int step, int red, int blue)
{
    for (qsizetype at = 0; at + step <= pixels.size(); at += step) {
        const auto *px = reinterpret_cast<const uchar *>(pixels.constData() + at);
        if (px[red] > 180 && px[1] > 130 && px[blue] < 100)
            return true;
    }
    return false;
}

// In an RGB strip of a movie.
inline bool ringIn(const QByteArray &rgb)
{
    return ringInPixels(rgb, 3, 0, 2);
}

// In what the clock read back: the X server's 32-bit pixels (blue, green, red, unused).
inline bool ringOnScreen(const QByteArray &pixels)
{
    return ringInPixels(pixels, 4, 2, 0);
}

inline bool ringSeen(const ScreenClock &clock)
{
    const std::vector<Shown> screen = clock.shown();
    return std::any_of(screen.begin(), screen.end(), [](const Shown &s) { return ringOnScreen(s.watched); });
}

constexpr qint64 kNever = std::numeric_limits<qint64>::max() / 2;

// Milliseconds of the clock.
struct Span
{
    qint64 from;
    qint64 to;
};

// When the screen could have shown what the clock's entry at holds: from its asking until the next
// entry was confirmed (no end for the last).
inline Span screenSpan(const std::vector<Shown> &screen, size_t at)
{
    return {screen[at].asked, at + 1 < screen.size() ? screen[at + 1].confirmed : kNever};
}

// A movie's pictures: each one's time in the movie, and the clock's entry it shows.
struct Recorded
{
    std::vector<double> times;
    std::vector<size_t> shows;
};

// The pictures of a movie whose clock strip lies at strip (the movie's pixels). A picture that
// shows no time, or one the clock never drew, fails the test, and nothing is returned.
inline Recorded readRecording(const QString &movie, QPoint strip, const std::vector<Shown> &screen)
{
    Recorded recorded;
    recorded.times = pictureTimes(movie);
    const std::vector<QByteArray> strips = moviePictures(movie, QRect(strip, QSize(kWidth, kHeight)), QStringLiteral("gray"), 1);
    if (strips.size() != recorded.times.size()) {
        ADD_FAILURE() << strips.size() << " pictures decoded, " << recorded.times.size() << " in the movie";
        return {};
    }
    for (size_t k = 0; k < strips.size(); ++k) {
        const std::optional<qint64> at = ScreenClock::read(reinterpret_cast<const uchar *>(strips[k].constData()));
        const auto entry = std::lower_bound(screen.begin(), screen.end(), at.value_or(-1),
                                            [](const Shown &s, qint64 v) { return s.value < v; });
        if (!at || entry == screen.end() || entry->value != *at) {
            ADD_FAILURE() << "picture " << k << (at ? " shows a time never drawn" : " shows no time");
            return {};
        }
        recorded.shows.push_back(size_t(entry - screen.begin()));
    }
    return recorded;
}

// The ring at spot of the screen (the spot the clock watched; movieSpot in the movie's pixels):
// on the screen for sure from the first reading back that saw it to the last one, possibly from the
// reading back before until the one after. A picture taken while it surely showed holds it, and one
// taken when it could not have shown does not. (An engine that a busy machine left without a core
// for the ring's moment took no picture of it, and is not asked to.)
inline void expectRingWhereTheScreenShowedIt(const QString &movie, const QRect &movieSpot,
                                             const std::vector<Shown> &screen, const Recorded &recorded)
{
    size_t from = 0;
    while (from < screen.size() && !ringOnScreen(screen[from].watched))
        ++from;
    ASSERT_LT(from, screen.size()) << "the ring never showed on the screen";
    size_t to = from;
    while (to + 1 < screen.size() && ringOnScreen(screen[to + 1].watched))
        ++to;
    const Span sure{screen[from].confirmed, screen[to].asked};
    const Span possible{from > 0 ? screen[from - 1].asked : -kNever, to + 1 < screen.size() ? screen[to + 1].confirmed : kNever};
    const std::vector<QByteArray> rings = moviePictures(movie, movieSpot, QStringLiteral("rgb24"), 3);
    ASSERT_EQ(rings.size(), recorded.shows.size());
    for (size_t k = 0; k < rings.size(); ++k) {
        const Span taken = screenSpan(screen, recorded.shows[k]);
        if (ringIn(rings[k]))
            EXPECT_TRUE(taken.to > possible.from && taken.from < possible.to)
                << "picture " << k << " at " << recorded.times[k] << " s holds the ring, taken when the screen did not show it";
        else
            EXPECT_FALSE(taken.from >= sure.from && taken.to <= sure.to)
                << "picture " << k << " at " << recorded.times[k] << " s has no ring, taken while the screen showed it";
    }
}

} // namespace screenclock
