#pragma once

#include "convert/driver/ConvertFailureReason.h"
#include "core/model/NXBasicMediaNode.h"
#include "ui/progress/NXProgressItemTimes.h"

#include <QObject>
#include <QMessageBox>
#include <QPointer>
#include <QVariantMap>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class ImgEncodeProgressView;
class QCheckBox;
class QDialog;
class QLabel;

class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;

// The progress sheet of a conversion batch. It owns no conversion logic: the main window hands
// it three entry points with a target: "convertVideos" (runs the whole batch; called on a worker
// thread), "updaterConvert" (the progress dictionary; polled once a second on the main thread)
// and "interruptConvert" (called by Stop). When the batch returns the sheet carries out the
// after-conversion choices, closes, and queues "NXProgressDidEndNotification 8_8" with 1 when a
// conversion failed to start, else 0.
class NXProgressController : public QObject
{
    Q_OBJECT
public:
    using ConvertEntry = std::function<void(QObject *target)>;
    // No dictionary (nullopt) when no batch runs.
    using UpdaterEntry = std::function<std::optional<QVariantMap>(QObject *target)>;
    using InterruptEntry = std::function<void(QObject *target)>;

    static constexpr int kPollIntervalMs = 1000;
    static constexpr int kEncodeStateStarted = 3298;
    static constexpr int kFaceAnimationMs = 500;
    static QString progressDidEndNotificationName() { return QStringLiteral("NXProgressDidEndNotification 8_8"); }

    explicit NXProgressController(QObject *parent = nullptr);
    ~NXProgressController() override;

    // Opens the sheet on window and starts the batch. beginView chooses the photo face.
    void showWithInWindow(QWidget *window, ConvertEntry converter, UpdaterEntry infoGetter,
                          InterruptEntry interrupter, bool beginView, QObject *target);

    // --- called by the batch (any thread; the sheet's part is carried out on the main thread)
    void setTotalConvertCount(int count);
    // The next item of the batch: counted, followed by the poll and shown as waiting (the item's
    // times are taken at once, the rest on the main thread).
    void setInfoWithNode(const NXMediaNodePtr &node);
    void setStartConvertFailed(bool failed);
    bool startConvertFailed() const;
    // A conversion of the batch did not write its output: item names it as the user knows it,
    // reason is the failing step's own. The sheet ends with a message naming every one, each with
    // its reason in the interface's language.
    void reportConvertFailure(const QString &item, const ConvertFailureReason &reason);
    QStringList convertFailures() const;
    // A conversion of the batch wrote its output. "Open the output folder when done" opens the
    // folder only after a batch in which one did.
    void reportConvertOutput(const QString &output);
    // From the engine's state callback: only 3298 (output started) acts.
    void converterStateDidChanged(int code);
    NXMediaNodePtr convertingNode() const;
    // The item the sheet follows; its times are taken now (call it before the driver works on
    // the item, and again when the item's length becomes known: a slideshow's rendered movie).
    void setConvertingNode(const NXMediaNodePtr &node);

    // --- actions and the poll (main thread)
    void stopProgress();
    void updateInfomation();
    // The percent and the remaining time; advanced says the engine made progress since the last
    // poll (a held engine's remaining time does not count down).
    void setConvertProgress(int percent, bool advanced = true);
    // The speed in frames per second; a negative one is not known ("--").
    void setConvertFPS(int fps);
    void setCurConvertTime(int seconds);
    // The frame the pass has reached, as the engine reports it.
    void setConvertedFrames(int frames);
    void onConvertStarting();
    void onConvertConverting();
    void onConvertStoping();
    void onConvertStopped();
    void cleanAllFieldData();
    void showPhotos2VideoView();
    void showConvertViewView();
    bool isShowConvertView() const;
    bool isAnimationStart() const { return isAnimationStart_; }
    bool isRunning() const { return running_; }

    int totalConvertCount() const { return totoalConvertCount_; }
    int currentConvertCount() const { return currentConvertCount_; }

    // Seconds since 1970 "now" (tests give a clock of their own).
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }
    // The remaining-time estimate is one for the process, as every sheet continues it.
    static void resetRemainingTimeEstimate();

    // --- the sheet's controls
    QDialog *progressPanel() const { return progressPanel_; }
    QCheckBox *shutdownButton() const { return shutdownButton_; }
    QCheckBox *openButton() const { return openButton_; }
    QPushButton *stopButton() const { return stopButton_; }
    QWidget *videoConvertView() const { return videoConvertView_; }
    QWidget *photoEncodeView() const { return photoEncodeView_; }
    ImgEncodeProgressView *photoEncodeProgress() const { return photoEncodeProgress_; }
    QLabel *convertfps() const { return convertfps_; }
    QLabel *totalFrams() const { return totalFrams_; }
    QLabel *converttime() const { return converttime_; }
    QLabel *progress() const { return progress_; }
    QLabel *currentTitle() const { return currentTitle_; }
    QLabel *currentTargetName() const { return currentTargetName_; }
    QLabel *startTimeLabel() const { return startTimeLabel_; }
    QLabel *medioDuration() const { return medioDuration_; }
    QLabel *timeRemaid() const { return timeRemaid_; }
    QLabel *endTimeLabel() const { return endTimeLabel_; }
    QProgressBar *curProgress() const { return curProgress_; }
    QLabel *stateRemain() const { return state_remain_; }
    QLabel *stateRemainAboveProgress() const { return state_remain_above_progress_; }
    QProgressBar *encodePhotoProgress() const { return encodePhotoProgress_; }
    QProgressBar *waitingProgress() const { return waitingProgress_; }
    QLabel *encodeFrameLabel() const { return encodeFrameLabel_; }
    QTimer *updateTimer() const { return updateTimer_; }
    // The message a batch with failures ends with, while it is shown.
    QMessageBox *failureAlert() const { return failureAlert_; }

private:
    void buildPanel();
    void startConvertProgress();
    void progressDidEnd();
    void progressSheetDidEnd();
    void showConvertFailures(const QStringList &failures);
    void placeFace(QWidget *face, bool show);
    void slideFaces(QWidget *incoming, QWidget *outgoing, int direction);
    void stopTimer();
    void followItem(const NXMediaNodePtr &node, const NXProgressItemTimes &times);
    qint64 now() const;
    template <class F>
    void onMainThread(F f);

    QDialog *progressPanel_ = nullptr;
    QCheckBox *shutdownButton_ = nullptr;
    QCheckBox *openButton_ = nullptr;
    QPushButton *stopButton_ = nullptr;
    QWidget *faceArea_ = nullptr;
    QWidget *videoConvertView_ = nullptr;
    QWidget *photoEncodeView_ = nullptr;
    ImgEncodeProgressView *photoEncodeProgress_ = nullptr;
    QLabel *convertfps_ = nullptr;
    QLabel *totalFrams_ = nullptr;
    QLabel *converttime_ = nullptr;
    QLabel *progress_ = nullptr;
    QLabel *currentTitle_ = nullptr;
    QLabel *currentTargetName_ = nullptr;
    QLabel *startTimeLabel_ = nullptr;
    QLabel *medioDuration_ = nullptr;
    QLabel *timeRemaid_ = nullptr;
    QLabel *endTimeLabel_ = nullptr;
    QProgressBar *curProgress_ = nullptr;
    QLabel *state_remain_ = nullptr;
    QLabel *state_remain_above_progress_ = nullptr;
    QProgressBar *encodePhotoProgress_ = nullptr;
    QProgressBar *waitingProgress_ = nullptr;
    QLabel *encodeFrameLabel_ = nullptr;

    ConvertEntry ptrConverter_;
    UpdaterEntry ptrUpdater_;
    InterruptEntry ptrInterrupter_;
    QPointer<QObject> target_;
    // The batch's thread; joined before the next batch and when the sheet goes, so that no batch
    // outlives the controller it calls.
    std::thread worker_;
    std::atomic<bool> workerRunning_{false};
    QTimer *updateTimer_ = nullptr;
    QPointer<QMessageBox> failureAlert_;

    qint64 startConvertDate_ = 0;
    // The item's first start report came: later ones (its further passes) keep its clock.
    bool itemStarted_ = false;
    // The engine's figures at the last poll, to see whether it made progress since.
    struct ProgressFigures
    {
        int percent;
        int frames;
        int converted;
        bool operator==(const ProgressFigures &) const = default;
    };
    std::optional<ProgressFigures> lastFigures_;
    int totoalConvertCount_ = 0;
    int currentConvertCount_ = 0;
    bool isAnimationStart_ = false;
    bool running_ = false;
    // Stop was pressed in this batch: the batch did not complete.
    bool stopRequested_ = false;

    mutable std::mutex workerMutex_; // the fields the worker writes
    bool convert_init_status_ = false;
    QStringList failures_;
    QStringList outputs_;
    std::weak_ptr<NXBasicMediaNode> mediaNode_;
    NXProgressItemTimes itemTimes_;

    std::function<qint64()> clock_;
};
