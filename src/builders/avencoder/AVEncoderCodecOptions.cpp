#include "builders/avencoder/AVEncoderCodecOptions.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "builders/common/FrameRate.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <algorithm>
#include <cmath>

namespace {

bool isIPodFormat(const DNProfile &profile)
{
    return profile.fileFormat().toLower() == QLatin1String("ipod");
}

// The limits of an H.264 level (the standard's table of levels), for the Baseline and Main
// profiles.
struct H264Level
{
    int level;         // as the encoder's "-level" word: 31 for 3.1
    int frameMbs;      // macroblocks in a frame
    int mbsPerSecond;  // macroblocks a second
    int bufferMbs;     // macroblocks in the decoded picture buffer
    int kbps;          // video bitrate
};

constexpr H264Level H264Levels[] = {
    {10, 99, 1485, 396, 64},           {11, 396, 3000, 900, 192},         {12, 396, 6000, 2376, 384},
    {13, 396, 11880, 2376, 768},       {20, 396, 11880, 2376, 2000},      {21, 792, 19800, 4752, 4000},
    {22, 1620, 20250, 8100, 4000},     {30, 1620, 40500, 8100, 10000},    {31, 3600, 108000, 18000, 14000},
    {32, 5120, 216000, 20480, 20000},  {40, 8192, 245760, 32768, 20000},  {41, 8192, 245760, 32768, 50000},
    {42, 8704, 522240, 34816, 50000},  {50, 22080, 589824, 110400, 135000}, {51, 36864, 983040, 184320, 240000},
    {52, 36864, 2073600, 184320, 240000},
};

bool holds(const H264Level &level, int widthMbs, int heightMbs, double fps, int maxKbps, int refs)
{
    const int frameMbs = widthMbs * heightMbs;
    // No side may be longer than a square frame of eight times the level's frame size allows.
    const double longestSide = std::sqrt(8.0 * level.frameMbs);
    return frameMbs <= level.frameMbs && frameMbs * fps <= level.mbsPerSecond && widthMbs <= longestSide
           && heightMbs <= longestSide && frameMbs * refs <= level.bufferMbs && maxKbps <= level.kbps;
}

// The rate the vector gives the encoder: the profile's, else the source's own (a wild one is
// replaced by the film rate, as the frame-rate step does).
double outputFrameRate(const AVFileBuild &build)
{
    const auto field = build.profile->videoFrameRate();
    const QString rate = field ? field->currentValue() : DNKeepOriginText();
    if (IsKeepOriginFrameRate(rate))
        return isWildSourceRate(build.video->fps) ? 24000.0 / 1001.0 : double(build.video->fps);
    const QStringList parts = GetFrameRateString(rate).split(QLatin1Char('/'));
    return parts.size() == 2 ? parts.at(0).toDouble() / parts.at(1).toDouble() : parts.at(0).toDouble();
}

// The most the rate control lets the stream spend, in kbit/s.
int rateCeiling(const DNProfile &profile)
{
    const std::shared_ptr<NXVideoQuality> quality = profile.videoQuality();
    if (!quality)
        return 0;
    return quality->curBitrateModel() == 0 ? quality->maxVideoBitrate() : quality->currentValue().toInt();
}

int wordValue(std::span<const AVOptionWord> words, const char *option, int fallback)
{
    for (const AVOptionWord &word : words) {
        if (qstrcmp(word.option, option) == 0)
            return QByteArray(word.value).toInt();
    }
    return fallback;
}

// words, with the value of "-level" replaced by level.
void appendWordsAtLevel(Argument *argument, std::span<const AVOptionWord> words, int level)
{
    for (const AVOptionWord &word : words) {
        AppendArgument(argument, word.option);
        if (qstrcmp(word.option, "-level") == 0)
            AppendArgument(argument, QString::number(level));
        else
            AppendArgument(argument, word.value);
    }
}

} // namespace

int AVEncoder_H264_Options(Argument *argument, const DNProfile &profile, int level)
{
    if (!profile.videoQuality())
        return -1;
    appendWordsAtLevel(argument, AVEncoderH264Words, level);
    appendRateControl(argument, profile, AVEncoderH264QualityRows);
    return argument->argc;
}

int H264LevelFor(QSize size, double fps, int maxKbps, int refs, int floorLevel)
{
    const int widthMbs = (std::max(size.width(), 1) + 15) / 16;
    const int heightMbs = (std::max(size.height(), 1) + 15) / 16;
    for (const H264Level &level : H264Levels) {
        if (level.level >= floorLevel && holds(level, widthMbs, heightMbs, fps, maxKbps, refs))
            return level.level;
    }
    return std::max(floorLevel, std::end(H264Levels)[-1].level);
}

int H264LevelOf(const AVFileBuild &build)
{
    const auto words = build.recipe->videoCodecWords.empty() ? std::span<const AVOptionWord>(AVEncoderH264Words)
                                                             : build.recipe->videoCodecWords;
    const int level = wordValue(words, "-level", 30);
    const QSize size = GenPictureOutputSize(*build.item, pictureFrameOf(build));
    return H264LevelFor(size, outputFrameRate(build), rateCeiling(*build.profile), wordValue(words, "-refs", 1), level);
}

void stepH264VideoCodec(AVFileBuild &build)
{
    appendWordsAtLevel(build.argument.get(), build.recipe->videoCodecWords, H264LevelOf(build));
}

int AVEncoder_MPEG4_Options(Argument *argument, const char *codecName, const DNProfile &profile)
{
    const std::shared_ptr<NXVideoQuality> quality = profile.videoQuality();
    if (!quality)
        return -1;
    AppendArgument(argument, "-c:v");
    AppendArgument(argument, codecName);
    appendOptionWords(argument, AVEncoderMPEG4Words);
    if (quality->curBitrateModel() == 0 || !isIPodFormat(profile))
        appendRateControl(argument, profile, AVEncoderMPEG4QualityRows);
    return argument->argc;
}

void stepMPEG4Options(AVFileBuild &build)
{
    const auto &codec = build.recipe->videoCodecWords;
    if (codec.empty())
        failAVFileBuild(build, QStringLiteral("the recipe names no video codec"));
    else if (AVEncoder_MPEG4_Options(build.argument.get(), codec.front().value, *build.profile) < 0)
        failAVFileBuild(build, QStringLiteral("the profile has no video quality"));
}
