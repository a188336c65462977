#pragma once

#include "core/model/NXBasicMediaNode.h"
#include "profiles/DNProfile.h"

#include <QSizeF>
#include <QString>

#include <memory>

// What the profile sheets ask of an item: its profile, the channel count and picture size of
// its selected tracks, and its kind. Items of different classes answer it through an adapter
// (DNProfileProtocolOf), so the sheets need no knowledge of the item classes.
class DNProfileProtocol
{
public:
    virtual ~DNProfileProtocol() = default;

    // "DNDVDNode", "DNFileNode", "DNGraphicsNode", or another name for other items.
    virtual QString className() const = 0;
    // A DVD source or a kind of one: the chooser then shows DVD profiles.
    virtual bool isDVDSource() const = 0;
    virtual std::shared_ptr<DNProfile> curProfileOfSelectTrack() const = 0;
    // The item stores a copy.
    virtual void setCurProfileOfSelectTrack(const std::shared_ptr<DNProfile> &profile) = 0;
    // 100 when the item has no audio track.
    virtual int audioChannelOfSelectTrack() const = 0;
    virtual QSizeF resolutionOfSelectedVideoTrack() const = 0;
    // The bitrate (kbps) the sheet proposes for profile at size.
    virtual float recommendBitrate(const DNProfile &profile, QSizeF size) const = 0;
    virtual NXMediaNodePtr node() const = 0;
};

using DNProfileProtocolPtr = std::shared_ptr<DNProfileProtocol>;

// The adapter for an item class that has the profile calls as members.
template <class Node>
class DNProfileProtocolOf : public DNProfileProtocol
{
public:
    DNProfileProtocolOf(std::shared_ptr<Node> node, QString className, bool dvdSource)
        : node_(std::move(node)), className_(std::move(className)), dvdSource_(dvdSource) {}

    QString className() const override { return className_; }
    bool isDVDSource() const override { return dvdSource_; }
    std::shared_ptr<DNProfile> curProfileOfSelectTrack() const override { return node_->curProfileOfSelectTrack(); }
    void setCurProfileOfSelectTrack(const std::shared_ptr<DNProfile> &profile) override
    {
        node_->setCurProfileOfSelectTrack(profile);
    }
    int audioChannelOfSelectTrack() const override { return node_->audioChannelOfSelectTrack(); }
    QSizeF resolutionOfSelectedVideoTrack() const override { return node_->resolutionOfSelectedVideoTrack(); }
    // Items with a recommendation of their own (file items judge by their selected track) give
    // it; the others get the profile's.
    float recommendBitrate(const DNProfile &profile, QSizeF size) const override
    {
        if constexpr (requires { node_->recommendBitrate(profile, size); })
            return node_->recommendBitrate(profile, size);
        else
            return profile.recommendBitrate(node_.get(), size);
    }
    NXMediaNodePtr node() const override { return node_; }

private:
    std::shared_ptr<Node> node_;
    QString className_;
    bool dvdSource_;
};

// The adapter for a media-list item; null for items that hold no profile of their own (a DVD's
// titles).
// Item classes that arrive later add their line here.
DNProfileProtocolPtr DNProfileProtocolForNode(const NXMediaNodePtr &node);
