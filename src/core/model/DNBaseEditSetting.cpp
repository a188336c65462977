#include "DNBaseEditSetting.h"

std::shared_ptr<DNBaseEditSetting> DNBaseEditSetting::copy() const
{
    return std::make_shared<DNBaseEditSetting>(*this);
}

int DNBaseEditSetting::normalizedRotation() const
{
    const int r = rotationAngle_ % 360;
    return r < 0 ? r + 360 : r;
}

float DNBaseEditSetting::watermarkOpacity() const
{
    if (watermarkTransparency_ >= 100)
        return 0.0f;
    return 1.0f - float(watermarkTransparency_) / 100.0f;
}
