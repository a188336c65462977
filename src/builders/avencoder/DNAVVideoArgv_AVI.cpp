#include "builders/avencoder/DNAVVideoArgv_AVI.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "profiles/DNProfile.h"

namespace {

// [after B18] The four-character code players choose their decoder by: DivX when the profile
// asks for it, else Xvid.
void stepCodecTag(AVFileBuild &build)
{
    const auto codec = build.profile->videoCodec();
    const bool divx = codec && codec->currentValue().toUpper() == QLatin1String("DIVX");
    AppendArguments(build.argument.get(), {"-tag:v", divx ? "DIVX" : "XVID"});
}

constexpr AVFileStep AVISteps[] = {
    stepHead,            stepTrimBeforeInput, stepInput,        stepThreads,      stepTrimAfterInput,
    stepSourceFrameRate, stepVideoBitrate,    stepAspect,       stepMPEG4Options, stepFilterGraph,
    stepAudio,           stepVolume,          stepTags,         stepStreamMapping, stepNoSubtitles,
    stepCodecTag,        stepContainer<"avi">, stepChapters,    stepOutput,
};

// MP4 whatever the profile's format and suffix say.
constexpr AVFileStep MP4MP3Steps[] = {
    stepHead,            stepMPEG2InputDecoder, stepTrimBeforeInput, stepInput,        stepThreads,
    stepTrimAfterInput,  stepSourceFrameRate,   stepVideoBitrate,    stepAspect,       stepMPEG4Options,
    stepFilterGraph,     stepAudio,             stepVolume,          stepTags,         stepStreamMapping,
    stepNoSubtitles,     stepContainer<"mp4">,  stepChapters,        stepOutput,
};

constexpr AVFileRecipe AVIRecipe{"Video_To_AVI_With_AVEncoder", AVISteps, AVEncoderMPEG4Codec, {}, "libmp3lame"};

constexpr AVFileRecipe MP4MP3Recipe{
    "Video_To_MP4_MP3Audio_With_AVEncoder", MP4MP3Steps, AVEncoderMPEG4Codec, {}, "libmp3lame",
};

} // namespace

Argument *Video_To_AVI_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(AVIRecipe, fileNode, titleIndex, options);
}

Argument *Video_To_MP4_MP3Audio_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(MP4MP3Recipe, fileNode, titleIndex, options);
}
