#include "builders/avencoder/DNAVVideoArgv_MPEG1.h"

#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/frame/AVFileSteps.h"

namespace {

// The encoder takes 8-bit 4:2:0 pictures only, so the frame's pixel-format step stands.
constexpr AVFileStep MPEG1Steps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,        stepTrimAfterInput, stepMPEGStandardFrameRate,
    stepVideoBitrate, stepAspect,          stepVideoCodec,   stepMPEGVideoTuning, stepRateControl,
    stepFilterGraph,  stepAudio,           stepVolume,       stepTags,           stepStreamMapping,
    stepNoSubtitles,  stepPixelFormat,     stepChapters,     stepOutput,
};

constexpr AVOptionWord MPEG1CodecWords[] = {{"-c:v", "mpeg1video"}};

constexpr AVFileRecipe MPEG1Recipe{
    "Video_To_MPEG1_With_AVEncoder", MPEG1Steps, MPEG1CodecWords, MPEGVideoQualityRows, "mp2",
};

} // namespace

Argument *Video_To_MPEG1_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(MPEG1Recipe, fileNode, titleIndex, options);
}
