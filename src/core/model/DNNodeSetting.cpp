#include "DNNodeSetting.h"

DNNodeSetting::DNNodeSetting()
    : DNTrackEditSetting(ResetDefaults{true, 30, true})
{
}

std::shared_ptr<DNBaseEditSetting> DNNodeSetting::copy() const
{
    return std::make_shared<DNNodeSetting>(*this);
}
