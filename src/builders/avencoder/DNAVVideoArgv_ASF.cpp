#include "builders/avencoder/DNAVVideoArgv_ASF.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/FixedContainer.h"
#include "builders/avencoder/frame/AVFileSteps.h"

namespace {

constexpr AVFileStep ASFSteps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,       stepTrimAfterInput, stepSourceFrameRate,
    stepVideoBitrate, stepAspect,          stepMPEG4Options, stepFilterGraph,   stepAudio,
    stepVolume,       stepTags,            stepStreamMapping, stepNoSubtitles,  stepFixedContainer,
    stepChapters,     stepOutput,
};

constexpr AVOptionWord MPEG4Codec[] = {{"-c:v", "mpeg4"}};

constexpr AVFileContainerRecipe ASFRecipe{{"Video_To_ASF_With_AVEncoder", ASFSteps, MPEG4Codec, {}, "wmav2"}, "asf"};

} // namespace

Argument *Video_To_ASF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(ASFRecipe, fileNode, titleIndex, options);
}
