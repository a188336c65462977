// The crop box: the presets shipped in cropConfigure.plist, what each kind does to the box, the
// lock and the delegate, the aspect lock under the mouse, and a missing preset file.
#include "editor_controls_support.h"

#include "core/platform/DNBundle.h"
#include "ui/editor/controls/DNAreaSelectView.h"
#include "ui/editor/controls/DNCropPresets.h"
#include "ui/editor/controls/NXCropCfgValueTransform.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using editortest::at;

// Indices of the shipped presets.
enum Preset {
    Free = 0,
    RemoveBlackBorders = 1,
    Original = 2,
    KeepCurrentRatio = 3,
    Wide = 4,
    Standard = 5,
    Cinema = 6,
    Photo = 7,
    Square = 8,
    LockWide = 9,
    LockStandard = 10,
};

struct Editor : DNAreaSelectViewDelegate
{
    void onAreaSelectDidChanged(DNAreaSelector *sender) override
    {
        reports << sender->selectionArea();
    }
    bool canCropBlackRegion() override { return hasFrame; }
    std::optional<QRectF> rectByCoppingBlackRegion() override
    {
        ++detections;
        return pictureArea;
    }
    bool hasFrame = true;
    std::optional<QRectF> pictureArea;
    int detections = 0;
    QList<QRectF> reports;
};

struct Fixture : editortest::WithApplication
{
    explicit Fixture(QSize size = QSize(400, 300))
    {
        host.resize(size);
        crop = new DNAreaSelectView(QRect(QPoint(0, 0), size), &host);
        crop->setFrame(QRect(QPoint(0, 0), size));
        crop->setSelectionArea(QRectF(100, 50, 200, 100));
        crop->setDelegate(&editor);
        host.show();
    }
    editortest::PictureHost host;
    DNAreaSelectView *crop;
    Editor editor;
};

void expectRect(const QRectF &actual, const QRectF &expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 0.01);
    EXPECT_NEAR(actual.y(), expected.y(), 0.01);
    EXPECT_NEAR(actual.width(), expected.width(), 0.01);
    EXPECT_NEAR(actual.height(), expected.height(), 0.01);
}

TEST(DNAreaSelectView, ReadsTheShippedPresetsInFileOrderAndTitlesThem)
{
    Fixture f;
    const QVariantList &presets = f.crop->cropConfigItems();
    ASSERT_EQ(presets.size(), 11);
    QList<int> codes;
    for (const QVariant &preset : presets)
        codes << preset.toMap().value(QLatin1String(DNCropPresets::kCode)).toInt();
    EXPECT_EQ(codes, (QList<int>{0, 100, 3, 2, 1, 1, 1, 1, 1, 0, 0}));
    const QStringList titles = NXCropCfgValueTransform::transformedValue(presets);
    EXPECT_EQ(titles.size(), 11);
    EXPECT_EQ(titles.at(Free), QStringLiteral("Free"));
    EXPECT_EQ(titles.at(RemoveBlackBorders), QStringLiteral("Remove Black Borders"));
    EXPECT_EQ(titles.at(Wide), QStringLiteral("16:9"));
    EXPECT_TRUE(NXCropCfgValueTransform::transformedValue(QVariant()).isEmpty());
    // Nothing is locked at creation.
    EXPECT_EQ(f.crop->selectedAspect(), 0);
    EXPECT_EQ(f.crop->aspect(), QSizeF(0, 0));
}

TEST(DNAreaSelectView, ARatioPresetFitsTheBoxCentredAndTellsTheEditorAtOnce)
{
    Fixture f;
    f.crop->setSelectedAspect(Wide);
    expectRect(f.crop->selectionArea(), QRectF(0, 37.5, 400, 225));
    EXPECT_EQ(f.crop->aspect(), QSizeF(16, 9));
    ASSERT_EQ(f.editor.reports.size(), 1);
    expectRect(f.editor.reports.front(), QRectF(0, 37.5, 400, 225));
    // The cells followed: the top-middle handle is where the new box's top is.
    EXPECT_EQ(f.crop->hitCellTest(QPointF(200, 256))->tag(), 2);
    expectRect(f.crop->selectionAreaPercentage(), QRectF(0, 0.125, 1, 0.75));

    Fixture low(QSize(400, 200));
    low.crop->setSelectedAspect(Standard);
    expectRect(low.crop->selectionArea(), QRectF(66.67, 0, 266.67, 200));
}

TEST(DNAreaSelectView, ALockOnlyPresetLeavesTheBoxAndTheLockShowsAtTheNextDrag)
{
    Fixture f;
    DNAreaSelectView *crop = f.crop;
    crop->setSelectedAspect(LockWide);
    EXPECT_EQ(crop->selectionArea(), QRectF(100, 50, 200, 100));
    EXPECT_TRUE(f.editor.reports.isEmpty());
    // The top-middle handle up by 8: the width follows the height.
    editortest::drag(crop, at(*crop, {200, 144}), at(*crop, {200, 152}), 1);
    expectRect(crop->selectionArea(), QRectF(100, 50, 16.0 * 108 / 9, 108));
    // The right-middle handle right by 8: the height follows the width.
    const QRectF before = crop->selectionArea();
    const QPointF right(before.x() + before.width() - 6, before.y() + before.height() * 0.5);
    editortest::drag(crop, at(*crop, right), at(*crop, right + QPointF(8, 0)), 1);
    expectRect(crop->selectionArea(), QRectF(100, 50, before.width() + 8, (before.width() + 8) * 9 / 16));
    // Up by 60 would need a width past the right edge: refused whole.
    const QRectF held = crop->selectionArea();
    const QPointF top(held.x() + held.width() * 0.5, held.y() + held.height() - 6);
    editortest::drag(crop, at(*crop, top), at(*crop, top + QPointF(0, 60)), 1);
    EXPECT_EQ(crop->selectionArea(), held);
}

TEST(DNAreaSelectView, KeepTheShapeLocksTheBoxesOwnRatio)
{
    Fixture f;
    DNAreaSelectView *crop = f.crop;
    crop->setSelectedAspect(KeepCurrentRatio);
    EXPECT_EQ(crop->aspect(), QSizeF(200, 100));
    EXPECT_EQ(crop->selectionArea(), QRectF(100, 50, 200, 100));
    EXPECT_TRUE(f.editor.reports.isEmpty());
    editortest::drag(crop, at(*crop, {294, 100}), at(*crop, {314, 100}), 1);
    EXPECT_EQ(crop->selectionArea(), QRectF(100, 50, 220, 110));
}

TEST(DNAreaSelectView, TheWholePictureSelectsAllAndLocksThePicturesRatio)
{
    Fixture f;
    f.crop->setSelectedAspect(Original);
    EXPECT_EQ(f.crop->selectionArea(), QRectF(0, 0, 400, 300));
    EXPECT_EQ(f.crop->aspect(), QSizeF(400, 300));
    EXPECT_EQ(f.editor.reports.size(), 1);
    // Choosing another preset and then Free unlocks.
    f.crop->setSelectedAspect(Free);
    EXPECT_EQ(f.crop->aspect(), QSizeF(0, 0));
}

TEST(DNAreaSelectView, BlackBorderRemovalTakesTheFoundPicturesPlaceUnlockedAndTellsOnTheNextTurn)
{
    Fixture f;
    f.crop->setSelectedAspect(LockWide);
    // No frame to look at: only the index is taken.
    f.editor.hasFrame = false;
    f.crop->setSelectedAspect(RemoveBlackBorders);
    EXPECT_EQ(f.crop->selectedAspect(), int(RemoveBlackBorders));
    EXPECT_EQ(f.editor.detections, 0);
    EXPECT_EQ(f.crop->aspect(), QSizeF(16, 9));
    EXPECT_EQ(f.crop->selectionArea(), QRectF(100, 50, 200, 100));

    // Index 1 is applied on every choice: now the picture has a frame, whose picture lies off
    // the middle (a higher band below it): the box takes that place, not a centred one.
    f.editor.hasFrame = true;
    f.editor.pictureArea = QRectF(0, 0.2, 1, 0.7);
    f.crop->setSelectedAspect(RemoveBlackBorders);
    EXPECT_EQ(f.editor.detections, 1);
    expectRect(f.crop->selectionArea(), QRectF(0, 60, 400, 210));
    EXPECT_EQ(f.crop->aspect(), QSizeF(0, 0));
    EXPECT_TRUE(f.editor.reports.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.editor.reports.isEmpty(); }, 60000));
    EXPECT_EQ(f.editor.reports.size(), 1);

    // An empty area has no ratio: the box stays where it is.
    f.editor.pictureArea = QRectF(0, 0, 0, 0);
    f.crop->setSelectedAspect(RemoveBlackBorders);
    EXPECT_EQ(f.editor.detections, 2);
    expectRect(f.crop->selectionArea(), QRectF(0, 60, 400, 210));
}

TEST(DNAreaSelectView, ChoosingTheCurrentPresetAgainChangesNothing)
{
    Fixture f;
    f.crop->setSelectedAspect(Square);
    ASSERT_EQ(f.editor.reports.size(), 1);
    f.crop->setSelectionArea(QRectF(10, 10, 50, 50));
    f.crop->setSelectedAspect(Square);
    EXPECT_EQ(f.crop->selectionArea(), QRectF(10, 10, 50, 50));
    EXPECT_EQ(f.editor.reports.size(), 1);
}

TEST(DNAreaSelectView, WithoutThePresetFileEveryChoiceUnlocks)
{
    QTemporaryDir prefix;
    DNBundle::setPrefixOverride(prefix.path());
    Fixture f;
    DNBundle::setPrefixOverride(QString());
    EXPECT_TRUE(f.crop->cropConfigItems().isEmpty());
    f.crop->setAspect(QSizeF(4, 3));
    f.crop->setSelectedAspect(Wide);
    EXPECT_EQ(f.crop->aspect(), QSizeF(0, 0));
    EXPECT_EQ(f.crop->selectedAspect(), int(Wide));
    EXPECT_EQ(f.crop->selectionArea(), QRectF(100, 50, 200, 100));
    EXPECT_TRUE(f.editor.reports.isEmpty());
}

TEST(DNAreaSelectView, LooksFinishedOverAPicture)
{
    Fixture f(QSize(400, 300));
    f.crop->setSelectedAspect(Cinema);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.host));
    const QImage picture(uitest::savePicture(&f.host, QStringLiteral("editor-controls"), QStringLiteral("crop-box-cinema")));
    ASSERT_FALSE(picture.isNull());
    // The 2.35:1 box spans the width; above and below it the picture is darkened.
    expectRect(f.crop->selectionArea(), QRectF(0, 64.89, 400, 170.21));
    EXPECT_LT(picture.pixelColor(200, 20).lightness(), picture.pixelColor(200, 100).lightness());
}

} // namespace
