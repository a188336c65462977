// Every transition frame the program draws, compared pixel by pixel with the plain
// floating-point form of its transition (transition_reference.h) on two textured photos:
// gradients, noise and one-pixel detail, where a read half a pixel off, a weight to the wrong
// side, a rounding that drifts or a band of rows drawn twice changes most pixels by far more
// than the few levels that fixed point may cost. The photos are wide enough to be drawn on
// several threads.
#include "slideshow/transitions/NXEffectManager.h"
#include "slideshow_test_support.h"
#include "support/testname.h"
#include "transition_reference.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <cstdint>

namespace {

const QSize kSize(512, 288);
// Levels a channel may differ by: the program weighs in 256ths and rounds after each step.
constexpr int kLevels = 2;
// Pixels that may differ by more: a pixel whose centre falls on an edge between two pictures
// can go either way (1 in 10000).
constexpr double kEdgeShare = 1e-4;

// A number from 0 to 255 that changes from pixel to pixel with no pattern.
int noise(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 0x8da6b343u ^ uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return int(h & 0xFF);
}

int level(double v)
{
    return int(std::clamp(std::lround(v), 0l, 255l));
}

// Colour ramps across and up, ripples finer than the transitions move, noise, and a block of
// one-pixel checks with one-pixel lines through it.
QImage sourcePhoto()
{
    QImage image(kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x) {
            const int n = noise(x, y, 1) / 4 - 32;
            image.setPixel(x, y, qRgb(level(255.0 * x / kSize.width() + n), level(255.0 * y / kSize.height() - n),
                                      level(128 + 90 * std::sin(x * 0.7) * std::cos(y * 0.45) + n)));
        }
    QPainter p(&image);
    for (int y = 100; y < 180; ++y)
        for (int x = 300; x < 420; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    p.setPen(QPen(QColor(255, 0, 128), 1));
    for (int k = 0; k < 12; ++k)
        p.drawLine(20 + 40 * k, 0, 60 + 37 * k, kSize.height() - 1);
    return image;
}

// Rings round a point off the middle, a ramp the other way, and different noise.
QImage targetPhoto()
{
    QImage image(kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x) {
            const double d = std::hypot(x - 170.0, y - 120.0);
            image.setPixel(x, y, qRgb(level(128 + 120 * std::sin(d * 0.9)), noise(x, y, 2),
                                      level(255.0 * (kSize.width() - x) / kSize.width() + noise(x, y, 3) / 8 - 16)));
        }
    return image;
}

struct Difference
{
    int over = 0;      // pixels off by more than kLevels in some channel
    int worst = 0;     // the largest difference of a channel
    QPoint worstAt;
};

Difference compare(const QImage &got, const QImage &expected)
{
    Difference d;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = got.pixel(x, y), b = expected.pixel(x, y);
            const int off = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            d.over += off > kLevels;
            if (off > d.worst)
                d.worst = off, d.worstAt = QPoint(x, y);
        }
    return d;
}

struct Type
{
    const char *name;
    int type;
};

std::ostream &operator<<(std::ostream &os, const Type &t)
{
    return os << t.name;
}

class TransitionReference : public ::testing::TestWithParam<Type>
{
protected:
    void SetUp() override { slideshowtest::app(); }
};

} // namespace

TEST_P(TransitionReference, EveryPixelAsThePlainFormulaDrawsIt)
{
    const int type = GetParam().type;
    const QImage from = sourcePhoto();
    const QImage to = targetPhoto();
    const transitionreference::Pair pair{transitionreference::Picture(from), transitionreference::Picture(to),
                                         transitionreference::Picture(NXEffectManager::shadingImage())};
    // A manager of its own: what other tests set on the shared one stays there.
    NXEffectManager manager;
    for (const double progress : {0.1, 0.3, 0.5, 0.7, 0.9}) {
        SCOPED_TRACE(progress);
        const QImage got =
            manager.effectImageWithFromImage(from, to, type, float(progress)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // The manager is handed a float; the reference takes the same number.
        const QImage expected = transitionreference::Transition(pair, type, double(float(progress))).frame();
        ASSERT_EQ(got.size(), expected.size());
        const Difference d = compare(got, expected);
        const int allowed = int(kEdgeShare * expected.width() * expected.height());
        if (d.over > allowed || progress == 0.5) {
            const QString dir = slideshowtest::outputFolder(QStringLiteral("slideshow_transition_reference"));
            const QString stem = dir + QStringLiteral("/%1_%2").arg(GetParam().name).arg(int(progress * 10));
            got.save(stem + QStringLiteral("_drawn.png"));
            expected.save(stem + QStringLiteral("_reference.png"));
        }
        EXPECT_LE(d.over, allowed) << d.over << " pixels off by more than " << kLevels << " levels; the worst by "
                                   << d.worst << " at (" << d.worstAt.x() << ", " << d.worstAt.y() << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Types, TransitionReference,
                         ::testing::Values(Type{"BarSwipe", 0}, Type{"Dissolve", 1}, Type{"Flash", 2}, Type{"Ripple", 3},
                                           Type{"Swipe", 4}, Type{"Mod", 5}, Type{"PageCurl", 6}, Type{"Push", 7},
                                           Type{"MoveIn", 8}, Type{"Twirl", 9}, Type{"Implosion", 10}, Type{"Fade", 11},
                                           Type{"TileOut", 12}, Type{"TileIn", 13}, Type{"RotationMode0", 14},
                                           Type{"RotationMode1", 15}, Type{"RotationMode2", 16},
                                           Type{"RotationMode3", 17}, Type{"Cut", 18}, Type{"Random", 19}),
                         [](const auto &info) { return testsupport::testName(info.param.name); });
