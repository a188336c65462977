#include "builders/avencoder/DNAVVideoArgv_SWF.h"

#include "builders/avencoder/frame/AVContainerStep.h"

namespace {

constexpr AVOptionWord SWFCodecWords[] = {{"-c:v", "flv1"}};

constexpr AVFileRecipe SWFRecipe{"Video_To_SWF_With_AVEncoder", PlainFrameSteps<"swf">, SWFCodecWords, {}, "libmp3lame"};

} // namespace

Argument *Video_To_SWF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(SWFRecipe, fileNode, titleIndex, options);
}
