#include "DNDVDTitleSetting.h"

DNDVDTitleSetting::DNDVDTitleSetting()
    : DNTrackEditSetting(ResetDefaults{false, 50, false})
{
}

std::shared_ptr<DNBaseEditSetting> DNDVDTitleSetting::copy() const
{
    return std::make_shared<DNDVDTitleSetting>(*this);
}
