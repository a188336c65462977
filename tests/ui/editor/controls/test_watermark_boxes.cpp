// The watermark boxes: the picture box's default place and its reset on every frame change,
// drawing with transparency, an invisible box that can still be dragged, and the text box's
// rendering, sizing, font face and colour.
#include "editor_controls_support.h"

#include "ui/editor/controls/DNWatermarkView.h"

#include <QFontDatabase>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using editortest::at;

QImage filled(QColor colour, QSize size = QSize(30, 20))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// A plain white host, so the drawn pixels can be told apart.
struct Fixture : editortest::WithApplication
{
    Fixture()
    {
        host.resize(400, 300);
        host.setAutoFillBackground(true);
        QPalette white = host.palette();
        white.setColor(QPalette::Window, Qt::white);
        host.setPalette(white);
        box = new DNWatermarkView(&host);
        box->setFrame(QRect(0, 0, 400, 300));
        host.show();
    }
    QColor pixel(QPointF bottomLeftPoint) { return host.grab().toImage().pixelColor(at(*box, bottomLeftPoint).toPoint()); }

    QWidget host;
    DNWatermarkView *box;
};

TEST(DNImageWatermarkView, EveryFrameChangePutsTheBoxBackToItsDefaultPlace)
{
    Fixture f;
    EXPECT_EQ(f.box->selectionArea(), QRectF(0, 240, 60, 40));
    EXPECT_EQ(f.box->lowerLimitSize(), QSizeF(30, 30));
    EXPECT_EQ(f.box->transparency(), 0.0f);
    f.box->setSelectionArea(QRectF(100, 100, 80, 50));
    // The cells follow a new area at once.
    EXPECT_EQ(f.box->controlCells().back()->frame(), QRectF(100, 100, 80, 50));
    f.box->setFrame(QRect(0, 0, 400, 300));
    EXPECT_EQ(f.box->selectionArea(), QRectF(0, 240, 60, 40));
    f.box->setFrame(QRect(20, 10, 320, 200));
    EXPECT_EQ(f.box->selectionArea(), QRectF(0, 140, 60, 40));
    EXPECT_EQ(f.box->controlCells().back()->frame(), QRectF(0, 140, 60, 40));
}

TEST(DNImageWatermarkView, DrawsItsImageWithTheTransparencyAndHandlesOnlyWhileEditable)
{
    Fixture f;
    f.box->setSelectionArea(QRectF(100, 100, 80, 50));
    f.box->setImage(filled(Qt::red));
    EXPECT_EQ(f.pixel({140, 125}), QColor(Qt::red));
    // The image fills the box whatever its shape.
    EXPECT_EQ(f.pixel({130, 104}), QColor(Qt::red));
    EXPECT_EQ(f.pixel({99, 125}), QColor(Qt::white));
    // Handles over it while editable, none otherwise.
    EXPECT_EQ(f.pixel({174, 106}), QColor(Qt::white));
    f.box->setEditabled(false);
    EXPECT_EQ(f.pixel({174, 106}), QColor(Qt::red));

    f.box->setTransparency(100);
    f.box->update();
    EXPECT_EQ(f.pixel({140, 125}), QColor(Qt::white));
    f.box->setTransparency(50);
    f.box->update();
    const QColor half = f.pixel({140, 125});
    EXPECT_EQ(half.red(), 255);
    EXPECT_NEAR(half.green(), 128, 2);
}

TEST(DNImageWatermarkView, WithoutAnImageNothingShowsYetTheBoxStillMoves)
{
    Fixture f;
    f.box->setSelectionArea(QRectF(100, 100, 80, 50));
    const QImage shown = f.host.grab().toImage();
    f.box->hide();
    EXPECT_EQ(f.host.grab().toImage(), shown);
    f.box->show();

    editortest::drag(f.box, at(*f.box, {140, 125}), at(*f.box, {160, 135}));
    EXPECT_EQ(f.box->selectionArea(), QRectF(120, 110, 80, 50));
    // The lower limit is 30 by 30.
    editortest::drag(f.box, at(*f.box, {194, 135}), at(*f.box, {140, 135}), 1);
    EXPECT_EQ(f.box->selectionArea(), QRectF(120, 110, 80, 50));
    f.box->setEditabled(false);
    editortest::drag(f.box, at(*f.box, {140, 125}), at(*f.box, {100, 125}));
    EXPECT_EQ(f.box->selectionArea(), QRectF(120, 110, 80, 50));
}

TEST(DNWatermarkView, TheFirstTextSizesTheBoxAndLaterTextsKeepIt)
{
    Fixture f;
    EXPECT_EQ(f.box->textColor(), QColor(Qt::lightGray));
    EXPECT_TRUE(f.box->textFont().bold());
    EXPECT_EQ(f.box->textFont().pixelSize(), 144);
    EXPECT_TRUE(f.box->text().isEmpty());

    f.box->setText(QStringLiteral("Talvane"));
    QFont measure = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    measure.setPixelSize(52);
    const QSizeF measured = QFontMetricsF(measure).size(0, QStringLiteral("Talvane"));
    // Kept at its origin as far as it fits: the box grows upward, and where it would reach past
    // the top of the view it is moved down whole rather than cut (a cut box squeezes the text).
    const QRectF sized = f.box->selectionArea();
    EXPECT_EQ(sized.x(), 0);
    EXPECT_NEAR(sized.width(), measured.width(), 1.0);
    EXPECT_NEAR(sized.height(), measured.height(), 1.0);
    EXPECT_GT(sized.height(), 60);
    EXPECT_EQ(sized.y() + sized.height(), 300);
    ASSERT_FALSE(f.box->image().isNull());
    QFont render = f.box->textFont();
    EXPECT_NEAR(f.box->image().width(), QFontMetricsF(render).horizontalAdvance(QStringLiteral("Talvane")), 1.0);

    f.box->setSelectionArea(QRectF(50, 50, 200, 80));
    f.box->setText(QStringLiteral("Harnvale Studio"));
    EXPECT_EQ(f.box->selectionArea(), QRectF(50, 50, 200, 80));
    // Cleared, the picture goes; the next text sizes the box again.
    f.box->setText(QString());
    EXPECT_TRUE(f.box->image().isNull());
    f.box->setText(QStringLiteral("Hi"));
    EXPECT_NEAR(f.box->selectionArea().width(), QFontMetricsF(measure).size(0, QStringLiteral("Hi")).width(), 1.0);

    // A text wider than the view: the box is made smaller in both directions, the text's own
    // proportions kept, and lies inside the view.
    f.box->setText(QString());
    const QString wide = QStringLiteral("WATERMARK TEST OF A WHOLE LINE");
    f.box->setText(wide);
    const QSizeF wideMeasured = QFontMetricsF(measure).size(0, wide);
    ASSERT_GT(wideMeasured.width(), 400);
    const QRectF fitted = f.box->selectionArea();
    EXPECT_NEAR((fitted.width() / fitted.height()) / (wideMeasured.width() / wideMeasured.height()), 1.0, 0.02);
    EXPECT_GE(fitted.x(), 0);
    EXPECT_LE(fitted.x() + fitted.width(), 400.01);
    EXPECT_LE(fitted.y() + fitted.height(), 300.01);
}

TEST(DNWatermarkView, OnlyTheFontsFaceCountsItIsAlwaysRenderedAt144)
{
    Fixture f;
    f.box->setText(QStringLiteral("Mark"));
    QFont small(QStringLiteral("DejaVu Serif"));
    small.setPointSize(12);
    f.box->setTextFont(small);
    const QSize fromSmall = f.box->image().size();
    QFont large(QStringLiteral("DejaVu Serif"));
    large.setPointSize(72);
    f.box->setTextFont(large);
    EXPECT_EQ(f.box->image().size(), fromSmall);
    EXPECT_EQ(f.box->textFont().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f.box->textFont().pixelSize(), 144);
    // No font: the bold system font.
    f.box->setTextFont(std::nullopt);
    EXPECT_TRUE(f.box->textFont().bold());
    EXPECT_EQ(f.box->textFont().pixelSize(), 144);
}

TEST(DNWatermarkView, TheColourIsRenderedAndATextWithoutColourIsRefused)
{
    Fixture f;
    f.box->setTextColor(QColor(200, 30, 30));
    f.box->setText(QStringLiteral("Red"));
    const QImage red = f.box->image();
    bool hasRed = false;
    for (int y = 0; y < red.height() && !hasRed; ++y)
        for (int x = 0; x < red.width() && !hasRed; ++x)
            hasRed = red.pixelColor(x, y) == QColor(200, 30, 30);
    EXPECT_TRUE(hasRed);

    f.box->setTextColor(QColor());
    f.box->setText(QStringLiteral("Refused"));
    EXPECT_EQ(f.box->text(), QStringLiteral("Refused"));
    EXPECT_EQ(f.box->image().cacheKey(), red.cacheKey());
}

TEST(DNWatermarkView, LooksFinishedOverAPicture)
{
    editortest::WithApplication application;
    editortest::PictureHost host;
    host.resize(400, 300);
    auto *text = new DNWatermarkView(&host);
    text->setFrame(QRect(0, 0, 400, 300));
    text->setTextColor(Qt::white);
    text->setText(QStringLiteral("Talvane"));
    text->setSelectionArea(QRectF(230, 20, 150, 45));
    text->setTransparency(25);
    auto *picture = new DNImageWatermarkView(&host);
    picture->setFrame(QRect(0, 0, 400, 300));
    QImage logo(64, 64, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    {
        QPainter p(&logo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(230, 60, 60));
        p.setPen(QPen(Qt::white, 4));
        p.drawEllipse(QRectF(4, 4, 56, 56));
        p.setPen(QPen(Qt::white, 6));
        p.drawLine(QPointF(22, 20), QPointF(22, 44));
        p.drawLine(QPointF(22, 20), QPointF(44, 32));
        p.drawLine(QPointF(44, 32), QPointF(22, 44));
    }
    picture->setImage(logo);
    picture->setSelectionArea(QRectF(20, 220, 60, 60));
    picture->setEditabled(false);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const QImage shot(uitest::savePicture(&host, QStringLiteral("editor-controls"), QStringLiteral("watermark-boxes")));
    ASSERT_FALSE(shot.isNull());
}

} // namespace
