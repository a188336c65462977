#include "NXCameraRecorderSetting.h"

#include "DNSettingFolders.h"

NXCameraRecorderSetting::NXCameraRecorderSetting()
{
    DNSettingFolders::ensureDefaultMoviesFolder();
}

const std::vector<NXCameraRecorderSetting::Field> &NXCameraRecorderSetting::fields()
{
    using S = NXCameraRecorderSetting;
    static const std::vector<Field> table = {
        {"NXC_volume_preview", &S::volume_},
        {"NXC_auto_add_list", &S::isAutoAdd2ConvertList_},
        {"NXC_finish_and_open", &S::isFinishedOpenIt_},
        {"NXC_finish_and_show_finder", &S::isShowInFinder_},
        {"NXC_default_target_place", &S::defaultTargetPlace_},
    };
    return table;
}
