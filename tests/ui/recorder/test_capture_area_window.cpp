// The capture-area window: the first area, drawing a new area (minimum size, cut at the screen's
// edge, either direction), the start button that stays in the middle and confirms, Escape, and
// how it looks over the screen.
#include "recorder_test_support.h"

#include "ui/recorder/DNAreaSelectWindow.h"
#include "ui/recorder/DNWindowSelectView.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Listener : DNAreaSelectWindowDelegate
{
    int calls = 0;
    QRectF area;
    void onAreaSelectDidFinished(DNAreaSelectWindow *window) override
    {
        ++calls;
        area = window->selectionArea();
    }
};

class CaptureAreaWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordertest::app();
        window_ = std::make_unique<DNAreaSelectWindow>();
        window_->setDelegate(&listener_);
        view_ = window_->selectView();
        screen_ = QGuiApplication::primaryScreen()->geometry();
    }

    // A press, moves and a release on the view, in the view's own (bottom-left) coordinates.
    void drag(QPointF from, QPointF to)
    {
        const auto at = [this](QPointF p) { return QPoint(int(p.x()), int(view_->height() - p.y())); };
        QTest::mousePress(view_, Qt::LeftButton, {}, at(from));
        for (int i = 1; i <= 4; ++i) {
            const QPointF step = from + (to - from) * (i / 4.0);
            QMouseEvent move(QEvent::MouseMove, at(step), view_->mapToGlobal(at(step)), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(view_, &move);
        }
        QTest::mouseRelease(view_, Qt::LeftButton, {}, at(to));
    }

    QRectF buttonArea() const
    {
        const QRect b = view_->done()->geometry();
        return QRectF(b.x(), view_->height() - b.y() - b.height(), b.width(), b.height());
    }

    Listener listener_;
    std::unique_ptr<DNAreaSelectWindow> window_;
    DNWindowSelectView *view_ = nullptr;
    QRect screen_;
};

TEST_F(CaptureAreaWindow, FirstAreaIsEightHundredBySixHundredInTheMiddle)
{
    EXPECT_EQ(window_->geometry(), screen_);
    EXPECT_EQ(view_->selectionArea(), QRectF((screen_.width() - 800) * 0.5, (screen_.height() - 600) * 0.5, 800, 600));
    EXPECT_EQ(view_->lowerLimitSize(), QSizeF(100, 80));
    // Handles sit on the corners themselves.
    const QRectF s = view_->selectionArea();
    EXPECT_EQ(view_->controlCells().at(0)->frame().center(), QPointF(s.x(), s.y() + s.height()));
    EXPECT_EQ(view_->controlCells().at(7)->frame().center(), QPointF(s.x() + s.width(), s.y()));
    // The start button comes once the event loop has run, in the middle of the area.
    EXPECT_EQ(view_->done(), nullptr);
    QApplication::processEvents();
    ASSERT_NE(view_->done(), nullptr);
    EXPECT_EQ(view_->done()->text(), QStringLiteral("Start Recording"));
    EXPECT_EQ(buttonArea().center(), s.center());
}

TEST_F(CaptureAreaWindow, DrawnAreasTakeTheMinimumCentredOnEachShortAxis)
{
    QApplication::processEvents();
    const QSizeF bounds = view_->size();
    drag(QPointF(40, 40), QPointF(50, 50));
    EXPECT_EQ(view_->selectionArea(), QRectF((bounds.width() - 100) * 0.5, (bounds.height() - 80) * 0.5, 100, 80));
    drag(QPointF(20, 30), QPointF(320, 40));
    EXPECT_EQ(view_->selectionArea(), QRectF(20, (bounds.height() - 80) * 0.5, 300, 80));
    // A flat drag (no height at all) and a drag straight down (no width) keep their other axis.
    drag(QPointF(60, 30), QPointF(460, 30));
    EXPECT_EQ(view_->selectionArea(), QRectF(60, (bounds.height() - 80) * 0.5, 400, 80));
    drag(QPointF(70, 20), QPointF(70, 320));
    EXPECT_EQ(view_->selectionArea(), QRectF((bounds.width() - 100) * 0.5, 20, 100, 300));
    // The button follows every change.
    EXPECT_EQ(buttonArea().center(), view_->selectionArea().center());
}

TEST_F(CaptureAreaWindow, DrawingEitherWayAndPastTheEdge)
{
    // Each drag starts outside the area there is, so it draws a new one.
    QApplication::processEvents();
    drag(QPointF(10, 10), QPointF(110, 90));
    EXPECT_EQ(view_->selectionArea(), QRectF(10, 10, 100, 80));
    drag(QPointF(600, 400), QPointF(300, 150));
    EXPECT_EQ(view_->selectionArea(), QRectF(300, 150, 300, 250));
    drag(QPointF(10, 300), QPointF(110, 380));
    EXPECT_EQ(view_->selectionArea(), QRectF(10, 300, 100, 80));
    drag(QPointF(300, 150), QPointF(600, 400));
    EXPECT_EQ(view_->selectionArea(), QRectF(300, 150, 300, 250));
    // Dragged out past the right edge: cut at the edge.
    drag(QPointF(view_->width() - 200, 20), QPointF(view_->width() + 300, 220));
    EXPECT_EQ(view_->selectionArea(), QRectF(view_->width() - 200, 20, 200, 200));
    // A click outside the area without a drag changes nothing.
    const QRectF before = view_->selectionArea();
    QTest::mouseClick(view_, Qt::LeftButton, {}, QPoint(10, view_->height() - 10));
    EXPECT_EQ(view_->selectionArea(), before);
}

TEST_F(CaptureAreaWindow, StartTellsTheDelegateThenHidesEscapeOnlyHides)
{
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    recordertest::serve(100);
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(listener_.calls, 0);

    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    drag(QPointF(100, 200), QPointF(740, 560));
    QTest::mouseClick(view_->done(), Qt::LeftButton);
    EXPECT_EQ(listener_.calls, 1);
    // In screen coordinates, origin at the top left: 720 - 560 = 160 from the top.
    EXPECT_EQ(listener_.area, QRectF(screen_.x() + 100, screen_.y() + screen_.height() - 560, 640, 360));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(recordertest::waitFor([&] { return !window_->isVisible(); }));
}

TEST_F(CaptureAreaWindow, LooksOverTheScreen)
{
    if (!recordertest::onX11())
        GTEST_SKIP() << "no private X server";
    QWidget page(nullptr, Qt::FramelessWindowHint);
    page.setStyleSheet(QStringLiteral("background: #e8e8e8;"));
    page.setGeometry(screen_);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    recordertest::serve(100);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    const QRect area = window_->selectionArea().toRect();
    // Drawn once the darkening is on the screen.
    const QImage shot = recordertest::screenShowing([&](const QImage &p) {
        return qGray(p.pixel(20, 20)) < 120 && qGray(p.pixel(area.left() + 20, area.top() + 20)) > 200;
    });
    recordertest::savePicture(shot, QStringLiteral("capture_area_window"));
    // The screen shows through the area; around it, it is darkened.
    EXPECT_GT(qGray(shot.pixel(area.left() + 20, area.top() + 20)), 200);
    EXPECT_LT(qGray(shot.pixel(20, 20)), 120);
    // The size beside the lower right corner is drawn in red.
    int red = 0;
    for (int y = area.bottom() + 2; y < area.bottom() + 30; ++y)
        for (int x = area.right() + 4; x < area.right() + 40; ++x) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 90 && c.blue() < 90;
        }
    EXPECT_GT(red, 10);
}

} // namespace
