#include "builders/mencoder/DNMEDVDArgvDiscBackup.h"

#include "builders/mencoder/common/DVDBuilderHelpers.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "core/log/DNLogger.h"
#include "dvd/DNDVDTAudio.h"
#include "dvd/DNDVDTSubtitle.h"
#include "dvd/NXDVDSourceInfo.h"
#include "profiles/DNProfile.h"

#include <QStringList>

namespace {

constexpr const char *ISOBackupName = "DVD_To_DVD_MainBackup_ISO";
constexpr const char *MKVBackupName = "DVD_To_DVD_MainBackup_MKV";

// Both backups work on one title of a disc; a group of joined titles has no such backup.
bool openBackupBuild(DVDTitleBuild &build, NXBasicMediaNode *node, int titleIndex,
                     const VideoConvertOptions &options, const char *builderName)
{
    if (isDVDGroupSource(node)) {
        DNRoughLog(QStringLiteral("%@"),
                   QStringLiteral("%1: a disc backup cannot join titles, no vector made").arg(QLatin1String(builderName)));
        return false;
    }
    return openTitleBuild(build, node, titleIndex, options, builderName);
}

// The output path, made unique in the output folder and kept as the title's output name.
QString backupOutputPath(DVDTitleBuild &build, const QString &suffix)
{
    const DNNodeInfoPtr &info = build.node->nodeInfo();
    build.outputPath = makeOutputPath(OptionText(build.options.outputDirectory),
                                      info ? info->outputName() : QString(), suffix, outputExtension(build));
    build.title->setOutputName(build.outputPath);
    return build.outputPath;
}

// Track positions counted from 1, as the library numbers them, joined with ",".
template<typename Tracks>
QString oneBasedList(const Tracks &tracks)
{
    QStringList numbers;
    for (const auto &track : tracks)
        if (track)
            numbers << QString::number(track->index() + 1);
    return numbers.join(QLatin1Char(','));
}

} // namespace

Argument *DVD_To_DVD_MainBackup_ISO(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    DVDTitleBuild build;
    if (!openBackupBuild(build, node, titleIndex, options, ISOBackupName))
        return nullptr;
    Argument *argument = build.argument.get();
    const NXDVDSourceInfoPtr &source = build.node->sourceInfo();
    if (!source)
        AppendArgument(argument, "");
    else
        AppendArgument(argument, source->sourceType() == NXDVDSourceInfo::SourceDisc ? source->devicePath()
                                                                                      : source->path());
    AppendArgument(argument, backupOutputPath(build, QString()));
    AppendArgument(argument, "iso");
    build.expectedLength = build.title->length();
    return finishTitleBuild(build);
}

Argument *DVD_To_DVD_MainBackup_MKV(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    DVDTitleBuild build;
    if (!openBackupBuild(build, node, titleIndex, options, MKVBackupName))
        return nullptr;
    Argument *argument = build.argument.get();
    const NXDVDSourceInfoPtr &source = build.node->sourceInfo();
    AppendArguments(argument, {"encoder", "-i"});
    AppendArgument(argument, source ? source->path() : QString());
    AppendArguments(argument, {"-m", "-f", "mkv", "-e", "ffmpeg4", "-b"});
    AppendArgument(argument, profileValue(build.profile->videoQuality()));
    AppendArguments(argument, {"-E", "copy:aac", "-t"});
    AppendArgument(argument, QString::number(titleIndex + 1));
    const QString audio = oneBasedList(build.title->audioTracks());
    if (!audio.isEmpty()) {
        AppendArgument(argument, "-a");
        AppendArgument(argument, audio);
    }
    const QString subtitles = oneBasedList(build.title->subtitleTracks());
    if (!subtitles.isEmpty()) {
        AppendArgument(argument, "-s");
        AppendArgument(argument, subtitles);
    }
    // The trimmed span alone would copy the title's first seconds: start at the trim start too.
    const bool trimmed = build.setting->trimEnable() && build.title->length() > 0;
    int start = 0;
    if (trimmed) {
        const float length = float(build.title->length());
        start = trimSeconds(length * build.setting->trimStartPercent());
        build.expectedLength = trimSeconds((build.setting->trimEndPercent() - build.setting->trimStartPercent()) * length);
    }
    if (start > 0) {
        AppendArgument(argument, "--start-at");
        AppendArgument(argument, QStringLiteral("duration:%1").arg(start));
    }
    AppendArgument(argument, "-o");
    AppendArgument(argument, backupOutputPath(build, QStringLiteral("_T%1").arg(titleIndex + 1)));
    return finishTitleBuild(build);
}
