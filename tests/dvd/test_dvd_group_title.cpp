// The group title that joins a DVD's selected titles into one output.
#include "dvd/DNDVDGroupTitle.h"

#include <gtest/gtest.h>

namespace {

DNDVDNodePtr nodeWithSelection(QList<bool> selected)
{
    QList<DNDVDTitlePtr> titles;
    for (int i = 0; i < selected.size(); ++i) {
        auto t = std::make_shared<DNDVDTitle>();
        t->setIndex(i);
        t->setLength(100);
        t->setIsSelected(selected[i]);
        titles.append(t);
    }
    return DNDVDNode::dvdNodeWithData(titles, NXDVDSourceInfo::sourceInfoWithPath(QStringLiteral("/m/Film.iso")));
}

} // namespace

TEST(DVDGroupTitle, OnlyForNodesThatMerge)
{
    const auto node = nodeWithSelection({true, true});
    EXPECT_EQ(DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node), nullptr);
    EXPECT_EQ(DNDVDGroupTitle::dvdGroupTitleWithDVDNode(nullptr), nullptr);
}

TEST(DVDGroupTitle, HoldsTheSelectedTitlesThemselves)
{
    const struct { QList<bool> selected; QList<int> members; } cases[] = {
        {{true, false, true, true}, {0, 2, 3}},
        {{false, false}, {}},
        {{false, true}, {1}},
    };
    for (const auto &c : cases) {
        const auto node = nodeWithSelection(c.selected);
        node->setMergeIntoOne(true);
        node->setTitleSelected(1);
        const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
        ASSERT_TRUE(group);
        EXPECT_EQ(group->mediaType(), NXMediaTypeDVDGroupTitle);
        EXPECT_TRUE(group->mergeIntoOne());
        EXPECT_EQ(group->originalDVDNode(), node.get());
        EXPECT_EQ(group->sourceInfo(), node->sourceInfo());
        EXPECT_EQ(group->nodeInfo(), node->nodeInfo()); // the same record, not a copy
        EXPECT_EQ(group->titleSelected(), 1);
        ASSERT_EQ(group->titleCount(), c.members.size());
        for (int i = 0; i < c.members.size(); ++i) {
            EXPECT_EQ(group->titleAt(i), node->titleAt(c.members[i]));
            EXPECT_EQ(group->titleAt(i)->parent(), node.get());
        }
    }
}

TEST(DVDGroupTitle, EditsThroughTheBaseItemReachTheGroup)
{
    const auto node = nodeWithSelection({true, false, true, true});
    node->setMergeIntoOne(true);
    auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
    node->setTitleSelected(2);
    node->setTrimStartTime(25);
    EXPECT_FLOAT_EQ(group->titleAt(1)->setting()->trimStartPercent(), 0.25f);
    group.reset(); // the shared titles stay with the base item
    EXPECT_EQ(node->titleCount(), 4);
    EXPECT_EQ(node->titleAt(2)->parent(), node.get());
}
