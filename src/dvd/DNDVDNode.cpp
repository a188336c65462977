#include "dvd/DNDVDNode.h"

#include "profiles/DNProfile.h"
#include "profiles/DNProfileManager.h"

DNDVDNode::DNDVDNode()
    // The most recently used DVD profile (already a copy), so a new source converts as the last did.
    : profile_(DNProfileManager::profileManager().lastProfileOfType(DNProfileKindDVD)),
      nodeInfo_(std::make_shared<DNNodeInfo>())
{
    setMediaType(NXMediaTypeDVD);
}

DNDVDNode::~DNDVDNode() = default;

std::shared_ptr<DNDVDNode> DNDVDNode::dvdNodeWithData(const QList<DNDVDTitlePtr> &titles,
                                                      const NXDVDSourceInfoPtr &sourceInfo)
{
    auto node = std::make_shared<DNDVDNode>();
    node->setSourceInfo(sourceInfo);
    for (const DNDVDTitlePtr &title : titles) {
        node->appendTitle(title);
        title->setParent(node.get());
    }
    node->initializeConfigOnDidLoadDVDInfo();
    return node;
}

void DNDVDNode::initializeConfigOnDidLoadDVDInfo()
{
    // The source name has no extension already (an image's was removed when the source was
    // made; a folder's or volume's name has none), so a dot in it is part of the name:
    // "Film.2009" stays whole instead of becoming "Film".
    const QString base = sourceInfo_ ? sourceInfo_->name() : QString();
    nodeInfo_->setOutputName(base);
    nodeInfo_->setDisplayName(base);
    nodeInfo_->setGenre(QStringLiteral("Movie"));
    nodeInfo_->setArtist(QStringLiteral("Talvane"));
}

void DNDVDNode::setThumbnail(const QImage &v)
{
    thumbnail_ = v;
    if (dataView())
        dataView()->nodeThumbnailChanged();
}

void DNDVDNode::setTitleSelected(int v)
{
    setObserved(titleSelected_, v);
}

void DNDVDNode::setMergeIntoOne(bool v)
{
    setObserved(mergeIntoOne_, v);
}

template <typename T>
void DNDVDNode::setObserved(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    if (dataView())
        dataView()->nodeContentChanged();
}

void DNDVDNode::setProfile(const std::shared_ptr<DNProfile> &profile)
{
    profile_ = profile ? profile->copy() : nullptr;
}

QList<DNDVDTitlePtr> DNDVDNode::titles() const
{
    QList<DNDVDTitlePtr> list;
    list.reserve(children().size());
    for (const NXMediaNodePtr &child : children())
        list.append(std::static_pointer_cast<DNDVDTitle>(child));
    return list;
}

DNDVDTitlePtr DNDVDNode::titleAt(int index) const
{
    if (index < 0 || index >= children().size())
        return nullptr;
    return std::static_pointer_cast<DNDVDTitle>(children().at(index));
}

int DNDVDNode::indexOfMainTitle() const
{
    int longest = 0;
    int main = -1;
    for (const DNDVDTitlePtr &title : titles()) {
        if (title->length() > longest) {
            longest = title->length();
            main = title->index();
        }
    }
    return main;
}

QStringList DNDVDNode::NXMPlayerPlaybackParameters() const
{
    return {QStringLiteral("dvdnav://%1").arg(titleSelected_ + 1),
            QStringLiteral("-dvd-device"),
            sourceInfo_ ? sourceInfo_->playbackPath() : QString(),
            QStringLiteral("-identify"),
            QStringLiteral("-slave"),
            QStringLiteral("-nosub"),
            QStringLiteral("-vf"),
            QStringLiteral("yadif=0")};
}

void DNDVDNode::setNodeInfoOfSelectTrack(const DNNodeInfo &info)
{
    if (!nodeInfo_)
        nodeInfo_ = std::make_shared<DNNodeInfo>();
    nodeInfo_->setDisplayName(info.displayName());
    nodeInfo_->setArtist(info.artist());
    nodeInfo_->setGenre(info.genre());
    nodeInfo_->setComments(info.comments());
}
