#include "builders/mencoder/DNMEDVDArgvBackup.h"

#include "builders/mencoder/DNMEDVDArgvMerge.h"
#include "builders/mencoder/common/DVDBuilderHelpers.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "core/log/DNLogger.h"

namespace {

constexpr const char *FullBackupName = "DVD_To_DVD_FullBackup_MPEG2_With_MEncoder";
constexpr const char *MainBackupName = "DVD_To_DVD_MainBackup_MPEG2_With_MEncoder";

// The output path of the title, named as every single-title output is, stored as the title's
// output name.
QString titleOutputPath(DVDTitleBuild &build)
{
    const DNNodeInfoPtr &info = build.node->nodeInfo();
    build.outputPath = makeOutputPath(OptionText(build.options.outputDirectory), info ? info->outputName() : QString(),
                                      QStringLiteral("_T%1").arg(build.titleIndex + 1), outputExtension(build));
    build.title->setOutputName(build.outputPath);
    return build.outputPath;
}

} // namespace

Argument *DVD_To_DVD_FullBackup_MPEG2_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    if (isDVDGroupSource(node)) {
        DNRoughLog(QStringLiteral("%@"), QStringLiteral("%1: a title stream dump cannot join titles, no vector made")
                                             .arg(QLatin1String(FullBackupName)));
        return nullptr;
    }
    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, FullBackupName))
        return nullptr;

    // The player takes no program word: the input comes first.
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    AppendArgument(build.argument.get(), "-dumpstream");
    AppendArgument(build.argument.get(), "-dumpfile");
    AppendArgument(build.argument.get(), titleOutputPath(build));
    writeEnd(build);
    const bool trimmed = build.setting->trimEnable() && build.title->length() > 0;
    if (!trimmed)
        build.expectedLength = build.title->length();
    return finishTitleBuild(build);
}

Argument *DVD_To_DVD_MainBackup_MPEG2_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    if (isDVDGroupSource(node))
        return Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder(node, -1, options);
    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, MainBackupName))
        return nullptr;
    if (!lookUpAudioTrack(build, MainBackupName))
        return nullptr;

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    AppendArguments(build.argument.get(), {"-ovc", "copy", "-oac", "copy", "-of", "mpeg", "-mpegopts", "format=dvd:tsaf"});
    if (!writeAudioStream(build, MainBackupName))
        return nullptr;
    writeOutput(build, false);
    writeEnd(build);
    return finishTitleBuild(build);
}
