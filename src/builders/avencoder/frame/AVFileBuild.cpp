#include "builders/avencoder/frame/AVFileBuild.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/common/ArgumentLog.h"
#include "dvd/file/DNFileNode.h"

namespace {

void logNoVector(const char *builderName, const QString &why)
{
    argumentLogLine(QStringLiteral("%1: %2, no vector made").arg(QLatin1String(builderName), why));
}

bool isExactlyFileGroup(NXBasicMediaNode *node)
{
    const auto *file = dynamic_cast<const DNFileNode *>(node);
    return file && file->className() == QLatin1String("DNFileGroupNode");
}

// Explicit stream mapping is needed when a track other than the first of its kind is chosen,
// when the two probes disagreed on the streams (the encoder's own choice may then be another),
// and when the user chose no audio from a file that has some (left alone, the encoder would
// take its first audio stream).
bool needsStreamSelection(const DNFileNode &item, const DNNodeSetting &setting)
{
    return setting.videoIndex() > 0 || setting.audioIndex() > 0 || setting.subtitleIndex() > 0
           || !item.sameStreams() || (setting.audioIndex() < 0 && !item.audioTracks().isEmpty());
}

bool openBuild(AVFileBuild &build, DNFileNode *item)
{
    const char *name = build.recipe->builderName;
    build.item = item;
    build.setting = item->setting();
    build.profile = item->profile();
    if (!build.setting || !build.profile) {
        logNoVector(name, QStringLiteral("%1 has no edit setting or no profile").arg(item->path()));
        return false;
    }
    const int videoIndex = build.setting->videoIndex();
    if (videoIndex < 0 || videoIndex >= item->videoTracks().size() || !item->videoTracks().at(videoIndex)) {
        logNoVector(name, QStringLiteral("%1 has no video track %2").arg(item->path()).arg(videoIndex));
        return false;
    }
    build.argument.reset(CreateArgument());
    if (!build.argument) {
        logNoVector(name, QStringLiteral("out of memory"));
        return false;
    }
    build.video = item->videoTracks().at(videoIndex);
    build.endpos = int(build.video->duration);
    build.selection = needsStreamSelection(*item, *build.setting);
    build.squarePixels = build.recipe->squarePixels;
    return true;
}

} // namespace

void failAVFileBuild(AVFileBuild &build, const QString &why)
{
    build.failed = true;
    logNoVector(build.recipe ? build.recipe->builderName : "file builder", why);
}

Argument *BuildAVFileArgument(const AVFileRecipe &recipe, NXBasicMediaNode *node, int titleIndex,
                              const VideoConvertOptions &options)
{
    if (!node) {
        logNoVector(recipe.builderName, QStringLiteral("no item"));
        return nullptr;
    }
    if (isExactlyFileGroup(node)) {
        return recipe.joinSteps.empty() ? Video_Concat_With_AVEncoder(node, titleIndex, options)
                                        : JoinAVFileGroupEncoding(recipe, node, titleIndex, options);
    }
    auto *item = dynamic_cast<DNFileNode *>(node);
    if (!item) {
        logNoVector(recipe.builderName, QStringLiteral("the item is not a media file"));
        return nullptr;
    }
    AVFileBuild build;
    build.recipe = &recipe;
    build.titleIndex = titleIndex;
    build.options = options;
    if (!openBuild(build, item))
        return nullptr;
    for (const AVFileStep step : recipe.steps) {
        step(build);
        if (build.failed)
            return nullptr;
    }
    build.argument->endpos = build.endpos;
    return build.argument.release();
}
