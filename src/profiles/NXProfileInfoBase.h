#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

// One customisable field of a profile: the chosen value and whether the settings sheet lets the
// user change it. Field objects are values: a profile stores and hands out its own copies.
class NXProfileInfoBase
{
public:
    virtual ~NXProfileInfoBase() = default;

    // Reads "Customizable" and "DefaultValue"; subclasses read their own keys after these.
    virtual bool parserValueFromDictionary(const QVariantMap &dictionary);
    // The field in the form the profile and archive dictionaries hold it.
    virtual QVariantMap valuesIntoDictionary() const = 0;
    virtual std::shared_ptr<NXProfileInfoBase> copyField() const = 0;

    QString currentValue() const { return currentValue_; }
    void setCurrentValue(const QString &value) { currentValue_ = value; }
    bool canCustom() const { return canCustom_; }
    void setCanCustom(bool canCustom) { canCustom_ = canCustom; }

    // A new field of class T read from a dictionary; null for anything but a dictionary.
    template <class T>
    static std::shared_ptr<T> objectWithDictonary(const QVariant &dictionary)
    {
        if (dictionary.typeId() != QMetaType::QVariantMap)
            return nullptr;
        auto field = std::make_shared<T>();
        field->parserValueFromDictionary(dictionary.toMap());
        return field;
    }

protected:
    QVariantMap baseValuesIntoDictionary() const;

private:
    QString currentValue_;
    bool canCustom_ = false;
};

// The video bitrate field. Its current value is the bitrate in kbps as text; the phase list
// gives the bitrate of each quality step (low, normal, high).
class NXVideoQuality : public NXProfileInfoBase
{
public:
    bool parserValueFromDictionary(const QVariantMap &dictionary) override;
    QVariantMap valuesIntoDictionary() const override;
    std::shared_ptr<NXProfileInfoBase> copyField() const override;
    std::shared_ptr<NXVideoQuality> copy() const { return std::make_shared<NXVideoQuality>(*this); }

    int maxVideoBitrate() const { return maxVideoBitrate_; }
    void setMaxVideoBitrate(int kbps) { maxVideoBitrate_ = kbps; }
    int minVideoBitrate() const { return minVideoBitrate_; }
    void setMinVideoBitrate(int kbps) { minVideoBitrate_ = kbps; }
    // Absent in the list (null) is kept apart from an empty list: only a present list is archived.
    const QStringList &videoBitratePhases() const { return videoBitratePhases_; }
    bool hasVideoBitratePhases() const { return hasPhases_; }
    void setVideoBitratePhases(const QStringList &phases)
    {
        videoBitratePhases_ = phases;
        hasPhases_ = true;
    }
    bool canEditCVCBR() const { return canEditBitrate_; }
    void setCanEditCVCBR(bool editable) { canEditBitrate_ = editable; }
    QStringList supportBitrateModel() const { return supportBitrateModel_; }
    void setSupportBitrateModel(const QStringList &models) { supportBitrateModel_ = models; }
    QString defaultBitrateModel() const { return defaultBitrateModel_; }
    void setDefaultBitrateModel(const QString &model) { defaultBitrateModel_ = model; }
    // 0 = VBR, 1 = CBR.
    int curBitrateModel() const { return bmodel_; }
    void setCurBitrateModel(int model) { bmodel_ = model; }

private:
    int minVideoBitrate_ = 0;
    int maxVideoBitrate_ = 0;
    QStringList videoBitratePhases_;
    bool hasPhases_ = false;
    bool canEditBitrate_ = false;
    QString defaultBitrateModel_ = QStringLiteral("CBR");
    QStringList supportBitrateModel_ {QStringLiteral("VBR"), QStringLiteral("CBR")};
    int bmodel_ = 1;
};
