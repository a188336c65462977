#pragma once

#include "convert/driver/ConvertFailureReason.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/LineSplitter.h"

#include <QSizeF>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <atomic>
#include <mutex>
#include <optional>
#include <string_view>

// One image-to-video job: the slideshow's photos, transitions and music, seconds per photo,
// frame rate, frame size and output path, handed as a property-list file to the image-to-video
// engine (HarnvaleAVEngine), whose progress and result it follows, and which it can stop.
//
// The setters and beginEncoding run on one worker thread; beginEncoding blocks it until the
// engine has ended. stopEncoding and the progress readers may be called from any thread.
class NXImageEngine
{
public:
    NXImageEngine() = default;
    NXImageEngine(const NXImageEngine &) = delete;
    NXImageEngine &operator=(const NXImageEngine &) = delete;

    // The job, made at first use with the two pictures and the output path (the settings'
    // output folder, "Quivra Converter <date>.mov" with the date of that first use).
    QVariantMap &storage();

    void setShowDuration(float seconds);
    // The transition types the slideshow may use.
    void setEffectList(const QVariant &types);
    // The photo paths in showing order.
    void setDataSource(const QVariant &photos);
    // The music paths in playing order.
    void setAudioList(const QVariant &music);
    void setFrameRate(float fps);
    void setVideoFrameResolution(QSizeF size);

    // Writes the job into the temporary folder and runs the engine with it to its end.
    void beginEncoding();
    // Ends the running engine (by its process id); nothing when none runs.
    void stopEncoding();
    bool isStoped() const { return isStoped_.load(); }

    // Reads the engine's standard output: each complete line is a "progress:" or a "result:"
    // line or is ignored.
    void onMPlayerOutputChanged(std::string_view chunk);

    // The engine's path, chosen by the system version (one engine serves every version here).
    QString execute_bin_path() const;
    static QString execute_bin_path(int systemVersion);

    unsigned totalFrames() const { return total_.load(); }
    unsigned currentFrame() const { return curr_.load(); }
    // The photo the engine reported last; empty before any.
    std::optional<QString> currentImagePath() const;
    // The movie the engine reported on success; empty until one did, and after a failure.
    QString finiallyVideoPath() const;
    // Why the last run made no movie: the engine that could not start, stopped answering, or the
    // last line it wrote on its standard error; empty when it said nothing.
    ConvertFailureReason failureReason() const;

private:
    void onOutputLine(std::string_view line);
    void noteFullDisk(const QString &movie);

    mutable std::mutex lock_; // the task, the photo and the result
    std::optional<QVariantMap> storage_info_;
    EngineProcess *currentTask_ = nullptr;
    std::atomic<bool> isStoped_{false};
    std::optional<QString> currentImagePath_;
    QString finiallyImagePath_;
    // The folder the engine runs in, against which the movie it reports by name is read.
    QString engineFolder_;
    ConvertFailureReason failureReason_;
    std::atomic<unsigned> total_{0};
    std::atomic<unsigned> curr_{0};
    OutputLineSplitter lines_;
};
