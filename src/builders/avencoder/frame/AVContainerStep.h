#pragma once

#include "builders/avencoder/frame/AVFileSteps.h"
#include "builders/common/TemplateText.h"

// The container step of builders whose container never changes: "-f" and its name, listed in a
// recipe as stepContainer<"flv">.

template <TemplateText Name>
void stepContainer(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-f", Name.text});
}

// The whole frame for a builder with a fixed container whose video and audio are its recipe's
// codec words and audio codec, with no rate control of its own.
template <TemplateText Container>
inline constexpr AVFileStep PlainFrameSteps[] = {
    stepHead, stepTrimBeforeInput, stepInput, stepTrimAfterInput, stepFrameRate, stepVideoBitrate,
    stepAspect, stepVideoCodec, stepFilterGraph, stepAudio, stepVolume, stepTags, stepStreamMapping,
    stepNoSubtitles, stepContainer<Container>, stepChapters, stepOutput,
};

// The join steps of a builder of PlainFrameSteps whose container cannot take copied packets:
// the group's parts, already at its frame and rate, encoded with the recipe's codecs at the
// profile's rates.
inline constexpr AVFileStep PlainJoinSteps[] = {stepVideoBitrate, stepVideoCodec, stepAudio};
