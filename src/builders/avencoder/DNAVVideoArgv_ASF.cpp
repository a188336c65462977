#include "builders/avencoder/DNAVVideoArgv_ASF.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"

namespace {

constexpr AVFileStep ASFSteps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,       stepTrimAfterInput, stepSourceFrameRate,
    stepVideoBitrate, stepAspect,          stepMPEG4Options, stepFilterGraph,   stepAudio,
    stepVolume,       stepTags,            stepStreamMapping, stepNoSubtitles,  stepContainer<"asf">,
    stepChapters,     stepOutput,
};

constexpr AVFileRecipe ASFRecipe{"Video_To_ASF_With_AVEncoder", ASFSteps, AVEncoderMPEG4Codec, {}, "wmav2"};

} // namespace

Argument *Video_To_ASF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(ASFRecipe, fileNode, titleIndex, options);
}
