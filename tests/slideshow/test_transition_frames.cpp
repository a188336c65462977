// Every transition type between two solid pictures: the start is the first picture, the end the
// second, and the middle shows the transition's movement at sampled points. Points are in the
// transitions' coordinates (origin at the bottom left, y upward) on 160 x 120 pictures.
#include "slideshow/transitions/NXEffectManager.h"
#include "slideshow_test_support.h"
#include "support/testname.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <functional>
#include <vector>

using slideshowtest::pixelAt;
using slideshowtest::solid;

namespace {

const QSize kSize(160, 120);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kHalf = qRgb(128, 0, 128);   // red and blue mixed half and half
const QRgb kLight = qRgb(255, 204, 153); // the flash's colour

bool near(QRgb a, QRgb b, int tolerance = 2)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance && std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

std::string describe(QRgb c)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(qAlpha(c)).toStdString();
}

QImage premultiplied(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct Probe
{
    double x;
    double y;
    QRgb expected;
};

struct FrameCase
{
    const char *name;
    int type;
    std::vector<Probe> middle;
    // Further checks of the middle frame where points alone do not tell the movement.
    std::function<void(const QImage &)> check;
};

std::ostream &operator<<(std::ostream &os, const FrameCase &c)
{
    return os << c.name;
}

// Bars 50 high, every other one 100 behind, sweeping in from the right: at the middle the
// leading bar (y 50 to 100) has reached x 30, the others x 130.
const std::vector<Probe> kBarSwipe{{150, 25, kBlue}, {100, 25, kRed}, {100, 75, kBlue}, {10, 75, kRed}, {140, 110, kBlue}};

void everyPixelIsOneOfTheTwo(const QImage &frame)
{
    int red = 0, blue = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb c = frame.pixel(x, y);
            red += c == kRed;
            blue += c == kBlue;
        }
    EXPECT_EQ(red + blue, frame.width() * frame.height()) << "holes open cleanly";
    EXPECT_GT(red, 0);
    EXPECT_GT(blue, 0);
}

const std::vector<FrameCase> kFrameCases{
    {"BarSwipe", 0, kBarSwipe, nullptr},
    {"Dissolve", 1, {{10, 10, kHalf}, {80, 60, kHalf}, {150, 110, kHalf}}, nullptr},
    // The glow is full at the centre and weak at the corners, over the images crossing.
    {"Flash", 2, {{80, 60, kLight}},
     [](const QImage &f) {
         const QRgb corner = pixelAt(f, 0.5, 0.5);
         EXPECT_FALSE(near(corner, kLight, 20)) << describe(corner);
         EXPECT_GT(qRed(corner), 100);
         EXPECT_GT(qBlue(corner), 100);
     }},
    // Half-way (eased time 0.5) the ring's middle is 50 from the centre, its inner edge 10.
    {"Ripple", 3, {{80, 65, kBlue}, {75, 60, kBlue}, {0.5, 0.5, kRed}, {159.5, 119.5, kRed}}, nullptr},
    // A soft edge 300 wide from the right: more target on the right, more source on the left.
    {"Swipe", 4, {},
     [](const QImage &f) {
         const QRgb left = pixelAt(f, 0.5, 60);
         const QRgb right = pixelAt(f, 159.5, 60);
         EXPECT_GT(qBlue(right), qBlue(left) + 100) << describe(left) << describe(right);
         EXPECT_GT(qRed(left), qRed(right) + 100);
     }},
    {"Mod", 5, {}, everyPixelIsOneOfTheTwo},
    // Lifted at the top right: the target shows there, the page still lies at the bottom left,
    // and on the roll between the page is shaded.
    {"PageCurl", 6, {{159.5, 119.5, kBlue}, {0.5, 0.5, kRed}},
     [](const QImage &f) {
         const QRgb roll = pixelAt(f, 70.7, 70.7);
         EXPECT_GT(qRed(roll), 200);
         EXPECT_LT(qRed(roll), 255) << "shaded";
         EXPECT_EQ(qBlue(roll), 0);
     }},
    // From the left: the target has come in half-way.
    {"Push", 7, {{40, 60, kBlue}, {120, 60, kRed}}, nullptr},
    {"MoveIn", 8, {{40, 60, kBlue}, {120, 60, kRed}}, nullptr},
    {"Twirl", 9, {{80, 60, kHalf}, {5, 60, kHalf}}, nullptr},
    // The source drawn into the middle; the target everywhere else.
    {"Implosion", 10, {{80.5, 60.5, kRed}, {20.5, 60.5, kBlue}, {150, 110, kBlue}}, nullptr},
    {"Fade", 11, {{10, 10, kHalf}, {150, 110, kHalf}}, nullptr},
    // Bands 20 high alternate: in one the tiles travel from the left, in the next from the
    // right, as the previews show them.
    {"TileOut", 12, {{40, 30, kRed}, {120, 30, kBlue}, {40, 10, kBlue}, {120, 10, kRed}}, nullptr},
    {"TileIn", 13, {{40, 30, kBlue}, {120, 30, kRed}, {40, 10, kRed}, {120, 10, kBlue}}, nullptr},
    // A quarter turn about the middle of the bottom edge: the target turning in covers the
    // bottom-left quarter (mode 0) or the bottom-right one (mode 1); the source turning out
    // leaves those quarters (modes 3 and 2).
    {"RotationMode0", 14, {{40, 40, kBlue}, {120, 40, kRed}, {40, 100, kRed}}, nullptr},
    {"RotationMode1", 15, {{120, 40, kBlue}, {40, 40, kRed}, {120, 100, kRed}}, nullptr},
    {"RotationMode2", 16, {{120, 40, kRed}, {40, 40, kBlue}, {120, 100, kBlue}}, nullptr},
    {"RotationMode3", 17, {{40, 40, kRed}, {120, 40, kBlue}, {40, 100, kBlue}}, nullptr},
    {"Cut", 18, {{10, 10, kBlue}, {150, 110, kBlue}}, nullptr},
    // The random type makes bar-swipe frames.
    {"Random", 19, kBarSwipe, nullptr},
};

class TransitionFrames : public ::testing::TestWithParam<FrameCase>
{
protected:
    void SetUp() override { slideshowtest::app(); }
};

} // namespace

TEST_P(TransitionFrames, StartIsTheFirstEndIsTheSecondMiddleMoves)
{
    const FrameCase &c = GetParam();
    const auto manager = NXEffectManager::instance();
    const QImage from = solid(kSize, kRed);
    const QImage to = solid(kSize, kBlue);

    EXPECT_EQ(manager->effectImageWithFromImage(from, to, c.type, 0.0f), from);
    EXPECT_EQ(manager->effectImageWithFromImage(from, to, c.type, 0.00005f), from);
    EXPECT_EQ(manager->effectImageWithFromImage(from, to, c.type, 1.0f), to);
    EXPECT_EQ(manager->effectImageWithFromImage(from, to, c.type, 0.99995f), to);

    const QImage middle = premultiplied(manager->effectImageWithFromImage(from, to, c.type, 0.5f));
    ASSERT_EQ(middle.size(), kSize);
    for (const Probe &p : c.middle) {
        const QRgb got = pixelAt(middle, p.x, p.y);
        EXPECT_TRUE(near(got, p.expected)) << "at (" << p.x << ", " << p.y << "): " << describe(got) << " instead of "
                                           << describe(p.expected);
    }
    if (c.check)
        c.check(middle);
    // Just inside the ends the frame is made (not cut) and already, or still, nearly the picture.
    if (c.type != 18) {
        const QImage early = premultiplied(manager->effectImageWithFromImage(from, to, c.type, 0.001f));
        EXPECT_FALSE(early.isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Types, TransitionFrames, ::testing::ValuesIn(kFrameCases),
                         [](const auto &info) { return testsupport::testName(info.param.name); });

// The previews drive the filters themselves (with their own time): at time 0 a filter shows the
// source, at time 1 the target, whatever its kind.
TEST(TransitionFilters, EachFilterStartsAtTheSourceAndEndsAtTheTarget)
{
    slideshowtest::app();
    const QImage from = solid(kSize, kRed);
    const QImage to = solid(kSize, kBlue);
    for (int type = 0; type < NXTransitionChoiceCount; ++type) {
        const NXFilterPtr filter = NXEffectManager::independentFilterWithType(type);
        ASSERT_TRUE(filter) << type;
        filter->setValue(from, NXFilterKey::image);
        filter->setValue(to, NXFilterKey::targetImage);
        filter->setValue(0.0, NXFilterKey::time);
        EXPECT_EQ(premultiplied(filter->outputImage()), from) << "type " << type << " at 0";
        filter->setValue(1.0, NXFilterKey::time);
        EXPECT_EQ(premultiplied(filter->outputImage()), to) << "type " << type << " at 1";
    }
}

// The previews' tiles move as the movie's: bands 20 high alternate, the tiles of one band travel
// from the left, those of the next from the right.
TEST(TransitionFilters, TilesSlideInAndOutInAlternatingBands)
{
    slideshowtest::app();
    const QImage from = solid(kSize, kRed);
    const QImage to = solid(kSize, kBlue);
    struct Row
    {
        int type;
        std::vector<Probe> probes;
    };
    const Row rows[] = {
        {13, {{40, 30, kBlue}, {120, 30, kRed}, {40, 10, kRed}, {120, 10, kBlue}}},
        {12, {{40, 30, kRed}, {120, 30, kBlue}, {40, 10, kBlue}, {120, 10, kRed}}},
    };
    for (const Row &row : rows) {
        const NXFilterPtr filter = NXEffectManager::independentFilterWithType(row.type);
        filter->setValue(from, NXFilterKey::image);
        filter->setValue(to, NXFilterKey::targetImage);
        filter->setValue(0.5, NXFilterKey::time);
        const QImage frame = premultiplied(filter->outputImage());
        for (const Probe &p : row.probes)
            EXPECT_TRUE(near(pixelAt(frame, p.x, p.y), p.expected))
                << "type " << row.type << " at (" << p.x << ", " << p.y << ")";
    }
}

// The twirl turns the picture about its middle out to a radius of the height less 20: a quarter
// of the way in, a point just left of the middle shows what lay to the right of it; a point
// beyond the radius only fades.
TEST(TransitionFilters, TwirlTurnsThePictureAboutItsMiddle)
{
    slideshowtest::app();
    QImage from = solid(QSize(200, 60), kRed);
    {
        QPainter p(&from);
        p.fillRect(QRect(100, 0, 100, 60), QColor(0, 255, 0));
    }
    const QImage to = solid(QSize(200, 60), kBlue);
    const NXFilterPtr filter = NXEffectManager::independentFilterWithType(9);
    filter->setValue(from, NXFilterKey::image);
    filter->setValue(to, NXFilterKey::targetImage);
    filter->setValue(0.25, NXFilterKey::time);
    const QImage frame = premultiplied(filter->outputImage());
    // Three quarters source (green, turned over from the right), one quarter target.
    EXPECT_TRUE(near(pixelAt(frame, 95, 30), qRgb(0, 191, 64))) << describe(pixelAt(frame, 95, 30));
    EXPECT_TRUE(near(pixelAt(frame, 20, 30), qRgb(191, 0, 64))) << describe(pixelAt(frame, 20, 30));
}

TEST(EffectManager, TypesLeadToTheirFilters)
{
    slideshowtest::app();
    const auto manager = NXEffectManager::instance();
    EXPECT_EQ(manager->filterWithNXType(12)->name(), QStringLiteral("NXTileOutTransform"));
    EXPECT_EQ(manager->filterWithNXType(13)->name(), QStringLiteral("NXTileInTransform"));
    EXPECT_EQ(manager->filterWithNXType(15), manager->filterWithCIName(QStringLiteral("NXRotationFilter")));
    EXPECT_EQ(manager->filterWithNXType(18), nullptr);
    EXPECT_EQ(manager->filterWithNXType(20), nullptr);
    for (int i = 0; i < 20; ++i) {
        const NXFilterPtr random = manager->filterWithNXType(19);
        ASSERT_TRUE(random);
        EXPECT_NE(random->name(), QString());
    }
    EXPECT_EQ(manager->filterWithCIName(QStringLiteral("CIAffineTransform"))->name(), QStringLiteral("CIAffineTransform"));
    EXPECT_TRUE(manager->filterWithCIName(QStringLiteral("CISourceOverCompositing")));
    EXPECT_EQ(manager->mediaTimeFunc()->funcType(), 4);
    // Copies are free to change; the rotations carry their mode.
    for (int type = 14; type <= 17; ++type)
        EXPECT_EQ(NXEffectManager::independentFilterWithType(type)->valueForKey(NXFilterKey::mode).toInt(), type - 14);
    const NXFilterPtr copy = NXEffectManager::independentFilterWithType(2);
    copy->setValue(QPointF(1, 2), NXFilterKey::center);
    EXPECT_NE(manager->filterWithNXType(2)->valueForKey(NXFilterKey::center), QVariant(QPointF(1, 2)));
    EXPECT_FALSE(NXEffectManager::shadingImage().isNull());
    EXPECT_FALSE(NXEffectManager::blankImage().isNull());
}

TEST(EffectManager, RippleTimeIsEasedAndCentresFollowTheSource)
{
    slideshowtest::app();
    const auto manager = NXEffectManager::instance();
    const QImage from = solid(QSize(60, 40), kRed);
    const QImage to = solid(QSize(60, 40), kBlue);
    const NXFilterPtr ripple = manager->filterWithNXType(3);
    manager->effectImageWithFromImage(from, to, 3, 0.5f);
    EXPECT_NEAR(ripple->valueForKey(NXFilterKey::time).toDouble(), 0.5, 1e-6);
    manager->effectImageWithFromImage(from, to, 3, 0.25f);
    EXPECT_NEAR(ripple->valueForKey(NXFilterKey::time).toDouble(), 0.1464466, 1e-6);
    EXPECT_EQ(ripple->valueForKey(NXFilterKey::center).toPointF(), QPointF(30, 20));
    EXPECT_EQ(ripple->valueForKey(NXFilterKey::width).toDouble(), 80.0);
    manager->effectImageWithFromImage(from, to, 2, 0.5f);
    EXPECT_EQ(manager->filterWithNXType(2)->valueForKey(NXFilterKey::center).toPointF(), QPointF(30, 20));
    // A change a user makes to a shared filter is there for the next user.
    manager->filterWithNXType(5)->setValue(7.0, NXFilterKey::radius);
    manager->effectImageWithFromImage(from, to, 5, 0.5f); // the first use sets the defaults again
    EXPECT_EQ(manager->filterWithNXType(5)->valueForKey(NXFilterKey::radius).toDouble(), 150.0);
    manager->filterWithNXType(5)->setValue(7.0, NXFilterKey::radius);
    manager->effectImageWithFromImage(from, to, 5, 0.5f);
    EXPECT_EQ(manager->filterWithNXType(5)->valueForKey(NXFilterKey::radius).toDouble(), 7.0);
}

TEST(EffectManager, MissingTargetShowsTheSourceAndThePageCurlKeepsTheTargetsSize)
{
    slideshowtest::app();
    const auto manager = NXEffectManager::instance();
    const QImage from = solid(QSize(80, 60), kRed);
    EXPECT_EQ(manager->effectImageWithFromImage(from, QImage(), 1, 0.5f), from);
    const QImage to = solid(QSize(40, 30), kBlue);
    EXPECT_EQ(manager->effectImageWithFromImage(from, to, 6, 0.5f).size(), QSize(40, 30));
}

// The pictures of every transition as a strip of frames at 0, 1/4, 1/2, 3/4 and 1 (frame
// making), with the previews' filter under it where the two differ, for a person to look at.
TEST(TransitionStrips, EachTypeIsDrawnAsAStrip)
{
    slideshowtest::app();
    const QSize size(96, 72);
    QImage from(size, QImage::Format_ARGB32_Premultiplied);
    QImage to(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&from);
        p.fillRect(from.rect(), QColor(200, 40, 40));
        p.fillRect(QRect(8, 8, 30, 24), Qt::white);
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(0, 71, 95, 0);
        QPainter q(&to);
        q.fillRect(to.rect(), QColor(40, 60, 200));
        q.setBrush(Qt::yellow);
        q.drawEllipse(QPoint(60, 40), 20, 20);
    }
    const auto manager = NXEffectManager::instance();
    const double steps[] = {0.0, 0.25, 0.5, 0.75, 1.0};
    const QString dir = slideshowtest::outputFolder(QStringLiteral("slideshow_transitions"));
    for (int type = 0; type < 20; ++type) {
        QImage strip(size.width() * 5 + 4 * 4, size.height() * 2 + 4, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::white);
        QPainter p(&strip);
        const NXFilterPtr preview = NXEffectManager::independentFilterWithType(type);
        for (int i = 0; i < 5; ++i) {
            const QImage frame = manager->effectImageWithFromImage(from, to, type, float(steps[i]));
            ASSERT_FALSE(frame.isNull()) << type;
            p.drawImage(i * (size.width() + 4), 0, frame);
            if (preview) {
                preview->setValue(from, NXFilterKey::image);
                preview->setValue(to, NXFilterKey::targetImage);
                preview->setValue(steps[i], NXFilterKey::time);
                p.drawImage(i * (size.width() + 4), size.height() + 4, preview->outputImage());
            }
        }
        p.end();
        const QString path = dir + QStringLiteral("/type_%1.png").arg(type, 2, 10, QLatin1Char('0'));
        EXPECT_TRUE(strip.save(path)) << path.toStdString();
    }
}
