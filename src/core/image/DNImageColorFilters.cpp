#include "core/image/DNImageColorFilters.h"


#include <algorithm>
#include <array>
#include <cmath>

namespace DNImageColorFilters {

namespace {

using Colour = std::array<double, 3>;

// The weights of the grey that saturation 0 leaves (the luma of HD video).
constexpr double kRedWeight = 0.2125;
constexpr double kGreenWeight = 0.7154;
constexpr double kBlueWeight = 0.0721;

void applyControls(Colour &c, const ColorControls &controls)
{
    const double grey = kRedWeight * c[0] + kGreenWeight * c[1] + kBlueWeight * c[2];
    for (double &v : c) {
        v = grey + controls.saturation * (v - grey);
        v += controls.brightness;
        v = (v - 0.5) * controls.contrast + 0.5;
    }
}

void applyGamma(Colour &c, double power)
{
    for (double &v : c)
        v = std::copysign(std::pow(std::abs(v), power), v);
}

// The turn about the grey axis k = (1, 1, 1) / sqrt 3 (Rodrigues' rotation):
// R = cos a I + (1 - cos a) k k^T + sin a [k]x.
struct HueTurn
{
    explicit HueTurn(double angle)
    {
        const double c = std::cos(angle);
        const double s = std::sin(angle) / std::sqrt(3.0);
        const double t = (1.0 - c) / 3.0;
        m = {{{c + t, t - s, t + s}, {t + s, c + t, t - s}, {t - s, t + s, c + t}}};
    }
    void apply(Colour &c) const
    {
        const Colour in = c;
        for (int row = 0; row < 3; ++row)
            c[row] = m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2];
    }
    std::array<std::array<double, 3>, 3> m{};
};

// Runs op on the colour of every pixel; alpha stays.
template<typename Op>
QImage mapColours(const QImage &image, Op op)
{
    if (image.isNull())
        return QImage();
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            Colour c{qRed(p) / 255.0, qGreen(p) / 255.0, qBlue(p) / 255.0};
            op(c);
            const auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
            line[x] = qRgba(byte(c[0]), byte(c[1]), byte(c[2]), qAlpha(p));
        }
    }
    return out;
}

} // namespace

QImage colorControls(const QImage &image, const ColorControls &controls)
{
    return mapColours(image, [&](Colour &c) { applyControls(c, controls); });
}

QImage gammaAdjust(const QImage &image, double power)
{
    return mapColours(image, [&](Colour &c) { applyGamma(c, power); });
}

QImage hueAdjust(const QImage &image, double angle)
{
    const HueTurn turn(angle);
    return mapColours(image, [&](Colour &c) { turn.apply(c); });
}

QImage colorChain(const QImage &image, const ColorChain &chain)
{
    const HueTurn turn(chain.hueAngle);
    return mapColours(image, [&](Colour &c) {
        applyControls(c, chain.controls);
        applyGamma(c, chain.gammaPower);
        turn.apply(c);
    });
}

} // namespace DNImageColorFilters
