#pragma once

#include "convert/capture/DNCapturePlan.h"
#include "convert/capture/DNRecordingFile.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class EngineProcess;

// One ffmpeg run of a capture plan, owned by the thread that created it (the main thread for
// the windows). A worker thread starts the engine, reads its preview pictures, progress and
// level lines, and when the engine has ended finishes the movie it wrote (read to its end, then
// named, or removed); the results come back as signals on the owner's thread.
//
// stop() ends the engine as a user expects a recording to end: "q" on its standard input
// (ffmpeg closes the movie properly), then SIGINT, then SIGKILL by its process id, each after a
// grace period.
class DNCaptureRun : public QObject
{
    Q_OBJECT
public:
    // Chooses the movie's own name when the run has ended (a recorder may name a movie by the
    // time it ends); called on the worker thread.
    using FinalPathChooser = std::function<QString()>;

    explicit DNCaptureRun(QObject *parent = nullptr);
    // Stops a running engine and waits for the worker, movie finish included.
    ~DNCaptureRun() override;

    // Starts the engine; false, with errorText() set, when it cannot be started. A plan with a
    // movie needs finalPath.
    bool start(const DNCapturePlan &plan, FinalPathChooser finalPath = {});
    void stop();
    // Blocks until the worker is done (the engine ended and the movie finished).
    void waitUntilEnded();

    bool isRunning() const { return running_.load(); }
    bool stopRequested() const { return stopRequested_.load(); }
    const DNCapturePlan &plan() const { return plan_; }
    QString errorText() const { return errorText_; }
    // The engine's process id while it runs, else -1.
    qint64 processID() const;
    // Seconds of movie written so far, from the engine's progress.
    double recordedSeconds() const { return recordedMicroseconds_.load() / 1e6; }

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

    DNCapturePlan plan_;
    QString errorText_;
    std::unique_ptr<EngineProcess> process_;
    std::thread worker_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<qint64> recordedMicroseconds_{0};
    std::atomic<bool> framePending_{false};
    QByteArray frameBuffer_;
    std::string errorLines_;
    std::string pendingErrorLine_;
};

Q_DECLARE_METATYPE(DNCaptureRun::Ending)
