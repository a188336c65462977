#pragma once

#include "convert/capture/DNCapturePlan.h"
#include "convert/capture/DNRecordingFile.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/LineSplitter.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

// One ffmpeg run of a capture plan, owned by the thread that created it (the main thread for
// the windows). A worker thread starts the engine, reads its preview pictures, progress and
// level lines, and when the engine has ended finishes the movie it wrote (read to its end, then
// named, or removed); the results come back as signals on the owner's thread.
//
// A recording lasts from start() to stop() by the clock, whatever the engine's pace: its movie's
// time zero is the moment start() ran (DNCapturePlan::timelineOriginMicroseconds), and stop()
// lets the engine write what it took up to that moment, then ends it. The engine is ended as a
// user expects a recording to end: "q" on its standard input (ffmpeg closes the movie properly;
// what it had not written yet is left out), then SIGINT, then SIGKILL by its process id, each
// after a grace period.
class DNCaptureRun : public QObject
{
    Q_OBJECT
public:
    // Chooses the movie's own name when the run has ended (a recorder may name a movie by the
    // time it ends); called on the worker thread.
    using FinalPathChooser = std::function<QString()>;

    explicit DNCaptureRun(QObject *parent = nullptr);
    // Ends as finish() does.
    ~DNCaptureRun() override;

    // Starts the engine; false, with errorText() set, when it cannot be started. A plan with a
    // movie needs finalPath.
    bool start(const DNCapturePlan &plan, FinalPathChooser finalPath = {});
    // Ends the movie at this moment: the engine is ended once it has written the pictures taken
    // until now and has the sound heard until now, or kStopDrainMilliseconds later when it cannot
    // catch up (after its first pictures, when it had written none yet). A run without a movie
    // ends at once.
    void stop();
    // stop(), then blocks until the engine has ended and the movie is finished (the window or
    // the program going away).
    void finish();
    static constexpr int kStopDrainMilliseconds = 3000;
    // Blocks until the worker is done (the engine ended and the movie finished).
    void waitUntilEnded();

    bool isRunning() const { return running_.load(); }
    bool stopRequested() const { return stopRequested_.load(); }
    const DNCapturePlan &plan() const { return plan_; }
    QString errorText() const { return errorText_; }
    // The engine's process id while it runs, else -1.
    qint64 processID() const;
    // Seconds recorded: from start() until now, until stop() or until the movie's own limit,
    // whichever came first. The movie lasts as long, whenever the engine writes it.
    double recordedSeconds() const;
    // Seconds of movie the engine has written so far, from its progress.
    double writtenSeconds() const;

    struct Ending
    {
        int status = -1;          // the engine's exit status (128 + signal when one ended it)
        bool stopped = false;     // stop() was asked for
        QString errors;           // the engine's own messages
        bool hadMovie = false;
        DNRecordingFile::Outcome movie;
    };

Q_SIGNALS:
    // The newest preview picture; pictures that arrive while one waits to be shown are dropped.
    void previewFrame(const QImage &frame);
    void audioLevel(double decibels);
    void ended(const DNCaptureRun::Ending &ending);

private:
    void work(FinalPathChooser finalPath);
    void takeOutput(std::string_view chunk);
    void takeErrorLine(std::string_view line);
    qint64 elapsedMicroseconds() const;
    // Any thread: ends the engine once it has written up to the stop point (or the drain ran out).
    void checkStopPoint();
    void quitEngine();

    DNCapturePlan plan_;
    QString errorText_;
    std::unique_ptr<EngineProcess> process_;
    std::thread worker_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<qint64> framesWritten_{0};
    int movieFramesPerSecond_ = 30;
    // How far the movie's sound has come, in microseconds of the movie's time (-1: none yet).
    std::atomic<qint64> soundHeardMicroseconds_{-1};
    // Where the movie is to end, in microseconds of its time; -1: nowhere yet.
    std::atomic<qint64> stopPointMicroseconds_{-1};
    // When the engine is ended whether or not it has caught up (steady clock, milliseconds); 0: no limit.
    std::atomic<qint64> drainDeadline_{0};
    std::atomic<qint64> endedAtMicroseconds_{-1};
    std::atomic<bool> quitSent_{false};
    std::chrono::steady_clock::time_point startedAt_;
    std::atomic<bool> framePending_{false};
    QByteArray frameBuffer_;
    std::string errorLines_;
    OutputLineSplitter errorLineSplitter_;
};

Q_DECLARE_METATYPE(DNCaptureRun::Ending)
