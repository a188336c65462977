#pragma once

#include <QDateTime>

// When the automatic update check is due: the update-check mode of the settings (1 daily,
// 2 weekly, 3 monthly, 4 never, anything else at every launch) against the time of the last
// started check ("global_check_update_time" in the user settings). The preferences sheet owns
// the mode; the launch sequence asks here.
namespace DNUpdateCheckSchedule {
// Due when the last check and now fall on different days, weeks of the year or months; never
// for mode 4; always for a mode outside 1..4 or when no check was ever made.
bool needToCheckUpdate(int mode, const QDateTime &lastCheck, const QDateTime &now);
// The same for the stored mode and time.
bool needToCheckUpdate();
// Stores now as the time of the last check.
void updateCheckUpdateTime();
QDateTime lastCheckTime();
}
