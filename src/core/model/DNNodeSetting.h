#pragma once

#include "DNTrackEditSetting.h"

// The edit record of a media file item. A new record holds the usable defaults: volume 100,
// the whole duration, the whole picture, a text watermark at 30 % transparency in the system
// font (120 pt) and red, video and audio track 0, no subtitle. Its resets switch their page off.
class DNNodeSetting : public DNTrackEditSetting
{
public:
    DNNodeSetting();
    std::shared_ptr<DNBaseEditSetting> copy() const override;
};
