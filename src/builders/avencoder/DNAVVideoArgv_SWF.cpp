#include "builders/avencoder/DNAVVideoArgv_SWF.h"

#include "builders/avencoder/frame/AVContainerStep.h"

namespace {

constexpr AVOptionWord SWFCodecWords[] = {{"-c:v", "flv1"}};

// Its codec flags no pixel aspect, and the engine cannot copy its packets into another file.
constexpr AVFileRecipe SWFRecipe{
    .builderName = "Video_To_SWF_With_AVEncoder",
    .steps = PlainFrameSteps<"swf">,
    .videoCodecWords = SWFCodecWords,
    .audioCodec = "libmp3lame",
    .squarePixels = true,
    .joinSteps = PlainJoinSteps,
};

} // namespace

Argument *Video_To_SWF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(SWFRecipe, fileNode, titleIndex, options);
}
