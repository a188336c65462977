#include "builders/avencoder/DNAVVideoArgv_MPEG2.h"

#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"

namespace {

constexpr AVFileStep MPEG2Steps[] = {
    stepHead,           stepTrimBeforeInput, stepInput,               stepTrimAfterInput, stepMPEGStandardFrameRate,
    stepVideoBitrate,   stepAspect,          stepVideoCodec,          stepMPEGVideoTuning, stepRateControl,
    stepFilterGraph,    stepAudio,           stepVolume,              stepTags,           stepStreamMapping,
    stepNoSubtitles,    stepPlayablePixelFormat, stepChapters,        stepOutput,
};

// The ".mpg" suffix alone makes the encoder write an MPEG-1 system stream, whose AC-3 packets
// read back with broken timestamps (a skip and a repeat of audio): this output names the MPEG-2
// program stream its video belongs in (the encoder's "vob").
constexpr AVFileStep MPEG2AC3Steps[] = {
    stepHead,           stepMPEG2InputDecoder, stepTrimBeforeInput,   stepInput,          stepTrimAfterInput,
    stepMPEGStandardFrameRate, stepVideoBitrate, stepAspect,          stepVideoCodec,     stepMPEGVideoTuning,
    stepRateControl,    stepFilterGraph,     stepAudio,               stepVolume,         stepTags,
    stepStreamMapping,  stepNoSubtitles,     stepPlayablePixelFormat, stepContainer<"vob">, stepChapters,
    stepOutput,
};

constexpr AVFileRecipe MPEG2Recipe{
    "Video_To_MPEG2_With_AVEncoder", MPEG2Steps, MPEG2VideoCodecWords, MPEGVideoQualityRows, "mp2",
};

constexpr AVFileRecipe MPEG2AC3Recipe{
    "Video_To_MPEG2AC3_With_AVEncoder", MPEG2AC3Steps, MPEG2VideoCodecWords, MPEGVideoQualityRows, "ac3",
};

} // namespace

Argument *Video_To_MPEG2_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(MPEG2Recipe, fileNode, titleIndex, options);
}

Argument *Video_To_MPEG2AC3_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(MPEG2AC3Recipe, fileNode, titleIndex, options);
}
