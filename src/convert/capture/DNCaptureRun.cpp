#include "convert/capture/DNCaptureRun.h"

#include "convert/capture/DNCaptureTools.h"
#include "enginekit/EngineProcess.h"
#include "core/log/DNLogger.h"

#include <QFile>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {

// ffmpeg needs a moment after "q" to write the movie's index; a stuck device can need SIGINT.
constexpr int kStopGraceMilliseconds = 5000;
// An engine that has written no picture yet when the recording is stopped (a busy machine may take
// seconds to start it) is given this long to write its first ones, and the drain after them,
// before it is ended: ended before its first picture it would leave no movie at all.
constexpr int kFirstPictureMilliseconds = 15000;
// Enough of ffmpeg's own messages to say why a run failed.
constexpr size_t kKeptErrorBytes = 4096;

const std::string_view kProgressFrames = "frame=";
const std::string_view kLevel = "lavfi.astats.Overall.RMS_level=";
// The level filter's line before each level: "frame:N pts:P pts_time:T", T the start of its
// tenth of a second of sound in the movie's time.
const std::string_view kLevelFrame = "frame:";
const std::string_view kLevelTime = "pts_time:";
constexpr qint64 kLevelSpanMicroseconds = 100000;

qint64 steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

DNCaptureRun::DNCaptureRun(QObject *parent)
    : QObject(parent)
{
    static const int registered = qRegisterMetaType<DNCaptureRun::Ending>();
    Q_UNUSED(registered);
}

DNCaptureRun::~DNCaptureRun()
{
    finish();
}

bool DNCaptureRun::start(const DNCapturePlan &plan, FinalPathChooser finalPath)
{
    if (running_.load() || worker_.joinable()) {
        errorText_ = QStringLiteral("a run is already going");
        return false;
    }
    plan_ = plan;
    errorText_.clear();
    stopRequested_ = false;
    quitSent_ = false;
    framesWritten_ = 0;
    soundHeardMicroseconds_ = -1;
    endedAtMicroseconds_ = -1;
    drainDeadline_ = 0;
    movieFramesPerSecond_ = DNMovieFramesPerSecond(plan);
    // The movie's own limit is a stop point from the start: ffmpeg cuts the movie there, and the
    // run ends there even when a preview output would keep the engine going.
    stopPointMicroseconds_ = plan.maxSeconds > 0 ? qint64(plan.maxSeconds * 1e6) : -1;
    // The movie's time zero is now, by the wall clock its inputs stamp with; the recorded time
    // is counted from the same moment on the steady clock.
    startedAt_ = std::chrono::steady_clock::now();
    if (!plan.moviePath.isEmpty())
        plan_.timelineOriginMicroseconds = std::chrono::duration_cast<std::chrono::microseconds>(
                                               std::chrono::system_clock::now().time_since_epoch())
                                               .count();
    framePending_ = false;
    frameBuffer_.clear();
    errorLines_.clear();
    errorLineSplitter_ = OutputLineSplitter();

    const std::string program = DNCaptureTools::ffmpeg().toStdString();
    std::vector<std::string> args{program};
    const QStringList words = DNCaptureArguments(plan_);
    for (const QString &word : words)
        args.push_back(word.toStdString());
    DNRoughLog(QStringLiteral("Capture from %@: ffmpeg %@"), plan.source ? plan.source->describe() : QString(),
               words.join(QLatin1Char(' ')));

    process_ = std::make_unique<EngineProcess>();
    if (!process_->start(program, args, {}, true)) {
        errorText_ = QString::fromStdString(process_->errorText());
        process_.reset();
        return false;
    }
    running_ = true;
    worker_ = std::thread([this, finalPath = std::move(finalPath)]() mutable { work(std::move(finalPath)); });
    return true;
}

void DNCaptureRun::stop()
{
    if (!running_.load() || !process_ || stopRequested_.exchange(true))
        return;
    const qint64 now = elapsedMicroseconds();
    if (stopPointMicroseconds_.load() < 0 || now < stopPointMicroseconds_.load())
        stopPointMicroseconds_ = now;
    if (plan_.moviePath.isEmpty()) {
        quitEngine();
        return;
    }
    const int drain = framesWritten_.load() > 0 ? kStopDrainMilliseconds : kFirstPictureMilliseconds;
    drainDeadline_ = steadyMilliseconds() + drain;
    checkStopPoint();
    // An engine that says nothing more is ended all the same.
    QTimer::singleShot(drain, this, [this] { quitEngine(); });
}

void DNCaptureRun::finish()
{
    stop();
    // The owner's timer cannot end the drain while the owner waits here.
    while (running_.load() && !quitSent_.load() && steadyMilliseconds() < drainDeadline_.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    quitEngine();
    waitUntilEnded();
}

void DNCaptureRun::quitEngine()
{
    if (!running_.load() || !process_ || quitSent_.exchange(true))
        return;
    process_->requestStop({"q", 0, kStopGraceMilliseconds});
}

void DNCaptureRun::checkStopPoint()
{
    const qint64 stopPoint = stopPointMicroseconds_.load();
    if (stopPoint < 0 || quitSent_.load())
        return;
    const qint64 deadline = drainDeadline_.load();
    // Within a picture of the stop point is there: the movie's limit may end it a picture short.
    // A movie holds one picture at least, however soon it was stopped.
    const double picture = 1e6 / movieFramesPerSecond_;
    const qint64 frames = framesWritten_.load();
    const double written = frames * picture;
    const bool picturesThere = frames > 0 && written + picture > double(stopPoint);
    // A sound device may deliver late (on a busy machine seconds after the pictures): ended
    // before it catches up the movie's sound would stop short of its end. What comes past the
    // stop point is cut when the movie is finished.
    const bool movieHasSound = !plan_.moviePath.isEmpty() && plan_.source && plan_.source->hasAudio();
    const bool soundThere = !movieHasSound || soundHeardMicroseconds_.load() >= stopPoint;
    if ((picturesThere && soundThere) || (deadline > 0 && steadyMilliseconds() >= deadline))
        quitEngine();
}

qint64 DNCaptureRun::elapsedMicroseconds() const
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - startedAt_).count();
}

double DNCaptureRun::recordedSeconds() const
{
    if (startedAt_ == std::chrono::steady_clock::time_point())
        return 0.0;
    const qint64 ended = endedAtMicroseconds_.load();
    qint64 us = ended >= 0 ? ended : elapsedMicroseconds();
    const qint64 stopPoint = stopPointMicroseconds_.load();
    if (stopPoint >= 0)
        us = std::min(us, stopPoint);
    return us / 1e6;
}

double DNCaptureRun::writtenSeconds() const
{
    return framesWritten_.load() / double(movieFramesPerSecond_);
}

qint64 DNCaptureRun::processID() const
{
    return running_.load() && process_ ? qint64(process_->pid()) : -1;
}

void DNCaptureRun::waitUntilEnded()
{
    if (worker_.joinable())
        worker_.join();
}

void DNCaptureRun::work(FinalPathChooser finalPath)
{
    Ending ending;
    ending.status = process_->wait([this](std::string_view chunk) { takeOutput(chunk); },
                                   [this](std::string_view chunk) {
                                       errorLineSplitter_.feed(chunk, [this](std::string_view line) { takeErrorLine(line); });
                                   });
    errorLineSplitter_.finish([this](std::string_view line) { takeErrorLine(line); });
    endedAtMicroseconds_ = elapsedMicroseconds();
    ending.stopped = stopRequested_.load();
    ending.errors = QString::fromUtf8(errorLines_.data(), qsizetype(errorLines_.size())).trimmed();
    if (!ending.errors.isEmpty())
        DNRoughLog(QStringLiteral("ffmpeg capture says: %@"), ending.errors);
    if (!plan_.moviePath.isEmpty()) {
        ending.hadMovie = true;
        // What was recorded when it was stopped or reached its limit; a movie that ended by
        // itself before either is as long as the engine made it.
        const double lasts = stopPointMicroseconds_.load() >= 0 ? recordedSeconds() : 0.0;
        ending.movie = DNRecordingFile::finish(plan_.moviePath, finalPath ? finalPath() : plan_.moviePath, lasts);
        if (ending.movie.finished)
            DNRoughLog(QStringLiteral("Recording finished: %@"), ending.movie.path);
        else
            DNRoughLog(QStringLiteral("Recording not finished (%@): %@"), ending.movie.problem, plan_.moviePath);
    }
    running_ = false;
    QMetaObject::invokeMethod(this, [this, ending] {
        // The worker has nothing left to do; joined here so the next start finds it free.
        waitUntilEnded();
        Q_EMIT this->ended(ending);
    }, Qt::QueuedConnection);
}

void DNCaptureRun::takeOutput(std::string_view chunk)
{
    checkStopPoint();
    const QSize size = plan_.previewSize;
    if (size.isEmpty())
        return;
    const qsizetype frameBytes = qsizetype(size.width()) * size.height() * 4;
    frameBuffer_.append(chunk.data(), qsizetype(chunk.size()));
    while (frameBuffer_.size() >= frameBytes) {
        if (!framePending_.exchange(true)) {
            QImage frame(size, QImage::Format_ARGB32);
            std::memcpy(frame.bits(), frameBuffer_.constData(), size_t(frameBytes));
            QMetaObject::invokeMethod(this, [this, frame] {
                framePending_ = false;
                Q_EMIT previewFrame(frame);
            }, Qt::QueuedConnection);
        }
        frameBuffer_.remove(0, frameBytes);
    }
}

void DNCaptureRun::takeErrorLine(std::string_view line)
{
    if (line.empty())
        return;
    if (line.substr(0, kProgressFrames.size()) == kProgressFrames) {
        const qint64 frames = QByteArray(line.data() + kProgressFrames.size(), qsizetype(line.size() - kProgressFrames.size())).toLongLong();
        if (frames > 0 && framesWritten_.exchange(frames) == 0 && stopRequested_.load()) {
            // The first pictures of an engine stopped before them: the usual drain from now on.
            const qint64 drainEnd = steadyMilliseconds() + kStopDrainMilliseconds;
            if (drainEnd < drainDeadline_.load())
                drainDeadline_ = drainEnd;
        }
        checkStopPoint();
        return;
    }
    if (line.substr(0, kLevel.size()) == kLevel) {
        bool ok = false;
        const double level = QByteArray(line.data() + kLevel.size(), qsizetype(line.size() - kLevel.size())).toDouble(&ok);
        if (ok && plan_.audioLevel)
            QMetaObject::invokeMethod(this, [this, level] { Q_EMIT audioLevel(level); }, Qt::QueuedConnection);
        return;
    }
    if (line.substr(0, kLevelFrame.size()) == kLevelFrame) {
        const size_t at = line.find(kLevelTime);
        bool ok = false;
        const double seconds = at == std::string_view::npos
            ? 0.0
            : QByteArray(line.data() + at + kLevelTime.size(), qsizetype(line.size() - at - kLevelTime.size())).trimmed().toDouble(&ok);
        if (ok) {
            const qint64 heard = qint64(seconds * 1e6) + kLevelSpanMicroseconds;
            if (heard > soundHeardMicroseconds_.load())
                soundHeardMicroseconds_ = heard;
            checkStopPoint();
        }
        return;
    }
    // Progress blocks are "key=value" lines with a plain lower-case key. Anything else is ffmpeg
    // speaking.
    const size_t equals = line.find('=');
    const bool progressLine = equals != std::string_view::npos && equals > 0
        && std::all_of(line.begin(), line.begin() + equals,
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; });
    if (progressLine)
        return;
    if (errorLines_.size() < kKeptErrorBytes)
        errorLines_.append(line).push_back('\n');
}
