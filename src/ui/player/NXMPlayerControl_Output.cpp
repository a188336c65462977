// The preview control reading its player's standard output.
#include "NXMPlayerControl.h"

#include "player/HVPlayerStatus.h"

#include <QTimer>

namespace {
// The duration notification follows each length line after this delay.
constexpr int kDurationNoticeDelayMs = 100;
} // namespace

void NXMPlayerControl::readOutputLines(const QStringList &lines)
{
    using HVPlayerStatus::LineKind;
    for (const QString &text : lines) {
        Q_EMIT playerOutputLine(text);
        const HVPlayerStatus::Line line = HVPlayerStatus::classifyLine(text);
        switch (line.kind) {
        case LineKind::Status:
            flag_.currentPlaybackTime = float(line.value);
            if (flag_.isPaused) {
                flag_.isPaused = false;
                post("NXMPlayerControlPlaybackStatusChanged #_#");
            }
            break;
        case LineKind::Paused:
            flag_.isPaused = true;
            post("NXMPlayerControlPlaybackStatusChanged #_#");
            break;
        case LineKind::Length:
            // The first length reported wins (a 0 before it does not count).
            if (flag_.duration < 0.01f)
                flag_.duration = float(line.value);
            QTimer::singleShot(kDurationNoticeDelayMs, this, [this] { postDurationAvailableNotification(); });
            break;
        case LineKind::StartingPlayback:
            flag_.isStarted = true;
            post("NXMPlayerControlPlaybackDidStart ~_~");
            break;
        case LineKind::VideoWidth:
        case LineKind::VideoHeight:
        case LineKind::Ignored:
            break;
        }
    }
}
