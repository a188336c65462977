#include "convert/driver/PassExpectation.h"

#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "convert/driver/ConvertState.h"
#include "convert/driver/PassSource.h"
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

// A trimmed part lasts what the builders asked the engine for; a whole title lasts wholeSeconds
// when that is known, else its length as loaded.
double titleSeconds(const DNDVDTitlePtr &title, double wholeSeconds = 0)
{
    if (!title)
        return 0;
    const DNBaseEditSetting *setting = title->setting().get();
    if (setting && setting->trimEnable() && title->length() > 0)
        return trimmedSeconds(title->length(), setting);
    return wholeSeconds > 0 ? wholeSeconds : loadedTitleSeconds(*title);
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

// Where the file's audio ends before the part converted does: its output's audio can be no
// longer. The probe gives the audio's length in whole seconds, cut down, so it may run up to a
// second past them. 0 when the audio lasts the whole part, or its length is not known.
double fileAudioSeconds(const DNFileNode &file, double expected)
{
    const DNTAudioPtr audio = file.selectedAudioTrack();
    if (!audio || audio->duration <= 0 || expected <= 0)
        return 0;
    const DNBaseEditSetting *setting = file.setting().get();
    const double start = setting && setting->trimEnable() ? setting->trimStartPercent() * fileSeconds(file) : 0;
    const double audioLeft = double(audio->duration) + 1.0 - start;
    return audioLeft < expected ? std::max(audioLeft, 0.0) : 0;
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

double expectedOutputSeconds(const NXBasicMediaNode *node, int titleIndex)
{
    if (const auto *group = dynamic_cast<const DNDVDGroupTitle *>(node)) {
        double total = 0;
        for (const DNDVDTitlePtr &title : group->titles())
            total += titleSeconds(title);
        return total;
    }
    if (const auto *dvd = dynamic_cast<const DNDVDNode *>(node))
        return titleSeconds(dvd->titleAt(titleIndex));
    if (const auto *group = dynamic_cast<const DNFileGroupNode *>(node)) {
        // Each member's part lasts what its own conversion would (its trim, when it has one); one
        // of unknown length leaves the total unknown.
        double total = 0;
        for (const NXMediaNodePtr &child : group->children()) {
            const auto *member = dynamic_cast<const DNFileNode *>(child.get());
            const double seconds = member ? trimmedSeconds(fileSeconds(*member), member->setting().get()) : 0;
            if (seconds <= 0)
                return 0;
            total += seconds;
        }
        return total;
    }
    if (const auto *file = dynamic_cast<const DNFileNode *>(node))
        return trimmedSeconds(fileSeconds(*file), file->setting().get());
    return 0;
}

PassCheck passCheckFor(NXBasicMediaNode *node, int titleIndex, int engineKind, double titleSecondsRead)
{
    PassCheck check;
    if (engineKind == ConvertEngineISOBackup) {
        check.discImage = true;
        if (const auto *dvd = dynamic_cast<const DNDVDNode *>(node))
            check.discTitles = dvd->titleCount();
        return check;
    }
    const auto *group = dynamic_cast<DNDVDGroupTitle *>(node);
    auto *dvd = dynamic_cast<DNDVDNode *>(node);
    check.media.seconds = dvd && !group ? titleSeconds(dvd->titleAt(titleIndex), titleSecondsRead)
                                        : expectedOutputSeconds(node, titleIndex);
    // The pass of one title reads the disc, whose damage can lead the engine anywhere; a group's
    // joining pass reads the parts already checked.
    check.media.bounded = dvd && !group;
    const std::shared_ptr<DNProfile> profile = profileOfItem(node);
    const bool videoProfile = profile && profile->videoCodec();
    const bool audioProfile = profile && profile->audioCodec();
    if (dvd) {
        const DNDVDTitlePtr title = group ? (group->titles().isEmpty() ? nullptr : group->titles().first())
                                          : dvd->titleAt(titleIndex);
        check.media.video = videoProfile && title;
        check.media.audio = audioProfile && titleHasAudio(title);
    } else if (auto *file = dynamic_cast<DNFileNode *>(node)) {
        check.media.video = videoProfile && file->selectedVideoTrack();
        check.media.audio = audioProfile && file->selectedAudioTrack();
        check.media.audioSeconds = fileAudioSeconds(*file, check.media.seconds);
    }
    return check;
}
