#pragma once

#include "DNSettingRecord.h"

// The engine switches of the main window. Never archived: every launch starts from the
// defaults (off, off, off, the processor count).
class DNMainWindowSetting : public DNSettingRecordOf<DNMainWindowSetting>
{
public:
    DNMainWindowSetting();
    QString className() const override { return QStringLiteral("DNMainWindowSetting"); }

    bool highQuality() const { return get(highQuality_); }
    void setHighQuality(bool v) { assign(highQuality_, v); }
    bool deinterlacing() const { return get(deinterlacing_); }
    void setDeinterlacing(bool v) { assign(deinterlacing_, v); }
    bool safemode() const { return get(safemode_); }
    void setSafemode(bool v) { assign(safemode_, v); }
    int cpuCore() const { return get(cpuCore_); }
    void setCpuCore(int v) { assign(cpuCore_, v); }
    // How long an engine may show no progress before its pass fails as not answering. Not among
    // the coded keys.
    double engineStallSeconds() const { return get(engineStallSeconds_); }
    void setEngineStallSeconds(double v) { assign(engineStallSeconds_, v); }

private:
    friend class DNSettingRecordOf<DNMainWindowSetting>;
    static const std::vector<Field> &fields();
    void fixDecodedValues();

    bool highQuality_ = false;
    bool deinterlacing_ = false;
    bool safemode_ = false;
    int cpuCore_ = 1;
    double engineStallSeconds_ = 120;
};
