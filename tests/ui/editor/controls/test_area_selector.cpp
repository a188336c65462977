// The area selector driven by the mouse: each of the nine hit cells dragged, the lower limit and
// the edges, a box that cannot be edited, the cursors, and the delegate's reports.
#include "editor_controls_support.h"

#include "support/testname.h"
#include "ui/editor/controls/DNAreaGeometry.h"
#include "ui/editor/controls/DNAreaSelector.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using editortest::at;
using uitest::app;

struct Recorder : DNAreaSelectorDelegate
{
    void onAreaSelectDidChanged(DNAreaSelector *sender) override
    {
        senders << sender;
        areas << sender->selectionArea();
    }
    QList<DNAreaSelector *> senders;
    QList<QRectF> areas;
};

// A 300 x 200 selector over a picture, its box at (60, 50, 120, 80).
struct Fixture : editortest::WithApplication
{
    Fixture()
    {
        host.resize(300, 200);
        selector = new DNAreaSelector(QRect(0, 0, 300, 200), &host);
        selector->setFrame(QRect(0, 0, 300, 200));
        selector->setSelectionArea(QRectF(60, 50, 120, 80));
        selector->refreshDragCellPosition();
        selector->setDelegate(&recorder);
        host.show();
    }
    editortest::PictureHost host;
    DNAreaSelector *selector;
    Recorder recorder;
};

struct CellDrag
{
    const char *name;
    int tag;
    QPointF grab; // where the pointer takes the cell, counted from the bottom left
    QRectF expected;
    Qt::CursorShape cursor;
};

class AreaSelectorCells : public ::testing::TestWithParam<CellDrag>
{
};

TEST_P(AreaSelectorCells, DraggingACellChangesItsEdgesAndReportsEveryStep)
{
    const CellDrag &c = GetParam();
    Fixture f;
    DNAreaSelector *s = f.selector;
    ASSERT_NE(s->hitCellTest(c.grab), nullptr);
    EXPECT_EQ(s->hitCellTest(c.grab)->tag(), c.tag);

    // Right by 10 and up by 8, in two steps.
    editortest::press(s, at(*s, c.grab));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), c.cursor);
    editortest::moveTo(s, at(*s, c.grab + QPointF(5, 4)));
    editortest::moveTo(s, at(*s, c.grab + QPointF(10, 8)));
    editortest::release(s, at(*s, c.grab + QPointF(10, 8)));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    EXPECT_EQ(s->selectionArea(), c.expected);
    ASSERT_EQ(f.recorder.senders.size(), 2);
    EXPECT_EQ(f.recorder.senders.front(), s);
    EXPECT_EQ(f.recorder.areas.back(), c.expected);
    // The cells followed the box.
    EXPECT_EQ(s->controlCells().back()->frame(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, AreaSelectorCells,
    ::testing::Values(CellDrag{"TopLeft", 1, {66, 124}, {70, 50, 110, 88}, Qt::BitmapCursor},
                      CellDrag{"TopMiddle", 2, {120, 124}, {60, 50, 120, 88}, Qt::SizeVerCursor},
                      CellDrag{"TopRight", 3, {174, 124}, {60, 50, 130, 88}, Qt::BitmapCursor},
                      CellDrag{"LeftMiddle", 4, {66, 90}, {70, 50, 110, 80}, Qt::SizeHorCursor},
                      CellDrag{"RightMiddle", 5, {174, 90}, {60, 50, 130, 80}, Qt::SizeHorCursor},
                      CellDrag{"BottomLeft", 6, {66, 56}, {70, 58, 110, 72}, Qt::BitmapCursor},
                      CellDrag{"BottomMiddle", 7, {120, 56}, {60, 58, 120, 72}, Qt::SizeVerCursor},
                      CellDrag{"BottomRight", 8, {174, 56}, {60, 58, 130, 72}, Qt::BitmapCursor},
                      CellDrag{"CentreArea", 9, {100, 80}, {70, 58, 120, 80}, Qt::ClosedHandCursor}),
    [](const ::testing::TestParamInfo<CellDrag> &info) { return testsupport::testName(info.param.name); });

TEST(DNAreaSelector, AStepBelowTheLowerLimitKeepsThatAxisAndTheOtherStillMoves)
{
    Fixture f;
    DNAreaSelector *s = f.selector;
    // The top-right handle 95 left (width 25, below 30) and 10 up.
    editortest::drag(s, at(*s, {174, 124}), at(*s, {79, 134}), 1);
    EXPECT_EQ(s->selectionArea(), QRectF(60, 50, 120, 90));
    // The right-middle handle to width 31 is taken, to 29 is not.
    editortest::drag(s, at(*s, {174, 95}), at(*s, {85, 95}), 1);
    EXPECT_EQ(s->selectionArea().width(), 31);
    editortest::drag(s, at(*s, {85, 95}), at(*s, {83, 95}), 1);
    EXPECT_EQ(s->selectionArea().width(), 31);
}

TEST(DNAreaSelector, AMoveThatWouldCrossAnEdgeIsDroppedAndThePointerRunsAhead)
{
    Fixture f;
    DNAreaSelector *s = f.selector;
    s->setSelectionArea(QRectF(5, 50, 120, 80));
    s->refreshDragCellPosition();
    editortest::press(s, at(*s, {60, 90}));
    // 8 left would put the left edge at -3: the step is dropped, the box stays 5 from the edge.
    editortest::moveTo(s, at(*s, {52, 90}));
    EXPECT_EQ(s->selectionArea(), QRectF(5, 50, 120, 80));
    // The next step counts from where the pointer went, not from the box.
    editortest::moveTo(s, at(*s, {55, 90}));
    EXPECT_EQ(s->selectionArea(), QRectF(8, 50, 120, 80));
    // Up to the top edge is taken, past it is not.
    editortest::moveTo(s, at(*s, {55, 160}));
    EXPECT_EQ(s->selectionArea(), QRectF(8, 120, 120, 80));
    editortest::moveTo(s, at(*s, {55, 161}));
    EXPECT_EQ(s->selectionArea(), QRectF(8, 120, 120, 80));
    editortest::release(s, at(*s, {55, 161}));
    // Refused steps are reported too: every step the pointer made.
    EXPECT_EQ(f.recorder.senders.size(), 4);
}

TEST(DNAreaSelector, PressesOutsideEveryCellDoNothingAndHandlesWinOverTheCentre)
{
    Fixture f;
    DNAreaSelector *s = f.selector;
    editortest::drag(s, at(*s, {20, 20}), at(*s, {40, 40}));
    EXPECT_EQ(s->selectionArea(), QRectF(60, 50, 120, 80));
    EXPECT_TRUE(f.recorder.senders.isEmpty());
    // (61, 51) lies in the centre area and in the bottom-left handle: the handle resizes.
    editortest::drag(s, at(*s, {61, 51}), at(*s, {71, 51}), 1);
    EXPECT_EQ(s->selectionArea(), QRectF(70, 50, 110, 80));
}

TEST(DNAreaSelector, ABoxThatCannotBeEditedIgnoresTheMouseAndDrawsOnlyItsOutline)
{
    Fixture f;
    DNAreaSelector *s = f.selector;
    const QImage editable = s->grab().toImage();
    s->setEditabled(false);
    editortest::drag(s, at(*s, {100, 80}), at(*s, {130, 100}));
    EXPECT_EQ(s->selectionArea(), QRectF(60, 50, 120, 80));
    EXPECT_TRUE(f.recorder.senders.isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The bottom-right handle's white square is gone; the darkening around the box stays.
    const QPoint handle = at(*s, {174, 56}).toPoint();
    const QImage plain = s->grab().toImage();
    EXPECT_EQ(editable.pixelColor(handle), QColor(Qt::white));
    EXPECT_NE(plain.pixelColor(handle), QColor(Qt::white));
    EXPECT_EQ(plain.pixelColor(10, 10).alpha(), editable.pixelColor(10, 10).alpha());
    EXPECT_GT(plain.pixelColor(10, 10).alpha(), 150);
}

TEST(DNAreaSelector, NothingCanBeHitBeforeTheCellsAreLaidOut)
{
    app();
    DNAreaSelector s(QRect(0, 0, 300, 300));
    EXPECT_EQ(s.selectionArea(), QRectF(0, 0, 100, 100));
    EXPECT_EQ(s.controlCells().size(), 9u);
    EXPECT_EQ(s.hitCellTest(QPointF(6, 94)), nullptr);
    s.refreshDragCellPosition();
    ASSERT_NE(s.hitCellTest(QPointF(6, 94)), nullptr);
    EXPECT_EQ(s.hitCellTest(QPointF(6, 94))->tag(), DNAreaGeometry::kTopLeft);
    EXPECT_EQ(s.hitCellTest(QPointF(50, 50))->tag(), DNAreaGeometry::kCenterArea);
}

TEST(DNAreaSelector, TheCursorNamesWhatTheCellUnderThePointerDoesEditableOrNot)
{
    Fixture f;
    DNAreaSelector *s = f.selector;
    s->setEditabled(false);
    editortest::hover(s, at(*s, {120, 56}));
    EXPECT_EQ(s->cursor().shape(), Qt::SizeVerCursor);
    editortest::hover(s, at(*s, {100, 80}));
    EXPECT_EQ(s->cursor().shape(), Qt::OpenHandCursor);
    editortest::hover(s, at(*s, {10, 10}));
    EXPECT_EQ(s->cursor().shape(), Qt::ArrowCursor);
    // The two diagonals have pictures of their own, 20 x 20.
    const QCursor a = s->controlCells()[0]->cursorForMouseEnter();
    const QCursor b = s->controlCells()[2]->cursorForMouseEnter();
    EXPECT_EQ(a.pixmap().size(), QSize(20, 20));
    EXPECT_EQ(a.hotSpot(), QPoint(6, 6));
    EXPECT_NE(a.pixmap().toImage(), b.pixmap().toImage());
    EXPECT_EQ(s->controlCells()[7]->cursorForMouseEnter().pixmap().toImage(), a.pixmap().toImage());
}

TEST(DNAreaSelector, LooksFinishedOverAPicture)
{
    Fixture f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.host));
    const QString path = uitest::savePicture(&f.host, QStringLiteral("editor-controls"), QStringLiteral("area-selector"));
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull());
    // Inside the box the picture shows as it is; outside it is darkened.
    const QImage bare = [&] {
        f.selector->hide();
        return f.host.grab().toImage();
    }();
    const QPoint inside = at(*f.selector, {120, 90}).toPoint();
    const QPoint outside = at(*f.selector, {250, 180}).toPoint();
    EXPECT_EQ(picture.pixelColor(inside), bare.pixelColor(inside));
    EXPECT_LT(picture.pixelColor(outside).lightness(), bare.pixelColor(outside).lightness());
    EXPECT_LT(picture.pixelColor(outside).hslSaturation(), bare.pixelColor(outside).hslSaturation() / 2);
    QImage cursorA = f.selector->controlCells()[0]->cursorForMouseEnter().pixmap().toImage();
    cursorA.save(QFileInfo(path).absolutePath() + QStringLiteral("/diagonal-cursor-a.png"));
}

} // namespace
