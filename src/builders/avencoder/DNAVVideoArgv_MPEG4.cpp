#include "builders/avencoder/DNAVVideoArgv_MPEG4.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/frame/AVFileSteps.h"

namespace {

constexpr AVFileStep MPEG4Steps[] = {
    stepHead,            stepTrimBeforeInput, stepInput,        stepThreads,     stepTrimAfterInput,
    stepSourceFrameRate, stepVideoBitrate,    stepAspect,       stepMPEG4Options, stepFilterGraph,
    stepAudio,           stepVolume,          stepTags,         stepStreamMapping, stepNoSubtitles,
    stepPixelFormat,     stepMP4Container,    stepChapters,     stepOutput,
};

constexpr AVFileRecipe MPEG4Recipe{
    "Video_To_MPEG4_With_AVEncoder", MPEG4Steps, AVEncoderMPEG4Codec, {}, "libfdk_aac",
};

} // namespace

Argument *Video_To_MPEG4_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(MPEG4Recipe, fileNode, titleIndex, options);
}
