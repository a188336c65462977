#include "DNNodeInfoApplyToAll.h"

void DNPostApplyToAllNodeInfo(const DNNodeInfo &info)
{
    DNNotificationCenter::defaultCenter().postNotification(kDNNotificationApplytoAllNodeInfo,
                                                           QVariant::fromValue(info));
}

std::optional<DNNodeInfo> DNNodeInfoFromNotification(const DNNotification &notification)
{
    if (!notification.object.canConvert<DNNodeInfo>()
        || notification.object.metaType() != QMetaType::fromType<DNNodeInfo>())
        return std::nullopt;
    return notification.object.value<DNNodeInfo>();
}

void DNApplyNodeInfoToItems(const DNNodeInfo &info, const QList<DNNodeInfoProtocol *> &items)
{
    for (DNNodeInfoProtocol *item : items) {
        if (item)
            item->setNodeInfoOfSelectTrack(info);
    }
}
