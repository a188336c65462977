#include "ui/progress/NXProgressItemTimes.h"

#include "core/model/NXMediaType.h"
#include "core/util/DNTimeText.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"

#include <QFileInfo>
#include <QStringList>

#include <cmath>

namespace {

const QString kNoTime = QStringLiteral("--:--:--");

struct Span
{
    int start;
    int end;
};

Span trimmedSpan(double length, const DNBaseEditSetting *setting)
{
    if (setting && setting->trimEnable())
        return {int(std::trunc(length * setting->trimStartPercent())),
                int(std::trunc(length * setting->trimEndPercent()))};
    return {0, int(std::trunc(length))};
}

Span trimmedSpan(const DNDVDTitle &title)
{
    return trimmedSpan(title.length(), title.setting().get());
}

void showSpan(NXProgressItemTimes &times, const Span &span)
{
    times.startTime = DNTimeStringFromSeconds(span.start);
    times.endTime = DNTimeStringFromSeconds(span.end);
    times.duration = DNTimeStringFromSeconds(span.end - span.start);
}

QString lastComponent(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QString sourceName(const DNDVDNode &node)
{
    return node.sourceInfo() ? node.sourceInfo()->name() : QString();
}

} // namespace

NXProgressItemTimes NXProgressTimesForNode(const NXBasicMediaNode *node)
{
    NXProgressItemTimes times;
    if (!node)
        return times;
    switch (node->mediaType()) {
    case NXMediaTypeDVDTitle: {
        const auto *title = static_cast<const DNDVDTitle *>(node);
        const NXBasicMediaNode *parent = title->parent();
        const auto *dvd = parent && (parent->mediaType() == NXMediaTypeDVD || parent->mediaType() == NXMediaTypeDVDGroupTitle)
                              ? static_cast<const DNDVDNode *>(parent)
                              : nullptr;
        times.currentTitle = QStringLiteral("%1(%2)").arg(dvd ? sourceName(*dvd) : QString()).arg(title->index() + 1);
        times.currentTargetName = lastComponent(title->outputName());
        if (dvd && dvd->profile() && dvd->profile()->GlobalID() == kNXISOBackupProfileGlobalID) {
            times.startTime = times.endTime = times.duration = times.convertedTime = kNoTime;
        } else {
            showSpan(times, trimmedSpan(*title));
        }
        break;
    }
    case NXMediaTypeDVDGroupTitle: {
        const auto *group = static_cast<const DNDVDGroupTitle *>(node);
        int total = 0;
        QStringList numbers;
        for (const DNDVDTitlePtr &title : group->titles()) {
            const Span span = trimmedSpan(*title);
            total += span.end - span.start;
            numbers.append(QString::number(title->index() + 1));
        }
        times.currentTitle = QStringLiteral("%1(%2)").arg(sourceName(*group), numbers.join(QLatin1Char(',')));
        if (!group->outputName().isEmpty())
            times.currentTargetName = lastComponent(group->outputName());
        times.startTime = times.endTime = kNoTime;
        times.duration = DNTimeStringFromSeconds(total);
        break;
    }
    case NXMediaTypeFile: {
        const auto *file = dynamic_cast<const DNFileNode *>(node);
        if (!file)
            break;
        const auto &setting = file->setting();
        const int videoIndex = setting ? setting->videoIndex() : 0;
        const double duration = videoIndex >= 0 && videoIndex < file->videoTracks().size() && file->videoTracks().at(videoIndex)
                                    ? file->videoTracks().at(videoIndex)->duration
                                    : 0.0;
        times.currentTitle = lastComponent(file->path());
        times.currentTargetName = lastComponent(file->outputName());
        showSpan(times, trimmedSpan(duration, setting.get()));
        break;
    }
    case NXMediaTypeFileGroup: {
        const auto *group = dynamic_cast<const DNFileNode *>(node);
        if (!group)
            break;
        times.currentTitle = lastComponent(group->path());
        times.currentTargetName = lastComponent(group->outputName());
        times.startTime = times.endTime = times.duration = DNTimeStringFromSeconds(0);
        break;
    }
    default:
        break;
    }
    return times;
}
