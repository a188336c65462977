#include "profiles/NXOtherVideoInfo.h"

#include "profiles/NXProfileValue.h"

bool NXOtherVideoInfoBase::parserValueFromDictionary(const QVariantMap &dictionary)
{
    NXProfileInfoBase::parserValueFromDictionary(dictionary);
    values_ = NXStringListValue(dictionary.value(keyForValues()));
    return true;
}

QVariantMap NXOtherVideoInfoBase::valuesIntoDictionary() const
{
    QVariantMap dictionary = baseValuesIntoDictionary();
    dictionary.insert(keyForValues(), values_);
    return dictionary;
}

std::shared_ptr<NXSubtitleOptions> NXSubtitleOptions::defaultOptions()
{
    auto options = std::make_shared<NXSubtitleOptions>();
    options->setCanCustom(false);
    options->setCurrentValue(QStringLiteral("NO"));
    options->setValues({QStringLiteral("YES"), QStringLiteral("NO")});
    return options;
}
