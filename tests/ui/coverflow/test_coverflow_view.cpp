// The cover-flow view: item size and layout, content changes, where pictures come from, the
// selection by keys, clicks, wheel and scroller, and the slide.
#include "coverflow_test_support.h"

#include "ui/coverflow/MBCoverFlowGeometry.h"
#include "ui/coverflow/MBCoverFlowScroller.h"
#include "ui/coverflow/MBCoverFlowView.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using coverflowtest::entries;
using coverflowtest::numbered;

namespace {

// An item whose picture may change: the view watches its "image" property.
class Cover : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
public:
    explicit Cover(const QImage &image) : image_(image) {}
    QImage image() const { return image_; }
    void setImage(const QImage &image)
    {
        image_ = image;
        Q_EMIT imageChanged();
    }
Q_SIGNALS:
    void imageChanged();

private:
    QImage image_;
};

struct Flow
{
    bool ready = (uitest::app(), true);
    QWidget window;
    MBCoverFlowView *view = nullptr;

    explicit Flow(QSize size = QSize(600, 240), int count = 0)
    {
        MBCoverFlowView::setAnimationDurationMs(0);
        window.resize(size);
        view = new MBCoverFlowView(QRect(QPoint(0, 0), size), &window);
        view->setImageKeyPath(QStringLiteral("image"));
        if (count > 0)
            view->setContent(entries(count));
        window.show();
    }
    void wheel(QPoint angle)
    {
        const QPointF at(view->width() / 2.0, view->height() / 2.0);
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
};

TEST(CoverFlowView, ItemsTakeTwoThirdsOfTheHeightInTheBaseProportion)
{
    Flow f(QSize(300, 150));
    EXPECT_EQ(f.view->itemSize(), QSizeF(140, 100));
    f.view->setShowsScrollbar(true);
    // The scroller and its margin are taken off: 150 - 32 - 50.
    EXPECT_EQ(f.view->itemSize(), QSizeF(95, 68));
    EXPECT_EQ(f.view->scroller()->geometry(), QRect(80, 134, 140, 16));
    f.view->setAutoresizesItems(false);
    f.view->setItemSize(QSizeF(0, -3));
    EXPECT_EQ(f.view->itemSize(), QSizeF(35, 25));

    // The selected item stands in the middle; the others turn away, nearest first.
    using namespace MBCoverFlowGeometry;
    const QSizeF item(140, 100);
    const Placement selected = placement(2, 2, 280, 5, item);
    EXPECT_DOUBLE_EQ(selected.angle, 0.0);
    EXPECT_DOUBLE_EQ(selected.imageZ, 100.0);
    EXPECT_DOUBLE_EQ(selectedItemPosition(2, 280, 5, item) + 140 - selected.frame.center().x(), 0.0);
    const Placement right = placement(4, 2, 280, 5, item);
    EXPECT_DOUBLE_EQ(right.angle, kSideAngle);
    EXPECT_DOUBLE_EQ(right.itemZ, -0.2);
    EXPECT_DOUBLE_EQ(placement(0, 2, 280, 5, item).angle, -kSideAngle);
    EXPECT_EQ(right.frame.y(), 100.0);
}

TEST(CoverFlowView, ContentChangesKeepWhatStays)
{
    Flow f(QSize(600, 240), 3);
    QSignalSpy selection(f.view, &MBCoverFlowView::selectionIndexChanged);
    const QImage kept = f.view->itemImage(0);
    f.view->setContent(f.view->content());
    EXPECT_EQ(f.view->itemImage(0).cacheKey(), kept.cacheKey());

    // One object replaced: only its item is loaded; one without a picture shows the placeholder.
    QVariantList changed = f.view->content();
    changed[1] = QVariantMap{{QStringLiteral("name"), QStringLiteral("no picture")}};
    f.view->setContent(changed);
    EXPECT_EQ(f.view->itemImage(0).cacheKey(), kept.cacheKey());
    EXPECT_FALSE(f.view->itemHasImage(1));
    EXPECT_TRUE(f.view->itemHasImage(2));

    // A shorter content keeps the selection inside it.
    f.view->setSelectionIndex(2);
    f.view->setContent(changed.mid(0, 2));
    EXPECT_EQ(f.view->selectionIndex(), 1);
    EXPECT_EQ(selection.count(), 2);

    f.view->setContent({});
    EXPECT_EQ(f.view->scroller()->numberOfIncrements(), 0u);
    EXPECT_FALSE(f.view->selectedObject().isValid());
}

TEST(CoverFlowView, PicturesComeFromTheKeyPath)
{
    Flow f;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    numbered(7).save(&buffer, "PNG");
    Cover a(numbered(1));
    Cover b(numbered(2));
    f.view->setContent({QVariantMap{{QStringLiteral("image"), png}}, QVariantMap{{QStringLiteral("image"), 5}},
                        QVariant::fromValue<QObject *>(&a), QVariant::fromValue<QObject *>(&b)});
    // Data is decoded; a value that is no picture leaves the placeholder.
    EXPECT_EQ(f.view->itemImage(0).pixel(5, 5), numbered(7).pixel(5, 5));
    EXPECT_FALSE(f.view->itemHasImage(1));
    // A watched item that changes its picture is loaded again, the others are not.
    const qint64 before = f.view->itemImage(3).cacheKey();
    a.setImage(numbered(9));
    EXPECT_EQ(f.view->itemImage(2).pixel(5, 5), numbered(9).pixel(5, 5));
    EXPECT_EQ(f.view->itemImage(3).cacheKey(), before);

    // Another key path: nothing has it, every item shows the placeholder.
    f.view->setImageKeyPath(QStringLiteral("cover.image"));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(f.view->itemHasImage(i)) << i;
    EXPECT_FALSE(f.view->placeholder().isNull());
}

TEST(CoverFlowView, KeysStopAtEitherEnd)
{
    Flow f(QSize(600, 240), 3);
    QTest::keyClick(f.view, Qt::Key_Left);
    EXPECT_EQ(f.view->selectionIndex(), 0);
    QTest::keyClick(f.view, Qt::Key_Right);
    QTest::keyClick(f.view, Qt::Key_Right);
    QTest::keyClick(f.view, Qt::Key_Right);
    EXPECT_EQ(f.view->selectionIndex(), 2);
    EXPECT_EQ(f.view->scroller()->integerValue(), 2);

    // Return sends the action (when there is one).
    int actions = 0;
    f.view->setAction([&](MBCoverFlowView *) { ++actions; });
    QTest::keyClick(f.view, Qt::Key_Return);
    EXPECT_EQ(actions, 1);
}

TEST(CoverFlowView, ASelectionSlidesLongerWithShift)
{
    Flow f(QSize(600, 240), 5);
    MBCoverFlowView::setAnimationDurationMs(700);
    QTest::keyClick(f.view, Qt::Key_Right);
    EXPECT_TRUE(f.view->isAnimating());
    EXPECT_EQ(f.view->slideDurationMs(), 700);
    QTest::keyClick(f.view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(f.view->slideDurationMs(), 2100);
    EXPECT_EQ(f.view->selectionIndex(), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.view->isAnimating(); }, 60000));
    MBCoverFlowView::setAnimationDurationMs(0);
}

TEST(CoverFlowView, ClicksChooseTheItemUnderThePointer)
{
    Flow f(QSize(600, 240), 5);
    const QRectF middle = f.view->rectForItemAtIndex(0);
    const QRectF second = f.view->rectForItemAtIndex(1);
    EXPECT_TRUE(f.view->rect().contains(middle.center().toPoint()));
    // The turned item is narrower than the one facing the viewer.
    EXPECT_LT(second.width(), middle.width());
    EXPECT_EQ(f.view->indexOfItemAtPoint(QPointF(2, 2)), -1);
    EXPECT_EQ(f.view->rectForItemAtIndex(9), QRectF());

    // A click outside every item changes nothing.
    QTest::mouseClick(f.view, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(f.view->selectionIndex(), 0);
    QTest::mouseClick(f.view, Qt::LeftButton, {}, QPoint(int(second.right()) - 3, int(second.center().y())));
    EXPECT_EQ(f.view->selectionIndex(), 1);

    // A double click sends the action first, then selects.
    QList<int> seen;
    f.view->setAction([&](MBCoverFlowView *view) { seen << view->selectionIndex(); });
    const QRectF third = f.view->rectForItemAtIndex(2);
    QTest::mouseDClick(f.view, Qt::LeftButton, {}, QPoint(int(third.right()) - 3, int(third.center().y())));
    EXPECT_EQ(seen, QList<int>{1});
    EXPECT_EQ(f.view->selectionIndex(), 2);

    // With one item, a click never changes the selection.
    f.view->setContent(entries(1));
    QTest::mouseClick(f.view, Qt::LeftButton, {}, f.view->rectForItemAtIndex(0).center().toPoint());
    EXPECT_EQ(f.view->selectionIndex(), 0);
}

TEST(CoverFlowView, WheelStepsAndPassesOnAtTheEnds)
{
    Flow f(QSize(600, 240), 3);
    f.wheel(QPoint(0, -120));
    EXPECT_EQ(f.view->selectionIndex(), 1);
    // Half notches add up.
    f.wheel(QPoint(-60, 0));
    EXPECT_EQ(f.view->selectionIndex(), 1);
    f.wheel(QPoint(-60, 0));
    EXPECT_EQ(f.view->selectionIndex(), 2);
    QWheelEvent past(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.view, &past);
    EXPECT_FALSE(past.isAccepted());
    f.wheel(QPoint(0, 240));
    EXPECT_EQ(f.view->selectionIndex(), 0);
}

TEST(CoverFlowView, ABindingTakesTheUsersChoice)
{
    Flow f(QSize(600, 240), 4);
    QList<int> written;
    f.view->bindSelectionIndex([&](int index) { written << index; });
    QTest::keyClick(f.view, Qt::Key_Right);
    EXPECT_EQ(written, QList<int>{1});
    EXPECT_EQ(f.view->selectionIndex(), 0);
    f.view->setSelectedObject(f.view->content().at(3));
    EXPECT_EQ(written, (QList<int>{1, 3}));
}

} // namespace

#include "test_coverflow_view.moc"
