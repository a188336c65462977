// The application's own controls: image buttons with hover and press actions, the held-down
// menu button, the stretched image views, the flat slider, the scroller, the picture progress
// bar, the switch, the coloured-title button and the busy indicator.
#include "ui/controls/DNButton.h"
#include "ui/controls/DNLinkButton.h"
#include "ui/controls/DNMenuButton.h"
#include "ui/controls/DNProgressIndicator.h"
#include "ui/controls/DNStretchImageView.h"
#include "ui/controls/NXButton.h"
#include "ui/controls/NXProgressBar.h"
#include "ui/controls/NXScroller.h"
#include "ui/controls/NXSlider.h"
#include "ui/controls/NXSwitch.h"
#include "ui/ui_test_support.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using uitest::app;

QPixmap filled(QColor colour, QSize size = QSize(20, 20))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

TEST(DNButton, HoverSwapsToTheHighlightImageOnlyWhenThereIsOne)
{
    app();
    const QPixmap normal = filled(Qt::red);
    const QPixmap highlight = filled(Qt::blue);
    DNButton plain;
    plain.setNormalImage(normal);
    enter(&plain);
    EXPECT_EQ(plain.currentImage().cacheKey(), normal.cacheKey());

    DNButton hover;
    hover.setNormalImage(normal);
    hover.setHighlightImage(highlight);
    enter(&hover);
    EXPECT_EQ(hover.currentImage().cacheKey(), highlight.cacheKey());
    leave(&hover);
    EXPECT_EQ(hover.currentImage().cacheKey(), normal.cacheKey());

    // A text button stays a text button under the pointer.
    DNButton text(QStringLiteral("Convert"));
    text.setHighlightImage(highlight);
    enter(&text);
    EXPECT_TRUE(text.currentImage().isNull());
}

TEST(DNButton, MouseDownActionComesAtThePressAndTheClickAtTheRelease)
{
    app();
    DNButton button(QStringLiteral("B"));
    button.resize(60, 24);
    QStringList events;
    button.setMouseDownAction([&](DNButton *sender) {
        EXPECT_EQ(sender, &button);
        events << QStringLiteral("down");
    });
    QObject::connect(&button, &QPushButton::clicked, [&] { events << QStringLiteral("click"); });
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(events, QStringList{QStringLiteral("down")});
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(events, (QStringList{QStringLiteral("down"), QStringLiteral("click")}));
}

// A long title under the picture takes two lines, split where the longer line is shortest; a
// title that fits, or has no blank to break at, keeps one line; the size hint holds every line.
TEST(DNButton, LongTitleUnderThePictureWrapsOntoTwoBalancedLines)
{
    app();
    const QFontMetrics metrics(QApplication::font());
    const struct
    {
        const char *title;
        QStringList lines;
    } cases[] = {
        {"Add Video", {"Add Video"}},
        {"Screen Recorder", {"Screen", "Recorder"}},
        {"word word word word", {"word word", "word word"}},
        {"Bildschirmaufnahmeeinstellungen", {"Bildschirmaufnahmeeinstellungen"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        DNButton button(QString::fromUtf8(c.title));
        button.setNormalImage(filled(Qt::red, QSize(32, 30)));
        button.setTitleWrapWidth(metrics.horizontalAdvance(QStringLiteral("Add Video")));
        EXPECT_EQ(button.titleLines(), c.lines);
        int widest = 0;
        for (const QString &line : c.lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        EXPECT_EQ(button.sizeHint(), QSize(qMax(32, widest + 8), 30 + int(c.lines.size()) * metrics.height() + 2));
    }
    // Without a wrap width nothing wraps.
    DNButton plain(QStringLiteral("Screen Recorder"));
    EXPECT_EQ(plain.titleLines(), QStringList{QStringLiteral("Screen Recorder")});
}

TEST(DNMenuButton, ShortClickActsAndHeldPressShowsTheMenuInstead)
{
    app();
    QWidget window;
    window.resize(200, 100);
    auto *button = new DNMenuButton(QStringLiteral("Load"), &window);
    button->setGeometry(10, 10, 80, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QMenu menu;
    menu.addAction(QStringLiteral("DVD Disc"));
    int actions = 0;
    button->setAction([&](DNMenuButton *) { ++actions; });
    button->setMenu(&menu);
    button->setMenu(nullptr);
    EXPECT_EQ(button->popMenu(), &menu);

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(actions, 1);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(button->isMenuDisplayed());

    QTest::mousePress(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); }, 60000));
    EXPECT_TRUE(button->isMenuDisplayed());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(actions, 1);
    menu.hide();
}

TEST(DNMenuButton, StartsWithAPlaceholderMenu)
{
    app();
    DNMenuButton button;
    ASSERT_TRUE(button.popMenu());
    EXPECT_EQ(button.popMenu()->title(), QStringLiteral("Menu"));
    QStringList titles;
    for (QAction *action : button.popMenu()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Menu 1"), QStringLiteral("Menu 2")}));
}

TEST(StretchImageViews, TileAndThreePartGeometry)
{
    QList<double> xs;
    for (const QRectF &r : DNStretchImageView::tileRects(100, QSizeF(30, 12)))
        xs << r.x();
    EXPECT_EQ(xs, (QList<double>{0, 30, 60, 90}));
    EXPECT_TRUE(DNStretchImageView::tileRects(100, QSizeF()).isEmpty());

    const auto parts = DNMidStretchImageView::parts(QSizeF(300, 40), QSizeF(200, 40));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts[0].source, QRectF(0, 0, 60, 40));
    EXPECT_EQ(parts[0].target, QRectF(0, 0, 60, 40));
    EXPECT_EQ(parts[1].source, QRectF(60, 0, 80, 40));
    EXPECT_EQ(parts[1].target, QRectF(60, 0, 180, 40));
    EXPECT_EQ(parts[2].source, QRectF(140, 0, 60, 40));
    EXPECT_EQ(parts[2].target, QRectF(240, 0, 60, 40));
}

TEST(NXSlider, FillKeepsHalfTheHeightFromEitherEnd)
{
    app();
    NXSlider slider(QRect(0, 0, 200, 20));
    const struct
    {
        double value;
        double fill;
    } cases[] = {{50, 100}, {0, 10}, {100, 190}, {3, 10}, {99, 190}};
    for (const auto &c : cases) {
        slider.setValue(c.value);
        EXPECT_DOUBLE_EQ(slider.fillWidth(), c.fill) << c.value;
    }
    slider.sizeToFit();
    EXPECT_EQ(slider.geometry(), QRect(0, 0, 100, 15));
}

TEST(NXSlider, DragReportsEveryTenthMoveAndReleaseGivesTheFinalValue)
{
    app();
    NXSlider slider(QRect(0, 0, 200, 20));
    slider.setValue(50);
    int reports = 0;
    slider.setAction([&](NXSlider *) { ++reports; });

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_TRUE(slider.isTrackingMouse());
    for (int x = 1; x <= 25; ++x)
        QTest::mouseMove(&slider, QPoint(100 + x, 10));
    EXPECT_EQ(reports, 2);
    // The drag value is reported while tracking, and setting a value then does not show.
    EXPECT_DOUBLE_EQ(slider.doubleValue(), 62.5);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, 10));
    EXPECT_EQ(reports, 3);
    EXPECT_FALSE(slider.isTrackingMouse());
    EXPECT_DOUBLE_EQ(slider.doubleValue(), 100.0);

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(-30, 10));
    EXPECT_DOUBLE_EQ(slider.doubleValue(), 0.0);

    slider.setEnabled(false);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_DOUBLE_EQ(slider.doubleValue(), 0.0);
    EXPECT_EQ(reports, 4);
}

TEST(NXScroller, DrawsNoKnobWhileTheContentFits)
{
    app();
    NXScroller scroller;
    scroller.resize(12, 200);
    scroller.setRange(0, 0);
    scroller.setPageStep(200);
    EXPECT_FALSE(scroller.drawsKnob());
    scroller.setRange(0, 200);
    EXPECT_TRUE(scroller.drawsKnob());
    EXPECT_DOUBLE_EQ(scroller.knobProportion(), 0.5);
    EXPECT_FALSE(scroller.knobRect().isEmpty());
}

TEST(NXProgressBar, FillAndLabelFollowTheValue)
{
    app();
    NXProgressBar bar;
    bar.resize(202, 16);
    bar.setDoubleValue(0.05);
    EXPECT_TRUE(bar.percentNoticeRect().isNull());
    bar.setDoubleValue(0.5);
    EXPECT_DOUBLE_EQ(bar.innerProgressRect().width(), 100.0);
    EXPECT_DOUBLE_EQ(bar.percentNoticeRect().left(), 70.0);
    EXPECT_DOUBLE_EQ(bar.percentNoticeRect().right(), 100.0);
    EXPECT_EQ(bar.percentText(), QStringLiteral(" 50%"));
    bar.setDoubleValue(1.7);
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 1.0);
    EXPECT_DOUBLE_EQ(bar.innerProgressRect().width(), 200.0);
    bar.setIntValue(0);
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 1.0);
}

TEST(NXSwitch, ImageSwitchIgnoresClicksUntilEnabled)
{
    app();
    NXSwitch image(QRect(0, 0, 52, 20), 0);
    int flips = 0;
    image.setAction([&](NXSwitch *) { ++flips; });
    EXPECT_FALSE(image.currentImage().isNull());
    const qint64 disabledPicture = image.currentImage().cacheKey();
    QTest::mouseClick(&image, Qt::LeftButton);
    EXPECT_FALSE(image.isOn());
    EXPECT_EQ(flips, 0);
    image.setEnable(true);
    EXPECT_NE(image.currentImage().cacheKey(), disabledPicture);
    QTest::mouseClick(&image, Qt::LeftButton);
    EXPECT_TRUE(image.isOn());
    EXPECT_EQ(flips, 1);

    NXSwitch text(QRect(0, 0, 60, 20), 1);
    ASSERT_TRUE(text.textField());
    EXPECT_EQ(text.textField()->text(), QStringLiteral("Off"));
    text.setOn(true);
    EXPECT_EQ(text.textField()->text(), QStringLiteral("On"));
    text.setEnable(true);
    QTest::mouseClick(&text, Qt::LeftButton);
    EXPECT_TRUE(text.isOn());
}

TEST(NXButton, OnlyAFourPartColourTakesOverTheTitle)
{
    app();
    NXButton red(QStringLiteral("Convert"));
    red.setColorCompanets(QStringLiteral("1.0x0.0x0.0x1.0"));
    red.awakeFromNib();
    EXPECT_TRUE(red.text().isEmpty());
    EXPECT_EQ(red.customTitle(), QStringLiteral("Convert"));
    EXPECT_EQ(red.titleColor(), QColor(Qt::red));
    red.setTitle(QStringLiteral("Stop"));
    EXPECT_EQ(red.customTitle(), QStringLiteral("Stop"));

    NXButton three(QStringLiteral("Convert"));
    three.setColorCompanets(QStringLiteral("1.0x0.0x0.0"));
    three.awakeFromNib();
    EXPECT_TRUE(three.isTitlePrepared());
    EXPECT_EQ(three.text(), QStringLiteral("Convert"));
    three.setColorCompanets(QStringLiteral("1.0x0.0x0.0x1.0"));
    three.awakeFromNib();
    EXPECT_EQ(three.text(), QStringLiteral("Convert"));
}

TEST(DNProgressIndicator, FaintGroupRunsThroughElevenStartsAndStopResetsIt)
{
    app();
    EXPECT_DOUBLE_EQ(DNProgressIndicator::spokeAlpha(3, 3), 0.3);
    EXPECT_DOUBLE_EQ(DNProgressIndicator::spokeAlpha(7, 3), 0.7);
    EXPECT_DOUBLE_EQ(DNProgressIndicator::spokeAlpha(8, 3), 0.7);
    EXPECT_DOUBLE_EQ(DNProgressIndicator::spokeAlpha(2, 3), 0.7);
    EXPECT_DOUBLE_EQ(DNProgressIndicator::spokeAlpha(11, 10), 0.4);

    DNProgressIndicator indicator;
    indicator.resize(32, 32);
    EXPECT_EQ(indicator.flag(), 3);
    indicator.grab();
    EXPECT_EQ(indicator.flag(), 4);
    for (int frame = 1; frame < 11; ++frame)
        indicator.grab();
    EXPECT_EQ(indicator.flag(), 3);
    indicator.grab();
    indicator.stopAnimation();
    EXPECT_EQ(indicator.flag(), 3);
}

TEST(DNLinkButton, EveryTitleIsShownAsALink)
{
    app();
    DNLinkButton link(QStringLiteral("Check manually"));
    link.setTitle(QStringLiteral("Download the update"));
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.size(), link.sizeHint());
    EXPECT_GT(link.width(), QFontMetrics(link.font()).horizontalAdvance(QStringLiteral("Download")));
}

} // namespace
