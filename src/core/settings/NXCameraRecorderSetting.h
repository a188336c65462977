#pragma once

#include "DNSettingRecord.h"

// Options of the camera recorder.
class NXCameraRecorderSetting : public DNSettingRecordOf<NXCameraRecorderSetting>
{
public:
    NXCameraRecorderSetting();
    QString className() const override { return QStringLiteral("NXCameraRecorderSetting"); }

    // Preview volume, 0..1.
    float volume() const { return get(volume_); }
    void setVolume(float v) { assign(volume_, v); }
    bool isAutoAdd2ConvertList() const { return get(isAutoAdd2ConvertList_); }
    void setIsAutoAdd2ConvertList(bool v) { assign(isAutoAdd2ConvertList_, v); }
    bool isFinishedOpenIt() const { return get(isFinishedOpenIt_); }
    void setIsFinishedOpenIt(bool v) { assign(isFinishedOpenIt_, v); }
    bool isShowInFinder() const { return get(isShowInFinder_); }
    void setIsShowInFinder(bool v) { assign(isShowInFinder_, v); }
    QString defaultTargetPlace() const { return get(defaultTargetPlace_); }
    void setDefaultTargetPlace(const QString &v) { assign(defaultTargetPlace_, v); }

private:
    friend class DNSettingRecordOf<NXCameraRecorderSetting>;
    static const std::vector<Field> &fields();
    void fixDecodedValues() {}

    float volume_ = 0.5f;
    bool isAutoAdd2ConvertList_ = false;
    bool isFinishedOpenIt_ = true;
    bool isShowInFinder_ = false;
    QString defaultTargetPlace_;
};
