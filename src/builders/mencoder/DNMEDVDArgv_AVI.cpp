#include "builders/mencoder/DNMEDVDArgv_AVI.h"

#include "builders/common/ArgumentLog.h"
#include "builders/common/BuilderDirectory.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "builders/mencoder/steps/VolumeFilter.h"
#include "dvd/DNDVDNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

namespace {

// The two AVI builders differ in their video words, where "-aspect" stands and how they
// re-encode audio.
struct AviRecipe
{
    const char *builderName;
    const char *fourcc;
    bool aspectBeforeCodec; // "-aspect" right after the container instead of after "-vf"
    const char *videoEncoder;
    const char *videoOptionKey;
    const char *videoOptions;         // "%1" video bitrate, "%2" processor count
    const char *highQualityOptions;   // used when the record asks for high quality; null: same
    bool resampleInFilter;            // sample rate inside "-af lavcresample" instead of "-srate"
};

constexpr AviRecipe DivxRecipe{
    "DVD_To_AVI_DIVX_Default_With_MEncoder", "DX50", false, "lavc", "-lavcopts",
    "vcodec=mpeg4:vbitrate=%1:autoaspect:keyint=132:threads=%2", nullptr, true,
};

constexpr AviRecipe XvidRecipe{
    "DVD_To_AVI_XVID_Default_With_MEncoder", "XVID", true, "xvid", "-xvidencopts",
    "bitrate=%1:autoaspect:threads=%2", "bvhq=1:chroma_opt:quant_type=mpeg:bitrate=%1:autoaspect:threads=%2", false,
};

constexpr const char *GroupBuilder = "Group_DVDTitle_To_AVI_With_MEncoder";

void put(DVDTitleBuild &build, const QString &text)
{
    AppendArgument(build.argument.get(), text);
}

void putAll(DVDTitleBuild &build, std::initializer_list<const char *> texts)
{
    AppendArguments(build.argument.get(), texts);
}

// After "-aid": the stream is copied when the profile keeps the source codec and allows at
// least the track's channels; otherwise it becomes MP3 at the profile's settings.
void writeAviAudio(DVDTitleBuild &build, const AviRecipe &recipe)
{
    const DNProfile &profile = *build.profile;
    const QString channels = profileValue(profile.audioChannel());
    const int trackChannels = build.audioTrack->channel();
    if (leadingInteger(channels) >= trackChannels && IsKeepOriginAudioCodec(profileValue(profile.audioCodec()))) {
        putAll(build, {"-oac", "copy", "-channels"});
        put(build, QString::number(trackChannels));
        return;
    }
    const QString sampleRate = profileValue(profile.audioSampleRate());
    const QString volume = volumeFilterText(build.setting->volume());
    put(build, QStringLiteral("-channels"));
    put(build, channels);
    if (recipe.resampleInFilter) {
        put(build, QStringLiteral("-af"));
        put(build, QStringLiteral("lavcresample=%1,%2").arg(sampleRate, volume));
    } else {
        put(build, QStringLiteral("-srate"));
        put(build, sampleRate);
        put(build, QStringLiteral("-af"));
        put(build, volume);
    }
    putAll(build, {"-oac", "mp3lame", "-lameopts"});
    put(build, QStringLiteral("mode=0:cbr:br=%1").arg(profileValue(profile.audioQuality())));
}

Argument *buildAvi(const AviRecipe &recipe, NXBasicMediaNode *node, int titleIndex, const VideoConvertOptions &options)
{
    if (isDVDGroupSource(node))
        return CallBuilderByName(GroupBuilder, node, titleIndex, options, recipe.builderName);
    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, recipe.builderName))
        return nullptr;

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    putAll(build, {"-of", "avi"});
    if (recipe.aspectBeforeCodec)
        writeAspect(build);
    putAll(build, {"-ffourcc", recipe.fourcc, "-ovc", recipe.videoEncoder, recipe.videoOptionKey});
    const char *videoOptions = (options.highQuality && recipe.highQualityOptions) ? recipe.highQualityOptions
                                                                                 : recipe.videoOptions;
    put(build, QString::fromLatin1(videoOptions)
                   .arg(profileValue(build.profile->videoQuality()))
                   .arg(options.cpuCore));
    writeFilterChain(build);
    if (!recipe.aspectBeforeCodec)
        writeAspect(build);
    writeFrameRate(build);
    writeTags(build);
    if (!writeAudioStream(build, recipe.builderName))
        return nullptr;
    if (build.audioTrack)
        writeAviAudio(build, recipe);
    writeSubtitles(build);
    writeOutput(build, false);
    writeEnd(build);
    return finishTitleBuild(build);
}

} // namespace

Argument *DVD_To_AVI_DIVX_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    return buildAvi(DivxRecipe, dvdNode, titleIndex, options);
}

Argument *DVD_To_AVI_XVID_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    return buildAvi(XvidRecipe, dvdNode, titleIndex, options);
}

Argument *DVD_To_AVI_ByVideoCodec_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    const auto *node = dynamic_cast<const DNDVDNode *>(dvdNode);
    const QString codec = (node && node->profile()) ? profileValue(node->profile()->videoCodec()).toUpper() : QString();
    if (codec == QLatin1String("DIVX"))
        return DVD_To_AVI_DIVX_Default_With_MEncoder(dvdNode, titleIndex, options);
    if (codec == QLatin1String("XVID"))
        return DVD_To_AVI_XVID_Default_With_MEncoder(dvdNode, titleIndex, options);
    argumentLogLine(QStringLiteral("AVI builder: the profile's video codec \"%1\" is neither DivX nor Xvid; the pass fails")
                        .arg(codec));
    return nullptr;
}
