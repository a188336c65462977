#include "convert/slideshow/NXImageEngine.h"

#include "convert/driver/PassOutput.h"
#include "convert/engine/EngineStallWatch.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNPartialOutput.h"
#include "core/platform/DNTemporaryFolder.h"
#include "core/plist/DNPropertyList.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemInfo.h"
#include "core/util/DNTimeText.h"
#include "slideshow/engine/NXImageEngineJob.h"
#include "slideshow/transitions/NXEffectManager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <vector>

namespace {
// The engine stops at once on SIGTERM; a hung one is ended after a second.
constexpr int kStopGraceMs = 1000;
const QString kEngineName = QStringLiteral("image-to-video");
} // namespace

QVariantMap &NXImageEngine::storage()
{
    if (!storage_info_) {
        QVariantMap job;
        job.insert(NXImageEngineKey::shadingImage, NXEffectManager::shadingImagePath());
        job.insert(NXImageEngineKey::blankImage, NXEffectManager::blankImagePath());
        const auto appSetting = DNSetting::shareSetting().appSetting();
        const QString folder = appSetting ? appSetting->videoOutputDirectory() : QString();
        job.insert(NXImageEngineKey::targetPath,
                   folder + QStringLiteral("/Quivra Converter %1.mov").arg(DNFileNameDateText(QDateTime::currentDateTime())));
        storage_info_ = job;
    }
    return *storage_info_;
}

void NXImageEngine::setShowDuration(float seconds)
{
    storage().insert(NXImageEngineKey::showDuration, double(seconds));
}

void NXImageEngine::setEffectList(const QVariant &types)
{
    storage().insert(NXImageEngineKey::effectList, types);
}

void NXImageEngine::setDataSource(const QVariant &photos)
{
    storage().insert(NXImageEngineKey::imageSquenes, photos);
}

void NXImageEngine::setAudioList(const QVariant &music)
{
    storage().insert(NXImageEngineKey::audioList, music);
}

void NXImageEngine::setFrameRate(float fps)
{
    storage().insert(NXImageEngineKey::videoFPS, double(fps));
}

void NXImageEngine::setVideoFrameResolution(QSizeF size)
{
    storage().insert(NXImageEngineKey::videoSize, NXStringFromSize(size));
}

QString NXImageEngine::execute_bin_path(int systemVersion)
{
    // Older systems had an engine of their own; here one engine serves all, and the choice is
    // only logged.
    if (systemVersion > 4207)
        DNRoughLog(QStringLiteral("Convert image to video, use AV engine"));
    else
        DNRoughLog(QStringLiteral("Convert image to video, use QT engine"));
    return DNBundle::pathForCompanion(QStringLiteral("HarnvaleAVEngine"));
}

QString NXImageEngine::execute_bin_path() const
{
    return execute_bin_path(DNSystemVersion());
}

void NXImageEngine::beginEncoding()
{
    isStoped_ = false;
    lines_ = OutputLineSplitter();
    {
        std::lock_guard<std::mutex> guard(lock_);
        failureReason_ = {};
    }
    // The movie is only the input of the conversion that follows: the engine makes it under a
    // hidden name of this run's beside the target (its own working file beside that), so that
    // no intermediate ever carries a final name, two jobs never share a name, and a start after
    // a killed run removes both.
    const QString movie = DNPartialOutput::hiddenPathFor(storage().value(NXImageEngineKey::targetPath).toString());
    // The engine runs in the movie's folder and is given the movie by its name there: the
    // "result:" line that gives the movie back is read as a line, and a folder's name may hold a
    // line break, which the movie's own name never does.
    const QString movieFolder = QFileInfo(movie).absolutePath();
    {
        std::lock_guard<std::mutex> guard(lock_);
        engineFolder_ = movieFolder;
    }
    QVariantMap job = storage();
    job.insert(NXImageEngineKey::targetPath, QStringLiteral("./") + QFileInfo(movie).fileName());
    const QString jobPath = DNTemporaryFolder::uniqueFilePath(QStringLiteral("I2V_"), QStringLiteral(".plist"));
    QString error;
    if (!writePropertyList(job, jobPath, DNPropertyListFormat::XML, &error))
        DNRoughLog(QStringLiteral("The image-to-video job cannot be written to %@: %@"), jobPath, error);

    const QString engine = execute_bin_path();
    auto task = std::make_unique<EngineProcess>();
    if (!task->start(QFile::encodeName(engine).toStdString(),
                     {"HarnvaleAVEngine", QFile::encodeName(jobPath).toStdString()},
                     QFile::encodeName(movieFolder).toStdString())) {
        DNRoughLog(QStringLiteral("The image-to-video engine %@ cannot be started: %s"), engine,
                   task->errorText().c_str());
        DNPartialOutput::discard(movie);
        std::lock_guard<std::mutex> guard(lock_);
        failureReason_ = ConvertFailureReason(ConvertFailureKind::EngineFailed,
                                              {kEngineName, QString::fromStdString(task->errorText())});
        return;
    }
    {
        std::lock_guard<std::mutex> guard(lock_);
        currentTask_ = task.get();
        // A stop that came while the engine was being started ends it now.
        if (isStoped_)
            task->requestStop({{}, SIGTERM, kStopGraceMs});
    }
    {
        // An engine that shows no progress (no frame, no byte of its movie) for as long as the
        // settings allow is ended by its process id, as a stop ends it.
        const EngineStallWatch watch(
            EngineStallWatch::limitFromSettings(),
            [this, &movie] {
                return std::vector<double>{double(curr_.load()), double(total_.load()),
                                           double(DNPartialOutput::bytesWritten(movie))};
            },
            [this] {
                std::lock_guard<std::mutex> guard(lock_);
                if (currentTask_)
                    currentTask_->requestStop({{}, SIGTERM, kStopGraceMs});
            });
        task->wait([this](std::string_view chunk) { onMPlayerOutputChanged(chunk); },
                   [this](std::string_view chunk) {
                       const QString text = QString::fromUtf8(chunk.data(), qsizetype(chunk.size())).trimmed();
                       if (text.isEmpty())
                           return;
                       DNRoughLogRaw(text + QLatin1Char('\n'));
                       std::lock_guard<std::mutex> guard(lock_);
                       failureReason_ = ConvertFailureReason(ConvertFailureKind::EngineFailed,
                                                             {kEngineName, text.section(QLatin1Char('\n'), -1)});
                   });
        if (watch.stalled()) {
            const int seconds = int(watch.limit().count() / 1000);
            DNRoughLog(QStringLiteral("The slideshow was not rendered: the engine stopped answering (no progress for "
                                      "%d s); it was ended."),
                       seconds);
            std::lock_guard<std::mutex> guard(lock_);
            failureReason_ = ConvertFailureReason(ConvertFailureKind::EngineStalled,
                                                  {kEngineName, ConvertFailureDetail::number(seconds)});
        }
    }
    lines_.finish([this](std::string_view line) { onOutputLine(line); });
    {
        std::lock_guard<std::mutex> guard(lock_);
        currentTask_ = nullptr;
        // A result that names no movie made none.
        if (!finiallyImagePath_.isEmpty() && !QFileInfo(finiallyImagePath_).isFile()) {
            DNRoughLog(QStringLiteral("The image-to-video engine named %@ as its movie, which is no file."),
                       finiallyImagePath_);
            finiallyImagePath_.clear();
        }
    }
    // An engine that failed or was ended before its result may have left its working file.
    if (finiallyVideoPath().isEmpty()) {
        noteFullDisk(movie);
        DNPartialOutput::discard(movie);
    }
}

void NXImageEngine::stopEncoding()
{
    std::lock_guard<std::mutex> guard(lock_);
    isStoped_ = true;
    if (currentTask_) {
        currentTask_->requestStop({{}, SIGTERM, kStopGraceMs});
        currentTask_ = nullptr;
    }
}

void NXImageEngine::onMPlayerOutputChanged(std::string_view chunk)
{
    lines_.feed(chunk, [this](std::string_view line) { onOutputLine(line); });
}

void NXImageEngine::onOutputLine(std::string_view line)
{
    const QString text = QString::fromUtf8(line.data(), qsizetype(line.size()));
    if (text.startsWith(QLatin1String("progress:"))) {
        // A photo path with a ":" in it makes more parts: such a line is passed over.
        const QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() != 4)
            return;
        total_ = parts.at(1).toUInt();
        curr_ = parts.at(2).toUInt();
        std::lock_guard<std::mutex> guard(lock_);
        currentImagePath_ = parts.at(3);
    } else if (text.startsWith(QLatin1String("result:"))) {
        // The path is the rest of the line, ":" and all: an output folder may hold one.
        const qsizetype codeEnd = text.indexOf(QLatin1Char(':'), 7);
        if (codeEnd < 0)
            return;
        const int code = text.mid(7, codeEnd - 7).toInt();
        QString path = text.mid(codeEnd + 1);
        path.remove(QLatin1Char('\n'));
        std::lock_guard<std::mutex> guard(lock_);
        // The engine names the movie as it was given it: by its name in the folder it ran in.
        if (!engineFolder_.isEmpty() && QFileInfo(path).isRelative())
            path = QDir::cleanPath(QDir(engineFolder_).filePath(path));
        if (code != 0) {
            DNRoughLog(QStringLiteral("err for encode image to video"));
            finiallyImagePath_.clear();
        } else {
            finiallyImagePath_ = path;
            DNRoughLog(QStringLiteral("success for encode image to video:%@"), path);
        }
    }
}

void NXImageEngine::noteFullDisk(const QString &movie)
{
    // The movie is written beside the output: a disk that filled up is the cause whatever the
    // engine made of it. The engine removes its working file as it fails, so the disk may have
    // room again by now; its own words tell then (the system's text for ENOSPC, which the engine,
    // in this process's environment, writes alike). What is free counts the movie, which goes.
    std::lock_guard<std::mutex> guard(lock_);
    if (isStoped_)
        return;
    const bool saidSo = failureReason_.kind() == ConvertFailureKind::EngineFailed
        && failureReason_.text().contains(QString::fromLocal8Bit(std::strerror(ENOSPC)));
    if (!saidSo && !outputDiskIsFull(movie))
        return;
    const QString folder = QFileInfo(movie).path();
    const qint64 free = QStorageInfo(folder).bytesAvailable() + DNPartialOutput::bytesWritten(movie);
    DNRoughLog(QStringLiteral("The disk of %@ ran out of space while the slideshow was rendered."), folder);
    failureReason_ = ConvertFailureReason(ConvertFailureKind::DiskFullPastEstimate, {folder, ConvertFailureDetail::bytes(free)});
}

ConvertFailureReason NXImageEngine::failureReason() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return failureReason_;
}

std::optional<QString> NXImageEngine::currentImagePath() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return currentImagePath_;
}

QString NXImageEngine::finiallyVideoPath() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return finiallyImagePath_;
}
