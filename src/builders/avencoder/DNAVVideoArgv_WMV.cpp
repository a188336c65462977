#include "builders/avencoder/DNAVVideoArgv_WMV.h"

#include "builders/avencoder/frame/AVFileSteps.h"

namespace {

// The plainest builder: no thread count, no tuning or rate control, no pixel format and no
// container word.
constexpr AVFileStep WMVSteps[] = {
    stepHead,        stepTrimBeforeInput, stepInput,  stepTrimAfterInput, stepFrameRate,
    stepVideoBitrate, stepAspect,         stepVideoCodec, stepFilterGraph,  stepAudio,
    stepVolume,      stepTags,            stepStreamMapping, stepNoSubtitles, stepChapters,
    stepOutput,
};

constexpr AVOptionWord WMVCodecWords[] = {{"-c:v", "wmv2"}};

constexpr AVFileRecipe WMVRecipe{"Video_To_WMV2_With_AVEncoder", WMVSteps, WMVCodecWords, {}, "wmav2"};

} // namespace

Argument *Video_To_WMV2_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(WMVRecipe, fileNode, titleIndex, options);
}
