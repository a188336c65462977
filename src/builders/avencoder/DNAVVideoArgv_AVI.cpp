#include "builders/avencoder/DNAVVideoArgv_AVI.h"

#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "profiles/DNProfile.h"

namespace {

// [after B18] The four-character code players choose their decoder by: DivX when the profile
// asks for it, else Xvid.
void stepCodecTag(AVFileBuild &build)
{
    const auto codec = build.profile->videoCodec();
    const bool divx = codec && codec->currentValue().toUpper() == QLatin1String("DIVX");
    AppendArguments(build.argument.get(), {"-tag:v", divx ? "DIVX" : "XVID"});
}

// [B20]
void stepAVIContainer(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-f", "avi"});
}

// [B20] MP4 whatever the profile's format and suffix say.
void stepMP4OnlyContainer(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-f", "mp4"});
}

constexpr AVFileStep AVISteps[] = {
    stepHead,            stepTrimBeforeInput, stepInput,       stepThreads,    stepTrimAfterInput,
    stepSourceFrameRate, stepVideoBitrate,    stepAspect,      stepVideoCodec, stepMPEG4RateControl,
    stepFilterGraph,     stepAudio,           stepVolume,      stepTags,       stepStreamMapping,
    stepNoSubtitles,     stepCodecTag,        stepAVIContainer, stepChapters,  stepOutput,
};

constexpr AVFileStep MP4MP3Steps[] = {
    stepHead,            stepMPEG2InputDecoder, stepTrimBeforeInput, stepInput,      stepThreads,
    stepTrimAfterInput,  stepSourceFrameRate,   stepVideoBitrate,    stepAspect,     stepVideoCodec,
    stepMPEG4RateControl, stepFilterGraph,      stepAudio,           stepVolume,     stepTags,
    stepStreamMapping,   stepNoSubtitles,       stepMP4OnlyContainer, stepChapters,  stepOutput,
};

constexpr AVFileRecipe AVIRecipe{
    "Video_To_AVI_With_AVEncoder", AVISteps, MPEG4Part2CodecWords, MPEG4Part2QualityRows, "libmp3lame",
};

constexpr AVFileRecipe MP4MP3Recipe{
    "Video_To_MP4_MP3Audio_With_AVEncoder", MP4MP3Steps, MPEG4Part2CodecWords, MPEG4Part2QualityRows, "libmp3lame",
};

} // namespace

Argument *Video_To_AVI_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(AVIRecipe, fileNode, titleIndex, options);
}

Argument *Video_To_MP4_MP3Audio_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(MP4MP3Recipe, fileNode, titleIndex, options);
}
