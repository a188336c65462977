// Thirty authored clips loaded as the file road loads them, merged into one group: the group
// row's cover flow shows their real thumbnails, choosing in it selects in the list, and a cover
// flow of the same pictures moves with its scroller, the wheel and the keys.
#include "../medialist/medialist_test_support.h"

#include "convert/files/DNCaptureController.h"
#include "convert/files/DNMediaFileProbe.h"
#include "support/paths.h"
#include "ui/coverflow/MBCoverFlowScroller.h"
#include "ui/coverflow/MBCoverFlowView.h"
#include "ui/medialist/DNGroupCell.h"

#include <QTest>
#include <QWheelEvent>

using namespace medialisttest;

namespace {

constexpr int kItems = 30;

// The clip's own colour in the middle of a side strip of its picture (away from the number).
QColor colourOf(const QImage &image)
{
    return image.pixelColor(8, image.height() / 2);
}

TEST(CoverFlowRealList, ThirtyThumbnailsScrollAndSelect)
{
    BasicListFixture<FileRowsDelegate> list(QSize(700, 760));
    MBCoverFlowView::setAnimationDurationMs(0);
    NXMediaTableView *table = list.table;

    NXMediaNodeList files;
    for (int i = 1; i <= kItems; ++i) {
        const QString path =
            testsupport::fixturePath(QStringLiteral("coverflow/item%1.mp4").arg(i, 2, 10, QLatin1Char('0')));
        QString error;
        DNFileNodePtr file = fileNodeWithFile(path, true, &error);
        ASSERT_TRUE(file) << error.toStdString();
        files << file;
        table->addMovieNode(file);
    }
    table->mergeMovieNodes(files);
    auto *row = qobject_cast<DNGroupCell *>(table->cellAtPath(NXMediaPath(0, -1)));
    ASSERT_TRUE(row);
    MBCoverFlowView *strip = row->iconsContainer();
    // The thumbnails come over a while; the row looks again every second until it has them all.
    ASSERT_TRUE(uitest::waitFor([&] { return strip->content().size() == kItems && !row->isRetryingIcons(); }));
    for (int i = 0; i < kItems; ++i)
        ASSERT_TRUE(strip->itemHasImage(i)) << i;
    // Each picture is its own clip's: the colours turn from one clip to the next.
    EXPECT_NE(colourOf(strip->itemImage(0)), colourOf(strip->itemImage(1)));
    EXPECT_EQ(strip->content().at(6).toMap().value(QStringLiteral("name")).toString(), QStringLiteral("item07.mp4"));

    // Choosing in the row's cover flow selects that member in the list.
    QTest::keyClick(strip, Qt::Key_Right);
    QTest::keyClick(strip, Qt::Key_Right);
    EXPECT_EQ(strip->selectionIndex(), 2);
    EXPECT_EQ(table->viewSelectedNodes(), NXMediaNodeList{files.at(2)});
    uitest::savePicture(&list.window, QStringLiteral("coverflow"), QStringLiteral("group_of_thirty"));

    // The same pictures in a larger cover flow with its scroller.
    QWidget stage;
    stage.resize(760, 300);
    auto *flow = new MBCoverFlowView(QRect(0, 0, 760, 300), &stage);
    flow->setImageKeyPath(QStringLiteral("image"));
    flow->setShowsScrollbar(true);
    flow->setContent(row->previewIcons());
    stage.show();
    MBCoverFlowScroller *scroller = flow->scroller();
    EXPECT_EQ(scroller->numberOfIncrements(), unsigned(kItems - 1));

    const QPoint rightArrow(scroller->width() - 4, 8);
    QTest::mousePress(scroller, Qt::LeftButton, {}, rightArrow);
    QTest::mouseRelease(scroller, Qt::LeftButton, {}, rightArrow);
    EXPECT_EQ(flow->selectionIndex(), 1);
    // The knob dragged to the far end shows the last item.
    const QPoint knob = scroller->rectForPart(MBCoverFlowScroller::Knob).center().toPoint();
    QTest::mousePress(scroller, Qt::LeftButton, {}, knob);
    QTest::mouseMove(scroller, QPoint(scroller->width() - 25, 8));
    QTest::mouseRelease(scroller, Qt::LeftButton, {}, QPoint(scroller->width() - 25, 8));
    EXPECT_EQ(flow->selectionIndex(), kItems - 1);
    EXPECT_EQ(scroller->integerValue(), kItems - 1);
    // ... and half way back.
    const QPoint end = scroller->rectForPart(MBCoverFlowScroller::Knob).center().toPoint();
    QTest::mousePress(scroller, Qt::LeftButton, {}, end);
    QTest::mouseMove(scroller, QPoint(scroller->width() / 2, 8));
    QTest::mouseRelease(scroller, Qt::LeftButton, {}, QPoint(scroller->width() / 2, 8));
    EXPECT_NEAR(flow->selectionIndex(), kItems / 2, 1);

    flow->setSelectionIndex(14);
    const QPointF centre(flow->width() / 2.0, 100);
    QWheelEvent back(centre, flow->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(flow, &back);
    EXPECT_EQ(flow->selectionIndex(), 13);
    QTest::keyClick(flow, Qt::Key_Right);
    QTest::keyClick(flow, Qt::Key_Right);
    EXPECT_EQ(flow->selectionIndex(), 15);
    EXPECT_EQ(scroller->integerValue(), 15);
    // The middle of the view shows the selected clip's picture.
    const QImage shot = flow->grab().toImage();
    const QRectF middle = flow->rectForItemAtIndex(15);
    EXPECT_EQ(colourOf(shot.copy(middle.toRect())), colourOf(flow->itemImage(15).scaled(middle.size().toSize())));
    uitest::savePicture(&stage, QStringLiteral("coverflow"), QStringLiteral("thirty_items"));
}

} // namespace
