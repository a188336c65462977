#include "builders/avencoder/DNAVVideoArgv_RM.h"

#include "builders/avencoder/frame/AVContainerStep.h"

namespace {

constexpr AVOptionWord RMCodecWords[] = {{"-c:v", "rv20"}};

constexpr AVFileRecipe RMRecipe{"Video_To_RM_With_AVEncoder", PlainFrameSteps<"rm">, RMCodecWords, {}, "ac3"};

} // namespace

Argument *Video_To_RM_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(RMRecipe, fileNode, titleIndex, options);
}
