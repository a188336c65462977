#include "profiles/NXProfileInfoBase.h"

#include "profiles/NXProfileValue.h"

namespace {
const QString kCustomizable = QStringLiteral("Customizable");
const QString kDefaultValue = QStringLiteral("DefaultValue");

QString flagText(bool flag)
{
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

bool NXProfileInfoBase::parserValueFromDictionary(const QVariantMap &dictionary)
{
    canCustom_ = NXBoolValue(dictionary.value(kCustomizable));
    currentValue_ = NXStringValue(dictionary.value(kDefaultValue));
    return true;
}

QVariantMap NXProfileInfoBase::baseValuesIntoDictionary() const
{
    QVariantMap dictionary;
    dictionary.insert(kCustomizable, flagText(canCustom_));
    if (!currentValue_.isNull())
        dictionary.insert(kDefaultValue, currentValue_);
    return dictionary;
}

bool NXVideoQuality::parserValueFromDictionary(const QVariantMap &dictionary)
{
    NXProfileInfoBase::parserValueFromDictionary(dictionary);
    maxVideoBitrate_ = NXIntValue(dictionary.value(QStringLiteral("MaxVideoBitrate")));
    minVideoBitrate_ = NXIntValue(dictionary.value(QStringLiteral("MinVideoBitrate")));
    const QVariant phases = dictionary.value(QStringLiteral("VideoBitratePhases"));
    hasPhases_ = phases.typeId() == QMetaType::QVariantList || phases.typeId() == QMetaType::QStringList;
    videoBitratePhases_ = NXStringListValue(phases);

    const QVariantMap model = dictionary.value(QStringLiteral("BitrateModel")).toMap();
    const QString defaultModel = NXStringValue(model.value(kDefaultValue));
    if (defaultModel.isNull()) {
        defaultBitrateModel_ = QStringLiteral("CBR");
        canEditBitrate_ = false;
    } else {
        defaultBitrateModel_ = defaultModel;
        canEditBitrate_ = NXBoolValue(model.value(QStringLiteral("Editable")));
    }
    const QVariant supported = model.value(QStringLiteral("SupportModels"));
    if (supported.isValid())
        supportBitrateModel_ = NXStringListValue(supported);
    else
        supportBitrateModel_ = {QStringLiteral("VBR"), QStringLiteral("CBR")};

    const QVariant archived = dictionary.value(QStringLiteral("curBitrateModel"));
    if (archived.isValid())
        bmodel_ = NXIntValue(archived);
    else
        bmodel_ = defaultBitrateModel_ == QLatin1String("VBR") ? 0 : 1;
    return true;
}

QVariantMap NXVideoQuality::valuesIntoDictionary() const
{
    QVariantMap dictionary = baseValuesIntoDictionary();
    dictionary.insert(QStringLiteral("MaxVideoBitrate"), QString::number(maxVideoBitrate_));
    dictionary.insert(QStringLiteral("MinVideoBitrate"), QString::number(minVideoBitrate_));
    if (hasPhases_)
        dictionary.insert(QStringLiteral("VideoBitratePhases"), videoBitratePhases_);
    dictionary.insert(QStringLiteral("curBitrateModel"), bmodel_);
    QVariantMap model;
    model.insert(kDefaultValue, defaultBitrateModel_);
    model.insert(QStringLiteral("Editable"), flagText(canEditBitrate_));
    model.insert(QStringLiteral("SupportModels"), supportBitrateModel_);
    dictionary.insert(QStringLiteral("BitrateModel"), model);
    return dictionary;
}

std::shared_ptr<NXProfileInfoBase> NXVideoQuality::copyField() const
{
    return copy();
}
