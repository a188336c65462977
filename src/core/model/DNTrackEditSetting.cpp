#include "DNTrackEditSetting.h"

namespace {
// The text-watermark style a reset restores: the system font at 120 points, in red.
constexpr double kWatermarkFontSize = 120.0;
} // namespace

DNTrackEditSetting::DNTrackEditSetting(const ResetDefaults &defaults) : defaults_(defaults)
{
    resetAllEdits();
}

void DNTrackEditSetting::resetGeneralEdit()
{
    setVolume(100);
}

void DNTrackEditSetting::resetSubtitleEdit()
{
    setPosition(100);
}

void DNTrackEditSetting::resetTrimEdit()
{
    if (defaults_.clearsEnableFlags)
        setTrimEnable(false);
    setTrimStartPercent(0.0f);
    setTrimEndPercent(1.0f);
}

void DNTrackEditSetting::resetCropEdit()
{
    if (defaults_.clearsEnableFlags)
        setCropEnable(false);
    setCropLetterboxAuto(false);
    setIndexOfCropAspect(1);
    setCropRectPercent({0.0f, 0.0f, 1.0f, 1.0f});
}

void DNTrackEditSetting::resetEffectEdit()
{
    if (defaults_.clearsEnableFlags)
        setEffectEnable(false);
    setIndexOfEffect(0);
}

void DNTrackEditSetting::resetWatermarkEdit()
{
    if (defaults_.clearsEnableFlags)
        setWatermarkEnable(false);
    setWatermarkType(1);
    setWatermarkImagePath(QString());
    setWatermarkText(QString());
    setWatermarkRectPercent({0.3f, 0.3f, 0.3f, 0.3f});
    setWatermarkTransparency(defaults_.watermarkTransparency);
    if (defaults_.setsWatermarkStyle) {
        setWatermarkFont(DNFont::systemFont(kWatermarkFontSize));
        setWatermarkColor(DNColor::redColor());
    }
}

void DNTrackEditSetting::resetAllEdits()
{
    resetGeneralEdit();
    resetSubtitleEdit();
    resetTrimEdit();
    resetCropEdit();
    resetEffectEdit();
    resetWatermarkEdit();
}
