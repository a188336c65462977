#include "builders/avencoder/DNAVVideoArgv_AudioOnly.h"

#include "builders/avencoder/AudioOnlyRecipe.h"
#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfile.h"

namespace {

const AudioOnlyRecipe &formatOf(const AVFileBuild &build)
{
    // Only the audio-only recipes below list the steps that call this.
    return static_cast<const AudioOnlyRecipe &>(*build.recipe);
}

QString valueOf(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return field ? field->currentValue() : QString();
}

void stepNoPicture(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-vn", "-sn"});
}

void stepAudioOnlyEncoding(AVFileBuild &build)
{
    appendAudioOnlyEncoding(build.argument.get(), formatOf(build), *build.profile, true);
}

void stepAudioOnlyVolume(AVFileBuild &build)
{
    const QString filter = GenVolumeFilter(*build.item, build.options);
    if (filter.isNull())
        return;
    AppendArgument(build.argument.get(), "-af");
    AppendArgument(build.argument.get(), filter);
}

// The chosen track by its position among the audio streams; none chosen writes "-an", and the
// engine then refuses a vector that keeps no stream at all.
void stepAudioTrack(AVFileBuild &build)
{
    const int index = build.setting->audioIndex();
    if (index < 0) {
        AppendArgument(build.argument.get(), "-an");
        return;
    }
    if (index >= build.item->audioTracks().size()) {
        failAVFileBuild(build, QStringLiteral("%1 has no audio track %2").arg(build.item->path()).arg(index));
        return;
    }
    AppendArgument(build.argument.get(), "-map");
    AppendArgument(build.argument.get(), QStringLiteral("0:a:%1").arg(index));
}

void stepAudioOnlyContainer(AVFileBuild &build)
{
    if (const char *format = formatOf(build).fileFormat) {
        AppendArgument(build.argument.get(), "-f");
        AppendArgument(build.argument.get(), format);
    }
}

constexpr AVFileStep AudioOnlySteps[] = {
    stepHead,           stepTrimBeforeInput, stepInput, stepTrimAfterInput,     stepNoPicture,
    stepAudioOnlyEncoding, stepAudioOnlyVolume, stepTags, stepAudioTrack, stepAudioOnlyContainer,
    stepChapters,       stepOutput,
};

constexpr AVOptionWord DTSWords[] = {{"-strict", "-2"}};

// name, "-c:a" (null: the container's own); "-b:a"; "-ac"; words after "-ac"; "-f" of a file;
// "-f" of a joined group; "-ar" when joining; the join's filter first.
constexpr AudioOnlyRecipe AAC{{"Video_To_AAC_With_AVEncoder", AudioOnlySteps, {}, {}, "libfaac"},
                              true, true, {}, nullptr, "mp4"};
constexpr AudioOnlyRecipe AC3{{"Video_To_AC3_With_AVEncoder", AudioOnlySteps, {}, {}, "ac3"},
                              true, true, {}, "ac3", "ac3"};
constexpr AudioOnlyRecipe AIFF{{"Video_To_AIFF_With_AVEncoder", AudioOnlySteps, {}, {}, nullptr},
                               false, true, {}, "aiff", "aiff", false};
constexpr AudioOnlyRecipe ALAC{{"Video_To_ALAC_With_AVEncoder", AudioOnlySteps, {}, {}, "alac"},
                               false, true, {}, nullptr, nullptr};
constexpr AudioOnlyRecipe AU{{"Video_To_AU_With_AVEncoder", AudioOnlySteps, {}, {}, nullptr},
                             false, true, {}, nullptr, nullptr};
constexpr AudioOnlyRecipe CAF{{"Video_To_CAF_With_AVEncoder", AudioOnlySteps, {}, {}, nullptr},
                              true, true, {}, "caf", "caf"};
constexpr AudioOnlyRecipe DTS{{"Video_To_DTS_With_AVEncoder", AudioOnlySteps, {}, {}, "dts"},
                              false, true, DTSWords, "dts", "dts"};
constexpr AudioOnlyRecipe FLAC{{"Video_To_FLAC_With_AVEncoder", AudioOnlySteps, {}, {}, "flac"},
                               false, true, {}, "flac", "flac"};
constexpr AudioOnlyRecipe M4R{{"Video_To_M4R_With_AVEncoder", AudioOnlySteps, {}, {}, "libfaac"},
                              true, true, {}, "mp4", "mp4"};
constexpr AudioOnlyRecipe MP3{{"Video_To_MP3_With_AVEncoder", AudioOnlySteps, {}, {}, "libmp3lame"},
                              true, true, {}, "mp3", "mp3", true, true};
// Vorbis takes its bitrate only without a quality ("-aq" would override "-b:a").
constexpr AudioOnlyRecipe OGG{{"Video_To_OGG_With_AVEncoder", AudioOnlySteps, {}, {}, "libvorbis"},
                              true, true, {}, nullptr, nullptr};
constexpr AudioOnlyRecipe RA{{"Video_To_RA_With_AVEncoder", AudioOnlySteps, {}, {}, "ac3"},
                             true, true, {}, "rm", "rm"};
constexpr AudioOnlyRecipe WAV{{"Video_To_WAV_With_AVEncoder", AudioOnlySteps, {}, {}, nullptr},
                              false, true, {}, "wav", "wav"};
constexpr AudioOnlyRecipe WMA{{"Video_To_WMA_With_AVEncoder", AudioOnlySteps, {}, {}, "wmav2"},
                              true, true, {}, nullptr, nullptr};

Argument *buildAudioOnly(const AudioOnlyRecipe &format, NXBasicMediaNode *node, int titleIndex,
                         const VideoConvertOptions &options)
{
    auto *group = dynamic_cast<DNFileGroupNode *>(node);
    if (group && group->className() == QLatin1String("DNFileGroupNode"))
        return AVEncoderAudioConcat(format, *group, options);
    return BuildAVFileArgument(format, node, titleIndex, options);
}

} // namespace

void appendAudioOnlyEncoding(Argument *argument, const AudioOnlyRecipe &format, const DNProfile &profile,
                             bool withSampleRate)
{
    if (format.audioCodec) {
        AppendArgument(argument, "-c:a");
        AppendArgument(argument, format.audioCodec);
    }
    if (format.bitrate) {
        AppendArgument(argument, "-b:a");
        AppendArgument(argument, valueOf(profile.audioQuality()) + QLatin1Char('k'));
    }
    if (withSampleRate) {
        AppendArgument(argument, "-ar");
        AppendArgument(argument, valueOf(profile.audioSampleRate()));
    }
    if (format.channels) {
        AppendArgument(argument, "-ac");
        AppendArgument(argument, valueOf(profile.audioChannel()));
    }
    appendOptionWords(argument, format.extraWords);
}

Argument *Video_To_AAC_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(AAC, fileNode, titleIndex, options);
}

Argument *Video_To_AC3_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(AC3, fileNode, titleIndex, options);
}

Argument *Video_To_AIFF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(AIFF, fileNode, titleIndex, options);
}

Argument *Video_To_ALAC_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(ALAC, fileNode, titleIndex, options);
}

Argument *Video_To_AU_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(AU, fileNode, titleIndex, options);
}

Argument *Video_To_CAF_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(CAF, fileNode, titleIndex, options);
}

Argument *Video_To_DTS_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(DTS, fileNode, titleIndex, options);
}

Argument *Video_To_FLAC_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(FLAC, fileNode, titleIndex, options);
}

Argument *Video_To_M4R_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(M4R, fileNode, titleIndex, options);
}

Argument *Video_To_MP3_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(MP3, fileNode, titleIndex, options);
}

Argument *Video_To_OGG_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(OGG, fileNode, titleIndex, options);
}

Argument *Video_To_RA_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(RA, fileNode, titleIndex, options);
}

Argument *Video_To_WAV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(WAV, fileNode, titleIndex, options);
}

Argument *Video_To_WMA_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(WMA, fileNode, titleIndex, options);
}
