#pragma once

#include "DNBaseEditSetting.h"

// The edit record of an item with tracks: the base edits plus the positions of the chosen
// video, audio and subtitle tracks in the item's track lists (not stream identifiers), and the
// per-page resets of the editor. DNNodeSetting (media files) and DNDVDTitleSetting (DVD
// titles) differ only in what their resets restore, given by ResetDefaults.
class DNTrackEditSetting : public DNBaseEditSetting
{
public:
    ~DNTrackEditSetting() override = default;

    qint32 videoIndex() const { return videoIndex_; }
    void setVideoIndex(qint32 v) { videoIndex_ = v; }
    // -1 = no audio.
    qint32 audioIndex() const { return audioIndex_; }
    void setAudioIndex(qint32 v) { audioIndex_ = v; }
    // -1 = no subtitle.
    qint32 subtitleIndex() const { return subtitleIndex_; }
    void setSubtitleIndex(qint32 v) { subtitleIndex_ = v; }

    // Only the volume (100).
    void resetGeneralEdit();
    // Only the subtitle position (100).
    void resetSubtitleEdit();
    void resetTrimEdit();
    void resetCropEdit();
    void resetEffectEdit();
    void resetWatermarkEdit();
    // The six resets in the order above.
    void resetAllEdits();

protected:
    struct ResetDefaults
    {
        bool clearsEnableFlags;   // the resets also switch their page off
        quint32 watermarkTransparency;
        bool setsWatermarkStyle;  // the watermark reset restores font and colour
    };
    explicit DNTrackEditSetting(const ResetDefaults &defaults);

private:
    ResetDefaults defaults_;
    qint32 videoIndex_ = 0;
    qint32 audioIndex_ = 0;
    qint32 subtitleIndex_ = -1;
};
