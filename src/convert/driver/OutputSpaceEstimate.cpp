#include "convert/driver/OutputSpaceEstimate.h"

#include "convert/driver/ConvertState.h"
#include "convert/driver/DVDEngineChoice.h"
#include "convert/driver/PassExpectation.h"
#include "dvd/DNDVDGroupTitle.h"
#include "profiles/DNProfile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

// What a stream copy runs at when the title's own size is not known: the DVD's highest
// multiplex rate.
constexpr double kDVDCopyKbps = 10080;
// Audio kept as it is, or matched to the source: a DVD's richest common track.
constexpr double kSourceAudioKbps = 448;
// Container and rate-control overshoot.
constexpr double kMargin = 1.05;

double numberOf(const std::shared_ptr<NXProfileInfoBase> &field, double otherwise)
{
    bool ok = false;
    const double value = field ? field->currentValue().toDouble(&ok) : 0;
    return ok && value > 0 ? value : otherwise;
}

// The Matroska backup encodes its video at the profile's rate and copies the audio; the other
// backups copy the title's streams as they are.
bool copiesStreams(const DNProfile &profile)
{
    if (isDVDBackupProfile(profile))
        return engineKindForDVDProfile(profile) != ConvertEngineMKV;
    return profile.videoCodec() && profile.isVideoCopy();
}

double kbpsOf(const DNProfile &profile)
{
    if (isDVDBackupProfile(profile) && copiesStreams(profile))
        return kDVDCopyKbps;
    if (isDVDBackupProfile(profile))
        return numberOf(profile.videoQuality(), kDVDCopyKbps) + kSourceAudioKbps;
    double video = 0;
    if (profile.videoCodec())
        video = profile.isVideoCopy() ? kDVDCopyKbps : numberOf(profile.videoQuality(), kDVDCopyKbps);
    const double audio = profile.audioCodec() ? numberOf(profile.audioQuality(), kSourceAudioKbps) : 0;
    return video + audio;
}

// The whole disc the image backup copies: its files when they can be seen, else its titles at
// the copy rate.
qint64 discBytes(const DNDVDNode &node)
{
    const QString path = node.sourceInfo() ? node.sourceInfo()->path() : QString();
    const QFileInfo info(path);
    if (info.isFile())
        return info.size();
    qint64 total = 0;
    if (info.isDir()) {
        QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            files.next();
            total += files.fileInfo().size();
        }
    }
    if (total > 0)
        return total;
    for (const DNDVDTitlePtr &title : node.titles())
        total += qint64(title->length() * kDVDCopyKbps * 1000 / 8);
    return total;
}

// What a copy of the title's streams writes: the bytes its cells hold on the disc, for the part
// converted; -1 when they are not known.
qint64 titleCopyBytes(const DNDVDTitlePtr &title)
{
    if (!title || title->discBytes() <= 0)
        return -1;
    const DNBaseEditSetting *setting = title->setting().get();
    const double part = setting && setting->trimEnable()
        ? std::clamp(double(setting->trimEndPercent() - setting->trimStartPercent()), 0.0, 1.0)
        : 1.0;
    return qint64(double(title->discBytes()) * part);
}

// The same for the titles a pass of a DVD item copies (the title at titleIndex, or a group's
// every title); -1 when one of them is of unknown size, or the item is no DVD title.
qint64 copiedBytes(NXBasicMediaNode *node, int titleIndex)
{
    QList<DNDVDTitlePtr> titles;
    if (auto *group = dynamic_cast<DNDVDGroupTitle *>(node))
        titles = group->titles();
    else if (auto *dvd = dynamic_cast<DNDVDNode *>(node))
        titles = {dvd->titleAt(titleIndex)};
    qint64 total = titles.isEmpty() ? -1 : 0;
    for (const DNDVDTitlePtr &title : titles) {
        const qint64 bytes = titleCopyBytes(title);
        if (bytes < 0)
            return -1;
        total += bytes;
    }
    return total;
}

} // namespace

qint64 estimatedOutputBytes(NXBasicMediaNode *node, int titleIndex)
{
    const std::shared_ptr<DNProfile> profile = profileOfItem(node);
    if (!profile)
        return 0;
    if (auto *dvd = dynamic_cast<DNDVDNode *>(node); dvd && engineKindForDVDProfile(*profile) == ConvertEngineISOBackup)
        return discBytes(*dvd);
    // A copy of a title's streams is as large as they are, whatever rate its disc was made at.
    if (copiesStreams(*profile))
        if (const qint64 bytes = copiedBytes(node, titleIndex); bytes >= 0)
            return qint64(double(bytes) * kMargin);
    return qint64(expectedOutputSeconds(node, titleIndex) * kbpsOf(*profile) * 1000 / 8 * kMargin);
}

OutputSpaceEstimate estimateBatchOutputSpace(const QList<NXMediaNodePtr> &batch, const QString &folder)
{
    OutputSpaceEstimate estimate;
    for (const NXMediaNodePtr &entry : batch) {
        auto *dvd = dynamic_cast<DNDVDNode *>(entry.get());
        if (!dvd) {
            estimate.neededBytes += estimatedOutputBytes(entry.get(), 0);
            continue;
        }
        if (dvd->profile() && engineKindForDVDProfile(*dvd->profile()) == ConvertEngineISOBackup) {
            estimate.neededBytes += discBytes(*dvd);
        } else if (dvd->mergeIntoOne()) {
            if (const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(std::static_pointer_cast<DNDVDNode>(entry)))
                estimate.neededBytes += estimatedOutputBytes(group.get(), -1);
        } else {
            for (const DNDVDTitlePtr &title : dvd->titles())
                if (title && title->isSelected())
                    estimate.neededBytes += estimatedOutputBytes(dvd, title->index());
        }
    }
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReady())
        estimate.availableBytes = storage.bytesAvailable();
    return estimate;
}
