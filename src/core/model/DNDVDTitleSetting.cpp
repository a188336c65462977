#include "DNDVDTitleSetting.h"

DNDVDTitleSetting::DNDVDTitleSetting()
    : DNTrackEditSetting(ResetDefaults{false, 50, false})
{
}

std::shared_ptr<DNBaseEditSetting> DNDVDTitleSetting::copy() const
{
    return std::make_shared<DNDVDTitleSetting>(*this);
}

DNDVDTitleSetting DNDVDTitleSetting::settingWithEdits(const DNBaseEditSetting &edits)
{
    if (const auto *title = dynamic_cast<const DNDVDTitleSetting *>(&edits))
        return *title;
    DNDVDTitleSetting setting;
    static_cast<DNBaseEditSetting &>(setting) = edits;
    if (const auto *tracks = dynamic_cast<const DNTrackEditSetting *>(&edits)) {
        setting.setVideoIndex(tracks->videoIndex());
        setting.setAudioIndex(tracks->audioIndex());
        setting.setSubtitleIndex(tracks->subtitleIndex());
    }
    return setting;
}
