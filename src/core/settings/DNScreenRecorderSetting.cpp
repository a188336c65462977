#include "DNScreenRecorderSetting.h"

#include "DNSettingFolders.h"

DNScreenRecorderSetting::DNScreenRecorderSetting()
{
    DNSettingFolders::ensureDefaultMoviesFolder();
}

const std::vector<DNScreenRecorderSetting::Field> &DNScreenRecorderSetting::fields()
{
    using S = DNScreenRecorderSetting;
    static const std::vector<Field> table = {
        {"sessionPresetIndex", &S::sessionPresetIndex_},
        {"maxFramerate", &S::maxFramerate_},
        {"targetFolder", &S::targetFolder_},
        {"countDown", &S::countDown_},
        {"captureMouse", &S::captureMouse_},
        {"openRecordMovie", &S::openRecordMovie_},
        {"addToConvertList", &S::addToConvertList_},
    };
    return table;
}
