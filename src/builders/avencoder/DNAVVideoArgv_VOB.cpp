#include "builders/avencoder/DNAVVideoArgv_VOB.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "builders/common/ArgumentLog.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

namespace {

// --- VOB

constexpr AVFileStep VOBSteps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,       stepTrimAfterInput, stepFrameRate,
    stepVideoBitrate, stepAspect,          stepVideoCodec,  stepMPEGVideoTuning, stepRateControl,
    stepFilterGraph,  stepAudio,           stepVolume,      stepTags,           stepStreamMapping,
    stepNoSubtitles,  stepPlayablePixelFormat, stepContainer<"vob">, stepChapters,      stepOutput,
};

constexpr AVFileRecipe VOBRecipe{
    "Video_To_VOB_With_AVEncoder", VOBSteps, MPEG2VideoCodecWords, MPEGVideoQualityRows, "mp2",
};

// --- DVD

// What the encoder's DVD target fixes of a standard: its name and the frame it scales to.
struct DVDStandard
{
    const char *target;
    int width, height;
};
constexpr DVDStandard NTSC{"ntsc-dvd", 720, 480};
constexpr DVDStandard PAL{"pal-dvd", 720, 576};

// [B10] Always one of the two DVD aspects, so that the stream carries one a DVD can show.
void stepDVDAspect(AVFileBuild &build)
{
    writeAspectFlag(build, nearerStandardAspect(build) > 1.5 ? QStringLiteral("16:9") : QStringLiteral("4:3"));
}

// [B13] The picture fitted into the standard's frame as it is shown (the frame's pixels are as
// wide as its display aspect makes them) and padded out to it, whatever the item's own choice.
template <const DVDStandard &standard>
void stepDVDFilterGraph(AVFileBuild &build)
{
    const AVPictureFrame frame{QStringLiteral("%1x%2").arg(standard.width).arg(standard.height), true,
                               build.flaggedAspect, false};
    writeFilterGraph(build, true, &frame);
}

// [B20]
template <const DVDStandard &standard>
void stepDVDTarget(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-f", "dvd", "-target", standard.target});
}

// The target decides frame rate, bitrates, codecs and audio: no B6, B8, B9, B11, B12, B14, B16.
template <const DVDStandard &standard>
constexpr AVFileStep DVDSteps[] = {
    stepHead,        stepTrimBeforeInput, stepInput,         stepTrimAfterInput, stepDVDAspect,
    stepDVDFilterGraph<standard>, stepVolume, stepStreamMapping, stepNoSubtitles,  stepPixelFormat,
    stepDVDTarget<standard>, stepChapters, stepOutput,
};

template <const DVDStandard &standard>
constexpr AVFileRecipe DVDRecipe{"Video_To_DVD_With_AVEncoder", DVDSteps<standard>, {}, {}, nullptr};

} // namespace

Argument *Video_To_VOB_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(VOBRecipe, fileNode, titleIndex, options);
}

Argument *Video_To_DVD_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options,
                                      const QString &standard)
{
    const QString name = standard.toLower();
    if (name == QLatin1String("ntsc"))
        return BuildAVFileArgument(DVDRecipe<NTSC>, fileNode, titleIndex, options);
    if (name == QLatin1String("pal"))
        return BuildAVFileArgument(DVDRecipe<PAL>, fileNode, titleIndex, options);
    argumentLogLine(QStringLiteral("Video_To_DVD_With_AVEncoder: no DVD standard \"%1\", no vector made").arg(standard));
    return nullptr;
}

Argument *Video_To_NTSCDVD_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return Video_To_DVD_With_AVEncoder(fileNode, titleIndex, options, QStringLiteral("NTSC"));
}

Argument *Video_To_PALDVD_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return Video_To_DVD_With_AVEncoder(fileNode, titleIndex, options, QStringLiteral("PAL"));
}
