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

    // A title's record holding the edits of any item's record: a title's as it is; another
    // kind's edits and, where it has them, its track positions.
    static DNDVDTitleSetting settingWithEdits(const DNBaseEditSetting &edits);
};
