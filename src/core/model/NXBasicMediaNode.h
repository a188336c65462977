#pragma once

#include "NXMediaType.h"
#include "NXNodeView.h"

#include "core/notify/DNNotificationCenter.h"

#include <QList>
#include <QtGlobal>

#include <memory>

class NXBasicMediaNode;
using NXMediaNodePtr = std::shared_ptr<NXBasicMediaNode>;

// Base of every media-list entry: what the list needs to draw, address, select and group a
// row, and nothing about media. Nodes are shared (std::shared_ptr); a group entry owns its
// members through children(), a member's parent() is a plain back-link that the group's owner
// keeps valid.
//
// Nodes may be made on loading threads; only the id counter is shared between threads.
// weak_from_this() turns a member's parent back-link into a counted reference.
class NXBasicMediaNode : public std::enable_shared_from_this<NXBasicMediaNode>
{
public:
    NXBasicMediaNode();
    virtual ~NXBasicMediaNode();

    NXBasicMediaNode(const NXBasicMediaNode &) = delete;
    NXBasicMediaNode &operator=(const NXBasicMediaNode &) = delete;

    // A new node of class T (the "mediaNode" factory of every node class).
    template <class T = NXBasicMediaNode, class... Args>
    static std::shared_ptr<T> mediaNode(Args &&...args)
    {
        return std::make_shared<T>(std::forward<Args>(args)...);
    }

    // Members in display order; callers add and remove members through the list itself
    // (and set each member's parent).
    QList<NXMediaNodePtr> &children() { return children_; }
    const QList<NXMediaNodePtr> &children() const { return children_; }

    NXBasicMediaNode *parent() const { return parent_; }
    void setParent(NXBasicMediaNode *parent) { parent_ = parent; }

    bool isHiddenChildren() const { return hiddenChildren_; }
    void setHiddenChildren(bool hidden) { hiddenChildren_ = hidden; }

    const std::shared_ptr<NXNodeView> &dataView() const { return dataView_; }
    void setDataView(std::shared_ptr<NXNodeView> view) { dataView_ = std::move(view); }

    bool isPlaying() const { return isPlaying_; }
    // Tells the row view when the value changes.
    void setIsPlaying(bool playing);

    qint32 nodeID() const { return nodeID_; }
    void setNodeID(qint32 id) { nodeID_ = id; }

    qint32 rootSplitedID() const { return rootSplitedID_; }
    void setRootSplitedID(qint32 id) { rootSplitedID_ = id; }

    qint32 mediaType() const { return mediaType_; }
    void setMediaType(qint32 type) { mediaType_ = type; }

    // The member at index, or null when index is negative or not below the member count.
    NXMediaNodePtr childAtIndex(int index) const;
    // Exactly the DVD source and the file group are group entries (a DVD group title is not).
    bool isGroupNode() const;
    // Bottom edge (frame y + height) of the lowest row the entry occupies: the last member's
    // row when the members are shown, else the node's own row; 0 when that row has no view.
    float cellMaxYValueWithChildren() const;

    // The value of the process-wide id counter (the id the last node made was given).
    static qint32 lastNodeID();

protected:
    // Registers an observer of the default notification centre that lives as long as this
    // node: the destructor removes every registration made here, so no handler outlives it.
    void observeNotification(const QString &name, DNNotificationHandler handler,
                             const QVariant &object = QVariant());

private:
    QList<DNNotificationCenter::ObserverId> observerIds_;
    qint32 mediaType_ = NXMediaTypeFile;
    NXBasicMediaNode *parent_ = nullptr;
    QList<NXMediaNodePtr> children_;
    std::shared_ptr<NXNodeView> dataView_;
    bool isPlaying_ = false;
    bool hiddenChildren_ = false;
    qint32 nodeID_ = 0;
    qint32 rootSplitedID_ = -1;
};
