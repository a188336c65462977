#pragma once

#include "DNNodeInfo.h"
#include "DNNodeInfoProtocol.h"

#include "core/notify/DNNotificationCenter.h"

#include <QList>

#include <optional>

// "Apply to all" of the tag sheet: the sheet posts the edited record, the main window hands it
// to every top-level item of the list.
inline const QString kDNNotificationApplytoAllNodeInfo = QStringLiteral("DNNotificationApplytoAllNodeInfo");

// Posts "DNNotificationApplytoAllNodeInfo" on the default centre with a copy of info as object.
void DNPostApplyToAllNodeInfo(const DNNodeInfo &info);
// The record a "DNNotificationApplytoAllNodeInfo" notification carries; none for another object.
std::optional<DNNodeInfo> DNNodeInfoFromNotification(const DNNotification &notification);
// setNodeInfoOfSelectTrack(info) on each item (null items are skipped).
void DNApplyNodeInfoToItems(const DNNodeInfo &info, const QList<DNNodeInfoProtocol *> &items);
