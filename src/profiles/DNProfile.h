#pragma once

#include "profiles/NXProfileParser.h"

#include <QSizeF>

#include <memory>

class NXBasicMediaNode;

// The profile every media item, the catalogue, the chooser, the settings sheet and the
// conversion driver hold. It adds the user's choice to run two passes, which is copied with the
// profile but not archived (a restored profile has it off).
class DNProfile : public NXProfileParser
{
public:
    explicit DNProfile(const QString &path) : NXProfileParser(path) {}
    DNProfile(const DNProfile &other) = default;
    DNProfile &operator=(const DNProfile &other) = default;

    static std::shared_ptr<DNProfile> parserFromContentOfFile(const QString &path)
    {
        return std::make_shared<DNProfile>(path);
    }
    // A profile restored from its keyed-archive form; null when the form holds no profile.
    static std::shared_ptr<DNProfile> profileWithCoder(const QVariantMap &coded);

    std::shared_ptr<DNProfile> copy() const { return std::make_shared<DNProfile>(*this); }

    bool userEnableTwopassCode() const { return userEnableTwopassCode_; }
    void setUserEnableTwopassCode(bool enable) { userEnableTwopassCode_ = enable; }

    // The bitrate (kbps) the settings sheet proposes. For DVD items, groups and slideshows it
    // is the normal phase's bitrate; file items use recommendFileBitrate with their own track.
    float recommendBitrate(const NXBasicMediaNode *node, QSizeF resolution) const;
    // A file item's bitrate: its selected video track's size fitted into the target, scaled
    // from 3000 kbps at 1280x720, weighted by the quality phase the item's profile holds
    // (0.8, 1.0, 1.2), raised to a multiple of 100 and kept within this profile's limits.
    float recommendFileBitrate(QSizeF trackSize, QSizeF resolution, int nodeQualityPhase) const;

private:
    DNProfile() = default;
    bool userEnableTwopassCode_ = false;
};
