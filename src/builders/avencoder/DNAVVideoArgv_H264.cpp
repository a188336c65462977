#include "builders/avencoder/DNAVVideoArgv_H264.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/frame/AVFileSteps.h"

namespace {

constexpr AVFileStep H264Steps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,       stepThreads,       stepTrimAfterInput,
    stepFrameRate,    stepVideoBitrate,    stepAspect,      stepH264VideoCodec, stepRateControl,
    stepFilterGraph,  stepAudio,           stepVolume,      stepTags,          stepStreamMapping,
    stepNoSubtitles,  stepPixelFormat,     stepMP4Container, stepChapters,     stepOutput,
};

constexpr AVFileRecipe H264Recipe{
    "Video_To_H264_With_AVEncoder", H264Steps, AVEncoderH264Words, AVEncoderH264QualityRows, "libfdk_aac",
};

constexpr AVFileStep HDH264Steps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,         stepThreads,       stepTrimAfterInput,
    stepFrameRate,    stepVideoBitrate,    stepAspect,        stepVideoCodec,    stepVBRQualityWords,
    stepFilterGraph,  stepAudio,           stepVolume,        stepTags,          stepStreamMapping,
    stepNoSubtitles,  stepPlayablePixelFormat, stepMP4Container, stepChapters,   stepOutput,
};

constexpr AVFileRecipe HDH264Recipe{
    "Video_To_HD_H264_With_AVEncoder", HDH264Steps, AVEncoderHDH264Words, AVEncoderHDH264QualityRows, "libfdk_aac",
};

} // namespace

Argument *Video_To_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(H264Recipe, fileNode, titleIndex, options);
}

Argument *Video_To_HD_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(HDH264Recipe, fileNode, titleIndex, options);
}
