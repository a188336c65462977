// What the program reads back from property lists: profiles (files and archives) and the
// settings archive.

#include "FuzzTargets.h"

#include "core/plist/DNPropertyList.h"
#include "core/settings/DNSetting.h"
#include "profiles/DNProfile.h"
#include "profiles/NXProfileValueCheck.h"

#include <QString>

void fuzzProfileReader(const uint8_t *data, size_t size)
{
    const QString path = QString::fromStdString(writeFuzzScratchFile("profile.plist", data, size));

    const std::shared_ptr<DNProfile> profile = DNProfile::parserFromContentOfFile(path);
    const QVariant root = propertyListFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    std::shared_ptr<DNProfile> archived;
    if (root.typeId() == QMetaType::QVariantMap)
        archived = DNProfile::profileWithCoder(root.toMap());
    for (const auto &p : {profile, archived}) {
        if (!p)
            continue;
        p->profileSummary();
        p->videoResultion();
        p->videoFrameRateIntegerValue();
        p->setQualityPhase(p->qualityPhase());
        profileValueProblems(*p);
        p->copy()->encodeWithCoder();
    }
}

void fuzzSettingsArchive(const uint8_t *data, size_t size)
{
    const QVariant root = propertyListFromData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (root.typeId() != QMetaType::QVariantMap)
        return;
    if (std::unique_ptr<DNSetting> setting = DNSetting::fromArchive(root.toMap()))
        setting->archive();
}
