// The transition strip on an X display: the samples' frames go to the X server once and are
// copied into the window from there on each beat, without Qt painting the window again. What the
// screen shows is read back from the server and must be what Qt itself would paint.
#include "../ui_test_support.h"
#include "effect_demo_image.h"

#include "slideshow/transitions/NXEffectManager.h"
#include "ui/slideshow/DNEffectPreview.h"
#include "ui/slideshow/DNEffectPreviewTile.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <set>

namespace {

// What the X server holds for rect of widget, as the screen shows it.
QImage onScreen(const QWidget *widget, const QRect &rect)
{
    const QWidget *window = widget->window();
    const QPoint at = widget->mapTo(window, rect.topLeft());
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), rect.width(), rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The largest difference of a channel between a and b where mask is opaque.
int largestDifference(const QImage &a, const QImage &b, const QImage &mask)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qAlpha(mask.pixel(x, y)) != 255)
                continue;
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// The loop frame of sample the screen shows, with overlay (an arrow of the strip) drawn over
// it where it lies, or -1 when it shows none of them. A frame has its origin at the view's bottom
// left; where it is see-through, what lies under it is left out of the match.
int frameShown(EffectPreview *sample, QWidget *overlay = nullptr)
{
    const QImage screen = onScreen(sample, sample->rect());
    for (int i = 0; i < EffectPreview::kLoopFrames; ++i) {
        QImage expected = screen.copy();
        QPainter painter(&expected);
        const QImage &frame = sample->loopFrame(i);
        painter.drawImage(0, sample->height() - frame.height(), frame);
        if (overlay)
            overlay->render(&painter, sample->mapFrom(overlay->parentWidget(), overlay->pos()), QRegion(),
                            QWidget::DrawChildren);
        painter.end();
        QImage mask(sample->size(), QImage::Format_ARGB32);
        mask.fill(Qt::transparent);
        QPainter(&mask).drawImage(0, sample->height() - frame.height(), frame);
        if (largestDifference(expected, screen, mask) <= 1)
            return i;
    }
    return -1;
}

// Counts the paint events a widget gets.
struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct StripOnScreen
{
    bool appReady = (uitest::app(), true);
    QWidget window;
    DNEffectPreview *strip = nullptr;

    // In a native child window when inNativeChild: the samples' place is in that X window.
    explicit StripOnScreen(bool inNativeChild = false)
    {
        QWidget *parent = &window;
        if (inNativeChild) {
            parent = new QWidget(&window);
            parent->setAttribute(Qt::WA_NativeWindow);
            parent->setGeometry(0, 10, 520, 100);
        }
        strip = new DNEffectPreview(QPoint(0, 0), parent);
        strip->setDemoImages(
            {effectDemoImage(QColor(200, 50, 40), Qt::yellow), effectDemoImage(QColor(40, 70, 200), Qt::green)});
        QList<NXFilterPtr> filters;
        for (int type = 0; type < NXTransitionChoiceCount; ++type)
            filters << NXEffectManager::independentFilterWithType(type);
        strip->setPrevieFilters(filters, {0});
        window.resize(strip->size() + QSize(0, inNativeChild ? 10 : 0));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        strip->startPreview();
        // One pass of the loop: every frame made once.
        uitest::serve(5200);
    }
    EffectPreview *sample(int index) const { return strip->tiles().at(index)->effectView(); }
    bool settlesAt(int x)
    {
        return uitest::waitFor([&] { return strip->contentView()->x() == x; }) && (uitest::serve(600), true);
    }
};

} // namespace

class EffectPreviewOnXWindows : public ::testing::TestWithParam<bool>
{
};

TEST_P(EffectPreviewOnXWindows, SamplesAnimateOnTheScreenWithoutRepaintingTheWindow)
{
    StripOnScreen f(GetParam());
    PaintCounter counter;
    for (int i = 0; i < DNEffectPreview::kTilesPerPage; ++i)
        f.sample(i)->installEventFilter(&counter);
    // Every frame made: from now on a beat only copies one on the server.
    ASSERT_TRUE(uitest::waitFor([&] {
        for (int i = 0; i < DNEffectPreview::kTilesPerPage; ++i)
            if (f.sample(i)->keptFrames() < EffectPreview::kLoopFrames)
                return false;
        return true;
    }));
    counter.paints = 0;
    std::set<int> shown;
    for (int grab = 0; grab < 6; ++grab) {
        const int frame = frameShown(f.sample(1));
        EXPECT_GE(frame, 0) << "grab " << grab << ": the screen shows a frame of the sample's loop";
        shown.insert(frame);
        uitest::serve(170);
    }
    EXPECT_GE(shown.size(), 3u) << "the sample moves on the screen";
    EXPECT_EQ(counter.paints, 0) << "the beats do not repaint the window";
}

INSTANTIATE_TEST_SUITE_P(EffectPreviewOnX, EffectPreviewOnXWindows, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "InANativeChildWindow" : "InTheTopLevelWindow"; });

TEST(EffectPreviewOnX, ArrowsStayOverTheSamplesOnEveryPage)
{
    StripOnScreen f;
    QWidget *right = f.strip->rightArrow();
    EXPECT_GE(frameShown(f.sample(4), right), 0) << "the right arrow over the page's last sample";
    EXPECT_EQ(frameShown(f.sample(4)), -1) << "the arrow is on the screen";
    EXPECT_GE(frameShown(f.sample(0)), 0);

    QTest::mouseClick(f.strip->rightArrow(), Qt::LeftButton);
    ASSERT_TRUE(f.settlesAt(-520));
    uitest::serve(5200);
    EXPECT_GE(frameShown(f.sample(5), f.strip->leftArrow()), 0) << "the left arrow over the page's first sample";
    EXPECT_GE(frameShown(f.sample(9), right), 0);
    EXPECT_GE(frameShown(f.sample(7)), 0) << "the new page's samples, at their new place";

    for (int page = 2; page < 4; ++page) {
        f.strip->switchEffectPreviewPage(true);
        ASSERT_TRUE(f.settlesAt(-520 * page));
    }
    uitest::serve(5200);
    ASSERT_TRUE(right->isHidden());
    EXPECT_GE(frameShown(f.sample(17)), 0) << "no arrow left over the last sample";
}
