#pragma once

#include "profiles/NXProfileInfoBase.h"

// A field chosen from a list of allowed values. The subclasses differ only in the key under
// which the profile stores that list and in the profile key of the field's own dictionary.
class NXOtherVideoInfoBase : public NXProfileInfoBase
{
public:
    bool parserValueFromDictionary(const QVariantMap &dictionary) override;
    QVariantMap valuesIntoDictionary() const override;
    virtual QString keyForValues() const = 0;

    QStringList values() const { return values_; }
    void setValues(const QStringList &values) { values_ = values; }

private:
    QStringList values_;
};

template <class Derived>
class NXOtherVideoInfoOf : public NXOtherVideoInfoBase
{
public:
    QString keyForValues() const override { return QString::fromLatin1(Derived::kValuesKey); }
    std::shared_ptr<NXProfileInfoBase> copyField() const override { return copy(); }
    std::shared_ptr<Derived> copy() const
    {
        return std::make_shared<Derived>(static_cast<const Derived &>(*this));
    }
};

#define NX_LIST_FIELD(ClassName, ProfileKey, ValuesKey)                                       \
    class ClassName final : public NXOtherVideoInfoOf<ClassName>                              \
    {                                                                                         \
    public:                                                                                   \
        static constexpr const char *kProfileKey = ProfileKey;                                \
        static constexpr const char *kValuesKey = ValuesKey;                                  \
    };

NX_LIST_FIELD(NXVideoFrameRate, "VideoFrameRate", "FrameRates")
NX_LIST_FIELD(NXVideoCodec, "VideoCodec", "VideoCodecs")
NX_LIST_FIELD(NXVideoResolution, "VideoResolution", "Resolutions")
NX_LIST_FIELD(NXVideoAspect, "VideoAspect", "AspectRatios")
NX_LIST_FIELD(NXAudioQuality, "AudioQuality", "AudioBitrates")
NX_LIST_FIELD(NXAudioSampleRate, "AudioSampleRate", "SampleRates")
NX_LIST_FIELD(NXAudioCodec, "AudioCodec", "AudioCodecs")
NX_LIST_FIELD(NXAudioChannel, "AudioChannel", "AllowChannels")

#undef NX_LIST_FIELD

// Subtitle burn-in. Unlike the other fields it always exists: a profile without it gets the
// default options (not customisable, "NO", choices "YES" and "NO").
class NXSubtitleOptions final : public NXOtherVideoInfoOf<NXSubtitleOptions>
{
public:
    static constexpr const char *kProfileKey = "SubtitleBurnOption";
    static constexpr const char *kValuesKey = "SubtitleBurnOptionsValue";
    static std::shared_ptr<NXSubtitleOptions> defaultOptions();
};
