#pragma once

#include "DNTrackEditSetting.h"

// The edit record of a DVD title. Like a media file's record, except that the watermark reset
// gives 50 % transparency and leaves the font and colour unset, and the resets restore their
// values without switching their page off.
class DNDVDTitleSetting : public DNTrackEditSetting
{
public:
    DNDVDTitleSetting();
    std::shared_ptr<DNBaseEditSetting> copy() const override;
};
