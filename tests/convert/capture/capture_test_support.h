#pragma once

// What the capture tests share: waiting on the event loop for what the engine's worker reports,
// and what a finished recording must be.
#include "support/eventloop.h"
#include "support/ffprobe.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace capturetest {

// Serves events until done() holds; false after a generous limit (a hang, not a speed measure).
inline bool waitFor(const std::function<bool()> &done, int limitMs = 60000)
{
    testsupport::application();
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// A movie lasts as long as the recorder recorded (its own clock when it was stopped, never the
// test's), within the half second a user may notice, at the rate asked for: one picture every
// 1/rate seconds. Its sound, when it has some, runs to the movie's end.
inline void expectRecordedLength(const QString &movie, double recordedSeconds, int framesPerSecond)
{
    SCOPED_TRACE(movie.toStdString());
    const QJsonObject probe = testsupport::ffprobe(movie);
    const double length = testsupport::durationOf(probe);
    EXPECT_NEAR(length, recordedSeconds, 0.5);
    const QJsonObject video = testsupport::firstStream(probe, QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("avg_frame_rate")).toString(), QStringLiteral("%1/1").arg(framesPerSecond));
    EXPECT_NEAR(video.value(QStringLiteral("nb_frames")).toString().toDouble(),
                video.value(QStringLiteral("duration")).toString().toDouble() * framesPerSecond, 1.5);
    const QJsonObject audio = testsupport::firstStream(probe, QStringLiteral("audio"));
    if (!audio.isEmpty()) {
        const double end = audio.value(QStringLiteral("start_time")).toString().toDouble()
                           + audio.value(QStringLiteral("duration")).toString().toDouble();
        EXPECT_NEAR(end, recordedSeconds, 0.5);
    }
}

} // namespace capturetest
