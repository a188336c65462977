#include "ui/profiles/DNProfileApplyToAll.h"

void DNPostApplyToAllProfile(const std::shared_ptr<DNProfile> &profile)
{
    if (!profile)
        return;
    DNNotificationCenter::defaultCenter().postNotification(kDNNotificationApplytoAllProfileSetting,
                                                           QVariant::fromValue(profile->copy()));
}

std::shared_ptr<DNProfile> DNProfileFromNotification(const DNNotification &notification)
{
    if (notification.object.metaType() != QMetaType::fromType<std::shared_ptr<DNProfile>>())
        return nullptr;
    return notification.object.value<std::shared_ptr<DNProfile>>();
}
