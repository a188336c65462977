#include "core/model/NXBasicMediaNode.h"
#include "core/model/NXMediaPath.h"

#include <gtest/gtest.h>

#include <QSet>

#include <mutex>
#include <thread>
#include <vector>

namespace {

class OtherNode : public NXBasicMediaNode
{
public:
    OtherNode() { setMediaType(NXMediaTypeDVDTitle); }
};

class FakeView : public NXNodeView
{
public:
    explicit FakeView(QRectF frame) : m_frame(frame) {}
    QRectF frame() const override { return m_frame; }
    void nodePlayingChanged(bool playing) override { changes.push_back(playing); }
    std::vector<bool> changes;

private:
    QRectF m_frame;
};

// Must stay the first test of this file: it checks the numbering of the first nodes a
// process makes.
TEST(MediaNode, FirstNodesOfAProcessAreNumberedFrom1001WhateverTheirClass)
{
    ASSERT_EQ(NXBasicMediaNode::lastNodeID(), 1000) << "another test made a node first";
    const auto first = NXBasicMediaNode::mediaNode();
    const auto second = NXBasicMediaNode::mediaNode<OtherNode>();
    EXPECT_EQ(first->nodeID(), 1001);
    EXPECT_EQ(second->nodeID(), 1002);
    EXPECT_EQ(second->mediaType(), NXMediaTypeDVDTitle);
}

TEST(MediaNode, NodesMadeOnSeveralThreadsGetDistinctIds)
{
    constexpr int kThreads = 8;
    constexpr int kPerThread = 500;
    std::mutex mutex;
    QSet<qint32> ids;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            std::vector<qint32> mine;
            for (int i = 0; i < kPerThread; ++i)
                mine.push_back(NXBasicMediaNode::mediaNode()->nodeID());
            std::lock_guard lock(mutex);
            for (qint32 id : mine)
                ids.insert(id);
        });
    }
    for (auto &thread : threads)
        thread.join();
    EXPECT_EQ(ids.size(), kThreads * kPerThread);
}

TEST(MediaNode, NewNodeHasTheDocumentedStartValues)
{
    const auto node = NXBasicMediaNode::mediaNode();
    EXPECT_EQ(node->mediaType(), NXMediaTypeFile);
    EXPECT_TRUE(node->children().isEmpty());
    EXPECT_EQ(node->parent(), nullptr);
    EXPECT_EQ(node->dataView(), nullptr);
    EXPECT_FALSE(node->isPlaying());
    EXPECT_FALSE(node->isHiddenChildren());
    EXPECT_EQ(node->rootSplitedID(), -1);
}

TEST(MediaNode, ChildAtIndexAnswersOnlyInsideTheMemberRange)
{
    const auto empty = NXBasicMediaNode::mediaNode();
    EXPECT_EQ(empty->childAtIndex(0), nullptr);

    const auto group = NXBasicMediaNode::mediaNode();
    const auto a = NXBasicMediaNode::mediaNode();
    const auto b = NXBasicMediaNode::mediaNode();
    group->children() << a << b;
    struct Case { int index; NXMediaNodePtr expected; };
    for (const Case &c : {Case{-1, nullptr}, Case{0, a}, Case{1, b}, Case{2, nullptr}, Case{100, nullptr}})
        EXPECT_EQ(group->childAtIndex(c.index), c.expected) << "index " << c.index;
}

TEST(MediaNode, OnlyDVDSourcesAndFileGroupsAreGroupEntries)
{
    const auto node = NXBasicMediaNode::mediaNode();
    for (qint32 type = 0; type <= 6; ++type) {
        node->setMediaType(type);
        const bool expected = type == NXMediaTypeDVD || type == NXMediaTypeFileGroup;
        EXPECT_EQ(node->isGroupNode(), expected) << "type " << type;
    }
}

TEST(MediaNode, CellMaxYFollowsTheLowestVisibleRow)
{
    const auto group = NXBasicMediaNode::mediaNode();
    EXPECT_EQ(group->cellMaxYValueWithChildren(), 0.0f) << "no row view";

    group->setDataView(std::make_shared<FakeView>(QRectF(0, 100, 300, 40)));
    EXPECT_EQ(group->cellMaxYValueWithChildren(), 140.0f) << "no members";

    const auto first = NXBasicMediaNode::mediaNode();
    const auto last = NXBasicMediaNode::mediaNode();
    first->setDataView(std::make_shared<FakeView>(QRectF(0, 140, 300, 30)));
    group->children() << first << last;
    EXPECT_EQ(group->cellMaxYValueWithChildren(), 0.0f) << "expanded, last member without view";

    last->setDataView(std::make_shared<FakeView>(QRectF(0, 170, 300, 30)));
    EXPECT_EQ(group->cellMaxYValueWithChildren(), 200.0f) << "expanded";

    group->setHiddenChildren(true);
    EXPECT_EQ(group->cellMaxYValueWithChildren(), 140.0f) << "collapsed";
}

TEST(MediaNode, PlayingChangesReachTheRowViewOncePerChange)
{
    const auto node = NXBasicMediaNode::mediaNode();
    const auto view = std::make_shared<FakeView>(QRectF());
    node->setDataView(view);
    node->setIsPlaying(true);
    node->setIsPlaying(true);
    node->setIsPlaying(false);
    EXPECT_EQ(view->changes, (std::vector<bool>{true, false}));
}

class ObservingNode : public NXBasicMediaNode
{
public:
    explicit ObservingNode(int *calls)
    {
        observeNotification(QStringLiteral("TestNodeNotification"), [calls](const DNNotification &) { ++*calls; });
    }
};

TEST(MediaNode, ADestroyedNodeNoLongerObservesNotifications)
{
    int calls = 0;
    auto node = NXBasicMediaNode::mediaNode<ObservingNode>(&calls);
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("TestNodeNotification"));
    EXPECT_EQ(calls, 1);
    node.reset();
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("TestNodeNotification"));
    EXPECT_EQ(calls, 1);
}

TEST(MediaPath, StartsUnsetAndDescribesItsIndices)
{
    const NXMediaPath unset;
    EXPECT_EQ(unset.mainIndex(), -1);
    EXPECT_EQ(unset.childIndex(), -1);

    const NXMediaPath path = NXMediaPath::nodePathWithMainIndex(3, -1);
    EXPECT_TRUE(path.description().endsWith(QStringLiteral(", main:3,child:-1."))) << path.description().toStdString();
}

} // namespace
