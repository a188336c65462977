#include "builders/avencoder/MPEGFamilySteps.h"

#include "builders/avencoder/frame/AVFileSteps.h"
#include "builders/common/FrameRate.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

namespace {

// Below this the MPEG-1/2 encoders have no frame rate code.
constexpr float kSlowestMPEGRate = 20.0f;

QString profileFrameRate(const AVFileBuild &build)
{
    const auto field = build.profile->videoFrameRate();
    return field ? field->currentValue() : QString();
}

void writeRate(AVFileBuild &build, const QString &profileText)
{
    AppendArgument(build.argument.get(), "-r");
    AppendArgument(build.argument.get(), GetFrameRateString(profileText));
}

} // namespace

void stepMPEGStandardFrameRate(AVFileBuild &build)
{
    const QString rate = profileFrameRate(build);
    if (!IsKeepOriginFrameRate(rate))
        writeRate(build, rate);
    else if (build.video->fps < kSlowestMPEGRate || isWildSourceRate(build.video->fps))
        writeRate(build, QStringLiteral("25"));
}

void stepMPEGVideoTuning(AVFileBuild &build)
{
    AppendArguments(build.argument.get(),
                    {"-g", "12", "-mbd", "rd", "-trellis", "1", "-flags", "+mv0", "-cmp", "0", "-subcmp", "2"});
}

void stepMPEG2InputDecoder(AVFileBuild &build)
{
    if (build.video->codec == QLatin1String("mp2v"))
        AppendArguments(build.argument.get(), {"-c:v", "mpeg2video"});
}
