#include "builders/mencoder/DNMEDVDArgvMerge.h"

#include "builders/mencoder/common/DVDBuilderHelpers.h"
#include "builders/mencoder/steps/DVDGroupBuilders.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "core/log/DNLogger.h"
#include "dvd/DNDVDGroupTitle.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <span>

namespace {

using Words = std::span<const char *const>;

// What one joining builder writes between the parts and "-o". The joins into MP4 of H.264
// parts take the profile's aspect and AAC bitrate; the others need nothing from the profile.
struct JoinRow
{
    const char *builderName;
    Words containerWords;
    bool aacFromProfile;   // "-aspect" (unless keep origin), then faac at the profile's bitrate
    Words tailWords;
};

constexpr const char *IpodContainer[] = {"-of", "lavf", "-lavfopts", "format=ipod"};
constexpr const char *FlvContainer[] = {"-of", "lavf", "-lavfopts", "format=flv"};
constexpr const char *AsfContainer[] = {"-of", "lavf", "-lavfopts", "format=asf"};
constexpr const char *AviContainer[] = {"-of", "avi"};
constexpr const char *MpegContainer[] = {"-of", "mpeg"};
constexpr const char *TransportStreamContainer[] = {"-of", "lavf", "-lavfopts", "format=mpegts"};

constexpr const char *CopyVideo[] = {"-ovc", "copy"};
constexpr const char *CopyBoth[] = {"-oac", "copy", "-ovc", "copy"};
constexpr const char *LavcAacCopyVideo[] = {"-oac", "lavc", "-ovc", "copy", "-lavcopts", "aglobal=1:acodec=libfaac"};

constexpr JoinRow H264Row{"Merge_DVDTitle_To_H264_Default_With_MEncoder", IpodContainer, true, CopyVideo};
constexpr JoinRow AVCRow{"Merge_DVDTitle_To_AVC_Default_With_MEncoder", IpodContainer, true, CopyVideo};
constexpr JoinRow MPEG4Row{"Merge_DVDTitle_To_MPEG4_Default_With_MEncoder", IpodContainer, false, LavcAacCopyVideo};
constexpr JoinRow FLVRow{"Group_DVDTitle_To_FLV_With_MEncoder", FlvContainer, false, CopyBoth};
constexpr JoinRow WMVRow{"Group_DVDTitle_To_WMV_With_MEncoder", AsfContainer, false, CopyBoth};
constexpr JoinRow AVIRow{"Group_DVDTitle_To_AVI_With_MEncoder", AviContainer, false, CopyBoth};
constexpr JoinRow MPEG2Row{"Group_DVDTitle_To_MPEG2_With_MEncoder", MpegContainer, false, CopyBoth};
constexpr JoinRow MainBackupRow{"Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder", MpegContainer, false, CopyBoth};

void refuse(const JoinRow &row, const QString &why)
{
    DNRoughLog(QStringLiteral("%@"), QStringLiteral("%1: %2, no vector made").arg(QLatin1String(row.builderName), why));
}

void appendWords(Argument *argument, Words words)
{
    for (const char *word : words)
        AppendArgument(argument, word);
}

Argument *buildJoin(const JoinRow &row, NXBasicMediaNode *node, const VideoConvertOptions &options)
{
    if (!isDVDGroupSource(node)) {
        refuse(row, QStringLiteral("the item is not a group of DVD titles"));
        return nullptr;
    }
    auto *group = static_cast<DNDVDGroupTitle *>(node);
    const std::shared_ptr<DNProfile> &profile = group->profile();
    if (!profile) {
        refuse(row, QStringLiteral("the group has no profile"));
        return nullptr;
    }
    const QList<DNDVDTitlePtr> members = group->titles();
    if (members.isEmpty()) {
        refuse(row, QStringLiteral("the group has no titles"));
        return nullptr;
    }
    // A part that was never written would reach the engine as an empty input name; the
    // joined file would lack that title while the pass reported success.
    for (const DNDVDTitlePtr &member : members) {
        if (!member || member->outputName().isEmpty()) {
            refuse(row, QStringLiteral("title %1 of the group has no converted part")
                            .arg(member ? member->index() + 1 : 0));
            return nullptr;
        }
    }

    ArgumentPtr argument(CreateArgument());
    if (!argument) {
        refuse(row, QStringLiteral("out of memory"));
        return nullptr;
    }
    const QString outputPath = dvdJoinOutputPath(*group, OptionText(options.outputDirectory));
    group->setOutputName(outputPath);

    AppendArgument(argument.get(), "encoder");
    for (const DNDVDTitlePtr &member : members)
        AppendArgument(argument.get(), member->outputName());
    // A joined file named as a transport stream must hold one, whatever the family's container.
    appendWords(argument.get(), isTransportStreamExtension(profile->fileNameSuffix()) ? Words(TransportStreamContainer)
                                                                                      : row.containerWords);
    if (row.aacFromProfile) {
        const QString aspect = profileValue(profile->videoAspect());
        if (!aspect.isNull() && !IsKeepOriginAspect(aspect)) {
            AppendArgument(argument.get(), "-aspect");
            AppendArgument(argument.get(), FormatAspectString(aspect, QStringLiteral(":")));
        }
        AppendArguments(argument.get(), {"-oac", "faac", "-faacopts"});
        AppendArgument(argument.get(),
                       QStringLiteral("br=%1:mpeg=4:object=2:raw").arg(profileValue(profile->audioQuality())));
    }
    appendWords(argument.get(), row.tailWords);
    AppendArgument(argument.get(), "-o");
    AppendArgument(argument.get(), outputPath);
    AppendArgument(argument.get(), "-cache");
    AppendArgumentFormat(argument.get(), "%d", 8192);
    // More parts than slots marks the vector overflowed: it is logged, and the pass fails.
    argument->endpos = 0;
    return argument.release();
}

} // namespace

QString dvdJoinOutputPath(const DNDVDGroupTitle &group, const QString &folder)
{
    const DNNodeInfoPtr &info = group.nodeInfo();
    const std::shared_ptr<DNProfile> &profile = group.profile();
    return makeOutputPath(folder, info ? info->outputName() : QString(), QString(),
                          profile ? profile->fileNameSuffix() : QString());
}

Argument *Merge_DVDTitle_To_H264_Default_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(H264Row, node, options);
}

Argument *Merge_DVDTitle_To_AVC_Default_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(AVCRow, node, options);
}

Argument *Merge_DVDTitle_To_MPEG4_Default_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(MPEG4Row, node, options);
}

Argument *Group_DVDTitle_To_FLV_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(FLVRow, node, options);
}

Argument *Group_DVDTitle_To_WMV_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(WMVRow, node, options);
}

Argument *Group_DVDTitle_To_AVI_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(AVIRow, node, options);
}

Argument *Group_DVDTitle_To_MPEG2_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(MPEG2Row, node, options);
}

Argument *Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    return buildJoin(MainBackupRow, node, options);
}

void installDVDJoiningBuilders()
{
    for (const DVDJoiningBuilder &builder : DVDJoiningBuilders)
        setDVDGroupBuilder(builder.name, builder.function);
}
