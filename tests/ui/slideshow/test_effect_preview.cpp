// The transition strip: its tiles, paging by buttons and by dragging, the tiles that animate,
// the ticked types it reports, and its samples.
#include "../ui_test_support.h"
#include "effect_demo_image.h"

#include "core/log/DNLogger.h"
#include "slideshow/transitions/NXEffectManager.h"
#include "ui/slideshow/DNEffectPreview.h"
#include "ui/slideshow/DNEffectPreviewTile.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Recorder : DNEffectPreviewDelegate
{
    QList<QList<int>> reports;
    void onEffectsSelectionChanged(const QList<int> &types) override { reports << types; }
};

QList<NXFilterPtr> allFilters()
{
    QList<NXFilterPtr> filters;
    for (int type = 0; type < NXTransitionChoiceCount; ++type)
        filters << NXEffectManager::independentFilterWithType(type);
    return filters;
}

QList<int> animating(const DNEffectPreview &strip)
{
    QList<int> on;
    for (EffectPreviewWrapper *tile : strip.tiles())
        if (tile->effectView()->isAnimating())
            on << tile->filterIndex();
    return on;
}

QList<int> range(int first, int last)
{
    QList<int> list;
    for (int i = first; i <= last; ++i)
        list << i;
    return list;
}

// A strip of the 18 choosable transitions in a window, with 0, 3 and 17 ticked.
struct StripFixture
{
    bool appReady = (uitest::app(), true);
    QWidget window;
    DNEffectPreview *strip = nullptr;
    Recorder recorder;

    explicit StripFixture(bool withDemoImages = true)
    {
        strip = new DNEffectPreview(QPoint(0, 0), &window);
        strip->setDelegate(&recorder);
        if (withDemoImages)
            strip->setDemoImages(
                {effectDemoImage(QColor(200, 50, 40), Qt::yellow), effectDemoImage(QColor(40, 70, 200), Qt::green)});
        strip->setPrevieFilters(allFilters(), {0, 3, 17});
        window.resize(strip->size());
        window.show();
        strip->startPreview();
    }
    bool settlesAt(int x)
    {
        return uitest::waitFor([&] { return strip->contentView()->x() == x; }) && (uitest::serve(500), true);
    }
};

} // namespace

TEST(EffectPreviewStrip, TilesPagesAndArrows)
{
    StripFixture f;
    ASSERT_EQ(f.strip->size(), QSize(520, 100));
    EXPECT_EQ(f.strip->contentView()->width(), 2080); // 20 tiles' room for 18
    ASSERT_EQ(f.strip->tiles().size(), 18);
    EXPECT_EQ(f.strip->tiles().at(1)->geometry(), QRect(110, 5, 98, 95));
    QList<int> ticked;
    for (EffectPreviewWrapper *tile : f.strip->tiles())
        if (tile->state())
            ticked << tile->filterIndex();
    EXPECT_EQ(ticked, (QList<int>{0, 3, 17}));
    EXPECT_EQ(animating(*f.strip), range(0, 4));
    EXPECT_TRUE(f.strip->leftArrow()->isHidden()) << "first page";
    EXPECT_FALSE(f.strip->rightArrow()->isHidden());
    uitest::serve(300);
    uitest::savePicture(f.strip, QStringLiteral("slideshow"), QStringLiteral("effect_strip_page1"));

    QTest::mouseClick(f.strip->rightArrow(), Qt::LeftButton);
    ASSERT_TRUE(f.settlesAt(-520));
    EXPECT_EQ(animating(*f.strip), range(5, 9));
    EXPECT_FALSE(f.strip->leftArrow()->isHidden());
    uitest::savePicture(f.strip, QStringLiteral("slideshow"), QStringLiteral("effect_strip_page2"));

    f.strip->switchEffectPreviewPage(true);
    ASSERT_TRUE(f.settlesAt(-1040));
    f.strip->switchEffectPreviewPage(true);
    ASSERT_TRUE(f.settlesAt(-1560)) << "the last page's right edge meets the strip's";
    EXPECT_EQ(animating(*f.strip), range(15, 17));
    EXPECT_TRUE(f.strip->rightArrow()->isHidden()) << "last page";
    uitest::savePicture(f.strip, QStringLiteral("slideshow"), QStringLiteral("effect_strip_page4"));
    f.strip->switchEffectPreviewPage(true);
    ASSERT_TRUE(f.settlesAt(-1560));

    QTest::mouseClick(f.strip->leftArrow(), Qt::LeftButton);
    ASSERT_TRUE(f.settlesAt(-1040));
    EXPECT_EQ(animating(*f.strip), range(10, 14));
}

TEST(EffectPreviewStrip, DraggingSnapsToThePageInTheDirectionOfTheDrag)
{
    StripFixture f;
    QTest::mousePress(f.strip, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 10), f.strip->mapToGlobal(QPointF(200, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.strip, &move);
    EXPECT_EQ(f.strip->contentView()->x(), -50) << "half the mouse's way, at once";
    QTest::mouseRelease(f.strip, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));
    ASSERT_TRUE(f.settlesAt(-520));
    EXPECT_EQ(animating(*f.strip), range(5, 9));

    // Back towards the earlier page.
    QTest::mousePress(f.strip, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    QMouseEvent back(QEvent::MouseMove, QPointF(140, 10), f.strip->mapToGlobal(QPointF(140, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.strip, &back);
    QTest::mouseRelease(f.strip, Qt::LeftButton, Qt::NoModifier, QPoint(140, 10));
    ASSERT_TRUE(f.settlesAt(0));

    // A press and release without moving leaves the content where it is.
    QTest::mousePress(f.strip, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    QTest::mouseRelease(f.strip, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    uitest::serve(500);
    EXPECT_EQ(f.strip->contentView()->x(), 0);
}

TEST(EffectPreviewStrip, ReportsTheTickedTypesInOrder)
{
    StripFixture f(true);
    f.strip->tiles().at(3)->checkButton()->click(); // off
    EXPECT_EQ(f.recorder.reports.last(), (QList<int>{0, 17}));
    f.strip->tiles().at(3)->checkButton()->click();
    f.strip->tiles().at(9)->checkButton()->click();
    EXPECT_EQ(f.recorder.reports.last(), (QList<int>{0, 3, 9, 17}));
    EXPECT_EQ(f.recorder.reports.size(), 3);
}

TEST(EffectPreviewStrip, WithoutTwoDemoImagesNothingAnimates)
{
    StripFixture f(false);
    EXPECT_TRUE(animating(*f.strip).isEmpty());
    EXPECT_TRUE(f.strip->tiles().first()->effectView()->imageAtTime(0.5).isNull());
    f.strip->stopPreview();
    EXPECT_EQ(f.strip->contentView(), nullptr);
    EXPECT_TRUE(f.strip->tiles().isEmpty());
}

// Forward in even seconds, back in odd ones, eased: a quarter into the first second the dissolve
// is mostly its source, a quarter into the second mostly its target.
TEST(EffectPreviewStrip, SamplesPlayForwardThenBack)
{
    uitest::app();
    EffectPreview sample(QRect(0, 0, 98, 75));
    QImage red(98, 75, QImage::Format_ARGB32_Premultiplied);
    red.fill(Qt::red);
    QImage blue(98, 75, QImage::Format_ARGB32_Premultiplied);
    blue.fill(Qt::blue);
    sample.setTransition(NXEffectManager::independentFilterWithType(1));
    sample.setSourceImage(red);
    sample.setTargetImage(blue);
    const QColor forward = sample.imageAtTime(0.25).pixelColor(10, 10);
    const QColor backward = sample.imageAtTime(1.25).pixelColor(10, 10);
    // Eased time (1 - cos(pi / 4)) / 2 = 0.146: 85 % of the image shown first.
    EXPECT_NEAR(forward.red(), 218, 2);
    EXPECT_NEAR(backward.blue(), 218, 2);
    EXPECT_NEAR(sample.imageAtTime(2.5).pixelColor(10, 10).red(), 128, 2);
}

// A strip left open costs its redraws only: each frame of the 5-second loop (150 of them, 30 a
// second) is drawn by the transition once and kept while the sample animates; new images or a
// stop let them go.
TEST(EffectPreviewStrip, SamplesDrawEachFrameOfTheirLoopOnce)
{
    uitest::app();
    QWidget window;
    auto *sample = new EffectPreview(QRect(0, 0, 98, 75), &window);
    QImage red(98, 75, QImage::Format_ARGB32_Premultiplied);
    red.fill(Qt::red);
    QImage blue(98, 75, QImage::Format_ARGB32_Premultiplied);
    blue.fill(Qt::blue);
    sample->setTransition(NXEffectManager::independentFilterWithType(1));
    sample->setSourceImage(red);
    sample->setTargetImage(blue);
    window.show();
    sample->startPreview();
    ASSERT_TRUE(sample->isAnimating());

    const auto same = [](const QImage &a, const QImage &b) {
        return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
    };
    // Frame 37 is 37/30 s into the loop: 0.493 s of animation time, forward.
    const QImage &frame = sample->loopFrame(37);
    EXPECT_TRUE(same(frame, sample->imageAtTime(37 / 75.0)));
    EXPECT_EQ(sample->loopFrame(37).cacheKey(), frame.cacheKey()) << "kept, not drawn again";
    // Frame 112 plays the same moment backward.
    EXPECT_TRUE(same(sample->loopFrame(112), sample->imageAtTime(112 / 75.0)));

    // The redraws take the frames they need, and never more than the loop holds.
    uitest::serve(400);
    const int kept = sample->keptFrames();
    EXPECT_GE(kept, 3);
    EXPECT_LE(kept, EffectPreview::kLoopFrames);

    sample->setTargetImage(red);
    EXPECT_EQ(sample->keptFrames(), 0) << "new images, new frames";
    sample->loopFrame(5);
    sample->stopPreview();
    EXPECT_FALSE(sample->isAnimating());
    EXPECT_EQ(sample->keptFrames(), 0);
}

TEST(EffectPreviewStrip, FiltersAreSetUpForTheTiles)
{
    uitest::app();
    QTemporaryDir logDir;
    QDir().mkpath(logDir.filePath(QStringLiteral("log")));
    QDir().mkpath(logDir.filePath(QStringLiteral("previous")));
    DNLogger::shareRoughLog().redirect(logDir.filePath(QStringLiteral("log")));
    StripFixture f;
    const QList<NXFilterPtr> filters = [&] {
        QList<NXFilterPtr> list;
        for (EffectPreviewWrapper *tile : f.strip->tiles())
            list << tile->effectView()->transition();
        return list;
    }();
    EXPECT_EQ(filters.at(2)->valueForKey(NXFilterKey::center).toPointF(), QPointF(49, 37.5));
    EXPECT_EQ(filters.at(2)->valueForKey(NXFilterKey::extent).toRectF(), QRectF(0, 0, 98, 75));
    EXPECT_FALSE(filters.at(3)->valueForKey(NXFilterKey::shadingImage).value<QImage>().isNull());
    EXPECT_NEAR(filters.at(6)->valueForKey(NXFilterKey::angle).toDouble(), -0.7853982, 1e-7);
    EXPECT_EQ(filters.at(6)->valueForKey(NXFilterKey::backsideImage).value<QImage>().size(),
              NXEffectManager::shadingImage().size());
    for (int type = 14; type <= 17; ++type)
        EXPECT_EQ(filters.at(type)->valueForKey(NXFilterKey::mode).toInt(), type - 14);
    QFile log(DNLogger::shareRoughLog().roughLogFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("mod filter:CIModTransition"));
}
