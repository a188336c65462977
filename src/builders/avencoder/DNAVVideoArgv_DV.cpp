#include "builders/avencoder/DNAVVideoArgv_DV.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"

namespace {

// The target fixes codec, frame size and rate, and the audio; only the NTSC frame picks NTSC.
bool isNTSC(const AVFileBuild &build)
{
    const auto resolution = build.profile->videoResolution();
    return resolution && resolution->currentValue() == QLatin1String("720x480");
}

void stepDVTarget(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-target", isNTSC(build) ? "ntsc-dv" : "pal-dv"});
}

// A DV frame has one size and one of two display aspects (the flagged one, else the nearer to
// the picture's shape): the picture is fitted into it as shown and padded out to it, whatever
// the item's own choice.
void stepDVFilterGraph(AVFileBuild &build)
{
    const double aspect = build.flaggedAspect > 0 ? build.flaggedAspect : nearerStandardAspect(build);
    const AVPictureFrame frame{isNTSC(build) ? QStringLiteral("720x480") : QStringLiteral("720x576"), true, aspect,
                               false};
    writeFilterGraph(build, true, &frame);
}

// [B15] A DV frame carries its own share of the audio, so the muxer needs the sound from the
// picture's first frame on: a source whose audio starts later (Matroska's often does) would
// leave the first frames without it and stop the muxer. The audio is made to start at 0,
// silence filling any gap; the volume, when changed, follows.
void stepDVAudioFilter(AVFileBuild &build)
{
    if (build.item->audioTracks().isEmpty() || build.setting->audioIndex() < 0)
        return;
    QString filter = QStringLiteral("aresample=first_pts=0");
    if (const QString volume = GenVolumeFilter(*build.item, build.options); !volume.isNull())
        filter += QLatin1Char(',') + volume;
    AppendArgument(build.argument.get(), "-filter:a");
    AppendArgument(build.argument.get(), filter);
}

// [join] The parts are DV of one frame already: their pictures are copied. Their sound is written
// afresh (PCM again, the same samples in the same order): an NTSC frame carries 1600 or 1602
// samples in a pattern of five frames that starts again with every part, so copied frames of
// sound stop fitting the joined frames after a part whose length is no whole number of patterns,
// and the muxer fails there. Written afresh, the sound is dealt out to the joined frames by the
// muxer, which places samples by their order alone. Two things keep its count of samples from
// running short (where it stops, or reads past what it holds): the sound is handed to it a tenth
// of a second before the pictures it goes with, more than a frame's worth ahead, and a tenth of a
// second of silence follows the last part, whose pattern may need a sample or two more than the
// parts' own patterns hold; what is left over when the last picture is written is not written.
void stepDVJoinCodecs(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"-c:v", "copy", "-filter:a", "asetpts=PTS-0.1/TB,apad=pad_len=4800",
                                           "-c:a", "pcm_s16le"});
}

constexpr AVFileStep DVJoinSteps[] = {stepDVJoinCodecs, stepContainer<"dv">};

constexpr AVFileStep DVSteps[] = {
    stepHead, stepTrimBeforeInput, stepInput, stepTrimAfterInput, stepDVTarget, stepAspect,
    stepDVFilterGraph, stepDVAudioFilter, stepTags, stepStreamMapping, stepNoSubtitles,
    stepContainer<"dv">, stepChapters, stepOutput,
};

// The target chooses the codecs: no codec words, no rate control, no audio step.
constexpr AVFileRecipe DVRecipe{
    .builderName = "Video_To_DV_With_AVEncoder",
    .steps = DVSteps,
    .joinSteps = DVJoinSteps,
};

} // namespace

Argument *Video_To_DV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(DVRecipe, fileNode, titleIndex, options);
}
