#include "profiles/DNProfile.h"

#include "core/util/DNAspect.h"
#include "profiles/NXProfileValue.h"

std::shared_ptr<DNProfile> DNProfile::profileWithCoder(const QVariantMap &coded)
{
    std::shared_ptr<DNProfile> profile(new DNProfile());
    if (!profile->initWithCoder(coded))
        return nullptr;
    return profile;
}

float DNProfile::recommendBitrate(const NXBasicMediaNode *, QSizeF) const
{
    const auto quality = videoQuality();
    if (!quality || quality->videoBitratePhases().size() < 2)
        return 0;
    return float(NXIntValue(quality->videoBitratePhases().at(1)));
}

float DNProfile::recommendFileBitrate(QSizeF trackSize, QSizeF resolution, int nodeQualityPhase) const
{
    const QSize fitted = DNAspectFitSize(trackSize.width(), trackSize.height(), resolution.width(),
                                         resolution.height());
    const double area = double(float(fitted.width()) * float(fitted.height()));
    const int base = int(int(area / 921600.0 * 3000000.0) / 1000.0);
    float factor = 0.8f;
    if (nodeQualityPhase == 1)
        factor = 1.0f;
    else if (nodeQualityPhase == 2)
        factor = 1.2f;
    const int r = int(float(base) * factor);
    const int q = (r / 100) * 100;
    int result = r == q ? q : q + 100;
    const auto quality = videoQuality();
    if (quality) {
        if (result < quality->minVideoBitrate())
            result = quality->minVideoBitrate();
        else if (result > quality->maxVideoBitrate())
            result = quality->maxVideoBitrate();
    }
    return float(result);
}
