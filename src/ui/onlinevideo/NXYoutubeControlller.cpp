#include "NXYoutubeControlller.h"

#include "NXPreloadSlider.h"
#include "NXVideoDownloadOption.h"
#include "NXYoutubeWindowBuilder.h"

#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNTimeText.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/NXSlider.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QUrl>

#include <algorithm>

const QString NXYoutubeControlller::windowWillCloseNotification = QStringLiteral("NXYoutubeWindowWillCloseNotification");

namespace {
constexpr int kRefreshMs = 250;

std::shared_ptr<NXVideoDownloadSetting> downloadRecord()
{
    return DNSetting::shareSetting().downloadSetting();
}

bool isOnlineAddress(const QUrl &url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}
} // namespace

NXYoutubeControlller::NXYoutubeControlller(QObject *parent)
    : QObject(parent), player_(new NXOVPlayerControl(this)), refreshTimer_(new QTimer(this))
{
    window_ = NXBuildYoutubeWindow(this, [this] { windowWillClose(); });
    // Sized before it is first shown: the flip that brings it in measures it.
    window_->resize(window_->sizeHint());
    player_->setDelegate(this);
    player_->setCacheBufferSizeInMB(kCacheBufferSizeInMB);
    const float volume = std::clamp(downloadRecord()->volume(), 0.0f, 100.0f);
    player_->setPlayerVolume(volume);
    volumeSlider->setMaxValue(100);
    volumeSlider->setValue(volume);
    volumeSlider->setAction([this](NXSlider *slider) {
        player_->setPlayerVolume(slider->floatValue());
        downloadRecord()->setVolume(slider->floatValue());
    });
    refreshTimer_->setInterval(kRefreshMs);
    connect(refreshTimer_, &QTimer::timeout, this, &NXYoutubeControlller::refreshPlaybackState);
    refreshButtons();
}

NXYoutubeControlller::~NXYoutubeControlller()
{
    // The player goes first: its end must not reach a window that is gone.
    player_->setDelegate(nullptr);
    delete player_;
    player_ = nullptr;
    delete window_;
}

QWidget *NXYoutubeControlller::window() const
{
    return window_;
}

NXVideoDownloadOption *NXYoutubeControlller::downloadOption()
{
    if (!downloadOption_)
        downloadOption_ = new NXVideoDownloadOption(this);
    return downloadOption_;
}

void NXYoutubeControlller::playAddress()
{
    const QString text = addressField->text().trimmed();
    const QUrl url = QUrl::fromUserInput(text);
    if (text.isEmpty() || !isOnlineAddress(url)) {
        showMessage(tr("Enter the address of an online video, beginning with http:// or https://."));
        addressField->setFocus();
        return;
    }
    if (!player_->openglView()) {
        showMessage(tr("This display offers no OpenGL, so online videos cannot be shown here."));
        return;
    }
    address_ = url.toString();
    everShown_ = false;
    stoppedByUser_ = false;
    player_->setCurrentDirectoryPath(DNSetting::shareSetting().appSetting()->snapshotDirectory());
    showMessage(tr("Connecting to %1 ...").arg(address_));
    player_->playOnlineVideoWidthAddress(address_);
    refreshTimer_->start();
    refreshPlaybackState();
}

void NXYoutubeControlller::pauseOrContinue()
{
    // Also while the cache refills: the user may pause a video that waits for its data.
    if (player_->flags().isStarted)
        player_->pauseOrContinue();
}

void NXYoutubeControlller::stop()
{
    if (!player_->flags().isStarted)
        return;
    stoppedByUser_ = true;
    player_->stopPlay();
}

void NXYoutubeControlller::showDownloadOptions()
{
    downloadOption()->displayPanelWithWindow(window_);
}

void NXYoutubeControlller::openDownloadFolder()
{
    DNOpenFolderInFinder(downloadRecord()->downloadTarget());
}

void NXYoutubeControlller::takeSnapshot()
{
    if (!player_->flags().isStarted)
        return;
    const QString folder = player_->currentDirectoryPath();
    player_->saveSnapshotToDirectory(folder);
    showMessage(tr("The picture is saved in %1.").arg(folder));
}

void NXYoutubeControlller::refreshPlaybackState()
{
    const float length = player_->duration();
    const float now = player_->currentPlaybackTime();
    positionSlider->setMaxValue(length);
    positionSlider->setValue(now, std::min(player_->loadCacheTime(), length));
    playedTime->setText(DNTimeStringFromSeconds(int(now)));
    leftTime->setText(DNTimeStringFromSeconds(int(std::max(0.0f, player_->currentLeftTime()))));
    refreshButtons();
}

void NXYoutubeControlller::refreshButtons()
{
    const bool running = player_->flags().isStarted;
    pauseButton->setEnabled(running);
    const char *picture = player_->flags().isPaused ? "right_continue.png" : "right_pause.png";
    pauseButton->setNormalImage(QString::fromLatin1(picture));
    stopButton->setEnabled(running);
    positionSlider->setEnabled(running && player_->duration() > 0);
    if (auto *snapshot = player_->getSnapshot.data())
        snapshot->setEnabled(running);
}

QString NXYoutubeControlller::message() const
{
    return messageLine->text();
}

void NXYoutubeControlller::showMessage(const QString &text)
{
    messageLine->setText(text);
}

void NXYoutubeControlller::playbackDidStarted(NXOVPlayerControl *)
{
    everShown_ = true;
    refreshPlaybackState();
}

void NXYoutubeControlller::playbackDidEnded(NXOVPlayerControl *control)
{
    refreshTimer_->stop();
    const QString text =
        endMessage(address_, everShown_, stoppedByUser_, control->currentPlaybackTime(), control->duration());
    DNRoughLog(QStringLiteral("online video: %@"), text);
    showMessage(text);
    refreshPlaybackState();
}

void NXYoutubeControlller::playbackDidPaused(NXOVPlayerControl *)
{
    showMessage(tr("Paused."));
    refreshButtons();
}

void NXYoutubeControlller::playbackDidContinued(NXOVPlayerControl *)
{
    showMessage(tr("Playing %1").arg(address_));
    refreshButtons();
}

void NXYoutubeControlller::playbackCacheUnavilabled(NXOVPlayerControl *)
{
    showMessage(tr("Loading %1 ...").arg(address_));
    refreshButtons();
}

void NXYoutubeControlller::playbackCacheAvilabled(NXOVPlayerControl *)
{
    showMessage(tr("Playing %1").arg(address_));
    refreshButtons();
}

QString NXYoutubeControlller::endMessage(const QString &address, bool everShown, bool stoppedByUser, float position,
                                         float length)
{
    if (stoppedByUser)
        return tr("Stopped.");
    if (!everShown)
        return tr("The video at %1 could not be played: the address gave no video, or it could not be reached.")
            .arg(address);
    if (length > 0 && position < length - kEndToleranceSeconds)
        return tr("The connection to %1 was lost at %2 of %3; playback has stopped.")
            .arg(address, DNTimeStringFromSeconds(int(position)), DNTimeStringFromSeconds(int(length)));
    return tr("Finished playing %1.").arg(address);
}

void NXYoutubeControlller::windowWillClose()
{
    stop();
    // Queued: whoever answers may release this controller, which must not happen inside its
    // own window's close.
    DNNotificationCenter::defaultCenter().enqueueNotification(windowWillCloseNotification,
                                                              QVariant::fromValue(static_cast<QObject *>(this)));
}
