#include "builders/avencoder/DNAVVideoArgv_3GP.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "dvd/file/DNFileFormatTests.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

namespace {

constexpr int ThirdGeneration2 = 1;  // the container switch of the 3G2 selector

// [B10] For "keep origin", an AVI source's display shape as the probe read it is written out.
void stepAspectOfAVISource(AVFileBuild &build)
{
    const auto aspect = build.profile->videoAspect();
    if (!aspect || !IsKeepOriginAspect(aspect->currentValue()) || !IsAVIFile(build.item)) {
        stepAspect(build);
        return;
    }
    writeAspectFlag(build, FormatAspectString(build.video->aspectRatio, QStringLiteral(":")));
}

// One recipe per builder and container ("3gp" or "3g2").
template <TemplateText Container>
constexpr AVFileStep XVIDSteps[] = {
    stepHead,         stepTrimBeforeInput,   stepInput,        stepTrimAfterInput, stepSourceFrameRate,
    stepVideoBitrate, stepAspectOfAVISource, stepMPEG4Options, stepFilterGraph,    stepAudio,
    stepVolume,       stepTags,              stepStreamMapping, stepNoSubtitles,   stepContainer<Container>,
    stepChapters,     stepOutput,
};

template <TemplateText Container>
constexpr AVFileStep H264Steps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,       stepThreads,      stepTrimAfterInput,
    stepFrameRate,    stepVideoBitrate,    stepAspect,      stepH264VideoCodec, stepRateControl,
    stepFilterGraph,  stepAudio,           stepVolume,      stepTags,         stepStreamMapping,
    stepNoSubtitles,  stepContainer<Container>, stepChapters, stepOutput,
};

template <TemplateText Container>
constexpr AVFileRecipe XVIDRecipe{"Video_To_GP_XVID_With_AVEncoder", XVIDSteps<Container>, AVEncoderXviDCodec, {}, "libfaac"};

template <TemplateText Container>
constexpr AVFileRecipe H264Recipe{"Video_To_GP_H264_With_AVEncoder", H264Steps<Container>, AVEncoderH264Words,
                                  AVEncoderH264QualityRows, "libfaac"};

Argument *select(int container, NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    const auto *file = dynamic_cast<const DNFileNode *>(fileNode);
    const auto profile = file ? file->profile() : nullptr;
    const auto codec = profile ? profile->videoCodec() : nullptr;
    if (codec && codec->currentValue() == QLatin1String("h264"))
        return Video_To_GP_H264_With_AVEncoder(fileNode, container, titleIndex, options);
    return Video_To_GP_XVID_With_AVEncoder(container, fileNode, titleIndex, options);
}

} // namespace

Argument *Video_To_GP_XVID_With_AVEncoder(int container, NXBasicMediaNode *fileNode, int titleIndex,
                                          VideoConvertOptions options)
{
    const AVFileRecipe &recipe = container == ThirdGeneration2 ? XVIDRecipe<"3g2"> : XVIDRecipe<"3gp">;
    return BuildAVFileArgument(recipe, fileNode, titleIndex, options);
}

Argument *Video_To_GP_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int container, int titleIndex,
                                          VideoConvertOptions options)
{
    const AVFileRecipe &recipe = container == ThirdGeneration2 ? H264Recipe<"3g2"> : H264Recipe<"3gp">;
    return BuildAVFileArgument(recipe, fileNode, titleIndex, options);
}

Argument *Video_To_3GP_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return select(0, fileNode, titleIndex, options);
}

Argument *Video_To_3G2_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return select(ThirdGeneration2, fileNode, titleIndex, options);
}
