#include "convert/capture/DNCaptureRun.h"

#include "convert/capture/DNCaptureTools.h"
#include "enginekit/EngineProcess.h"
#include "core/log/DNLogger.h"

#include <QFile>
#include <QMetaObject>

#include <algorithm>
#include <cstring>

namespace {

// ffmpeg needs a moment after "q" to write the movie's index; a stuck device can need SIGINT.
constexpr int kStopGraceMilliseconds = 5000;
// Enough of ffmpeg's own messages to say why a run failed.
constexpr size_t kKeptErrorBytes = 4096;

const std::string_view kProgressTime = "out_time_us=";
const std::string_view kLevel = "lavfi.astats.Overall.RMS_level=";

} // namespace

DNCaptureRun::DNCaptureRun(QObject *parent)
    : QObject(parent)
{
    static const int registered = qRegisterMetaType<DNCaptureRun::Ending>();
    Q_UNUSED(registered);
}

DNCaptureRun::~DNCaptureRun()
{
    stop();
    waitUntilEnded();
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
    recordedMicroseconds_ = 0;
    framePending_ = false;
    frameBuffer_.clear();
    errorLines_.clear();
    pendingErrorLine_.clear();

    const std::string program = DNCaptureTools::ffmpeg().toStdString();
    std::vector<std::string> args{program};
    const QStringList words = DNCaptureArguments(plan);
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
    if (!running_.load() || !process_)
        return;
    stopRequested_ = true;
    process_->requestStop({"q", 0, kStopGraceMilliseconds});
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
                                       for (char c : chunk) {
                                           if (c == '\n' || c == '\r') {
                                               takeErrorLine(pendingErrorLine_);
                                               pendingErrorLine_.clear();
                                           } else {
                                               pendingErrorLine_.push_back(c);
                                           }
                                       }
                                   });
    takeErrorLine(pendingErrorLine_);
    ending.stopped = stopRequested_.load();
    ending.errors = QString::fromUtf8(errorLines_.data(), qsizetype(errorLines_.size())).trimmed();
    if (!ending.errors.isEmpty())
        DNRoughLog(QStringLiteral("ffmpeg capture says: %@"), ending.errors);
    if (!plan_.moviePath.isEmpty()) {
        ending.hadMovie = true;
        ending.movie = DNRecordingFile::finish(plan_.moviePath, finalPath ? finalPath() : plan_.moviePath);
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
    if (line.substr(0, kProgressTime.size()) == kProgressTime) {
        // "N/A" before the first packet parses as nothing.
        const qint64 us = QByteArray(line.data() + kProgressTime.size(), qsizetype(line.size() - kProgressTime.size())).toLongLong();
        if (us > 0)
            recordedMicroseconds_ = us;
        return;
    }
    if (line.substr(0, kLevel.size()) == kLevel) {
        bool ok = false;
        const double level = QByteArray(line.data() + kLevel.size(), qsizetype(line.size() - kLevel.size())).toDouble(&ok);
        if (ok)
            QMetaObject::invokeMethod(this, [this, level] { Q_EMIT audioLevel(level); }, Qt::QueuedConnection);
        return;
    }
    // Progress blocks are "key=value" lines with a plain lower-case key; the level filter adds
    // "frame:" lines. Anything else is ffmpeg speaking.
    const size_t equals = line.find('=');
    const bool progressLine = equals != std::string_view::npos && equals > 0
        && std::all_of(line.begin(), line.begin() + equals,
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; });
    if (progressLine || line.substr(0, 6) == "frame:")
        return;
    if (errorLines_.size() < kKeptErrorBytes)
        errorLines_.append(line).push_back('\n');
}
