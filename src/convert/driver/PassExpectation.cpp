#include "convert/driver/PassExpectation.h"

#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "convert/driver/ConvertState.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfile.h"

namespace {

double trimmedSeconds(double length, const DNBaseEditSetting *setting)
{
    if (!setting || !setting->trimEnable() || length <= 0)
        return length;
    return trimSeconds(float((setting->trimEndPercent() - setting->trimStartPercent()) * length));
}

double titleSeconds(const DNDVDTitlePtr &title)
{
    return title ? trimmedSeconds(title->length(), title->setting().get()) : 0;
}

bool titleHasAudio(const DNDVDTitlePtr &title)
{
    if (!title || !title->setting())
        return false;
    const int index = title->setting()->audioIndex();
    return index >= 0 && index < title->audioTracks().size();
}

// The file's length as the builders take it for a trim: the selected video track's own, not
// rounded to whole seconds.
double fileSeconds(const DNFileNode &file)
{
    const DNTVideoPtr video = file.selectedVideoTrack();
    return video ? double(video->duration) : 0;
}

} // namespace

std::shared_ptr<DNProfile> profileOfItem(NXBasicMediaNode *node)
{
    if (auto *dvd = dynamic_cast<DNDVDNode *>(node))
        return dvd->profile();
    if (auto *file = dynamic_cast<DNFileNode *>(node))
        return file->profile();
    return nullptr;
}

QString passOutputName(NXBasicMediaNode *node, int titleIndex)
{
    if (auto *group = dynamic_cast<DNDVDGroupTitle *>(node))
        return group->outputName();
    if (auto *dvd = dynamic_cast<DNDVDNode *>(node)) {
        const DNDVDTitlePtr title = dvd->titleAt(titleIndex);
        return title ? title->outputName() : QString();
    }
    if (auto *file = dynamic_cast<DNFileNode *>(node))
        return file->outputName();
    return {};
}

void setPassOutputName(NXBasicMediaNode *node, int titleIndex, const QString &path)
{
    if (auto *group = dynamic_cast<DNDVDGroupTitle *>(node))
        group->setOutputName(path);
    else if (auto *dvd = dynamic_cast<DNDVDNode *>(node)) {
        if (const DNDVDTitlePtr title = dvd->titleAt(titleIndex))
            title->setOutputName(path);
    } else if (auto *file = dynamic_cast<DNFileNode *>(node))
        file->setOutputName(path);
}

double expectedOutputSeconds(NXBasicMediaNode *node, int titleIndex)
{
    if (auto *group = dynamic_cast<DNDVDGroupTitle *>(node)) {
        double total = 0;
        for (const DNDVDTitlePtr &title : group->titles())
            total += titleSeconds(title);
        return total;
    }
    if (auto *dvd = dynamic_cast<DNDVDNode *>(node))
        return titleSeconds(dvd->titleAt(titleIndex));
    if (auto *group = dynamic_cast<DNFileGroupNode *>(node)) {
        // The members are joined whole; one of unknown length leaves the total unknown.
        double total = 0;
        for (const NXMediaNodePtr &child : group->children()) {
            const auto *member = dynamic_cast<const DNFileNode *>(child.get());
            const double seconds = member ? fileSeconds(*member) : 0;
            if (seconds <= 0)
                return 0;
            total += seconds;
        }
        return total;
    }
    if (auto *file = dynamic_cast<DNFileNode *>(node))
        return trimmedSeconds(fileSeconds(*file), file->setting().get());
    return 0;
}

PassCheck passCheckFor(NXBasicMediaNode *node, int titleIndex, int engineKind)
{
    PassCheck check;
    if (engineKind == ConvertEngineISOBackup) {
        check.discImage = true;
        if (const auto *dvd = dynamic_cast<const DNDVDNode *>(node))
            check.discTitles = dvd->titleCount();
        return check;
    }
    check.media.seconds = expectedOutputSeconds(node, titleIndex);
    const std::shared_ptr<DNProfile> profile = profileOfItem(node);
    const bool videoProfile = profile && profile->videoCodec();
    const bool audioProfile = profile && profile->audioCodec();
    if (auto *dvd = dynamic_cast<DNDVDNode *>(node)) {
        const auto *group = dynamic_cast<DNDVDGroupTitle *>(node);
        const DNDVDTitlePtr title = group ? (group->titles().isEmpty() ? nullptr : group->titles().first())
                                          : dvd->titleAt(titleIndex);
        check.media.video = videoProfile && title;
        check.media.audio = audioProfile && titleHasAudio(title);
    } else if (auto *file = dynamic_cast<DNFileNode *>(node)) {
        check.media.video = videoProfile && file->selectedVideoTrack();
        check.media.audio = audioProfile && file->selectedAudioTrack();
    }
    return check;
}
