#include "dvd/DNDVDTitle.h"

#include "core/lang/LanguageNames.h"
#include "dvd/DVDAudioPreferences.h"

namespace {
// value + 1 as unsigned 32 bits against the count: -1 passes, 0..count-1 pass.
bool indexFits(qint32 value, qsizetype count)
{
    return quint32(value) + 1u <= quint32(count);
}
} // namespace

DNDVDTitle::DNDVDTitle()
    : setting_(std::make_shared<DNDVDTitleSetting>())
{
    setMediaType(NXMediaTypeDVDTitle);
}

void DNDVDTitle::setSetting(const DNDVDTitleSetting &setting)
{
    auto copy = std::static_pointer_cast<DNDVDTitleSetting>(setting.copy());
    if (!indexFits(copy->videoIndex(), videoTracks_.size()))
        copy->setVideoIndex(setting_->videoIndex());
    if (!indexFits(copy->audioIndex(), audioTracks_.size()))
        copy->setAudioIndex(setting_->audioIndex());
    if (!indexFits(copy->subtitleIndex(), subtitleTracks_.size())) {
        copy->setSubtitleIndex(setting_->subtitleIndex());
        copy->setSubtitleEnable(setting_->subtitleEnable());
    }
    setting_ = std::move(copy);
}

int DNDVDTitle::bestAudioTrackForLanguage(const QString &languageName) const
{
    int best = -1;
    int bestChannels = -1;
    const QString wanted = languageName.toUpper();
    for (int i = 0; i < audioTracks_.size(); ++i) {
        const DNDVDTAudio &track = *audioTracks_.at(i);
        if (track.audioID() <= 0 || track.audioLang().toUpper() != wanted)
            continue;
        if (track.channel() <= bestChannels)
            continue;
        if (best >= 0 && track.audioCodecPriority() < audioTracks_.at(best)->audioCodecPriority())
            continue;
        best = i;
        bestChannels = track.channel();
    }
    return best;
}

void DNDVDTitle::initializeTracksIndexOnDidLoadDVDTitleInfo(const QString &preferredAudioLanguage,
                                                            const QString &systemLanguageCode)
{
    if (audioTracks_.isEmpty()) {
        setting_->setAudioIndex(-1);
        return;
    }
    int best = preferredAudioLanguage.isEmpty() ? -1 : bestAudioTrackForLanguage(preferredAudioLanguage);
    if (best < 0 && !systemLanguageCode.isEmpty()) {
        const QByteArray code = systemLanguageCode.toLatin1();
        if (const char *name = LanguageNameForCode(code.constData()))
            best = bestAudioTrackForLanguage(QString::fromUtf8(name));
    }
    setting_->setAudioIndex(best < 0 ? 0 : best);
}

void DNDVDTitle::initializeTracksIndexOnDidLoadDVDTitleInfo()
{
    initializeTracksIndexOnDidLoadDVDTitleInfo(dvdPreferredAudioLanguage(), dvdSystemLanguageCode());
}

DNDVDTVideoPtr DNDVDTitle::selectedVideoTrack() const
{
    const int i = setting_->videoIndex();
    return i >= 0 && i < videoTracks_.size() ? videoTracks_.at(i) : nullptr;
}
