#include "builders/avencoder/frame/AVFileSteps.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/common/FrameRate.h"
#include "builders/common/TrimSeconds.h"
#include "core/util/DNSystemInfo.h"
#include "dvd/file/DNFileFormatTests.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <cmath>

namespace {

// The encoders' buffer for the rate limits, in kbit.
constexpr int kRateBufferKbit = 1835;
const char *const kSafeModeTimestamps = "setpts=N/(FRAME_RATE*TB)";

void put(AVFileBuild &build, const QString &text)
{
    AppendArgument(build.argument.get(), text);
}

void put(AVFileBuild &build, const char *text)
{
    AppendArgument(build.argument.get(), text);
}

QString fieldValue(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return field ? field->currentValue() : QString();
}

QString kbps(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return fieldValue(field) + QLatin1Char('k');
}

// The trim words; whether they go before or after the input is the caller's (a subtitle burnt
// in needs the input's own timestamps, so its trim follows the input).
void writeTrim(AVFileBuild &build)
{
    const std::optional<AVTrim> trim = trimOf(build);
    if (!trim)
        return;
    if (trim->length <= 0) {
        failAVFileBuild(build, QStringLiteral("the trim of %1 keeps less than a second").arg(build.item->path()));
        return;
    }
    put(build, "-ss");
    put(build, QString::number(trim->start));
    put(build, "-t");
    put(build, QString::number(trim->length));
    build.endpos = trim->length;
}

bool burnsSubtitle(const AVFileBuild &build)
{
    return build.setting->subtitleIndex() >= 0;
}

} // namespace

void writeFilterGraph(AVFileBuild &build, bool withSubtitle, const AVPictureFrame *frame)
{
    const QString extra = build.options.safeMode ? QString::fromLatin1(kSafeModeTimestamps) : QString();
    QString failure;
    const QString graph = GenVideoFilterChainForFrame(*build.item, build.options, extra, withSubtitle,
                                                      frame ? *frame : pictureFrameOf(build), &failure);
    if (!failure.isEmpty()) {
        failAVFileBuild(build, failure);
        return;
    }
    if (graph.isNull())
        return;
    put(build, "-filter_complex");
    put(build, graph);
    build.graphWritten = true;
}

void writeAspectFlag(AVFileBuild &build, const QString &word)
{
    put(build, "-aspect");
    put(build, word);
    build.flaggedAspect = AspectWordRatio(word);
}

AVPictureFrame pictureFrameOf(const AVFileBuild &build)
{
    AVPictureFrame frame = ProfilePictureFrame(*build.item);
    frame.displayAspect = build.flaggedAspect;
    frame.squarePixels = build.squarePixels;
    return frame;
}

double nearerStandardAspect(const AVFileBuild &build)
{
    constexpr double wide = 16.0 / 9.0, narrow = 4.0 / 3.0;
    const double chosen = ProfilePictureFrame(*build.item).displayAspect;
    const double ratio = chosen > 0 ? chosen : GenShownPictureRatio(*build.item);
    return ratio >= std::sqrt(wide * narrow) ? wide : narrow;
}

void stepHead(AVFileBuild &build)
{
    AppendArguments(build.argument.get(), {"encoder", "-d", "-y"});
}

void stepTrimBeforeInput(AVFileBuild &build)
{
    if (burnsSubtitle(build))
        return;
    writeTrim(build);
    build.inputTrimmed = trimOf(build).has_value();
}

void stepInput(AVFileBuild &build)
{
    put(build, "-i");
    put(build, build.item->path());
}

void stepThreads(AVFileBuild &build)
{
    if (build.options.cpuCore == int(DNNumberOfCPUCores()))
        return;
    put(build, "-threads");
    put(build, QString::number(build.options.cpuCore));
}

void stepTrimAfterInput(AVFileBuild &build)
{
    if (burnsSubtitle(build))
        writeTrim(build);
}

bool isWildSourceRate(float fps)
{
    return fps < 0.0f || fps > 150.0f;
}

void stepFrameRate(AVFileBuild &build)
{
    const QString rate = fieldValue(build.profile->videoFrameRate());
    if (!IsKeepOriginFrameRate(rate)) {
        put(build, "-r");
        put(build, GetFrameRateString(rate));
    } else if (isWildSourceRate(build.video->fps)) {
        put(build, "-r");
        put(build, GetFrameRateString(QStringLiteral("23.97")));
    }
}

void stepSourceFrameRate(AVFileBuild &build)
{
    const float fps = build.video->fps;
    const bool keep = IsKeepOriginFrameRate(fieldValue(build.profile->videoFrameRate()));
    // RealMedia timestamps are often irregular, and the engine's safe mode leaves nothing to the
    // engine's guess: the source's rate is written out. A wild rate (a misread one, or a timestamp
    // clock) is not: stepFrameRate replaces it by the film rate, since passed on as it stands the
    // encoder would repeat frames hundreds of times over.
    if (keep && !isWildSourceRate(fps) && (build.options.engineSafeMode || IsRealMediaFile(build.item))) {
        put(build, "-r");
        put(build, GetFrameRateString(QString::asprintf("%.3f", double(fps))));
        return;
    }
    stepFrameRate(build);
}

void stepVideoBitrate(AVFileBuild &build)
{
    put(build, "-b:v");
    put(build, kbps(build.profile->videoQuality()));
}

void stepAspect(AVFileBuild &build)
{
    const QString aspect = fieldValue(build.profile->videoAspect());
    if (!IsKeepOriginAspect(aspect))
        writeAspectFlag(build, FormatAspectString(aspect, QStringLiteral(":")));
}

void stepVideoCodec(AVFileBuild &build)
{
    appendOptionWords(build.argument.get(), build.recipe->videoCodecWords);
}

void stepRateControl(AVFileBuild &build)
{
    if (!appendRateControl(build.argument.get(), *build.profile, build.recipe->vbrRows))
        failAVFileBuild(build, QStringLiteral("the profile has no video quality"));
}

void stepVBRQualityWords(AVFileBuild &build)
{
    const std::shared_ptr<NXVideoQuality> quality = build.profile->videoQuality();
    if (!quality) {
        failAVFileBuild(build, QStringLiteral("the profile has no video quality"));
        return;
    }
    if (quality->curBitrateModel() == 0)
        appendQualityPhaseWords(build.argument.get(), *build.profile, build.recipe->vbrRows);
}

void stepFilterGraph(AVFileBuild &build)
{
    writeFilterGraph(build, true);
}

void stepFilterGraphWithoutSubtitle(AVFileBuild &build)
{
    writeFilterGraph(build, false);
}

void stepAudio(AVFileBuild &build)
{
    put(build, "-c:a");
    put(build, build.recipe->audioCodec ? QString::fromLatin1(build.recipe->audioCodec)
                                        : fieldValue(build.profile->audioCodec()));
    put(build, "-b:a");
    put(build, kbps(build.profile->audioQuality()));
    put(build, "-ar");
    put(build, fieldValue(build.profile->audioSampleRate()));
    put(build, "-ac");
    put(build, fieldValue(build.profile->audioChannel()));
}

void stepVolume(AVFileBuild &build)
{
    const QString filter = GenVolumeFilter(*build.item, build.options);
    if (filter.isNull())
        return;
    put(build, "-filter:a");
    put(build, filter);
}

void stepTags(AVFileBuild &build)
{
    appendTagArguments(build.argument.get(), build.item->nodeInfo().get());
}

void stepStreamMapping(AVFileBuild &build)
{
    if (!build.selection && !build.graphWritten)
        return;
    const QString video = build.graphWritten ? QStringLiteral("[video]")
                                             : GenVideoStreamMark(*build.item, build.options, false);
    if (video.isNull()) {
        failAVFileBuild(build, QStringLiteral("no video stream to map"));
        return;
    }
    put(build, "-map");
    put(build, video);
    if (build.item->audioTracks().isEmpty() || build.setting->audioIndex() < 0) {
        put(build, "-an");
        return;
    }
    const QString audio = GenAudioStreamMark(*build.item, build.options, false);
    if (audio.isNull()) {
        failAVFileBuild(build, QStringLiteral("no audio stream to map"));
        return;
    }
    put(build, "-map");
    put(build, audio);
}

void stepNoSubtitles(AVFileBuild &build)
{
    put(build, "-sn");
}

void stepPixelFormat(AVFileBuild &build)
{
    if (build.video->codec.toLower() != QLatin1String("2vuy"))
        return;
    put(build, "-pix_fmt");
    put(build, "yuv420p");
}

void stepPlayablePixelFormat(AVFileBuild &build)
{
    put(build, "-pix_fmt");
    put(build, "yuv420p");
}

void stepMP4Container(AVFileBuild &build)
{
    put(build, "-f");
    if (build.profile->fileFormat().toLower() == QLatin1String("ipod"))
        put(build, "ipod");
    else if (build.profile->fileNameSuffix().toLower() == QLatin1String("mov"))
        put(build, "mov");
    else
        put(build, "mp4");
}

void stepChapters(AVFileBuild &build)
{
    // The engine copies the source's chapters, moved to a trim's start and cut at its end. A trim
    // before the input bounds the input alone: the output is bounded too, or the chapters after
    // the trim's end stay (and an MP4's chapter track makes the file that much longer).
    if (!build.inputTrimmed)
        return;
    put(build, "-t");
    put(build, QString::number(build.endpos));
}

std::optional<AVTrim> trimOf(const AVFileBuild &build)
{
    return trimOf(*build.setting, build.video->duration);
}

std::optional<AVTrim> trimOf(const DNNodeSetting &setting, float duration)
{
    if (!setting.trimEnable() || duration <= 0.0f)
        return std::nullopt;
    return AVTrim{trimSeconds(setting.trimStartPercent() * duration),
                  trimSeconds((setting.trimEndPercent() - setting.trimStartPercent()) * duration)};
}

void stepOutput(AVFileBuild &build)
{
    appendOutputArgument(build.argument.get(), *build.item, build.options);
}

void appendTagArguments(Argument *argument, const DNNodeInfo *info)
{
    if (!info)
        return;
    const struct
    {
        const char *key;
        QString value;
    } tags[] = {{"title=", info->displayName()}, {"artist=", info->artist()}, {"genre=", info->genre()}};
    // An empty tag is written (it clears the source's); only a missing one is left out.
    for (const auto &tag : tags) {
        if (tag.value.isNull())
            continue;
        AppendArgument(argument, "-metadata");
        AppendArgument(argument, QLatin1String(tag.key) + tag.value);
    }
}

QString appendOutputArgument(Argument *argument, DNFileNode &item, const VideoConvertOptions &options)
{
    const QString path = avOutputPathOf(item, OptionText(options.outputDirectory));
    item.setOutputName(path);
    AppendArgument(argument, path);
    return path;
}

void appendOptionWords(Argument *argument, std::span<const AVOptionWord> words)
{
    for (const AVOptionWord &word : words) {
        AppendArgument(argument, word.option);
        AppendArgument(argument, word.value);
    }
}

void appendQualityPhaseWords(Argument *argument, const DNProfile &profile, std::span<const AVQualityPhaseRow> rows)
{
    const AVQualityPhaseRow *chosen = nullptr;
    for (const AVQualityPhaseRow &row : rows) {
        if (row.qualityPhase == profile.qualityPhase()) {
            chosen = &row;
            break;
        }
        if (row.qualityPhase == AnyOtherPhase)
            chosen = &row;
    }
    if (chosen)
        appendOptionWords(argument, chosen->words);
}

bool appendRateControl(Argument *argument, const DNProfile &profile, std::span<const AVQualityPhaseRow> vbrRows)
{
    const std::shared_ptr<NXVideoQuality> quality = profile.videoQuality();
    if (!quality)
        return false;
    if (quality->curBitrateModel() == 0) {
        appendQualityPhaseWords(argument, profile, vbrRows);
        AppendArgument(argument, "-maxrate");
        AppendArgument(argument, QStringLiteral("%1k").arg(quality->maxVideoBitrate()));
    } else {
        AppendArgument(argument, "-minrate");
        AppendArgument(argument, kbps(quality));
        AppendArgument(argument, "-maxrate");
        AppendArgument(argument, kbps(quality));
    }
    AppendArgument(argument, "-bufsize");
    AppendArgument(argument, QStringLiteral("%1k").arg(kRateBufferKbit));
    return true;
}
