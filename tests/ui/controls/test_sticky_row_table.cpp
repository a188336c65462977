// Pinned group rows: where the header sits while the list scrolls, what it shows, and what a
// click on it does.
#include "ui/controls/NoodleIPhoneTableView.h"
#include "ui/controls/NoodleStickyRowTableView.h"
#include "ui/ui_test_support.h"

#include "support/paths.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

namespace {

using uitest::app;

constexpr int kRowHeight = 20;

// 30 rows of 20 pixels; the rows listed in groups are group rows.
std::unique_ptr<QStandardItemModel> makeModel(std::initializer_list<int> groups)
{
    auto model = std::make_unique<QStandardItemModel>(30, 1);
    for (int row = 0; row < 30; ++row) {
        auto *item = new QStandardItem(QStringLiteral("Row %1").arg(row));
        model->setItem(row, 0, item);
    }
    for (int row : groups) {
        model->item(row)->setText(QStringLiteral("Group %1").arg(row));
        model->item(row)->setData(true, NoodleIsGroupRowRole);
    }
    return model;
}

template <class View>
void prepare(View &view, QAbstractItemModel *model)
{
    view.setModel(model);
    view.setFrameShape(QFrame::NoFrame);
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(kRowHeight);
    view.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view.horizontalHeader()->setStretchLastSection(true);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.resize(200, 100);
    view.show();
    QCoreApplication::processEvents();
}

TEST(StickyRowTable, HeaderFollowsTheGroupRowsWhileScrolling)
{
    app();
    auto model = makeModel({0, 10, 20});
    NoodleStickyRowTableView table;
    prepare(table, model.get());

    struct Case
    {
        int scroll;
        int pinnedRow; // -1: no header
        int headerY;
    };
    const Case cases[] = {
        {0, 0, 0},       // the first group row is at the top itself
        {50, 0, 0},      // its rows scroll under it
        {185, 0, -5},    // row 10 is 15 below the top: it pushes the header up
        {195, 0, -15},
        {200, 10, 0},    // row 10 has taken the place
        {430, 20, 0},
    };
    for (const Case &c : cases) {
        table.verticalScrollBar()->setValue(c.scroll);
        table.drawStickyRowHeader();
        EXPECT_EQ(table._previousStickyRow(), c.pinnedRow) << c.scroll;
        const QRect rect = table.stickyRowHeaderRect();
        EXPECT_EQ(rect.y(), c.headerY) << c.scroll;
        EXPECT_EQ(rect.height(), kRowHeight) << c.scroll;
        EXPECT_EQ(table._stickyRowHeaderView()->geometry(), rect) << c.scroll;
        EXPECT_TRUE(table._stickyRowHeaderView()->isVisible()) << c.scroll;
        EXPECT_EQ(table._stickyRowHeaderView()->property("tag").toInt(), NoodleStickyRowExtensions::kStickyRowHeaderTag);
    }
}

TEST(StickyRowTable, NoGroupAboveTheTopMeansNoHeader)
{
    app();
    auto model = makeModel({3, 12});
    NoodleStickyRowTableView table;
    prepare(table, model.get());
    table.verticalScrollBar()->setValue(20);
    table.drawStickyRowHeader();
    EXPECT_EQ(table._previousStickyRow(), -1);
    EXPECT_TRUE(table.stickyRowHeaderRect().isNull());
    EXPECT_FALSE(table._stickyRowHeaderView()->isVisible());

    // A row answering the sticky role explicitly wins over its group role.
    model->item(3)->setData(false, NoodleIsStickyRowRole);
    table.verticalScrollBar()->setValue(100);
    EXPECT_FALSE(table.isRowSticky(3));
    EXPECT_TRUE(table.isRowSticky(12));
    EXPECT_EQ(table._previousStickyRow(), -1);
}

TEST(StickyRowTable, SelectedGroupRowIsPinnedUnselectedAndStaysSelected)
{
    app();
    auto model = makeModel({0, 10, 20});
    NoodleStickyRowTableView table;
    QPalette palette = table.palette();
    palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
    palette.setColor(QPalette::Base, Qt::white);
    table.setPalette(palette);
    prepare(table, model.get());
    table.selectRow(0);
    table.verticalScrollBar()->setValue(100);
    table.drawStickyRowHeader();

    const QImage image = table._stickyRowHeaderView()->alternateImage;
    ASSERT_FALSE(image.isNull());
    const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
    EXPECT_FALSE(middle.red() > 200 && middle.green() < 60) << middle.name().toStdString();
    EXPECT_TRUE(table.selectionModel()->isRowSelected(0, QModelIndex()));
}

TEST(StickyRowTable, ClickingTheHeaderScrollsItsRowIntoView)
{
    app();
    auto model = makeModel({0, 10, 20});
    NoodleStickyRowTableView table;
    prepare(table, model.get());
    table.verticalScrollBar()->setValue(300);
    table.drawStickyRowHeader();
    NoodleStickyRowHeaderButton *header = table._stickyRowHeaderView();
    ASSERT_EQ(table._previousStickyRow(), 10);
    ASSERT_TRUE(header->isEnabled());
    QTest::mouseClick(header, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(table.rowViewportPosition(10), 0);
}

TEST(StickyRowTable, IPhoneTablePinsTheGradientBarAtOnce)
{
    app();
    auto model = makeModel({0, 10, 20});
    NoodleIPhoneTableView table;
    prepare(table, model.get());
    table.verticalScrollBar()->setValue(12);
    table.drawStickyRowHeader();
    const QImage image = table._stickyRowHeaderView()->image;
    ASSERT_FALSE(image.isNull());
    // No fade: even a row that has hardly left the top is drawn at full strength, in the bar's
    // blue-gray (never the white of the table).
    const QColor pixel = image.pixelColor(2, image.height() / 2);
    EXPECT_GT(pixel.alpha(), 200);
    EXPECT_LT(pixel.red(), 200);
    EXPECT_GT(pixel.blue(), pixel.red());

    const QString out = testsupport::buildDir() + QStringLiteral("/test-output/ui_controls_sticky_row_table");
    QDir().mkpath(out);
    table.verticalScrollBar()->setValue(185);
    table.grab().save(out + QStringLiteral("/iphone_table_pushing.png"));
}

TEST(StickyRowOutline, PinsTheGroupItemAboveTheTop)
{
    app();
    QStandardItemModel model;
    for (int g = 0; g < 2; ++g) {
        auto *group = new QStandardItem(QStringLiteral("Group %1").arg(g));
        group->setData(true, NoodleIsGroupRowRole);
        for (int i = 0; i < 8; ++i)
            group->appendRow(new QStandardItem(QStringLiteral("Item %1").arg(i)));
        model.appendRow(group);
    }
    NoodleStickyRowOutlineView outline;
    outline.setModel(&model);
    outline.setFrameShape(QFrame::NoFrame);
    outline.setHeaderHidden(true);
    outline.setUniformRowHeights(true);
    outline.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    outline.expandAll();
    outline.resize(200, 100);
    outline.show();
    QCoreApplication::processEvents();

    const int rowHeight = outline.noodleRowRect(0).height();
    ASSERT_GT(rowHeight, 0);
    outline.verticalScrollBar()->setValue(rowHeight * 3);
    EXPECT_EQ(outline._previousStickyRow(), 0);
    EXPECT_EQ(outline._nextStickyRow(), 9);
    outline.verticalScrollBar()->setValue(rowHeight * 9);
    EXPECT_EQ(outline._previousStickyRow(), 9);
    EXPECT_EQ(outline.stickyRowHeaderRect().y(), 0);
}

} // namespace
