#include "profiles/NXProfileCategoryItem.h"

#include "core/util/DNSystemInfo.h"
#include "profiles/NXProfileValue.h"

void NXProfileCategoryItem::parseValueFromDictionary(const QVariantMap &dictionary)
{
    id_ = NXStringValue(dictionary.value(QStringLiteral("ID")));
    ptitles_ = dictionary.value(QStringLiteral("Title"));
    iconID_ = NXStringValue(dictionary.value(QStringLiteral("IconID")));
    content_ = NXStringListValue(dictionary.value(QStringLiteral("Content")));
    membership_ = membershipForText(NXStringValue(dictionary.value(QStringLiteral("Membership"))));
    const QString memberType = NXStringValue(dictionary.value(QStringLiteral("ContentMemberType")));
    contentMemberType_ = memberType.startsWith(QLatin1String("Specified")) ? 0 : 1;
    const QVariant defaultIndex = dictionary.value(QStringLiteral("ProfileDefaultIDX"));
    defaultIndex_ = defaultIndex.isValid() ? NXIntValue(defaultIndex) : 0;
}

qint32 NXProfileCategoryItem::membershipForText(const QString &text)
{
    static const struct {
        const char *prefix;
        qint32 code;
    } prefixes[] = {
        {"Dev", NXProfileMembershipDevice},
        {"DVD", NXProfileMembershipDVDBackup},
        {"Web", NXProfileMembershipWeb},
        {"Gen", NXProfileMembershipGeneral},
        {"Frequently", NXProfileMembershipFrequently},
    };
    for (const auto &entry : prefixes) {
        if (text.startsWith(QLatin1String(entry.prefix)))
            return entry.code;
    }
    return NXProfileMembershipNone;
}

QString NXProfileCategoryItem::title() const
{
    return NXLocalizedText(ptitles_, DNPreferredLanguageCode());
}
