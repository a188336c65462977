#include "builders/avencoder/AVEncoderCodecOptions.h"

#include "builders/avencoder/frame/AVFileSteps.h"
#include "profiles/DNProfile.h"

namespace {

bool isIPodFormat(const DNProfile &profile)
{
    return profile.fileFormat().toLower() == QLatin1String("ipod");
}

} // namespace

int AVEncoder_H264_Options(Argument *argument, const DNProfile &profile)
{
    if (!profile.videoQuality())
        return -1;
    appendOptionWords(argument, AVEncoderH264Words);
    appendRateControl(argument, profile, AVEncoderH264QualityRows);
    return argument->argc;
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
