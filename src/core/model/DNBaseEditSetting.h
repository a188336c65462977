#pragma once

#include "DNRelativeRect.h"
#include "DNWatermarkStyle.h"

#include <QString>
#include <QtGlobal>

#include <memory>

// The user's edits of one convertible item. Units, as every builder reads them:
// - trimStartPercent / trimEndPercent: fractions 0..1 of the selected video track's duration;
// - cropRectPercent / watermarkRectPercent: DNRelativeRect (origin bottom-left);
// - rotationAngle: degrees, a multiple of 90; 0 and 360 both mean unrotated (take it mod 360);
// - volume: 100 is the unchanged level;
// - position: vertical subtitle position 0..100, 100 = bottom edge;
// - watermarkTransparency: percent, drawn at opacity 1 - transparency/100.
// Setters store values unchanged (no clamping). A plain DNBaseEditSetting holds zeros (volume 0,
// trimEndPercent 0); the item settings (DNNodeSetting, DNDVDTitleSetting) reset to usable
// defaults.
class DNBaseEditSetting
{
public:
    DNBaseEditSetting() = default;
    virtual ~DNBaseEditSetting() = default;

    // An independent copy of the same class; strings are copied, the watermark font and
    // colour objects are shared.
    virtual std::shared_ptr<DNBaseEditSetting> copy() const;

    qint32 rotationAngle() const { return rotationAngle_; }
    void setRotationAngle(qint32 v) { rotationAngle_ = v; }
    bool mirror() const { return mirror_; }
    void setMirror(bool v) { mirror_ = v; }
    bool generalEnable() const { return generalEnable_; }
    void setGeneralEnable(bool v) { generalEnable_ = v; }
    bool trimEnable() const { return trimEnable_; }
    void setTrimEnable(bool v) { trimEnable_ = v; }
    float trimStartPercent() const { return trimStartPercent_; }
    void setTrimStartPercent(float v) { trimStartPercent_ = v; }
    float trimEndPercent() const { return trimEndPercent_; }
    void setTrimEndPercent(float v) { trimEndPercent_ = v; }
    bool cropEnable() const { return cropEnable_; }
    void setCropEnable(bool v) { cropEnable_ = v; }
    bool cropLetterboxAuto() const { return cropLetterboxAuto_; }
    void setCropLetterboxAuto(bool v) { cropLetterboxAuto_ = v; }
    quint32 indexOfCropAspect() const { return indexOfCropAspect_; }
    void setIndexOfCropAspect(quint32 v) { indexOfCropAspect_ = v; }
    DNRelativeRect cropRectPercent() const { return cropRectPercent_; }
    void setCropRectPercent(const DNRelativeRect &v) { cropRectPercent_ = v; }
    bool effectEnable() const { return effectEnable_; }
    void setEffectEnable(bool v) { effectEnable_ = v; }
    quint32 indexOfEffect() const { return indexOfEffect_; }
    void setIndexOfEffect(quint32 v) { indexOfEffect_ = v; }
    bool watermarkEnable() const { return watermarkEnable_; }
    void setWatermarkEnable(bool v) { watermarkEnable_ = v; }
    // 0 = image file, 1 = text.
    quint32 watermarkType() const { return watermarkType_; }
    void setWatermarkType(quint32 v) { watermarkType_ = v; }
    QString watermarkImagePath() const { return watermarkImagePath_; }
    void setWatermarkImagePath(const QString &v) { watermarkImagePath_ = v; }
    QString watermarkText() const { return watermarkText_; }
    void setWatermarkText(const QString &v) { watermarkText_ = v; }
    DNRelativeRect watermarkRectPercent() const { return watermarkRectPercent_; }
    void setWatermarkRectPercent(const DNRelativeRect &v) { watermarkRectPercent_ = v; }
    quint32 watermarkTransparency() const { return watermarkTransparency_; }
    void setWatermarkTransparency(quint32 v) { watermarkTransparency_ = v; }
    bool subtitleEnable() const { return subtitleEnable_; }
    void setSubtitleEnable(bool v) { subtitleEnable_ = v; }
    bool forceSubOnly() const { return forceSubOnly_; }
    void setForceSubOnly(bool v) { forceSubOnly_ = v; }
    quint32 volume() const { return volume_; }
    void setVolume(quint32 v) { volume_ = v; }
    quint32 position() const { return position_; }
    void setPosition(quint32 v) { position_ = v; }
    bool autoExpandToProfile() const { return autoExpandToProfile_; }
    void setAutoExpandToProfile(bool v) { autoExpandToProfile_ = v; }
    const DNFontRef &watermarkFont() const { return watermarkFont_; }
    void setWatermarkFont(DNFontRef v) { watermarkFont_ = std::move(v); }
    const DNColorRef &watermarkColor() const { return watermarkColor_; }
    void setWatermarkColor(DNColorRef v) { watermarkColor_ = std::move(v); }

    // The rotation the engines apply: rotationAngle modulo 360, in 0..359.
    int normalizedRotation() const;
    // The opacity a watermark is drawn with: 1 - transparency / 100 (0 at 100 and above).
    float watermarkOpacity() const;

private:
    qint32 rotationAngle_ = 0;
    bool mirror_ = false;
    bool generalEnable_ = true;
    bool subtitleEnable_ = false;
    bool trimEnable_ = false;
    bool cropEnable_ = false;
    bool effectEnable_ = false;
    bool watermarkEnable_ = false;
    bool forceSubOnly_ = false;
    quint32 volume_ = 0;
    quint32 position_ = 100;
    float trimStartPercent_ = 0.0f;
    float trimEndPercent_ = 0.0f;
    bool cropLetterboxAuto_ = false;
    quint32 indexOfCropAspect_ = 0;
    DNRelativeRect cropRectPercent_;
    bool autoExpandToProfile_ = false;
    quint32 indexOfEffect_ = 0;
    quint32 watermarkType_ = 0;
    QString watermarkImagePath_;
    QString watermarkText_;
    DNRelativeRect watermarkRectPercent_;
    quint32 watermarkTransparency_ = 0;
    DNFontRef watermarkFont_;
    DNColorRef watermarkColor_;
};
