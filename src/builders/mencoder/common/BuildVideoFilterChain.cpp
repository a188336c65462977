#include "builders/mencoder/common/DVDBuilderHelpers.h"

#include "core/log/DNLogger.h"
#include "core/util/DNAspect.h"
#include "dvd/DNDVDNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <cmath>

namespace {

constexpr float MinimumPictureSide = 32.0f;
constexpr int KeepOriginFrameWidth = 720;
constexpr int EncoderComputesSide = -2; // MEncoder derives this side from the other and the aspect

const QString FilterTail = QStringLiteral("eq2=1:1:0:1,harddup,fixpts");

int makeEven(int value)
{
    return (value % 2 != 0) ? value + 1 : value;
}

QString fieldValue(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return field ? field->currentValue() : QString();
}

// The rotation words of an edit setting. A negative angle is the same turn counted the other
// way, so it is brought into 0..359 first (a plain remainder would drop -90 altogether).
QString rotationWords(const DNDVDTitleSetting &setting)
{
    int r = setting.rotationAngle() % 360;
    if (r < 0)
        r += 360;
    if (r <= 89 && !setting.mirror())
        return QString();
    const QString words = rotationFilterWords(r / 90, setting.mirror());
    return words.isNull() ? QStringLiteral("") : words;
}

struct ScaleSizes
{
    int sW, sH, eW, eH;
};

// The scale size of an uncropped picture: the side that would overflow the target keeps the
// target, the other is left to the encoder (-2); a candidate that still does not fit falls back
// to the plain fitted size.
ScaleSizes uncroppedScale(QSizeF aspect, int tW, int tH, int fW, int fH)
{
    const float aW = float(aspect.width());
    const float aH = float(aspect.height());
    int cW, cH;
    if (fH == tH) {
        const int t = int(float(tH) * aW / aH);
        if (t > tW) {
            cW = tW;
            cH = EncoderComputesSide;
        } else {
            cW = EncoderComputesSide;
            cH = tH;
        }
    } else if (fW != tW) {
        cW = fW;
        cH = fH;
    } else {
        const int t = int(float(tW) * aH / aW);
        if (t > tH) {
            cW = EncoderComputesSide;
            cH = tH;
        } else {
            cW = tW;
            cH = EncoderComputesSide;
        }
    }

    bool stands;
    if (cW > 0 && cH == EncoderComputesSide)
        stands = int(float(cW) * aH / aW) <= tH;
    else if (cW == EncoderComputesSide && cH > 0)
        stands = int(float(cH) * aW / aH) <= tW;
    else
        stands = cH <= tH && cW <= tW;
    if (!stands) {
        cW = fW;
        cH = fH;
    }
    return {cW, cH, tW, tH};
}

} // namespace

QString buildVideoFilterChain(const DNDVDNode &dvdNode, int titleIndex, const VideoConvertOptions &record)
{
    const DNDVDTitlePtr title = dvdNode.titleAt(titleIndex);
    const std::shared_ptr<DNDVDTitleSetting> settingPtr = title ? title->setting() : nullptr;
    const DNDVDTitleSetting setting = settingPtr ? *settingPtr : DNDVDTitleSetting();
    DNDVDTVideoPtr track;
    if (title) {
        const int videoIndex = setting.videoIndex();
        if (videoIndex >= 0 && videoIndex < title->videoTracks().size())
            track = title->videoTracks().at(videoIndex);
    }
    const QSizeF size = track ? track->videoResolution() : QSizeF(0, 0);
    const float W = float(size.width());
    const float H = float(size.height());

    const std::shared_ptr<DNProfile> &profile = dvdNode.profile();
    const QString aspectValue = profile ? fieldValue(profile->videoAspect()) : QString();
    const QString resolutionValue = profile ? fieldValue(profile->videoResolution()) : QString();
    const QSizeF trackAspect = track ? track->videoAspect() : QSizeF(4, 3);
    // A profile without an aspect field takes the disc's, as "keep origin" does.
    QSizeF aspect = aspectValue.isNull() ? trackAspect : AspectSizeFromString(aspectValue, trackAspect);
    if (aspect.width() <= 0 || aspect.height() <= 0)
        aspect = (W > 0 && H > 0) ? QSizeF(W, H) : QSizeF(4, 3); // no ratio to divide by

    const QString deinterlaceWord = record.deinterlace ? QStringLiteral("yadif=0,") : QStringLiteral("pp,");
    const QString rotation = rotationWords(setting);

    if (W < MinimumPictureSide || H < MinimumPictureSide) {
        DNRoughLog(QStringLiteral("VideoSize %@, so ignore video filter configure..."),
                   QStringLiteral("{%1, %2}").arg(double(W)).arg(double(H)));
        return deinterlaceWord + rotation + FilterTail;
    }

    QString cropText = QStringLiteral("");
    float curW = W, curH = H;
    if (setting.cropEnable()) {
        const int Wi = int(W), Hi = int(H);
        const DNRelativeRect rect = setting.cropRectPercent();
        int cropW = int(rect.width * float(Wi));
        int cropH = int(rect.height * float(Hi));
        int cropX = int(rect.x * float(Wi));
        int cropY = int(float(Hi) - rect.y * float(Hi) - rect.height * float(Hi));
        if (cropY < 0)
            cropY = 0;
        cropW = makeEven(cropW);
        cropH = makeEven(cropH);
        cropX = makeEven(cropX);
        cropY = makeEven(cropY);
        cropText = QStringLiteral("crop=%1:%2:%3:%4,").arg(cropW).arg(cropH).arg(cropX).arg(cropY);
        curW = float(cropW);
        curH = float(cropH);
    }

    ScaleSizes scale;
    if (!setting.cropEnable() && IsKeepOriginResolution(resolutionValue)) {
        scale = {KeepOriginFrameWidth, EncoderComputesSide, KeepOriginFrameWidth,
                 int(float(aspect.height()) * 720.0f / float(aspect.width()))};
    } else {
        const QSizeF target = ResolutionSizeFromString(resolutionValue, QSizeF(curW, curH));
        const QSize fit = DNAspectFitSize(curW, curH, target.width(), target.height());
        const int tW = int(target.width()), tH = int(target.height());
        if (setting.cropEnable())
            scale = {fit.width(), fit.height(), tW, tH};
        else
            scale = uncroppedScale(aspect, tW, tH, fit.width(), fit.height());
    }
    scale.sW = makeEven(scale.sW);
    scale.sH = makeEven(scale.sH);
    scale.eW = makeEven(scale.eW);
    scale.eH = makeEven(scale.eH);

    const QString scaleText = setting.autoExpandToProfile()
        ? QStringLiteral("scale=%1:%2,expand=%3:%4,").arg(scale.sW).arg(scale.sH).arg(scale.eW).arg(scale.eH)
        : QStringLiteral("scale=%1:%2,").arg(scale.sW).arg(scale.sH);

    return deinterlaceWord + cropText + scaleText + rotation + FilterTail;
}
