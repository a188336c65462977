#include "ui/progress/NXProgressItemTimes.h"

#include "convert/driver/PassExpectation.h"
#include "convert/slideshow/NXSlideshowConversion.h"
#include "core/model/NXMediaType.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNTimeText.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/file/DNFileNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"

#include <QFileInfo>
#include <QStringList>

#include <cmath>

namespace {

const QString kNoTime = QStringLiteral("--:--:--");
const QString kNoFrames = QStringLiteral("--");

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

// The DVD item a title belongs to (a group title's members keep their own disc as parent).
const DNDVDNode *dvdOfTitle(const DNDVDTitle &title)
{
    const NXBasicMediaNode *parent = title.parent();
    return parent && (parent->mediaType() == NXMediaTypeDVD || parent->mediaType() == NXMediaTypeDVDGroupTitle)
               ? static_cast<const DNDVDNode *>(parent)
               : nullptr;
}

double selectedVideoSeconds(const DNFileNode &file)
{
    const auto &setting = file.setting();
    const int videoIndex = setting ? setting->videoIndex() : 0;
    const auto &tracks = file.videoTracks();
    return videoIndex >= 0 && videoIndex < tracks.size() && tracks.at(videoIndex) ? tracks.at(videoIndex)->duration : 0.0;
}

QString outputFolder()
{
    const auto appSetting = DNSetting::shareSetting().appSetting();
    return appSetting ? appSetting->videoOutputDirectory() : QString();
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
        const DNDVDNode *dvd = dvdOfTitle(*title);
        if (dvd && dvd->profile() && dvd->profile()->GlobalID() == kNXISOBackupProfileGlobalID) {
            times.startTime = times.endTime = times.duration = times.convertedTime = kNoTime;
            times.frames = kNoFrames;
        } else {
            showSpan(times, trimmedSpan(*title));
        }
        break;
    }
    case NXMediaTypeDVDGroupTitle: {
        const auto *group = static_cast<const DNDVDGroupTitle *>(node);
        int total = 0;
        for (const DNDVDTitlePtr &title : group->titles()) {
            const Span span = trimmedSpan(*title);
            total += span.end - span.start;
        }
        times.startTime = times.endTime = kNoTime;
        times.duration = DNTimeStringFromSeconds(total);
        break;
    }
    case NXMediaTypeFile: {
        const auto *file = dynamic_cast<const DNFileNode *>(node);
        if (file)
            showSpan(times, trimmedSpan(selectedVideoSeconds(*file), file->setting().get()));
        break;
    }
    case NXMediaTypeFileGroup: {
        // The joined file lasts its members' parts one after the other: it has a length, but no
        // place in any one source.
        times.startTime = times.endTime = kNoTime;
        times.duration = DNTimeStringFromSeconds(int(std::trunc(expectedOutputSeconds(node, -1))));
        break;
    }
    case NXMediaTypeGraphics: {
        const auto *slideshow = dynamic_cast<const DNGraphicsNode *>(node);
        if (!slideshow)
            break;
        // The rendered movie's own length once there is one; until then the length the settings
        // give it.
        const std::shared_ptr<DNFileNode> movie = slideshow->fileNode();
        showSpan(times, trimmedSpan(movie ? selectedVideoSeconds(*movie) : slideshow->videoDuration(), nullptr));
        times.plannedTargetName = lastComponent(NXSlideshowOutputPath(*slideshow, outputFolder()));
        break;
    }
    default:
        break;
    }
    return times;
}

NXProgressItemNames NXProgressNamesForNode(const NXBasicMediaNode *node)
{
    NXProgressItemNames names;
    if (!node)
        return names;
    switch (node->mediaType()) {
    case NXMediaTypeDVDTitle: {
        const auto *title = static_cast<const DNDVDTitle *>(node);
        const DNDVDNode *dvd = dvdOfTitle(*title);
        names.currentTitle = QStringLiteral("%1(%2)").arg(dvd ? sourceName(*dvd) : QString()).arg(title->index() + 1);
        names.currentTargetName = lastComponent(title->outputName());
        break;
    }
    case NXMediaTypeDVDGroupTitle: {
        const auto *group = static_cast<const DNDVDGroupTitle *>(node);
        QStringList numbers;
        for (const DNDVDTitlePtr &title : group->titles())
            numbers.append(QString::number(title->index() + 1));
        names.currentTitle = QStringLiteral("%1(%2)").arg(sourceName(*group), numbers.join(QLatin1Char(',')));
        // A group of one title is converted as that title, into the title's own file.
        QString output = group->outputName();
        if (output.isEmpty() && group->titles().size() == 1)
            output = group->titles().first()->outputName();
        if (!output.isEmpty())
            names.currentTargetName = lastComponent(output);
        break;
    }
    case NXMediaTypeFile:
    case NXMediaTypeFileGroup: {
        const auto *file = dynamic_cast<const DNFileNode *>(node);
        if (!file)
            break;
        names.currentTitle = lastComponent(file->path());
        names.currentTargetName = lastComponent(file->outputName());
        break;
    }
    case NXMediaTypeGraphics: {
        const auto *slideshow = dynamic_cast<const DNGraphicsNode *>(node);
        if (!slideshow)
            break;
        names.currentTitle = lastComponent(slideshow->path());
        // The movie's conversion names the output; until it has, the sheet shows the planned one.
        const std::shared_ptr<DNFileNode> movie = slideshow->fileNode();
        if (const QString output = movie ? movie->outputName() : QString(); !output.isEmpty())
            names.currentTargetName = lastComponent(output);
        break;
    }
    default:
        break;
    }
    return names;
}
