#pragma once

#include "profiles/NXOtherVideoInfo.h"
#include "profiles/NXProfileInfoBase.h"

#include <QSizeF>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

// An output profile as read from its property list: what a conversion produces, which builder
// makes the engine's command line (argvAssembler) and the customisable fields. Copies are deep:
// media items, the catalogue and the settings sheet each edit their own.
class NXProfileParser
{
public:
    // Reads the profile file; a missing or unreadable file gives a profile with no values.
    explicit NXProfileParser(const QString &path);
    NXProfileParser(const NXProfileParser &other);
    NXProfileParser &operator=(const NXProfileParser &other);
    virtual ~NXProfileParser() = default;

    // The archive key of a profile inside a keyed archive.
    static QString archiveKey() { return QStringLiteral("ProfileParser_0.0"); }
    // The entry whose value 1 says an archive holds the values themselves.
    static QString archiveVersionKey() { return QStringLiteral("QuivraVideoConverterProfileVersion"); }

    bool loadValueFromFile(const QString &path);
    // False (and nothing changes) for anything but a dictionary.
    bool loadValueFromDictionary(const QVariant &dictionary);
    QVariantMap archive2Dictionary() const;
    bool saveCustomProfileToContentOfPath(const QString &path) const;
    // The settings sheet's restore-default: the values of the profile's file again.
    bool resetValue();

    // The keyed-archive form: the archive dictionary under archiveKey().
    QVariantMap encodeWithCoder() const;
    // Restores an archive made by encodeWithCoder (the path relative to the program's prefix);
    // an archive of another version is reloaded from its profile file.
    bool initWithCoder(const QVariantMap &coded);

    QString description() const;
    // Also sets the video bitrate to the phase's entry of the phase list, when there is one.
    void setQualityPhase(int phase);
    int qualityPhase() const { return qualityPhase_; }

    // Title and description in the interface language (else English).
    QString title() const;
    QString deviceDescription() const;

    QString profilePath() const { return profilePath_; }
    void setProfilePath(const QString &path) { profilePath_ = path; }
    qint32 GlobalID() const { return id_; }
    void setGlobalID(qint32 id) { id_ = id; }
    QVariant internationalTitles() const { return titles_; }
    void setInternationalTitles(const QVariant &titles) { titles_ = titles; }
    QVariant internationalDescription() const { return descriptions_; }
    void setInternationalDescription(const QVariant &descriptions) { descriptions_ = descriptions; }
    QString iconID() const { return iconID_; }
    void setIconID(const QString &iconID) { iconID_ = iconID; }
    bool isCustomFormat() const { return customFormat_; }
    void setCustomFormat(bool flag) { customFormat_ = flag; }
    bool isToiTunes() const { return toiTunes_; }
    void setToiTunes(bool flag) { toiTunes_ = flag; }
    bool isKeepChapters() const { return keepChapters_; }
    void setKeepChapters(bool flag) { keepChapters_ = flag; }
    bool isRecommend() const { return recommend_; }
    void setRecommend(bool flag) { recommend_ = flag; }
    QString fileFormat() const { return fileFormat_; }
    void setFileFormat(const QString &format) { fileFormat_ = format; }
    QString fileNameSuffix() const { return fileNameSuffix_; }
    void setFileNameSuffix(const QString &suffix) { fileNameSuffix_ = suffix; }
    bool isTwoPassEncode() const { return twoPassEncode_; }
    void setTwoPassEncode(bool flag) { twoPassEncode_ = flag; }
    bool isUseVBR() const { return useVBR_; }
    void setUseVBR(bool flag) { useVBR_ = flag; }
    QString argvAssembler() const { return argvAssembler_; }
    void setArgvAssembler(const QString &name) { argvAssembler_ = name; }
    QString version() const { return version_; }
    void setVersion(const QString &version) { version_ = version; }

    // The fields; null when the profile has none (subtitle options always exist). The setters
    // store a copy, so the caller's object stays its own.
    std::shared_ptr<NXVideoQuality> videoQuality() const { return videoQuality_; }
    void setVideoQuality(const std::shared_ptr<NXVideoQuality> &field);
    std::shared_ptr<NXVideoFrameRate> videoFrameRate() const { return videoFrameRate_; }
    void setVideoFrameRate(const std::shared_ptr<NXVideoFrameRate> &field);
    std::shared_ptr<NXVideoCodec> videoCodec() const { return videoCodec_; }
    void setVideoCodec(const std::shared_ptr<NXVideoCodec> &field);
    std::shared_ptr<NXVideoResolution> videoResolution() const { return videoResolution_; }
    void setVideoResolution(const std::shared_ptr<NXVideoResolution> &field);
    std::shared_ptr<NXVideoAspect> videoAspect() const { return videoAspect_; }
    void setVideoAspect(const std::shared_ptr<NXVideoAspect> &field);
    std::shared_ptr<NXAudioQuality> audioQuality() const { return audioQuality_; }
    void setAudioQuality(const std::shared_ptr<NXAudioQuality> &field);
    std::shared_ptr<NXAudioSampleRate> audioSampleRate() const { return audioSampleRate_; }
    void setAudioSampleRate(const std::shared_ptr<NXAudioSampleRate> &field);
    std::shared_ptr<NXAudioCodec> audioCodec() const { return audioCodec_; }
    void setAudioCodec(const std::shared_ptr<NXAudioCodec> &field);
    std::shared_ptr<NXAudioChannel> audioChannel() const { return audioChannel_; }
    void setAudioChannel(const std::shared_ptr<NXAudioChannel> &field);
    std::shared_ptr<NXSubtitleOptions> subtitleOptions() const { return subtitleOptions_; }
    void setSubtitleOptions(const std::shared_ptr<NXSubtitleOptions> &field);

    // The resolution's current value as a size; 720 x 480 unless it is "<w>x<h>".
    QSizeF videoResultion() const;
    // 24 for "keep origin", else the rate rounded up.
    int videoFrameRateIntegerValue() const;
    // The line under a profile in the chooser.
    QString profileSummary() const;
    int majorClassID() const { return id_ / 1000000; }
    int secondaryClassID() const { return (id_ / 1000) % 1000; }
    int profileClassID() const { return id_ % 1000; }
    bool isVideoCopy() const { return flagVideoCopy_; }
    bool isAudioCopy() const { return flagAudioCopy_; }
    // A missing codec counts as copying.
    void updateFlag();

protected:
    NXProfileParser() = default;

private:
    void copyFrom(const NXProfileParser &other);
    void clearValues();

    QString profilePath_;
    qint32 id_ = 0;
    QString iconID_;
    QVariant titles_;
    QVariant descriptions_;
    bool customFormat_ = false;
    bool toiTunes_ = false;
    bool keepChapters_ = false;
    bool recommend_ = false;
    QString fileFormat_;
    QString fileNameSuffix_;
    bool twoPassEncode_ = false;
    bool useVBR_ = false;
    QString argvAssembler_;
    QString version_;
    qint32 qualityPhase_ = 0;
    std::shared_ptr<NXVideoQuality> videoQuality_;
    std::shared_ptr<NXVideoFrameRate> videoFrameRate_;
    std::shared_ptr<NXVideoCodec> videoCodec_;
    std::shared_ptr<NXVideoResolution> videoResolution_;
    std::shared_ptr<NXVideoAspect> videoAspect_;
    std::shared_ptr<NXAudioQuality> audioQuality_;
    std::shared_ptr<NXAudioSampleRate> audioSampleRate_;
    std::shared_ptr<NXAudioCodec> audioCodec_;
    std::shared_ptr<NXAudioChannel> audioChannel_;
    std::shared_ptr<NXSubtitleOptions> subtitleOptions_ = NXSubtitleOptions::defaultOptions();
    bool flagVideoCopy_ = true;
    bool flagAudioCopy_ = true;
};
