#include "builders/avencoder/DNAVVideoArgv_RM.h"

#include "builders/avencoder/frame/AVContainerStep.h"

namespace {

constexpr AVOptionWord RMCodecWords[] = {{"-c:v", "rv20"}};

// Its codec flags no pixel aspect, and the engine cannot copy its packets into another file.
constexpr AVFileRecipe RMRecipe{
    .builderName = "Video_To_RM_With_AVEncoder",
    .steps = PlainFrameSteps<"rm">,
    .videoCodecWords = RMCodecWords,
    .audioCodec = "ac3",
    .squarePixels = true,
    .joinSteps = PlainJoinSteps,
};

} // namespace

Argument *Video_To_RM_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(RMRecipe, fileNode, titleIndex, options);
}
