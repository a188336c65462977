#include "DNFileNode.h"

#include "core/lang/LanguageNames.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemInfo.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"
#include "profiles/DNProfileKind.h"
#include "profiles/DNProfileManager.h"
#include "profiles/NXOtherVideoInfo.h"

#include <QFile>
#include <QFileInfo>

DNFileNode::DNFileNode()
    : setting_(std::make_shared<DNNodeSetting>()), nodeInfo_(std::make_shared<DNNodeInfo>())
{
    setProfile(DNProfileManager::profileManager().lastProfileOfType(DNProfileKindVideo));
}

DNFileNode::~DNFileNode()
{
    // Builders ask for the watermark while preparing a conversion of this item; the engines have
    // read it by the time the item goes away.
    for (const QString &file : std::as_const(watermarkFiles_))
        QFile::remove(file);
}

QImage DNFileNode::thumbnail() const
{
    std::lock_guard<std::mutex> lock(thumbnailMutex_);
    return thumbnail_;
}

void DNFileNode::setThumbnail(const QImage &image)
{
    std::lock_guard<std::mutex> lock(thumbnailMutex_);
    thumbnail_ = image;
}

void DNFileNode::initializeConfigOnDidLoadVideoInfo()
{
    const QFileInfo file(path());
    const QString baseName = file.completeBaseName();
    nodeInfo_->setDisplayName(movie_.isEmpty() ? baseName : movie_);
    // The whole file name: its one extension is what the output's suffix replaces. Without it,
    // a name such as "Trip.day1" would lose ".day1" as if that were the extension.
    nodeInfo_->setOutputName(file.fileName());
    nodeInfo_->setGenre(QStringLiteral("Video"));
    nodeInfo_->setArtist(performer_.isEmpty() ? QStringLiteral("Talvane") : performer_);
    nodeInfo_->setComments(comment_);
}

void DNFileNode::initializeTracksIndexOnDidLoadVideoInfo()
{
    const auto app = DNSetting::shareSetting().appSetting();
    chooseDefaultAudio(app ? app->audioLanguage() : QString(), DNFirstPreferredLanguage());
}

void DNFileNode::chooseDefaultAudio(const QString &preferredAudioLanguage, const QString &systemLanguage)
{
    const QString systemCode = systemLanguage.size() >= 3 ? systemLanguage.left(2) : systemLanguage;
    if (preferredAudioLanguage.isNull() || audioTracks_.isEmpty()) {
        setting_->setAudioIndex(-1);
        return;
    }
    // Among the tracks in the language, the one with the most channels; the first of equals.
    const auto bestIn = [this](const QString &language) {
        int best = -1;
        int bestChannels = -1;
        for (int i = 0; i < audioTracks_.size(); ++i) {
            const auto &track = audioTracks_.at(i);
            if (track->language.toUpper() == language.toUpper() && track->channel > bestChannels) {
                best = i;
                bestChannels = track->channel;
            }
        }
        return best;
    };
    int index = bestIn(preferredAudioLanguage);
    if (index < 0 && !systemCode.isEmpty()) {
        const QByteArray code = systemCode.toUtf8();
        if (const char *name = LanguageNameForCode(code.constData()))
            index = bestIn(QString::fromUtf8(name));
    }
    setting_->setAudioIndex(index < 0 ? 0 : index);
}

DNTVideoPtr DNFileNode::selectedVideoTrack() const
{
    const int index = setting_->videoIndex();
    return index >= 0 && index < videoTracks_.size() ? videoTracks_.at(index) : nullptr;
}

DNTAudioPtr DNFileNode::selectedAudioTrack() const
{
    const int index = setting_->audioIndex();
    return index >= 0 && index < audioTracks_.size() ? audioTracks_.at(index) : nullptr;
}

DNTSubtitlePtr DNFileNode::selectedSubtitleTrack() const
{
    const int index = setting_->subtitleIndex();
    return index >= 0 && index < subtitleTracks_.size() ? subtitleTracks_.at(index) : nullptr;
}

void DNFileNode::recommendInto(DNProfile &profile) const
{
    const auto track = selectedVideoTrack();
    const QSizeF source = track ? QSizeF(track->width, track->height) : QSizeF();
    const auto resolution = profile.videoResolution();
    const QSizeF target = ResolutionSizeFromString(resolution ? resolution->currentValue() : QString(), source);
    // The item held no profile when this profile arrived, which counts as the first phase; any
    // other kind of item (a group) takes the profile's normal phase.
    const float rate = isExactlyFileNode() ? profile.recommendFileBitrate(source, target, 0)
                                           : profile.recommendBitrate(this, target);
    if (const auto quality = profile.videoQuality())
        quality->setCurrentValue(QString::asprintf("%.f", double(rate)));
}

void DNFileNode::setProfile(const std::shared_ptr<DNProfile> &profile)
{
    const bool first = !profile_;
    profile_ = profile ? profile->copy() : nullptr;
    if (!first || !profile_)
        return;
    // A recommendation for an item whose tracks are not known yet would always be the profile's
    // minimum; it waits for the probe instead.
    if (isExactlyFileNode() && !selectedVideoTrack()) {
        recommendationPending_ = true;
        return;
    }
    recommendInto(*profile_);
}

void DNFileNode::applyPendingBitrateRecommendation()
{
    if (!recommendationPending_ || !profile_ || !selectedVideoTrack())
        return;
    recommendationPending_ = false;
    recommendInto(*profile_);
}

void DNFileNode::recommendFirstProfileAgain()
{
    recommendationPending_ = false;
    if (profile_)
        recommendInto(*profile_);
}

float DNFileNode::recommendBitrate(const DNProfile &profile, QSizeF size) const
{
    const auto track = selectedVideoTrack();
    if (!isExactlyFileNode() || !track)
        return profile.recommendBitrate(this, size);
    return profile.recommendFileBitrate(QSizeF(track->width, track->height), size,
                                        profile_ ? profile_->qualityPhase() : 0);
}

QStringList DNFileNode::NXMPlayerPlaybackParameters() const
{
    const int audioIndex = setting_->audioIndex();
    QStringList arguments{path(), QStringLiteral("-identify"), QStringLiteral("-slave")};
    if (audioIndex < 0)
        return arguments << QStringLiteral("-nosound");
    int aid = audioIndex;
    const QString format = fileFormat_.toUpper();
    // Transport streams are addressed by stream id, every other container by position.
    if (isExactlyFileNode() && (format == QLatin1String("BDAV") || format == QLatin1String("MPEG-TS"))) {
        if (const auto track = selectedAudioTrack())
            aid = track->aid;
    }
    return arguments << QStringLiteral("-aid") << QString::number(aid);
}

int DNFileNode::audioChannelOfSelectTrack() const
{
    const auto track = selectedAudioTrack();
    return track ? track->channel : 100;
}

void DNFileNode::setNodeInfoOfSelectTrack(const DNNodeInfo &info)
{
    if (nodeInfo_)
        nodeInfo_->applyTagsFrom(info);
}
