#pragma once

#include "DNSettingRecord.h"

// Options of the screen recorder.
class DNScreenRecorderSetting : public DNSettingRecordOf<DNScreenRecorderSetting>
{
public:
    DNScreenRecorderSetting();
    QString className() const override { return QStringLiteral("DNScreenRecorderSetting"); }

    unsigned int sessionPresetIndex() const { return get(sessionPresetIndex_); }
    void setSessionPresetIndex(unsigned int v) { assign(sessionPresetIndex_, v); }
    unsigned int maxFramerate() const { return get(maxFramerate_); }
    void setMaxFramerate(unsigned int v) { assign(maxFramerate_, v); }
    QString targetFolder() const { return get(targetFolder_); }
    void setTargetFolder(const QString &v) { assign(targetFolder_, v); }
    // Seconds counted down before recording starts.
    unsigned int countDown() const { return get(countDown_); }
    void setCountDown(unsigned int v) { assign(countDown_, v); }
    bool captureMouse() const { return get(captureMouse_); }
    void setCaptureMouse(bool v) { assign(captureMouse_, v); }
    bool openRecordMovie() const { return get(openRecordMovie_); }
    void setOpenRecordMovie(bool v) { assign(openRecordMovie_, v); }
    bool addToConvertList() const { return get(addToConvertList_); }
    void setAddToConvertList(bool v) { assign(addToConvertList_, v); }

private:
    friend class DNSettingRecordOf<DNScreenRecorderSetting>;
    static const std::vector<Field> &fields();
    void fixDecodedValues() {}

    unsigned int sessionPresetIndex_ = 2;
    unsigned int maxFramerate_ = 10;
    QString targetFolder_;
    unsigned int countDown_ = 3;
    bool captureMouse_ = true;
    bool openRecordMovie_ = true;
    bool addToConvertList_ = false;
};
