#pragma once

#include "core/notify/DNNotificationCenter.h"
#include "profiles/DNProfile.h"

#include <memory>

// "Apply to all" of the profile chooser and settings sheet: the sheet posts the profile, the
// main window gives it to every item of the list.
inline const QString kDNNotificationApplytoAllProfileSetting = QStringLiteral("DNNotificationApplytoAllProfileSetting");
// The media list redraws every row from its item (object nil).
inline const QString kNXMediaTableViewRefreshAllCells = QStringLiteral("NXMediaTableViewRefreshAllCells 0.0");

// Posts "DNNotificationApplytoAllProfileSetting" with a copy of profile as object
// (a std::shared_ptr<DNProfile>); nothing for a null profile.
void DNPostApplyToAllProfile(const std::shared_ptr<DNProfile> &profile);
// The profile such a notification carries; null for another object.
std::shared_ptr<DNProfile> DNProfileFromNotification(const DNNotification &notification);
