// File groups in the media list: merging files into a new or an existing group, the group row
// with its cover flow, removing members, collapsing and ungrouping.
#include "medialist_test_support.h"

#include "../coverflow/coverflow_test_support.h"

#include "dvd/file/DNFileGroupNode.h"
#include "core/platform/DNBundle.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNPlainText.h"
#include "ui/coverflow/MBCoverFlowView.h"
#include "ui/medialist/DNCellBackground.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/medialist/DNGroupCell.h"

#include <QLabel>
#include <QTest>

using namespace medialisttest;

namespace {

struct Groups : BasicListFixture<FileRowsDelegate>
{
    QList<std::shared_ptr<DNFileNode>> files;

    explicit Groups(int count, bool thumbnails = true) : BasicListFixture(QSize(640, 900))
    {
        MBCoverFlowView::setAnimationDurationMs(0);
        for (int i = 0; i < count; ++i) {
            auto file = makeFile(QStringLiteral("/m/clip%1.mp4").arg(i + 1));
            file->initializeConfigOnDidLoadVideoInfo();
            if (thumbnails)
                file->setThumbnail(coverflowtest::numbered(i + 1));
            files << file;
            table->addMovieNode(file);
        }
    }
    DNGroupCell *groupRow(int main) const { return qobject_cast<DNGroupCell *>(row(main)); }
    NXMediaNodeList nodes(std::initializer_list<int> indexes) const
    {
        NXMediaNodeList list;
        for (int i : indexes)
            list << files.at(i);
        return list;
    }
    // The group row's cover flow receives its pictures on the next pass of the event loop.
    QVariantList coverFlowNames(int main)
    {
        QApplication::processEvents();
        QVariantList names;
        for (const QVariant &entry : groupRow(main)->iconsContainer()->content())
            names << entry.toMap().value(QStringLiteral("name"));
        return names;
    }
};

TEST(GroupRows, MergingFilesMakesAGroupRowWithItsMembers)
{
    Groups g(4);
    g.table->cellSelected(g.row(1), false);
    g.table->cellSelected(g.row(3), true);
    Posts selection(kSelection);

    g.table->mergeMovieNodes(g.nodes({1, 3, 2}));

    ASSERT_EQ(g.table->dataSource().size(), 2);
    EXPECT_EQ(g.table->dataSource().first(), g.files[0]);
    const auto group = std::dynamic_pointer_cast<DNFileGroupNode>(g.table->dataSource().at(1));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->mediaType(), int(NXMediaTypeFileGroup));
    EXPECT_EQ(group->children(), g.nodes({1, 3, 2}));
    EXPECT_EQ(g.table->tableMediaType(), 2);
    DNGroupCell *row = g.groupRow(1);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->geometry(), QRect(0, 115, g.table->viewport()->width(), 115));
    // The members are indented rows of 85 beneath it, in the merge order.
    int y = 230;
    for (int child = 0; child < 3; ++child) {
        DNCell *member = g.row(1, child);
        ASSERT_TRUE(member);
        EXPECT_EQ(member->type(), 1);
        EXPECT_EQ(member->y(), y) << child;
        EXPECT_EQ(member->height(), 85);
        EXPECT_EQ(group->children().at(child)->mediaType(), int(NXMediaTypeFileGroupMember));
        EXPECT_EQ(group->children().at(child)->parent(), group.get());
        y += 85;
    }
    // The selection is emptied without a notification.
    EXPECT_TRUE(g.table->viewSelectedCell().isEmpty());
    EXPECT_TRUE(selection.objects.isEmpty());
    EXPECT_EQ(g.coverFlowNames(1), (QVariantList{"clip2.mp4", "clip4.mp4", "clip3.mp4"}));
    // The first member's file name; with a profile, its suffix in place of the extension, as
    // the joined file will be named.
    EXPECT_EQ(row->trackNameOutput()->text(), QStringLiteral("clip2.mp4"));
    group->setProfile(DNProfile::parserFromContentOfFile(
        DNBundle::pathForResource(QStringLiteral("profiles/Video/Video_MKV.plist"))));
    row->updateCellContent();
    EXPECT_EQ(row->trackNameOutput()->text(), QStringLiteral("clip2.mkv"));
    EXPECT_TRUE(DNElidedFullText(row->profileName()).startsWith(QStringLiteral("Target format: ")));

    // Members join the members' kind; a plain file does not.
    g.table->cellSelected(g.row(1, 0), false);
    g.table->cellSelected(g.row(1, 2), true);
    EXPECT_EQ(g.table->viewSelectedType(), int(NXMediaTableView::KindGroupMembers));
    g.table->cellSelected(g.row(0), true);
    EXPECT_EQ(g.table->viewSelectedCell().size(), 2);
    uitest::savePicture(&g.window, QStringLiteral("medialist"), QStringLiteral("group_row"));
}

TEST(GroupRows, MergingIntoAGroupMovesOnlyPlainFiles)
{
    Groups g(5);
    g.table->mergeMovieNodes(g.nodes({0, 1}));
    auto other = DNFileGroupNode::fileGroupNodeWithNodes({makeFile(QStringLiteral("/m/x.mp4")),
                                                          makeFile(QStringLiteral("/m/y.mp4"))});
    g.table->addMovieNode(other);
    // [group(0,1), 2, 3, 4, other]: the other group and a file not in the list stay out.
    auto stranger = makeFile(QStringLiteral("/m/stranger.mp4"));
    g.table->mergeMovieNodes({g.files[3], other, g.files[2], stranger}, NXMediaPath(0, -1));

    const NXMediaNodePtr group = g.table->dataSource().first();
    EXPECT_EQ(group->children(), g.nodes({0, 1, 3, 2}));
    EXPECT_EQ(g.table->dataSource(), (NXMediaNodeList{group, g.files[4], other}));
    EXPECT_EQ(g.row(0, 3)->type(), 1);
    EXPECT_EQ(g.files[3]->parent(), group.get());
    EXPECT_EQ(g.coverFlowNames(0), (QVariantList{"clip1.mp4", "clip2.mp4", "clip4.mp4", "clip3.mp4"}));

    // A path that names no group changes nothing.
    g.table->mergeMovieNodes({g.files[4]}, NXMediaPath(1, -1));
    g.table->mergeMovieNodes({g.files[4]}, NXMediaPath(7, -1));
    EXPECT_EQ(g.table->dataSource().size(), 3);
}

TEST(GroupRows, RemovingMembersKeepsOrDissolvesTheGroup)
{
    Groups g(4);
    g.table->mergeMovieNodes(g.nodes({0, 1, 2}));
    const NXMediaNodePtr group = g.table->dataSource().first();

    // Three members less one: the group stays and shows the two left.
    g.table->removeChildNodeAtPaths({NXMediaPath(0, 1)});
    EXPECT_EQ(group->children(), g.nodes({0, 2}));
    EXPECT_EQ(g.files[1]->dataView(), nullptr);
    EXPECT_EQ(g.coverFlowNames(0), (QVariantList{"clip1.mp4", "clip3.mp4"}));

    // Two less one: the last member takes the group's place as a file row of its own.
    g.table->removeChildNodeAtPaths({NXMediaPath(0, 0)});
    EXPECT_EQ(g.table->dataSource(), g.nodes({2, 3}));
    EXPECT_EQ(g.files[2]->mediaType(), int(NXMediaTypeFile));
    EXPECT_EQ(g.files[2]->parent(), nullptr);
    EXPECT_EQ(g.row(0)->type(), 0);
    EXPECT_EQ(g.row(0)->geometry(), QRect(0, 0, g.table->viewport()->width(), 115));
    EXPECT_EQ(group->dataView(), nullptr);

    // Every member at once: the group goes too.
    g.table->mergeMovieNodes(g.nodes({2, 3}));
    g.table->removeChildNodeAtPaths({NXMediaPath(0, 0), NXMediaPath(0, 1)});
    EXPECT_TRUE(g.table->dataSource().isEmpty());
}

TEST(GroupRows, UngroupingPutsTheMembersBackInOrder)
{
    Groups g(4);
    g.table->mergeMovieNodes(g.nodes({1, 2, 3}));
    const NXMediaNodePtr group = g.table->dataSource().at(1);
    g.table->hiddenGroupChildrenAtMoviePath(NXMediaPath(1, -1));
    EXPECT_FALSE(g.groupRow(1)->isOpenup());
    EXPECT_TRUE(g.row(1, 0)->isHidden());
    g.table->cellSelected(g.row(1, 0), false);
    g.table->cellSelected(g.row(1, 1), true);
    Posts selection(kSelection);

    // The group row's remove request dissolves the group.
    g.groupRow(1)->onRemoveCell();

    EXPECT_EQ(g.table->dataSource(), g.nodes({0, 1, 2, 3}));
    EXPECT_EQ(group->dataView(), nullptr);
    for (int main = 1; main < 4; ++main) {
        DNCell *row = g.row(main);
        ASSERT_TRUE(row);
        EXPECT_FALSE(row->isHidden()) << main;
        EXPECT_EQ(row->type(), 0);
        EXPECT_EQ(row->y(), main * 115);
        EXPECT_EQ(g.files[main]->mediaType(), int(NXMediaTypeFile));
    }
    // The members that were selected are files now.
    EXPECT_EQ(g.table->viewSelectedType(), int(NXMediaTableView::KindFiles));
    EXPECT_EQ(selection.bools(), QList<bool>{true});
    EXPECT_EQ(g.table->viewSelectedCell().size(), 2);

    // A member's request does not dissolve its group.
    g.table->mergeMovieNodes(g.nodes({0, 1}));
    g.table->cellUpGroup(g.row(0, 1));
    EXPECT_EQ(g.table->dataSource().size(), 3);
}

TEST(GroupRows, GroupRowWaitsForEveryThumbnail)
{
    Groups g(3, false);
    g.table->mergeMovieNodes(g.nodes({0, 1, 2}));
    DNGroupCell *row = g.groupRow(0);
    ASSERT_TRUE(row);
    EXPECT_TRUE(g.coverFlowNames(0).isEmpty());
    EXPECT_TRUE(row->isRetryingIcons());

    // One picture is not enough for the strip.
    g.files[0]->setThumbnail(coverflowtest::numbered(1));
    row->updateGroupIcons();
    EXPECT_TRUE(g.coverFlowNames(0).isEmpty());
    EXPECT_TRUE(row->isRetryingIcons());

    g.files[2]->setThumbnail(coverflowtest::numbered(3));
    row->updateGroupIcons();
    EXPECT_EQ(g.coverFlowNames(0), (QVariantList{"clip1.mp4", "clip3.mp4"}));
    EXPECT_TRUE(row->isRetryingIcons());

    // The last picture arrives; the retry a second later shows all and stops trying.
    g.files[1]->setThumbnail(coverflowtest::numbered(2));
    ASSERT_TRUE(uitest::waitFor([&] { return g.coverFlowNames(0).size() == 3; }, 60000));
    EXPECT_FALSE(row->isRetryingIcons());
}

TEST(GroupRows, GroupRowRequestsAndLooks)
{
    Groups g(4);
    g.table->mergeMovieNodes(g.nodes({0, 1, 2}));
    DNGroupCell *row = g.groupRow(0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->createCellMenu(), nullptr);

    // The expand button selects the row first, then hides the members.
    QTest::mouseClick(row->openupButton(), Qt::LeftButton);
    EXPECT_EQ(row->state(), int(DNCell::StateSelected));
    EXPECT_FALSE(row->isOpenup());
    EXPECT_TRUE(g.row(0, 0)->isHidden());
    QTest::mouseClick(row->openupButton(), Qt::LeftButton);
    EXPECT_TRUE(row->isOpenup());
    EXPECT_FALSE(g.row(0, 2)->isHidden());

    // The toolbar: tags through the rename button, information and edit for the selection.
    QTest::mouseClick(row->toolbarContainer()->renameButton(), Qt::LeftButton);
    QTest::mouseClick(row->toolbarContainer()->infoButton(), Qt::LeftButton);
    QTest::mouseClick(row->toolbarContainer()->editButton(), Qt::LeftButton);
    EXPECT_EQ(g.delegate.requests, (QStringList{"tag 0,-1", "info", "edit"}));
    g.table->onMergeCell();
    EXPECT_EQ(g.delegate.requests.last(), QStringLiteral("merge"));

    // An edited output name is kept with the profile's extension.
    row->trackNameOutput()->setText(QStringLiteral("Holiday"));
    row->onGroupOutputNameDidChanged();
    const auto group = std::dynamic_pointer_cast<DNFileGroupNode>(g.table->dataSource().first());
    EXPECT_EQ(group->nodeInfo()->outputName(), row->trackNameOutput()->text());
    EXPECT_TRUE(row->trackNameOutput()->text().startsWith(QStringLiteral("Holiday")));

    // Hover and selection choose the background; the rename button lights up on hover.
    row->onDNNotificationScrollWheel(row->mapToGlobal(QPoint(300, 50)));
    EXPECT_EQ(row->imageIndex(), 1);
    EXPECT_EQ(row->toolbarContainer()->renameButton()->normalImage().cacheKey(),
              DNImageNamed(QStringLiteral("toolbar_rename_on.png")).cacheKey());
    g.table->cellSelected(g.row(1), false);
    EXPECT_EQ(row->imageIndex(), 2);
    row->onDNNotificationScrollWheel(row->mapToGlobal(QPoint(-50, -50)));
    EXPECT_EQ(row->imageIndex(), 4);
    const QList<QRectF> slices = DNCellBackgroundSlices(QRect(0, 0, 595, 115));
    EXPECT_EQ(slices.at(1), QRectF(20, 2, 555, 111));
    EXPECT_EQ(slices.at(2), QRectF(575, 2, 20, 111));
}

TEST(GroupRows, ChoosingInTheCoverFlowSelectsTheMemberRow)
{
    Groups g(4);
    g.table->mergeMovieNodes(g.nodes({0, 1, 2, 3}));
    DNGroupCell *row = g.groupRow(0);
    MBCoverFlowView *flow = row->iconsContainer();
    ASSERT_EQ(g.coverFlowNames(0).size(), 4);
    Posts selection(kSelection);

    const QRectF second = flow->rectForItemAtIndex(1);
    QTest::mouseClick(flow, Qt::LeftButton, {}, QPoint(int(second.right()) - 2, int(second.center().y())));
    EXPECT_EQ(flow->selectionIndex(), 1);
    EXPECT_EQ(g.table->viewSelectedNodes(), g.nodes({1}));
    EXPECT_EQ(g.table->viewSelectedType(), int(NXMediaTableView::KindGroupMembers));
    QTest::keyClick(flow, Qt::Key_Right);
    EXPECT_EQ(g.table->viewSelectedNodes(), g.nodes({2}));
    EXPECT_EQ(selection.bools(), (QList<bool>{true, true}));
}

} // namespace
