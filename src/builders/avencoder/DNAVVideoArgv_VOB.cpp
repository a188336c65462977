#include "builders/avencoder/DNAVVideoArgv_VOB.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "builders/common/ArgumentLog.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <cmath>
#include <utility>

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

// DVD-Video shows its frame at one of two display aspects; a player (and dvdauthor) knows no
// other. A picture goes to the nearer one.
constexpr double kWideAspect = 16.0 / 9.0;
constexpr double kNarrowAspect = 4.0 / 3.0;

// The width over the height of the picture as the user edited it (cropped, turned).
double editedPictureRatio(const AVFileBuild &build)
{
    double width = build.video->width, height = build.video->height;
    if (build.setting->cropEnable()) {
        width *= double(build.setting->cropRectPercent().width);
        height *= double(build.setting->cropRectPercent().height);
    }
    const int rotation = build.setting->normalizedRotation();
    if (rotation >= 1 && rotation <= 359 && (rotation / 90) % 2 == 1)
        std::swap(width, height);
    return height > 0 ? width / height : kNarrowAspect;
}

// The profile's aspect, or under "keep origin" the picture's own, taken to the nearer DVD aspect.
bool showsWide(const AVFileBuild &build)
{
    const auto field = build.profile->videoAspect();
    const QString aspect = field ? field->currentValue() : DNKeepOriginText();
    double ratio = editedPictureRatio(build);
    if (!IsKeepOriginAspect(aspect)) {
        const QSizeF size = AspectSizeFromString(aspect, QSizeF(1, 1));
        ratio = size.height() > 0 ? size.width() / size.height() : ratio;
    }
    return ratio >= std::sqrt(kWideAspect * kNarrowAspect);
}

// [B10] Always one of the two DVD aspects, so that the stream carries one a DVD can show.
void stepDVDAspect(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-aspect", showsWide(build) ? "16:9" : "4:3"});
}

// [B13] The picture fitted into the standard's frame and padded out to it, whatever the item's
// own choice; the frame's pixels are as wide as its display aspect makes them, so the picture
// keeps its shape on the screen.
template <const DVDStandard &standard>
void stepDVDFilterGraph(AVFileBuild &build)
{
    const double shown = showsWide(build) ? kWideAspect : kNarrowAspect;
    const AVPictureFrame frame{QStringLiteral("%1x%2").arg(standard.width).arg(standard.height),
                               shown * standard.height / standard.width};
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
