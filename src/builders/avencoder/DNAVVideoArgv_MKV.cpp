#include "builders/avencoder/DNAVVideoArgv_MKV.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/SubtitleCueStart.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"

namespace {

// The chosen subtitle track; null when none is chosen, and when the chosen one does not exist
// (the build then fails).
DNTSubtitlePtr chosenSubtitle(AVFileBuild &build)
{
    const int index = build.setting->subtitleIndex();
    if (index < 0)
        return nullptr;
    if (index >= build.item->subtitleTracks().size() || !build.item->subtitleTracks().at(index)) {
        failAVFileBuild(build, QStringLiteral("%1 has no subtitle track %2").arg(build.item->path()).arg(index));
        return nullptr;
    }
    return build.item->subtitleTracks().at(index);
}

DNTExtSubtitlePtr subtitleFile(AVFileBuild &build)
{
    return std::dynamic_pointer_cast<DNTExtSubtitle>(chosenSubtitle(build));
}

// A chosen subtitle file is the second input, as UTF-8 text (the stream is copied as it is),
// its cues showing at a trim's start begun there (the trim follows the inputs, and the engine
// would drop them).
void stepSubtitleFileInput(AVFileBuild &build)
{
    const DNTExtSubtitlePtr file = subtitleFile(build);
    if (!file)
        return;
    QString charset = file->codePage();
    const QString copy = CopySubtitleAsUTF8(file->path(), charset);
    if (copy.isEmpty()) {
        failAVFileBuild(build, QStringLiteral("the subtitle file %1 cannot be read as %2").arg(file->path(), charset));
        return;
    }
    const std::optional<AVTrim> trim = trimOf(build);
    if (trim && !startCuesAt(copy, trim->start)) {
        failAVFileBuild(build, QStringLiteral("the copy of the subtitle file %1 cannot be written").arg(file->path()));
        return;
    }
    AppendArgument(build.argument.get(), "-i");
    AppendArgument(build.argument.get(), copy);
}

void stepMatroskaVideoCodec(AVFileBuild &build)
{
    const auto codec = build.profile->videoCodec();
    const bool xvid = codec && codec->currentValue().toLower() == QLatin1String("libxvid");
    const int written = xvid ? AVEncoder_MPEG4_Options(build.argument.get(), "libxvid", *build.profile)
                             : AVEncoder_H264_Options(build.argument.get(), *build.profile, H264LevelOf(build));
    if (written < 0)
        failAVFileBuild(build, QStringLiteral("the profile has no video quality"));
}

// The chosen subtitle goes in as it is, except the text kinds Matroska has no place for (the
// timed text of MP4 and QuickTime files), which go in as SubRip text. A kind Matroska cannot hold
// fails the pass in the engine, which names it.
void stepSubtitleCodec(AVFileBuild &build)
{
    const DNTSubtitlePtr subtitle = chosenSubtitle(build);
    if (!subtitle)
        return;
    const bool file = dynamic_cast<const DNTExtSubtitle *>(subtitle.get()) != nullptr;
    const bool convert = !file && subtitle->isTextformat() && !subtitle->isMatroskaText();
    AppendArguments(build.argument.get(), {"-c:s", convert ? "srt" : "copy"});
}

// The video and audio maps of the frame, then the subtitle's. A chosen subtitle always maps,
// and none chosen always writes "-sn": left to itself the engine would carry the source's first
// subtitle stream into the file.
void stepMatroskaStreamMapping(AVFileBuild &build)
{
    const DNTSubtitlePtr subtitle = chosenSubtitle(build);
    if (build.failed)
        return;
    build.selection = build.selection || subtitle;
    stepStreamMapping(build);
    if (build.failed)
        return;
    if (!subtitle) {
        AppendArgument(build.argument.get(), "-sn");
        return;
    }
    AppendArgument(build.argument.get(), "-map");
    if (dynamic_cast<const DNTExtSubtitle *>(subtitle.get())) {
        AppendArgument(build.argument.get(), "1:0");
        return;
    }
    const QString mark = GenSubtitleStreamMark(*build.item, build.options, false);
    if (mark.isNull())
        failAVFileBuild(build, QStringLiteral("no subtitle stream to map"));
    else
        AppendArgument(build.argument.get(), mark);
}

// The trim words follow every input: before the subtitle file's "-i" they would cut that file
// instead of the movie.
constexpr AVFileStep MKVSteps[] = {
    stepHead,         stepTrimBeforeInput,    stepInput,                      stepSubtitleFileInput,
    stepTrimAfterInput, stepSourceFrameRate,  stepVideoBitrate,               stepAspect,
    stepMatroskaVideoCodec, stepFilterGraphWithoutSubtitle, stepAudio,        stepVolume,
    stepSubtitleCodec, stepTags,              stepMatroskaStreamMapping,      stepContainer<"matroska">,
    stepChapters,     stepOutput,
};

constexpr AVFileStep HDMKVSteps[] = {
    stepHead,         stepTrimBeforeInput,    stepInput,                      stepSubtitleFileInput,
    stepTrimAfterInput, stepFrameRate,        stepVideoBitrate,               stepAspect,
    stepVideoCodec,   stepVBRQualityWords,    stepFilterGraphWithoutSubtitle, stepAudio,
    stepVolume,       stepSubtitleCodec,      stepTags,                       stepMatroskaStreamMapping,
    stepPlayablePixelFormat, stepContainer<"matroska">, stepChapters, stepOutput,
};

// The profile's own audio codec.
constexpr AVFileRecipe MKVRecipe{"Video_To_MKV_With_AVEncoder", MKVSteps, {}, {}, nullptr};
constexpr AVFileRecipe HDMKVRecipe{
    "Video_To_HD_MKV_With_AVEncoder", HDMKVSteps, AVEncoderHDH264Words, AVEncoderHDH264QualityRows, "libfaac"};

} // namespace

Argument *Video_To_MKV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(MKVRecipe, fileNode, titleIndex, options);
}

Argument *Video_To_HD_MKV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(HDMKVRecipe, fileNode, titleIndex, options);
}
