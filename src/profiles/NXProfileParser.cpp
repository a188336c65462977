#include "profiles/NXProfileParser.h"

#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"
#include "core/util/DNFormat.h"
#include "core/util/DNSystemInfo.h"
#include "profiles/DNProfileKeepOrigin.h"
#include "profiles/NXProfileValue.h"
#include "profiles/NXProfileValueCheck.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace {

template <class T>
std::shared_ptr<T> copied(const std::shared_ptr<T> &field)
{
    return field ? field->copy() : nullptr;
}

QString flagText(bool flag)
{
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

QString localized(const char *text)
{
    return QCoreApplication::translate("DNProfile", text);
}

// A field value shown in the summary: "keep origin" has a translation, codec names and sizes
// stay as they are.
QString localizedValue(const QString &value)
{
    [[maybe_unused]] static const char *const translatedValue = QT_TRANSLATE_NOOP("DNProfile", "keep origin");
    return value.isNull() ? value : QCoreApplication::translate("DNProfile", value.toUtf8().constData());
}

template <class T>
void insertField(QVariantMap &dictionary, const std::shared_ptr<T> &field)
{
    if (field)
        dictionary.insert(QString::fromLatin1(T::kProfileKey), field->valuesIntoDictionary());
}

template <class T>
std::shared_ptr<T> readField(const QVariantMap &dictionary)
{
    return NXProfileInfoBase::objectWithDictonary<T>(dictionary.value(QString::fromLatin1(T::kProfileKey)));
}

} // namespace

NXProfileParser::NXProfileParser(const QString &path)
{
    profilePath_ = path;
    loadValueFromFile(path);
}

NXProfileParser::NXProfileParser(const NXProfileParser &other)
{
    copyFrom(other);
}

NXProfileParser &NXProfileParser::operator=(const NXProfileParser &other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

void NXProfileParser::copyFrom(const NXProfileParser &other)
{
    profilePath_ = other.profilePath_;
    id_ = other.id_;
    titles_ = other.titles_;
    descriptions_ = other.descriptions_;
    iconID_ = other.iconID_;
    customFormat_ = other.customFormat_;
    toiTunes_ = other.toiTunes_;
    keepChapters_ = other.keepChapters_;
    recommend_ = other.recommend_;
    twoPassEncode_ = other.twoPassEncode_;
    useVBR_ = other.useVBR_;
    fileFormat_ = other.fileFormat_;
    fileNameSuffix_ = other.fileNameSuffix_;
    argvAssembler_ = other.argvAssembler_;
    version_ = other.version_;
    // The phase is copied before the bitrate field, so it does not touch the copied bitrate.
    videoQuality_.reset();
    setQualityPhase(other.qualityPhase_);
    videoQuality_ = copied(other.videoQuality_);
    videoFrameRate_ = copied(other.videoFrameRate_);
    videoCodec_ = copied(other.videoCodec_);
    videoResolution_ = copied(other.videoResolution_);
    videoAspect_ = copied(other.videoAspect_);
    audioQuality_ = copied(other.audioQuality_);
    audioSampleRate_ = copied(other.audioSampleRate_);
    audioCodec_ = copied(other.audioCodec_);
    audioChannel_ = copied(other.audioChannel_);
    subtitleOptions_ = other.subtitleOptions_ ? other.subtitleOptions_->copy()
                                              : NXSubtitleOptions::defaultOptions();
    updateFlag();
}

void NXProfileParser::clearValues()
{
    const QString path = profilePath_;
    *this = NXProfileParser();
    profilePath_ = path;
}

bool NXProfileParser::loadValueFromFile(const QString &path)
{
    profilePath_ = path;
    return loadValueFromDictionary(readPropertyList(path));
}

bool NXProfileParser::loadValueFromDictionary(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantMap)
        return false;
    const QVariantMap dictionary = value.toMap();
    clearValues();

    id_ = NXIntValue(dictionary.value(QStringLiteral("ID")));
    titles_ = dictionary.contains(QStringLiteral("Titles")) ? dictionary.value(QStringLiteral("Titles"))
                                                            : dictionary.value(QStringLiteral("Title"));
    descriptions_ = dictionary.contains(QStringLiteral("Descriptions"))
        ? dictionary.value(QStringLiteral("Descriptions"))
        : dictionary.value(QStringLiteral("Description"));
    iconID_ = NXStringValue(dictionary.value(QStringLiteral("IconID")));
    customFormat_ = NXBoolValue(dictionary.value(QStringLiteral("CustomFormat")));
    toiTunes_ = NXBoolValue(dictionary.value(QStringLiteral("ToiTunes")));
    keepChapters_ = NXBoolValue(dictionary.value(QStringLiteral("KeepChapters")));
    recommend_ = NXBoolValue(dictionary.value(QStringLiteral("Recommend")));
    twoPassEncode_ = NXBoolValue(dictionary.value(QStringLiteral("TwoPassEncode")));
    useVBR_ = NXBoolValue(dictionary.value(QStringLiteral("UseVBR")));
    fileFormat_ = NXStringValue(dictionary.value(QStringLiteral("FileFormat")));
    fileNameSuffix_ = NXStringValue(dictionary.value(QStringLiteral("FileNameSuffix")));
    argvAssembler_ = NXStringValue(dictionary.value(QStringLiteral("ArgvAssembler")));
    version_ = NXStringValue(dictionary.value(QStringLiteral("Version")));
    qualityPhase_ = NXIntValue(dictionary.value(QStringLiteral("QualityPhase")));

    videoQuality_ = NXProfileInfoBase::objectWithDictonary<NXVideoQuality>(
        dictionary.value(QStringLiteral("VideoQuality")));
    videoFrameRate_ = readField<NXVideoFrameRate>(dictionary);
    videoCodec_ = readField<NXVideoCodec>(dictionary);
    videoResolution_ = readField<NXVideoResolution>(dictionary);
    videoAspect_ = readField<NXVideoAspect>(dictionary);
    audioQuality_ = readField<NXAudioQuality>(dictionary);
    audioSampleRate_ = readField<NXAudioSampleRate>(dictionary);
    audioCodec_ = readField<NXAudioCodec>(dictionary);
    audioChannel_ = readField<NXAudioChannel>(dictionary);
    subtitleOptions_ = readField<NXSubtitleOptions>(dictionary);
    if (!subtitleOptions_)
        subtitleOptions_ = NXSubtitleOptions::defaultOptions();
    // What no engine could take is repaired or left for the conversion to refuse, never passed on.
    repairProfileValues(*this);
    updateFlag();
    return true;
}

QVariantMap NXProfileParser::archive2Dictionary() const
{
    QVariantMap dictionary;
    if (!profilePath_.isNull()) {
        // Stored relative to the program's prefix, so a moved installation still finds the file;
        // a profile outside the prefix keeps its whole path.
        const QString prefix = DNBundle::prefixPath();
        const bool inside = !prefix.isEmpty() && profilePath_.startsWith(prefix + QLatin1Char('/'));
        dictionary.insert(QStringLiteral("Profile_Related_Path"),
                          inside ? profilePath_.mid(prefix.size()) : profilePath_);
    }
    dictionary.insert(archiveVersionKey(), 1);
    dictionary.insert(QStringLiteral("ID"), QString::number(id_));
    if (titles_.isValid())
        dictionary.insert(QStringLiteral("Title"), titles_);
    if (descriptions_.isValid())
        dictionary.insert(QStringLiteral("Description"), descriptions_);
    if (!iconID_.isNull())
        dictionary.insert(QStringLiteral("IconID"), iconID_);
    dictionary.insert(QStringLiteral("CustomFormat"), flagText(customFormat_));
    dictionary.insert(QStringLiteral("ToiTunes"), flagText(toiTunes_));
    dictionary.insert(QStringLiteral("Recommend"), flagText(recommend_));
    dictionary.insert(QStringLiteral("KeepChapters"), flagText(keepChapters_));
    dictionary.insert(QStringLiteral("TwoPassEncode"), flagText(twoPassEncode_));
    dictionary.insert(QStringLiteral("UseVBR"), flagText(useVBR_));
    if (!fileFormat_.isNull())
        dictionary.insert(QStringLiteral("FileFormat"), fileFormat_);
    if (!fileNameSuffix_.isNull())
        dictionary.insert(QStringLiteral("FileNameSuffix"), fileNameSuffix_);
    if (!argvAssembler_.isNull())
        dictionary.insert(QStringLiteral("ArgvAssembler"), argvAssembler_);
    if (!version_.isNull())
        dictionary.insert(QStringLiteral("Version"), version_);
    dictionary.insert(QStringLiteral("QualityPhase"), qualityPhase_);
    if (videoQuality_)
        dictionary.insert(QStringLiteral("VideoQuality"), videoQuality_->valuesIntoDictionary());
    insertField(dictionary, videoFrameRate_);
    insertField(dictionary, videoCodec_);
    insertField(dictionary, videoResolution_);
    insertField(dictionary, videoAspect_);
    insertField(dictionary, audioQuality_);
    insertField(dictionary, audioSampleRate_);
    insertField(dictionary, audioCodec_);
    insertField(dictionary, audioChannel_);
    insertField(dictionary, subtitleOptions_);
    return dictionary;
}

bool NXProfileParser::saveCustomProfileToContentOfPath(const QString &path) const
{
    return writePropertyList(archive2Dictionary(), path, DNPropertyListFormat::XML);
}

bool NXProfileParser::resetValue()
{
    return loadValueFromFile(profilePath_);
}

QVariantMap NXProfileParser::encodeWithCoder() const
{
    return {{archiveKey(), archive2Dictionary()}};
}

bool NXProfileParser::initWithCoder(const QVariantMap &coded)
{
    const QVariant archived = coded.value(archiveKey());
    if (archived.typeId() != QMetaType::QVariantMap)
        return false;
    const QVariantMap dictionary = archived.toMap();
    const QString related = NXStringValue(dictionary.value(QStringLiteral("Profile_Related_Path")));
    if (!related.isNull()) {
        const QString underPrefix = DNBundle::prefixPath() + related;
        profilePath_ = (!QFileInfo::exists(underPrefix) && QFileInfo(related).isAbsolute()
                        && QFileInfo::exists(related))
            ? related
            : underPrefix;
    }
    if (NXIntValue(dictionary.value(archiveVersionKey())) == 1)
        return loadValueFromDictionary(dictionary);
    return loadValueFromFile(profilePath_);
}

QString NXProfileParser::description() const
{
    return QStringLiteral("<%1>id:%2,title:%3,desc:%4\naudio samply rate:%5")
        .arg(QStringLiteral("DNProfile"))
        .arg(id_)
        .arg(title(), deviceDescription())
        .arg(audioSampleRate_ ? audioSampleRate_->values().size() : 0);
}

void NXProfileParser::setQualityPhase(int phase)
{
    qualityPhase_ = phase;
    // A phase outside the list keeps the current bitrate rather than failing: the list is
    // meant to cover every phase, and a hand-edited profile must not bring the program down.
    if (videoQuality_ && videoQuality_->hasVideoBitratePhases() && phase >= 0
        && phase < videoQuality_->videoBitratePhases().size())
        videoQuality_->setCurrentValue(videoQuality_->videoBitratePhases().at(phase));
}

QString NXProfileParser::title() const
{
    return NXLocalizedText(titles_, DNPreferredLanguageCode());
}

QString NXProfileParser::deviceDescription() const
{
    return NXLocalizedText(descriptions_, DNPreferredLanguageCode());
}

#define NX_FIELD_SETTER(Setter, Type, member)                                                 \
    void NXProfileParser::Setter(const std::shared_ptr<Type> &field) { member = copied(field); }

NX_FIELD_SETTER(setVideoQuality, NXVideoQuality, videoQuality_)
NX_FIELD_SETTER(setVideoFrameRate, NXVideoFrameRate, videoFrameRate_)
NX_FIELD_SETTER(setVideoCodec, NXVideoCodec, videoCodec_)
NX_FIELD_SETTER(setVideoResolution, NXVideoResolution, videoResolution_)
NX_FIELD_SETTER(setVideoAspect, NXVideoAspect, videoAspect_)
NX_FIELD_SETTER(setAudioQuality, NXAudioQuality, audioQuality_)
NX_FIELD_SETTER(setAudioSampleRate, NXAudioSampleRate, audioSampleRate_)
NX_FIELD_SETTER(setAudioCodec, NXAudioCodec, audioCodec_)
NX_FIELD_SETTER(setAudioChannel, NXAudioChannel, audioChannel_)
NX_FIELD_SETTER(setSubtitleOptions, NXSubtitleOptions, subtitleOptions_)

#undef NX_FIELD_SETTER

QSizeF NXProfileParser::videoResultion() const
{
    const QString value = videoResolution_ ? videoResolution_->currentValue() : QString();
    const QStringList parts = value.split(QLatin1Char('x'));
    if (value.isNull() || parts.size() != 2)
        return QSizeF(720, 480);
    return QSizeF(NXFloatValue(parts.at(0)), NXFloatValue(parts.at(1)));
}

int NXProfileParser::videoFrameRateIntegerValue() const
{
    const QString value = videoFrameRate_ ? videoFrameRate_->currentValue() : QString();
    if (value == DNKeepOriginText())
        return 24;
    return int(std::ceil(NXFloatValue(value)));
}

QString NXProfileParser::profileSummary() const
{
    if (videoCodec_) {
        const QStringList audioValues = audioCodec_ ? audioCodec_->values() : QStringList();
        QString audio = audioValues.join(QLatin1Char('/'));
        if (audioValues.size() == 1 && audioValues.first().toLower() == DNKeepOriginText())
            audio = localized(QT_TRANSLATE_NOOP("DNProfile", "original audio"));
        const QString resolution = videoResolution_ ? localizedValue(videoResolution_->currentValue()) : QString();
        return DNFormat(localized(QT_TRANSLATE_NOOP("DNProfile", "Codec: %@+%@ , Resolution: %@")), videoCodec_->values().join(QLatin1Char('/')),
                        audio, resolution);
    }
    if (audioCodec_) {
        const QString bitrate = audioQuality_ ? audioQuality_->currentValue() : QString();
        const char *format = bitrate.startsWith(QLatin1String("Smart Match"))
            ? QT_TRANSLATE_NOOP("DNProfile", "Codec: %@, Bit Rate: %@")
            : QT_TRANSLATE_NOOP("DNProfile", "Codec: %@, Bit Rate: %@kbps");
        return DNFormat(localized(format), localizedValue(audioCodec_->currentValue()), bitrate);
    }
    return QString(QLatin1String(""));
}

void NXProfileParser::updateFlag()
{
    const QString video = videoCodec_ ? videoCodec_->currentValue() : QString();
    const QString audio = audioCodec_ ? audioCodec_->currentValue() : QString();
    flagVideoCopy_ = video.isNull() || video.toLower() == DNKeepOriginText();
    flagAudioCopy_ = audio.isNull() || audio.toLower() == DNKeepOriginText();
}
