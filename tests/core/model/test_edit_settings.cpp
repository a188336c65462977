#include "core/model/DNDVDTitleSetting.h"
#include "core/model/DNNodeSetting.h"

#include <gtest/gtest.h>

namespace {

const DNRelativeRect kWholePicture{0, 0, 1, 1};
const DNRelativeRect kWatermarkDefault{0.3f, 0.3f, 0.3f, 0.3f};

TEST(EditSetting, PlainRecordHoldsZerosNotUsableDefaults)
{
    const DNBaseEditSetting s;
    EXPECT_EQ(s.volume(), 0u);
    EXPECT_EQ(s.trimEndPercent(), 0.0f);
    EXPECT_EQ(s.position(), 100u);
    EXPECT_TRUE(s.generalEnable());
    EXPECT_EQ(s.cropRectPercent(), DNRelativeRect{});
    EXPECT_EQ(s.watermarkType(), 0u);
    EXPECT_EQ(s.watermarkFont(), nullptr);
}

// The item records differ only in the watermark defaults.
TEST(EditSetting, ItemRecordsStartFromUsableDefaults)
{
    const DNNodeSetting file;
    const DNDVDTitleSetting title;
    for (const DNTrackEditSetting *s : {static_cast<const DNTrackEditSetting *>(&file),
                                        static_cast<const DNTrackEditSetting *>(&title)}) {
        EXPECT_EQ(s->volume(), 100u);
        EXPECT_EQ(s->position(), 100u);
        EXPECT_EQ(s->trimStartPercent(), 0.0f);
        EXPECT_EQ(s->trimEndPercent(), 1.0f);
        EXPECT_EQ(s->indexOfCropAspect(), 1u);
        EXPECT_EQ(s->cropRectPercent(), kWholePicture);
        EXPECT_EQ(s->watermarkType(), 1u);
        EXPECT_EQ(s->watermarkRectPercent(), kWatermarkDefault);
        EXPECT_EQ(s->videoIndex(), 0);
        EXPECT_EQ(s->audioIndex(), 0);
        EXPECT_EQ(s->subtitleIndex(), -1);
        EXPECT_TRUE(s->generalEnable());
        EXPECT_FALSE(s->trimEnable() || s->cropEnable() || s->watermarkEnable() || s->subtitleEnable());
    }
    EXPECT_EQ(file.watermarkTransparency(), 30u);
    ASSERT_NE(file.watermarkFont(), nullptr);
    EXPECT_TRUE(file.watermarkFont()->isSystemFont());
    EXPECT_EQ(file.watermarkFont()->pointSize, 120.0);
    ASSERT_NE(file.watermarkColor(), nullptr);
    EXPECT_EQ(*file.watermarkColor(), *DNColor::redColor());

    EXPECT_EQ(title.watermarkTransparency(), 50u);
    EXPECT_EQ(title.watermarkFont(), nullptr);
    EXPECT_EQ(title.watermarkColor(), nullptr);
}

TEST(EditSetting, CopyKeepsClassAndEveryFieldAndSharesFontAndColour)
{
    DNNodeSetting s;
    s.setSubtitleIndex(2);
    s.setAudioIndex(-1);
    s.setVideoIndex(1);
    s.setRotationAngle(90);
    s.setMirror(true);
    s.setTrimEnable(true);
    s.setTrimStartPercent(0.25f);
    s.setTrimEndPercent(0.75f);
    s.setCropRectPercent({0.1f, 0.2f, 0.5f, 0.5f});
    s.setWatermarkText(QStringLiteral("Trip"));
    s.setWatermarkFont(DNFont::font(QStringLiteral("DejaVu Sans"), 36));
    s.setVolume(150);
    s.setForceSubOnly(true);

    const auto copied = s.copy();
    const auto *c = dynamic_cast<const DNNodeSetting *>(copied.get());
    ASSERT_NE(c, nullptr) << "copy changed the class";
    EXPECT_EQ(c->subtitleIndex(), 2);
    EXPECT_EQ(c->audioIndex(), -1);
    EXPECT_EQ(c->videoIndex(), 1);
    EXPECT_EQ(c->rotationAngle(), 90);
    EXPECT_TRUE(c->mirror());
    EXPECT_TRUE(c->trimEnable());
    EXPECT_EQ(c->trimStartPercent(), 0.25f);
    EXPECT_EQ(c->trimEndPercent(), 0.75f);
    EXPECT_EQ(c->cropRectPercent(), (DNRelativeRect{0.1f, 0.2f, 0.5f, 0.5f}));
    EXPECT_EQ(c->watermarkText(), QStringLiteral("Trip"));
    EXPECT_EQ(c->volume(), 150u);
    EXPECT_TRUE(c->forceSubOnly());
    EXPECT_EQ(c->watermarkFont(), s.watermarkFont()) << "font must be shared";
    EXPECT_EQ(c->watermarkColor(), s.watermarkColor()) << "colour must be shared";

    // Independent otherwise.
    s.setWatermarkText(QStringLiteral("Other"));
    s.setSubtitleIndex(0);
    EXPECT_EQ(c->watermarkText(), QStringLiteral("Trip"));
    EXPECT_EQ(c->subtitleIndex(), 2);

    const DNDVDTitleSetting title;
    EXPECT_NE(dynamic_cast<DNDVDTitleSetting *>(title.copy().get()), nullptr);
    const DNBaseEditSetting base;
    EXPECT_EQ(typeid(*base.copy()), typeid(DNBaseEditSetting));
}

TEST(EditSetting, ResetsRestoreOnlyTheirOwnPage)
{
    DNNodeSetting s;
    s.setVolume(20);
    s.setPosition(40);
    s.setTrimEnable(true);
    s.setTrimStartPercent(0.5f);
    s.setCropEnable(true);
    s.setCropRectPercent({0.1f, 0.1f, 0.1f, 0.1f});
    s.setWatermarkEnable(true);
    s.setWatermarkTransparency(80);
    s.setWatermarkImagePath(QStringLiteral("/tmp/logo.png"));

    s.resetGeneralEdit();
    EXPECT_EQ(s.volume(), 100u);
    EXPECT_EQ(s.position(), 40u) << "the general reset touches only the volume";
    s.resetSubtitleEdit();
    EXPECT_EQ(s.position(), 100u);
    EXPECT_TRUE(s.trimEnable());
    s.resetTrimEdit();
    EXPECT_FALSE(s.trimEnable());
    EXPECT_EQ(s.trimStartPercent(), 0.0f);
    EXPECT_TRUE(s.cropEnable());
    s.resetCropEdit();
    EXPECT_FALSE(s.cropEnable());
    EXPECT_EQ(s.cropRectPercent(), kWholePicture);
    s.resetWatermarkEdit();
    EXPECT_FALSE(s.watermarkEnable());
    EXPECT_EQ(s.watermarkTransparency(), 30u);
    EXPECT_TRUE(s.watermarkImagePath().isNull());
}

TEST(EditSetting, RotationIsTakenModulo360)
{
    DNBaseEditSetting s;
    const struct { qint32 angle; int expected; } cases[] = {{0, 0}, {360, 0}, {90, 90}, {450, 90}, {270, 270}, {-90, 270}};
    for (const auto &c : cases) {
        s.setRotationAngle(c.angle);
        EXPECT_EQ(s.normalizedRotation(), c.expected) << c.angle;
    }
}

TEST(EditSetting, RelativeRectanglesMapToPixelsWithATopLeftOrigin)
{
    const struct { DNRelativeRect rect; int w, h; QRect expected; } cases[] = {
        {{0.1f, 0.2f, 0.5f, 0.5f}, 720, 480, QRect(72, 144, 360, 240)},
        {{0, 0, 1, 1}, 720, 576, QRect(0, 0, 720, 576)},
        // A rectangle at the bottom edge (y = 0) reaches the last pixel row.
        {{0.3f, 0.0f, 0.3f, 0.25f}, 640, 480, QRect(192, 360, 192, 120)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.rect.toPixelRect(c.w, c.h), c.expected);
}

TEST(EditSetting, WatermarkOpacityIsTheComplementOfTransparency)
{
    DNBaseEditSetting s;
    const struct { quint32 transparency; float opacity; } cases[] = {{0, 1.0f}, {30, 0.7f}, {100, 0.0f}, {250, 0.0f}};
    for (const auto &c : cases) {
        s.setWatermarkTransparency(c.transparency);
        EXPECT_NEAR(s.watermarkOpacity(), c.opacity, 1e-6) << c.transparency;
    }
}

TEST(EditSetting, SettersStoreValuesUnchecked)
{
    DNBaseEditSetting s;
    s.setTrimEndPercent(1.5f);
    s.setVolume(1000);
    s.setWatermarkTransparency(250);
    EXPECT_EQ(s.trimEndPercent(), 1.5f);
    EXPECT_EQ(s.volume(), 1000u);
    EXPECT_EQ(s.watermarkTransparency(), 250u);
}

} // namespace
