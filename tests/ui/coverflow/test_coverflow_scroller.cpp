// The cover flow's scroller: one position per item, the knob's size and place, the parts a click
// can hit, and what it draws.
#include "coverflow_test_support.h"

#include "ui/coverflow/MBCoverFlowScroller.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The scroller drawn over clear pixels.
QImage drawn(MBCoverFlowScroller &scroller)
{
    QImage image(scroller.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    scroller.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(CoverFlowScroller, KnobSizeAndPlaceFollowTheIncrements)
{
    uitest::app();
    MBCoverFlowScroller scroller(QRect(0, 0, 400, 16));
    scroller.setNumberOfIncrements(4);
    EXPECT_DOUBLE_EQ(scroller.knobProportion(), 0.2);
    scroller.setIntegerValue(2);
    const QRectF knob = scroller.rectForPart(MBCoverFlowScroller::Knob);
    // max(30, 0.2 x 358) wide, from 21 + 2 x (358 - 71.6) / 4.
    EXPECT_NEAR(knob.width(), 71.6, 1e-9);
    EXPECT_NEAR(knob.x(), 164.2, 1e-9);

    scroller.setIntegerValue(3);
    EXPECT_NEAR(scroller.doubleValue(), 0.76, 1e-9);
    EXPECT_EQ(scroller.integerValue(), 3);
    // The last position stays on the track.
    scroller.setIntegerValue(4);
    EXPECT_EQ(scroller.integerValue(), 4);
    EXPECT_DOUBLE_EQ(scroller.doubleValue(), 1.0);

    EXPECT_EQ(scroller.rectForPart(MBCoverFlowScroller::KnobSlot), QRectF(15, 0, 370, 16));
    EXPECT_EQ(scroller.rectForPart(MBCoverFlowScroller::DecrementLine), QRectF(0, 0, 30, 16));
    EXPECT_EQ(scroller.rectForPart(MBCoverFlowScroller::IncrementLine), QRectF(370, 0, 30, 16));
    EXPECT_EQ(scroller.rectForPart(99), QRectF());
}

TEST(CoverFlowScroller, NothingIsDrawnWithoutIncrements)
{
    uitest::app();
    MBCoverFlowScroller scroller(QRect(0, 0, 400, 16));
    scroller.setNumberOfIncrements(0);
    EXPECT_DOUBLE_EQ(scroller.knobProportion(), 1.0);
    scroller.setIntegerValue(0);
    EXPECT_EQ(scroller.integerValue(), 0);
    const QImage image = drawn(scroller);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << x << "," << y;
}

TEST(CoverFlowScroller, ClicksHitArrowsAndKnobButNotTheSlot)
{
    uitest::app();
    QWidget window;
    window.resize(400, 16);
    auto *scroller = new MBCoverFlowScroller(QRect(0, 0, 400, 16), &window);
    scroller->setNumberOfIncrements(4);
    scroller->setIntegerValue(2);
    window.show();
    QSignalSpy actions(scroller, &MBCoverFlowScroller::action);

    const struct
    {
        QPoint at;
        int part;
    } cases[] = {
        {{3, 8}, MBCoverFlowScroller::DecrementLine},
        {{396, 8}, MBCoverFlowScroller::IncrementLine},
        {{200, 8}, MBCoverFlowScroller::Knob},
        // Between the left arrow and the knob, and in the right arrow's cut-out.
        {{100, 8}, MBCoverFlowScroller::NoPart},
        {{373, 8}, MBCoverFlowScroller::NoPart},
    };
    for (const auto &c : cases)
        EXPECT_EQ(scroller->testPart(c.at), c.part) << c.at.x();

    QTest::mouseClick(scroller, Qt::LeftButton, {}, QPoint(100, 8));
    EXPECT_EQ(actions.count(), 0);

    // An arrow is drawn lit only while it is held: compare the two arrows' bodies.
    auto brightness = [&](int x) { return qGray(drawn(*scroller).pixel(x, 12)); };
    const int plain = brightness(20);
    QTest::mousePress(scroller, Qt::LeftButton, {}, QPoint(3, 8));
    EXPECT_EQ(scroller->hitPart(), MBCoverFlowScroller::DecrementLine);
    EXPECT_EQ(actions.count(), 1);
    EXPECT_GT(brightness(20), plain + 40);
    EXPECT_EQ(brightness(380), plain);
    QTest::mouseRelease(scroller, Qt::LeftButton, {}, QPoint(3, 8));
    EXPECT_EQ(scroller->hitPart(), MBCoverFlowScroller::NoPart);
    EXPECT_EQ(brightness(20), plain);
    uitest::savePicture(&window, QStringLiteral("coverflow"), QStringLiteral("scroller"));
}

} // namespace
