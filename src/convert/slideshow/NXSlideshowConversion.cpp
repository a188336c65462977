#include "convert/slideshow/NXSlideshowConversion.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "convert/driver/ConvertState.h"
#include "convert/driver/DNVideoConverter.h"
#include "convert/files/DNGraphicsNodeFile.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNPartialOutput.h"
#include "dvd/file/DNFileNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kKeepOriginRate = 25.0f;
const QSizeF kLargestFrame(1920, 1080);
const QSizeF kFallbackFrame(1280, 720);

QSizeF shownSize(const DNImageNode &photo)
{
    const QSizeF stored = photo.resolution();
    // Orientations 5 to 8 turn the picture a quarter.
    return photo.orientation() >= 5 ? stored.transposed() : stored;
}

bool stopped(const NXSlideshowConversionSteps &steps)
{
    return steps.stopped && steps.stopped();
}
} // namespace

float NXSlideshowFrameRate(const DNProfile *profile)
{
    const QString rate = profile && profile->videoFrameRate() ? profile->videoFrameRate()->currentValue() : QString();
    bool ok = false;
    const float value = rate.toFloat(&ok);
    return ok && value > 0 && !IsKeepOriginFrameRate(rate) ? value : kKeepOriginRate;
}

QSizeF NXSlideshowFrameSize(const DNGraphicsNode &node, const DNProfile *profile)
{
    const QString resolution = profile && profile->videoResolution() ? profile->videoResolution()->currentValue() : QString();
    const QSizeF chosen = ResolutionSizeFromString(resolution, QSizeF());
    if (chosen.width() >= 2 && chosen.height() >= 2)
        return chosen;
    // The biggest photo, as shown; of equal ones the first.
    QSizeF largest(0, 0);
    for (const DNImageNodePtr &photo : node.allImagesNodesWithoutFolderNode()) {
        const QSizeF size = shownSize(*photo);
        if (size.width() * size.height() > largest.width() * largest.height())
            largest = size;
    }
    if (largest.width() < 2 || largest.height() < 2)
        return kFallbackFrame;
    const QSizeF fitted = largest.boundedTo(kLargestFrame) == largest ? largest : largest.scaled(kLargestFrame, Qt::KeepAspectRatio);
    // Encoders take even sizes.
    return QSizeF(std::floor(fitted.width() / 2) * 2, std::floor(fitted.height() / 2) * 2);
}

void NXFillImageEngineJob(NXImageEngine &engine, const DNGraphicsNode &node)
{
    QVariantList photos;
    for (const DNImageNodePtr &photo : node.allImagesNodesWithoutFolderNode())
        photos << photo->path();
    QVariantList music;
    for (const QString &path : node.audioTracksPath())
        music << path;
    QVariantList effects;
    if (const auto transitions = node.setting()->transitions())
        for (qint32 type : *transitions)
            effects << type;
    engine.setDataSource(photos);
    engine.setEffectList(effects);
    engine.setAudioList(music);
    engine.setShowDuration(node.setting()->interval());
    engine.setFrameRate(NXSlideshowFrameRate(node.profile().get()));
    engine.setVideoFrameResolution(NXSlideshowFrameSize(node, node.profile().get()));
}

QString NXSlideshowOutputPath(const DNGraphicsNode &node, const QString &folder)
{
    const std::shared_ptr<DNProfile> &profile = node.profile();
    const DNNodeInfoPtr &info = node.nodeInfo();
    return makeAVOutputPath(folder, info ? info->outputName() : QString(), profile ? profile->fileNameSuffix() : QString(),
                            node.path());
}

int NXConvertSlideshowItem(DNGraphicsNode &node, NXImageEngine &engine, EngineStateCallback stateCallback,
                           void *callbackContext, const NXSlideshowConversionSteps &steps, ConvertFailureReason *failure)
{
    const auto fail = [failure](const ConvertFailureReason &why) {
        if (failure)
            *failure = ConvertFailureReason(ConvertFailureKind::SlideshowNotMade, {why});
        return ConvertResultFailed;
    };
    // The movie of an earlier road is gone: its file item names nothing this road makes.
    node.setFileNode(nullptr);
    if (stopped(steps))
        return ConvertResultStopped;
    NXFillImageEngineJob(engine, node);
    // The image engine makes output from its first moment; it reports its start as every engine
    // does.
    if (stateCallback)
        stateCallback(callbackContext, EncodeStateStarted);
    engine.beginEncoding();
    const QString movie = engine.finiallyVideoPath();
    if (stopped(steps) || engine.isStoped()) {
        DNPartialOutput::discard(movie);
        return ConvertResultStopped;
    }
    if (movie.isEmpty()) {
        DNRoughLog(QStringLiteral("The slideshow %@ was not rendered; it is not converted."), node.path());
        const ConvertFailureReason why = engine.failureReason();
        return fail(why.isEmpty() ? ConvertFailureKind::SlideshowNotRendered : why);
    }
    convertGraphicsNodeToFileNode(node, movie);
    if (!node.fileNode()) {
        DNRoughLog(QStringLiteral("The rendered slideshow %@ holds no video; it is not converted."), movie);
        DNPartialOutput::discard(movie);
        return fail(ConvertFailureKind::SlideshowHoldsNoVideo);
    }
    if (steps.rendered)
        steps.rendered();
    if (stopped(steps)) {
        DNPartialOutput::discard(movie);
        return ConvertResultStopped;
    }
    // The movie is this road's intermediate whatever becomes of its conversion.
    const int result = DNVideoConverterStart(&node, 0, stateCallback, callbackContext);
    DNPartialOutput::discard(movie);
    if (result != 0 && result != ConvertResultStopped)
        fail(DNVideoConverterFailureReason());
    return result;
}
