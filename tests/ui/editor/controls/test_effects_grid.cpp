// The effects grid: items made from the delegate at their pitch, pages and the page label,
// paging, choosing an item with the mouse, and a grid that is switched off.
#include "editor_controls_support.h"

#include "ui/editor/controls/DNEffectsView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

struct Effects : DNEffectsViewProtocol
{
    explicit Effects(int count, bool pictures = false, bool names = false)
        : count(count), pictures(pictures), names(names)
    {
    }
    int countOfEffectPreview() override { return count; }
    QImage effectImageAtIndex(int index) override
    {
        if (!pictures)
            return QImage();
        QImage image(80, 60, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(index * 360 / std::max(count, 1) % 360, 150, 220));
        return image;
    }
    std::optional<QString> effectNameAtIndex(int index) override
    {
        if (!names)
            return std::nullopt;
        return QStringLiteral("Effect %1").arg(index);
    }
    void effectSelectedAtIndex(int index) override { chosen << index; }

    int count;
    bool pictures;
    bool names;
    QList<int> chosen;
};

// A 400 x 100 grid with its page label, set up as the editor's interface does.
struct Fixture : editortest::WithApplication
{
    explicit Fixture(int count, bool pictures = false, bool names = false)
        : effects(count, pictures, names)
    {
        window.resize(420, 140);
        grid = new DNEffectsView(QRect(10, 10, 400, 100), &window);
        label = new QLabel(&window);
        label->setGeometry(180, 115, 80, 20);
        grid->setPageLabel(label);
        grid->setDelegate(&effects);
        grid->awakeFromNib();
        window.show();
    }
    QStringList marks() const
    {
        QStringList texts;
        for (EffectView *item : grid->effectViews())
            texts << item->effectName()->text();
        return texts;
    }

    Effects effects;
    QWidget window;
    DNEffectsView *grid;
    QLabel *label;
};

TEST(DNEffectsView, FourteenItemsMakeFourPagesOfAGrid400Wide)
{
    Fixture f(14);
    EXPECT_EQ(f.grid->effectViews().size(), 14);
    EXPECT_EQ(f.grid->docView()->geometry(), QRect(8, 3, 1543, 94));
    EXPECT_EQ(f.grid->effectViews().at(13)->geometry(), QRect(13 * 111, 0, 100, 94));
    EXPECT_EQ(f.grid->effectViews().at(5)->tag(), 5);
    EXPECT_EQ(f.grid->countOfPages(), 4);
    EXPECT_EQ(f.grid->indexOfSelectedPage(), 0);
    EXPECT_EQ(f.grid->indexOfSelectedEffect(), -1);
    // The label is set on the next turn of the event loop.
    EXPECT_TRUE(f.label->text().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.label->text().isEmpty(); }, 60000));
    EXPECT_EQ(f.label->text(), QStringLiteral("1 of 4"));
    EXPECT_FALSE(f.label->isHidden());
    // Made once: a second call adds nothing.
    f.grid->createEffectViews();
    EXPECT_EQ(f.grid->effectViews().size(), 14);
}

TEST(DNEffectsView, PagesSlideAPageAtATimeAndStopAtTheEnds)
{
    Fixture f(14);
    f.grid->setEnabled(true);
    f.grid->previousPage();
    EXPECT_EQ(f.grid->docView()->x(), 8);
    for (int page = 2; page <= 4; ++page) {
        f.grid->nextPage();
        EXPECT_EQ(f.grid->indexOfSelectedPage(), page - 1);
        EXPECT_EQ(f.label->text(), QStringLiteral("%1 of 4").arg(page));
    }
    EXPECT_EQ(f.grid->docView()->x(), 8 - 1200);
    f.grid->nextPage();
    EXPECT_EQ(f.grid->docView()->x(), 8 - 1200);
    f.grid->previousPage();
    EXPECT_EQ(f.label->text(), QStringLiteral("3 of 4"));
    // Switched off, the grid does not page.
    f.grid->setEnabled(false);
    f.grid->previousPage();
    EXPECT_EQ(f.label->text(), QStringLiteral("3 of 4"));
}

TEST(DNEffectsView, OnePageHidesThePageLabel)
{
    Fixture f(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.label->text().isEmpty(); }, 60000));
    EXPECT_EQ(f.grid->countOfPages(), 1);
    EXPECT_TRUE(f.label->isHidden());
}

TEST(DNEffectsView, AClickChoosesOneItemAndTellsTheDelegateOnlyOfAChange)
{
    Fixture f(14);
    const QList<EffectView *> items = f.grid->effectViews();
    // Off: clicks do nothing.
    QTest::mouseClick(items.at(2), Qt::LeftButton);
    EXPECT_TRUE(f.effects.chosen.isEmpty());

    f.grid->setEnabled(true);
    QTest::mouseClick(items.at(2), Qt::LeftButton);
    EXPECT_EQ(f.effects.chosen, QList<int>{2});
    EXPECT_EQ(f.grid->indexOfSelectedEffect(), 2);
    EXPECT_TRUE(items.at(2)->state());
    EXPECT_EQ(f.marks().at(2), QStringLiteral("\u2713"));
    EXPECT_EQ(f.marks().count(QStringLiteral(" ")), 13);
    QTest::mouseClick(items.at(2), Qt::LeftButton);
    EXPECT_EQ(f.effects.chosen, QList<int>{2});
    QTest::mouseClick(items.at(0), Qt::LeftButton);
    EXPECT_EQ(f.effects.chosen, (QList<int>{2, 0}));
    EXPECT_FALSE(items.at(2)->state());

    // Chosen by the owner: no report; -1 clears every item.
    f.grid->setIndexOfSelectedEffect(5);
    EXPECT_TRUE(items.at(5)->state());
    f.grid->setIndexOfSelectedEffect(-1);
    EXPECT_EQ(f.marks().count(QStringLiteral(" ")), 14);
    EXPECT_EQ(f.effects.chosen.size(), 2);
    // Switched off, the chosen item shows no mark.
    f.grid->setIndexOfSelectedEffect(1);
    f.grid->setEnabled(false);
    EXPECT_TRUE(items.at(1)->state());
    EXPECT_EQ(f.marks().at(1), QStringLiteral(" "));
}

TEST(DNEffectsView, ReloadTakesTheDelegatesPicturesAgainAndTheMarkStaysOverTheName)
{
    Fixture f(4, false, true);
    // The mark or the blank is set after the name, so the name does not show.
    EXPECT_EQ(f.marks(), QStringList(4, QStringLiteral(" ")));
    EXPECT_TRUE(f.grid->effectViews().at(1)->effectPreview()->image().isNull());
    f.effects.pictures = true;
    f.grid->setIndexOfSelectedEffect(1);
    f.grid->setEnabled(true);
    f.grid->reload();
    EXPECT_FALSE(f.grid->effectViews().at(1)->effectPreview()->image().isNull());
    EXPECT_EQ(f.marks().at(1), QStringLiteral("\u2713"));
    // A null picture leaves the one shown.
    f.effects.pictures = false;
    f.grid->reload();
    EXPECT_FALSE(f.grid->effectViews().at(1)->effectPreview()->image().isNull());
}

TEST(DNEffectsView, LooksFinished)
{
    editortest::WithApplication application;
    QWidget window;
    window.setAutoFillBackground(true);
    auto *column = new QVBoxLayout(&window);
    Effects pictures(14, true), editor(14);
    for (Effects *effects : {&pictures, &editor}) {
        auto *grid = new DNEffectsView(QRect(0, 0, 400, 100), &window);
        grid->setFixedSize(400, 100);
        auto *label = new QLabel(&window);
        auto *row = new QHBoxLayout;
        auto *previous = new QPushButton(QStringLiteral("<"), &window);
        auto *next = new QPushButton(QStringLiteral(">"), &window);
        row->addWidget(previous);
        row->addStretch();
        row->addWidget(label);
        row->addStretch();
        row->addWidget(next);
        QObject::connect(previous, &QPushButton::clicked, grid, &DNEffectsView::previousPage);
        QObject::connect(next, &QPushButton::clicked, grid, &DNEffectsView::nextPage);
        grid->setPageLabel(label);
        grid->setDelegate(effects);
        grid->awakeFromNib();
        grid->setEnabled(true);
        grid->setIndexOfSelectedEffect(1);
        column->addWidget(grid);
        column->addLayout(row);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    uitest::serve(50);
    const QImage shot(uitest::savePicture(&window, QStringLiteral("editor-controls"), QStringLiteral("effects-grids")));
    ASSERT_FALSE(shot.isNull());
}

} // namespace
