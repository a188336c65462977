#include "DNMainWindowSetting.h"

#include "core/util/DNSystemInfo.h"

DNMainWindowSetting::DNMainWindowSetting() : cpuCore_(int(DNNumberOfCPUCores())) {}

const std::vector<DNMainWindowSetting::Field> &DNMainWindowSetting::fields()
{
    static const std::vector<Field> table = {
        {"highQuality", &DNMainWindowSetting::highQuality_},
        {"deinterlacing001", &DNMainWindowSetting::deinterlacing_},
        {"safemode", &DNMainWindowSetting::safemode_},
        {"cpuCore", &DNMainWindowSetting::cpuCore_},
    };
    return table;
}

void DNMainWindowSetting::fixDecodedValues()
{
    if (cpuCore_ == 0)
        cpuCore_ = int(DNNumberOfCPUCores());
}
