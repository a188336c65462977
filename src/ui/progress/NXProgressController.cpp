#include "ui/progress/NXProgressController.h"

#include "ui/controls/DNAlertSheet.h"
#include "ui/controls/DNPlainText.h"
#include "ui/progress/NXConvertFailureText.h"
#include "ui/progress/NXProgressItemTimes.h"
#include "ui/slideshow/ImgEncodeProgressView.h"

#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "core/settings/DNSettingFolders.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNTimeText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <thread>

namespace {

// The estimate continues from poll to poll, and from sheet to sheet.
int lastPercent = 1;
double lastEstimate = 0.0;

} // namespace

NXProgressController::NXProgressController(QObject *parent) : QObject(parent)
{
    buildPanel();
}

NXProgressController::~NXProgressController()
{
    if (worker_.joinable()) {
        if (workerRunning_ && ptrInterrupter_)
            ptrInterrupter_(target_.data());
        worker_.join();
    }
    stopTimer();
    QPointer<QDialog> panel(progressPanel_);
    delete panel;
}

qint64 NXProgressController::now() const
{
    return clock_ ? clock_() : QDateTime::currentSecsSinceEpoch();
}

void NXProgressController::resetRemainingTimeEstimate()
{
    lastPercent = 1;
    lastEstimate = 0.0;
}

template <class F>
void NXProgressController::onMainThread(F f)
{
    if (QThread::currentThread() == thread())
        f();
    else
        QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

// --- opening

void NXProgressController::showWithInWindow(QWidget *window, ConvertEntry converter, UpdaterEntry infoGetter,
                                            InterruptEntry interrupter, bool beginView, QObject *target)
{
    setStartConvertFailed(false);
    {
        std::lock_guard lock(workerMutex_);
        failures_.clear();
        outputs_.clear();
    }
    stopRequested_ = false;
    const auto appSetting = DNSetting::shareSetting().appSetting();
    shutdownButton_->setChecked(appSetting && appSetting->isShutdowWhenDone());
    openButton_->setChecked(appSetting && appSetting->isOpenFolderWhenDone());

    placeFace(photoEncodeView_, beginView);
    placeFace(videoConvertView_, !beginView);

    ptrConverter_ = std::move(converter);
    ptrUpdater_ = std::move(infoGetter);
    ptrInterrupter_ = std::move(interrupter);
    target_ = target;
    if (window && progressPanel_->parentWidget() != window)
        progressPanel_->setParent(window, progressPanel_->windowFlags() | Qt::Dialog);
    progressPanel_->setWindowModality(Qt::WindowModal);
    progressPanel_->open();
    curProgress_->setValue(0);
    encodePhotoProgress_->setValue(0);

    running_ = true;
    itemStarted_ = false;
    lastFigures_.reset();
    startConvertProgress();

    startConvertDate_ = now();
    stopTimer();
    DNShowElided(currentTargetName_, tr("fetching..."));
    updateTimer_ = new QTimer(this);
    updateTimer_->setInterval(kPollIntervalMs);
    connect(updateTimer_, &QTimer::timeout, this, &NXProgressController::updateInfomation);
    updateTimer_->start();
}

// The batch blocks its thread until it is done; the end is carried out on the main thread.
void NXProgressController::startConvertProgress()
{
    QPointer<NXProgressController> self(this);
    ConvertEntry converter = ptrConverter_;
    QObject *target = target_.data();
    if (worker_.joinable())
        worker_.join();
    workerRunning_ = true;
    worker_ = std::thread([this, self, converter, target] {
        if (converter)
            converter(target);
        workerRunning_ = false;
        // The sheet waits for this thread before it goes, so it is still there.
        QMetaObject::invokeMethod(self.data(), [self] { if (self) self->progressDidEnd(); }, Qt::QueuedConnection);
    });
}

// --- called by the batch

void NXProgressController::setTotalConvertCount(int count)
{
    onMainThread([this, count] { totoalConvertCount_ = count; });
}

void NXProgressController::setInfoWithNode(const NXMediaNodePtr &node)
{
    // The times are read off the item here, before the driver works on it; the sheet follows the
    // item from the step that counts it, so that its names never show under the previous count.
    NXProgressItemTimes times = NXProgressTimesForNode(node.get());
    onMainThread([this, node, times] {
        followItem(node, times);
        itemStarted_ = false;
        lastFigures_.reset();
        ++currentConvertCount_;
        state_remain_->setText(tr("%1 / %2 Converting").arg(currentConvertCount_).arg(totoalConvertCount_));
        onConvertStarting();
    });
}

void NXProgressController::setStartConvertFailed(bool failed)
{
    std::lock_guard lock(workerMutex_);
    convert_init_status_ = failed;
}

bool NXProgressController::startConvertFailed() const
{
    std::lock_guard lock(workerMutex_);
    return convert_init_status_;
}

void NXProgressController::reportConvertFailure(const QString &item, const ConvertFailureReason &reason)
{
    DNRoughLog(QStringLiteral("The conversion of %@ failed: %@"), item, reason.text());
    const QString shown = NXConvertFailureText(reason);
    std::lock_guard lock(workerMutex_);
    // One failed item a line: a line break in its name is drawn as a mark, not followed.
    const QString name = DNDisplayName(item);
    failures_.append(shown.isEmpty() ? name : tr("%1: %2", "an item that was not converted, and why").arg(name, shown));
}

QStringList NXProgressController::convertFailures() const
{
    std::lock_guard lock(workerMutex_);
    return failures_;
}

void NXProgressController::reportConvertOutput(const QString &output)
{
    std::lock_guard lock(workerMutex_);
    outputs_.append(output);
}

void NXProgressController::converterStateDidChanged(int code)
{
    if (code != kEncodeStateStarted)
        return;
    onMainThread([this] {
        // The remaining time is reckoned from the item's start: a group's members, the passes of
        // a two-pass item and a join each report their own start, while the percent runs over
        // the whole item.
        if (!itemStarted_) {
            startConvertDate_ = now();
            itemStarted_ = true;
        }
        onConvertConverting();
    });
}

NXMediaNodePtr NXProgressController::convertingNode() const
{
    std::lock_guard lock(workerMutex_);
    return mediaNode_.lock();
}

void NXProgressController::setConvertingNode(const NXMediaNodePtr &node)
{
    // The times are read off the item before the driver works on it: it dresses a group's
    // members for their own conversions meanwhile.
    followItem(node, NXProgressTimesForNode(node.get()));
    // What follows is reckoned anew (a slideshow's movie after its pictures).
    onMainThread([this] {
        itemStarted_ = false;
        lastFigures_.reset();
    });
}

void NXProgressController::followItem(const NXMediaNodePtr &node, const NXProgressItemTimes &times)
{
    std::lock_guard lock(workerMutex_);
    mediaNode_ = node;
    itemTimes_ = times;
}

// --- actions

void NXProgressController::stopProgress()
{
    stopRequested_ = true;
    if (ptrInterrupter_)
        ptrInterrupter_(target_.data());
    stopTimer();
    setConvertingNode(nullptr);
    onConvertStoping();
}

void NXProgressController::stopTimer()
{
    if (!updateTimer_)
        return;
    updateTimer_->stop();
    updateTimer_->deleteLater();
    updateTimer_ = nullptr;
}

void NXProgressController::updateInfomation()
{
    if (!ptrUpdater_)
        return;
    const std::optional<QVariantMap> info = ptrUpdater_(target_.data());
    if (!info)
        return;
    const int category = info->value(QStringLiteral("EncodeCategory")).toInt();
    if (category == 1 || category == 2) {
        const int percent = info->value(QStringLiteral("current_percent")).toInt();
        const int frames = info->value(QStringLiteral("frame_number")).toInt();
        const int converted = info->value(QStringLiteral("convertedTime")).toInt();
        // The engine made progress since the last poll when any of its figures moved; one held
        // (stopped, or waiting on its source) moves none.
        const ProgressFigures figures{percent, frames, converted};
        const bool advanced = lastFigures_ && *lastFigures_ != figures;
        lastFigures_ = figures;
        curProgress_->setValue(percent);
        setConvertFPS(info->value(QStringLiteral("currentFPS")).toInt());
        setConvertedFrames(frames);
        setConvertProgress(percent, advanced);
        setCurConvertTime(converted);
    } else if (category == 0) {
        // The photo face is not drawn while the faces slide; the names above them still are.
        if (!isAnimationStart_) {
            const int frame = info->value(QStringLiteral("currentFrame")).toInt();
            const int total = info->value(QStringLiteral("totalFrames")).toInt();
            // A slideshow that reports no frames yet has nothing done, not a division by zero.
            encodePhotoProgress_->setValue(total > 0 ? int(qint64(frame) * 100 / total) : 0);
            encodeFrameLabel_->setText(tr("%1 / %2 Frame Finished").arg(frame).arg(total));
            photoEncodeProgress_->imageBeginEncoding(info->value(QStringLiteral("currentImage")).toString());
        }
    }

    const NXMediaNodePtr node = convertingNode();
    const NXProgressItemNames names = NXProgressNamesForNode(node.get());
    NXProgressItemTimes times;
    {
        std::lock_guard lock(workerMutex_);
        times = itemTimes_;
    }
    const auto show = [](QLabel *label, const std::optional<QString> &text) {
        if (text)
            label->setText(*text);
    };
    show(currentTitle_, names.currentTitle);
    // An output name too long for the sheet is cut in its middle, its extension in view.
    if (const auto target = names.currentTargetName ? names.currentTargetName : times.plannedTargetName)
        DNShowElided(currentTargetName_, *target, Qt::ElideMiddle);
    show(totalFrams_, times.frames);
    show(startTimeLabel_, times.startTime);
    show(endTimeLabel_, times.endTime);
    show(medioDuration_, times.duration);
    show(converttime_, times.convertedTime);
}

void NXProgressController::setConvertProgress(int percent, bool advanced)
{
    progress_->setText(QStringLiteral("%1 % ").arg(percent));
    const int p = percent < 1 ? 1 : percent;
    double estimate;
    if (p != lastPercent) {
        estimate = (100.0 - p) * double(now() - startConvertDate_) / p;
        lastPercent = p;
    } else if (advanced) {
        // Between percent steps, while the engine goes on, the estimate counts down a second per
        // poll, but never past zero: a slow step must not show the time growing again.
        estimate = std::max(0.0, lastEstimate - 1.0);
    } else {
        // No work was done since the last poll: nothing is nearer its end.
        estimate = lastEstimate;
    }
    lastEstimate = std::max(0.0, estimate);
    timeRemaid_->setText(DNTimeStringFromSeconds(int(std::trunc(lastEstimate))));
}

void NXProgressController::setConvertFPS(int fps)
{
    // A negative speed is one the engine does not measure.
    convertfps_->setText(fps < 0 ? QStringLiteral("--") : QStringLiteral("%1 ").arg(fps));
}

void NXProgressController::setConvertedFrames(int frames)
{
    totalFrams_->setText(QString::number(frames));
}

void NXProgressController::setCurConvertTime(int seconds)
{
    converttime_->setText(DNTimeStringFromSeconds(seconds));
}

// --- status steps

void NXProgressController::onConvertStarting()
{
    stopButton_->setEnabled(false);
    state_remain_above_progress_->setText(tr("Waiting..."));
    waitingProgress_->setVisible(true);
    waitingProgress_->setRange(0, 0);
}

void NXProgressController::onConvertConverting()
{
    stopButton_->setEnabled(true);
    state_remain_above_progress_->setText(tr("Converting..."));
    waitingProgress_->setRange(0, 1);
    waitingProgress_->setVisible(false);
}

void NXProgressController::onConvertStoping()
{
    stopButton_->setEnabled(false);
    state_remain_above_progress_->setText(tr("Stopping..."));
    waitingProgress_->setVisible(true);
    waitingProgress_->setRange(0, 0);
}

void NXProgressController::onConvertStopped()
{
    state_remain_above_progress_->setText(QString());
    waitingProgress_->setRange(0, 1);
    waitingProgress_->setVisible(false);
    QTimer::singleShot(0, this, &NXProgressController::cleanAllFieldData);
}

void NXProgressController::cleanAllFieldData()
{
    const QString zeroTime = QStringLiteral("00:00:00");
    stopButton_->setEnabled(false);
    convertfps_->setText(QStringLiteral("0"));
    curProgress_->setValue(0);
    totalFrams_->setText(QStringLiteral("0"));
    converttime_->setText(zeroTime);
    progress_->setText(QStringLiteral("%1 % ").arg(0));
    currentTitle_->clear();
    DNShowElided(currentTargetName_, QString());
    timeRemaid_->setText(zeroTime);
    startTimeLabel_->setText(zeroTime);
    endTimeLabel_->setText(zeroTime);
    medioDuration_->setText(zeroTime);
}

// --- end of the batch

void NXProgressController::progressDidEnd()
{
    currentConvertCount_ = 0;
    const QStringList failures = convertFailures();
    // Shutting down is for a batch that ran to its end: never after Stop, never after a
    // conversion that failed (the user would come back to a machine that is off, a batch that is
    // not done and no word of why).
    if (shutdownButton_->isChecked() && !stopRequested_ && !startConvertFailed() && failures.isEmpty())
        DNShutdownComputer();
    DNRoughLog(QStringLiteral("progressDidEnd"));
    bool wroteOutput = false;
    {
        std::lock_guard lock(workerMutex_);
        wroteOutput = !outputs_.isEmpty();
    }
    // A batch that wrote nothing (every item failed, or Stop came first) leaves nothing to look
    // at in the folder.
    if (openButton_->isChecked() && wroteOutput) {
        const auto appSetting = DNSetting::shareSetting().appSetting();
        QString folder = appSetting ? appSetting->videoOutputDirectory() : QString();
        if (folder.isEmpty())
            folder = DNSettingFolders::defaultMoviesFolder();
        DNOpenFolderInFinder(folder);
    }
    progressPanel_->done(QDialog::Accepted);
    running_ = false;
    if (!failures.isEmpty())
        showConvertFailures(failures);
    DNNotificationCenter::defaultCenter().enqueueNotification(progressDidEndNotificationName(),
                                                              QVariant(startConvertFailed() ? 1 : 0));
    onConvertStopped();
}

void NXProgressController::showConvertFailures(const QStringList &failures)
{
    failureAlert_ = DNOpenAlertSheet(progressPanel_->parentWidget(), QMessageBox::Critical, tr("Conversion Failed"),
                                     tr("These items could not be converted:"), failures.join(QLatin1Char('\n')),
                                     tr("OK"));
    failureAlert_->setObjectName(QStringLiteral("convertFailedAlert"));
}

void NXProgressController::progressSheetDidEnd()
{
    stopTimer();
    progressPanel_->hide();
}
