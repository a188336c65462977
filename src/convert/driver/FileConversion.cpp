// The file road of the driver: a media file in one or two passes through the AV encoder, and a
// file group whose members are converted into the temporary folder to one frame and joined.

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "convert/driver/ConvertFailureNote.h"
#include "convert/driver/PassExpectation.h"
#include "convert/driver/VideoConverterInternal.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNTemporaryFolder.h"
#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

int passesForFileProfile(const DNProfile &profile)
{
    return profile.userEnableTwopassCode() ? 2 : 1;
}

// The picture every member of a group is converted to, so that the parts join without encoding
// again: the profile's frame, or for "keep origin" the largest width and height among the
// members; for a "keep origin" aspect, that frame's own shape, so that no member is shown
// stretched to another member's shape; and for a "keep origin" rate the first member's, so that
// the joined stream has one rate.
struct GroupFrame
{
    QString resolution;  // null: the profile's own
    QString aspect;      // null: the profile's own
    QString frameRate;   // null: the profile's own
};

GroupFrame groupFrame(const DNProfile &profile, const QList<DNFileNodePtr> &members)
{
    GroupFrame frame;
    int width = 0, height = 0;
    for (const DNFileNodePtr &member : members) {
        if (const DNTVideoPtr video = member->selectedVideoTrack()) {
            width = std::max(width, video->width);
            height = std::max(height, video->height);
        }
    }
    const QString resolution = profile.videoResolution() ? profile.videoResolution()->currentValue() : QString();
    if (IsKeepOriginResolution(resolution) && width > 1 && height > 1)
        frame.resolution = QStringLiteral("%1x%2").arg(width).arg(height);
    const QString aspect = profile.videoAspect() ? profile.videoAspect()->currentValue() : QString();
    if (IsKeepOriginAspect(aspect)) {
        const QSizeF size = ResolutionSizeFromString(frame.resolution.isNull() ? resolution : frame.resolution, QSizeF());
        if (size.width() >= 1 && size.height() >= 1)
            frame.aspect = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        else if (!members.isEmpty() && members.first()->selectedVideoTrack())
            frame.aspect = members.first()->selectedVideoTrack()->aspectRatio;
        if (frame.aspect.isEmpty())
            frame.aspect = QStringLiteral("4x3");
    }
    const QString rate = profile.videoFrameRate() ? profile.videoFrameRate()->currentValue() : QString();
    const DNTVideoPtr first = members.isEmpty() ? nullptr : members.first()->selectedVideoTrack();
    if (IsKeepOriginFrameRate(rate) && first && first->fps > 0)
        frame.frameRate = QString::asprintf("%.3f", double(first->fps));
    return frame;
}

// The tags of the group for a part, under the group's name without line breaks: the joining
// pass names the parts in a list of one path a line, which no line break can cross (the joined
// file keeps the group's name as it is).
DNNodeInfoPtr partInfo(const DNNodeInfo &groupInfo)
{
    auto info = std::make_shared<DNNodeInfo>(groupInfo);
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
    info->setOutputName(groupInfo.outputName().replace(lineBreaks, QStringLiteral(" ")));
    return info;
}

// A member dressed as a part of the group for its own conversion: the group's tags and
// profile (at the group's frame, padded out to it), its own tracks and its own edits (trim,
// crop, turn, watermark, subtitle, volume), which the join keeps as the member's own conversion
// makes them. The member gets its own profile, setting and tags back when this goes.
class GroupPart
{
public:
    GroupPart(DNFileNode &member, DNFileGroupNode &group, const GroupFrame &frame)
        : member_(member), profile_(member.profile()), setting_(member.setting()), info_(member.nodeInfo())
    {
        auto setting = std::static_pointer_cast<DNNodeSetting>(setting_->copy());
        setting->setAutoExpandToProfile(true);
        member.setSetting(setting);
        member.setNodeInfo(group.nodeInfo() ? partInfo(*group.nodeInfo()) : nullptr);
        member.setProfile(group.profile());
        const std::shared_ptr<DNProfile> &profile = member.profile();
        if (!frame.resolution.isNull() && profile->videoResolution())
            profile->videoResolution()->setCurrentValue(frame.resolution);
        if (!frame.aspect.isNull() && profile->videoAspect())
            profile->videoAspect()->setCurrentValue(frame.aspect);
        if (!frame.frameRate.isNull() && profile->videoFrameRate())
            profile->videoFrameRate()->setCurrentValue(frame.frameRate);
    }
    ~GroupPart()
    {
        member_.setProfile(profile_);
        member_.setSetting(setting_);
        member_.setNodeInfo(info_);
    }
    GroupPart(const GroupPart &) = delete;
    GroupPart &operator=(const GroupPart &) = delete;

private:
    DNFileNode &member_;
    std::shared_ptr<DNProfile> profile_;
    std::shared_ptr<DNNodeSetting> setting_;
    DNNodeInfoPtr info_;
};

// The group's members, each exactly a media file; empty (with a log line) otherwise.
QList<DNFileNodePtr> membersOf(const DNFileGroupNode &group)
{
    QList<DNFileNodePtr> members;
    for (const NXMediaNodePtr &child : group.children()) {
        const auto member = std::dynamic_pointer_cast<DNFileNode>(child);
        if (!member || !member->isExactlyFileNode()) {
            DNRoughLog(QStringLiteral("A member of the file group is not a media file; the group is not converted."));
            noteConvertFailure(ConvertFailureKind::GroupMemberNotMedia);
            return {};
        }
        members.append(member);
    }
    return members;
}

} // namespace

int convertFileItem(DNFileNode *item, int titleIndex, VideoConvertOptions options, int groupDepth)
{
    if (refuseSourceNameNotText(item->path()) != 0)
        return ConvertResultFailed;
    if (item->path().isEmpty() || !QFileInfo::exists(item->path()))
        return failConversion("the media file does not exist any more... \n",
                              ConvertFailureReason(ConvertFailureKind::SourceFileGone, {item->path()}));
    const std::shared_ptr<DNProfile> profile = item->profile();
    if (!profile)
        return failConversion("the media file has no output profile... \n");

    const int passes = passesForFileProfile(*profile);
    setJobShape(groupDepth, ConvertJobFile, passes, passes);
    setConvertEngineKind(ConvertEngineAVEncoder);
    if (passes == 2) {
        return convertTwoPasses(item, titleIndex, options, [](int passIndex) {
            DNRoughLog(passIndex == 0 ? QStringLiteral("two pass encode - first encode..")
                                      : QStringLiteral("two pass encode - second encode.."));
        });
    }
    options.twoPass = 0;
    return _VideoConverter(item, titleIndex, options);
}

int convertFileGroup(DNFileGroupNode *group, int titleIndex, ConvertState *state, VideoConvertOptions options,
                     int groupDepth)
{
    const std::shared_ptr<DNProfile> profile = group->profile();
    const QList<DNFileNodePtr> members = membersOf(*group);
    if (!profile || members.isEmpty())
        return failConversion("the file group has no profile or no media file to join... \n");
    const int passes = passesForFileProfile(*profile);
    setJobShape(groupDepth, ConvertJobGroup, passes, int(members.size()) * passes + 1,
                passes * expectedOutputSeconds(group, titleIndex));
    PlannedGroupOutput<DNFileGroupNode> planned(*group, avOutputPathOf(*group, OptionText(options.outputDirectory)));

    VideoConvertOptions partOptions = options;
    if (!SetOptionText(partOptions.outputDirectory, DNTemporaryFolder::path()))
        return failConversion("no temporary folder for the group's parts... \n", ConvertFailureKind::NoTemporaryRoom);
    const GroupFrame frame = groupFrame(*profile, members);
    const QString groupPath = group->path();
    GroupParts parts;
    for (const DNFileNodePtr &member : members) {
        // The progress sheet names the group by the member under way.
        group->setPath(member->path());
        int result;
        {
            const GroupPart part(*member, *group, frame);
            result = _VideoConverter_Start(member.get(), titleIndex, state, partOptions, groupDepth + 1);
        }
        if (result == 0)
            parts.add(member->outputName());
        if (convertStopped() || result != 0) {
            group->setPath(groupPath);
            if (convertStopped())
                return ConvertResultStopped;
            std::fputs("Convert Group child failed, so exit merge...\n", stderr);
            DNRoughLog(QStringLiteral("Convert Group child failed, so exit merge..."));
            return ConvertResultFailed;
        }
    }
    group->setPath(groupPath);

    setConvertEngineKind(ConvertEngineAVEncoder);
    return planned.settle(_VideoConverter(group, titleIndex, options));
}
