#pragma once

// The transitions as the manager configures them, written the plain way: every output pixel
// worked out by itself in double precision from the transition's formula, with plain bilinear
// reads, sin, cos, log and asin called where the formula has them, and one rounding at the end.
// No fixed point, no tables, no rows read at once, no threads: slow, and obviously what each
// transition means. The frames the program draws must come within a level or two of these on
// any picture (tests/slideshow/test_transition_reference.cpp).
//
// Coordinates are the transitions' own: origin at the bottom left, y upward, pixel centres at
// half units.
#include <QColor>
#include <QImage>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace transitionreference {

// A premultiplied colour, each channel 0 to 255.
struct Colour
{
    double r = 0, g = 0, b = 0, a = 0;

    Colour operator*(double k) const { return {r * k, g * k, b * k, a * k}; }
    Colour operator+(const Colour &o) const { return {r + o.r, g + o.g, b + o.b, a + o.a}; }
};

inline Colour mix(const Colour &from, const Colour &to, double t)
{
    return from * (1.0 - t) + to * t;
}

// White as see-through as c.
inline Colour whiteOf(const Colour &c)
{
    return {c.a, c.a, c.a, c.a};
}

inline Colour blackOf(const Colour &c)
{
    return {0, 0, 0, c.a};
}

// A picture read in the transitions' coordinates; clear outside.
class Picture
{
public:
    explicit Picture(const QImage &image) : image_(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // The pixel of column i, row j counted from the bottom.
    Colour at(int i, int j) const
    {
        if (i < 0 || j < 0 || i >= width() || j >= height())
            return {};
        const QRgb p = image_.pixel(i, height() - 1 - j);
        return {double(qRed(p)), double(qGreen(p)), double(qBlue(p)), double(qAlpha(p))};
    }
    // The colour at a point: the four nearest pixel centres weighed by distance.
    Colour read(double x, double y) const
    {
        const double fx = x - 0.5, fy = y - 0.5;
        if (!std::isfinite(fx) || !std::isfinite(fy) || std::fabs(fx) > 1e8 || std::fabs(fy) > 1e8)
            return {};
        const double i = std::floor(fx), j = std::floor(fy);
        const double tx = fx - i, ty = fy - j;
        const int ii = int(i), jj = int(j);
        return mix(mix(at(ii, jj), at(ii + 1, jj), tx), mix(at(ii, jj + 1), at(ii + 1, jj + 1), tx), ty);
    }

private:
    QImage image_;
};

// The stored pixel: each channel rounded, colour never above alpha.
inline QRgb stored(const Colour &c)
{
    const auto level = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
    const int a = level(c.a);
    return qRgba(std::min(a, level(c.r)), std::min(a, level(c.g)), std::min(a, level(c.b)), a);
}

// Position along a direction of travel and across it (a quarter turn anticlockwise), and the
// least and greatest position of a w x h rectangle's corners.
struct Travel
{
    double dx, dy, min, max;
    Travel(double angle, double w, double h) : dx(std::cos(angle)), dy(std::sin(angle))
    {
        const std::array<double, 4> corners{along(0, 0), along(w, 0), along(0, h), along(w, h)};
        min = *std::min_element(corners.begin(), corners.end());
        max = *std::max_element(corners.begin(), corners.end());
    }
    double along(double x, double y) const { return x * dx + y * dy; }
    double across(double x, double y) const { return -x * dy + y * dx; }
};

inline double farthestCorner(double w, double h, double cx, double cy)
{
    return std::max({std::hypot(cx, cy), std::hypot(w - cx, cy), std::hypot(cx, h - cy), std::hypot(w - cx, h - cy)});
}

struct Pair
{
    Picture from;
    Picture to;
    Picture shading; // the shine of the ripple and the page curl
};

// One transition frame: the colour at (x, y) of the transition type at progress p (the value
// the manager is handed).
class Transition
{
public:
    Transition(const Pair &pair, int type, double p) : s_(pair.from), t_(pair.to), shine_(pair.shading), type_(type), p_(p)
    {
        w_ = s_.width();
        h_ = s_.height();
    }

    Colour operator()(double x, double y) const
    {
        const int i = int(std::floor(x)), j = int(std::floor(y));
        switch (type_) {
        case 0:
        case 19:
            return bars(x, y, i, j);
        case 1:
            return mix(s_.at(i, j), t_.at(i, j), p_);
        case 2:
            return flash(x, y, i, j);
        case 3:
            return ripple(x, y, i, j);
        case 4:
            return swipe(x, y, i, j);
        case 5:
            return holes(x, y, i, j);
        case 6:
            return pageCurl(x, y, i, j);
        case 7:
            // Both move right by W p: the source leaves, the target follows it in.
            return sum(s_.read(x - w_ * p_, y), t_.read(x + w_ - w_ * p_, y));
        case 8:
            // The target slides in from the left over the source, its right edge at W p.
            return x < w_ * p_ ? t_.read(x + w_ - w_ * p_, y) : s_.at(i, j);
        case 9:
            return twirl(x, y);
        case 10:
            return implosion(x, y, i, j);
        case 11:
            return opaque(mix(s_.at(i, j), t_.at(i, j), p_));
        case 12:
        case 13:
            return tiles(type_ == 13, x, y, i, j);
        case 14:
        case 15:
        case 16:
        case 17:
            return rotation(type_ - 14, x, y, i, j);
        default:
            return t_.at(i, j);
        }
    }

    // The whole frame, as a picture of the source's size.
    QImage frame() const
    {
        QImage out(w_, h_, QImage::Format_ARGB32_Premultiplied);
        for (int row = 0; row < h_; ++row)
            for (int col = 0; col < w_; ++col)
                out.setPixel(col, row, stored((*this)(col + 0.5, h_ - row - 0.5)));
        return out;
    }

private:
    static Colour opaque(Colour c)
    {
        c.a = 255;
        return c;
    }
    static Colour sum(const Colour &a, const Colour &b)
    {
        const double alpha = std::min(255.0, a.a + b.a);
        return {std::min(alpha, a.r + b.r), std::min(alpha, a.g + b.g), std::min(alpha, a.b + b.b), alpha};
    }
    // The shine's alpha (0 to 1) at a fraction of its width, along its middle.
    double shineAt(double fraction) const
    {
        return shine_.read(fraction * shine_.width(), shine_.height() * 0.5).a / 255.0;
    }

    // Bars 50 wide across a front travelling leftwards (angle pi); every other bar 100 behind.
    Colour bars(double x, double y, int i, int j) const
    {
        const Travel d(M_PI, w_, h_);
        const double travelled = d.min + p_ * (d.max - d.min + 100.0);
        const bool lagging = int64_t(std::floor(d.across(x, y) / 50.0)) % 2 != 0;
        return d.along(x, y) < travelled - (lagging ? 100.0 : 0.0) ? t_.at(i, j) : s_.at(i, j);
    }

    // A glow of the colour (1, 0.8, 0.6) from the middle, 24 rays, over the cross-over that
    // happens within the middle 15 % of the time.
    Colour flash(double x, double y, int i, int j) const
    {
        const double cx = w_ / 2.0, cy = h_ / 2.0;
        const double cross = std::clamp((p_ - 0.5 * 0.85) / (1.0 - 0.85), 0.0, 1.0);
        const Colour under = mix(s_.at(i, j), t_.at(i, j), cross);
        const double brightness = std::sin(M_PI * p_);
        const double glow = brightness * 2.58 * 0.5;
        const double dx = x - cx, dy = y - cy;
        const double falloff = std::clamp(1.0 - std::hypot(dx, dy) / farthestCorner(w_, h_, cx, cy) / glow, 0.0, 1.0);
        if (falloff <= 0.0)
            return under;
        const double ray = std::pow(0.5 + 0.5 * std::cos(24.0 * std::atan2(dy, dx)), 1.375);
        const double alpha = std::clamp(brightness * falloff * (1.0 + 0.5 * ray), 0.0, 1.0);
        return mix(under, Colour{255, 204, 153, 255}, alpha);
    }

    // A ring 80 wide whose middle runs out from the centre at the eased time; inside it the
    // target, outside the source, on it the picture pushed out by up to 30 along the radius and
    // lit by the shine across the ring.
    Colour ripple(double x, double y, int i, int j) const
    {
        const double eased = (1.0 - std::cos(M_PI * p_)) / 2.0;
        const double cx = w_ / 2.0, cy = h_ / 2.0;
        const double middle = eased * (farthestCorner(w_, h_, cx, cy) + 80.0) - 40.0;
        const double dx = x - cx, dy = y - cy;
        const double r = std::hypot(dx, dy);
        if (r <= middle - 40.0)
            return t_.at(i, j);
        if (r >= middle + 40.0)
            return s_.at(i, j);
        const double u = (r - middle) / 40.0;
        const double bend = 30.0 * 0.5 * std::sin(M_PI * u) * (1.0 - std::fabs(u));
        const double qx = r > 0 ? x - dx / r * bend : x, qy = r > 0 ? y - dy / r * bend : y;
        const Colour picture = u < 0 ? t_.read(qx, qy) : s_.read(qx, qy);
        return mix(picture, whiteOf(picture), shineAt((u + 1.0) * 0.5) * 0.5 * (1.0 - std::fabs(u)));
    }

    // A soft front 300 wide travelling leftwards: the target behind it, the source ahead.
    Colour swipe(double x, double y, int i, int j) const
    {
        const Travel d(M_PI, w_, h_);
        const double front = d.min - 300.0 + p_ * (d.max - d.min + 300.0);
        const double s = d.along(x, y);
        const double k = std::clamp((s - front) / 300.0, 0.0, 1.0);
        return mix(t_.at(i, j), s_.at(i, j), k);
    }

    // Holes on a grid 150 apart, turned by 2 radians about the middle and squeezed away from it;
    // each hole starts growing at its own moment in the first 40 % of the time.
    static double holeStart(int64_t i, int64_t j)
    {
        uint64_t h = uint64_t(i) * 0x9E3779B97F4A7C15ull ^ uint64_t(j) * 0xC2B2AE3D27D4EB4Full;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return double(h % 1000) / 1000.0;
    }
    Colour holes(double x, double y, int i, int j) const
    {
        const double rx = x - w_ / 2.0, ry = y - h_ / 2.0;
        const double c = std::cos(2.0), s = std::sin(2.0);
        const double u = (rx * c + ry * s) / (1.0 + std::fabs(rx * s - ry * c) / 300.0) / 150.0;
        const double v = (-rx * s + ry * c) / 150.0;
        const double ci = std::floor(u + 0.5), cj = std::floor(v + 0.5);
        const double start = 0.4 * holeStart(int64_t(ci), int64_t(cj));
        const double grown = std::clamp((p_ - start) / (1.0 - start), 0.0, 1.0) * 0.75;
        return std::hypot(u - ci, v - cj) < grown ? t_.at(i, j) : s_.at(i, j);
    }

    // The source as a page lifted at its top right and rolled, toward the bottom left, over a
    // cylinder of radius 100 whose fold travels until the roll has left the page. The page's back
    // is the source again, lightened by 40 %, and shines where it bends; its front darkens as it
    // turns away.
    Colour pageCurl(double x, double y, int i, int j) const
    {
        const double R = 100.0;
        const Travel d(M_PI / 4.0, w_, h_);
        const double fold = d.max - p_ * (d.max - d.min + R);
        const double along = d.along(x, y);
        const double delta = along - fold;
        // The page point that lies u along the page from the fold, when it is on the page.
        const auto onPage = [&](double u, double &qx, double &qy) {
            const double k = fold + u - along;
            qx = x + d.dx * k;
            qy = y + d.dy * k;
            return qx >= 0 && qy >= 0 && qx <= w_ && qy <= h_;
        };
        const auto back = [&](double qx, double qy, double shine) {
            const Colour paper = s_.read(qx, qy);
            const Colour light = mix(paper, whiteOf(paper), 0.4);
            return mix(light, whiteOf(light), shine);
        };
        double qx = 0, qy = 0;
        if (delta > R)
            return t_.at(i, j);
        if (delta >= 0) {
            const double a = std::asin(delta / R);
            if (onPage(R * (M_PI - a), qx, qy))
                return back(qx, qy, shineAt((M_PI - a) / M_PI) * 0.5);
            if (onPage(R * a, qx, qy)) {
                const Colour front = s_.read(qx, qy);
                return mix(front, blackOf(front), 0.25 - 0.25 * std::cos(a));
            }
            return t_.at(i, j);
        }
        if (onPage(M_PI * R - delta, qx, qy))
            return back(qx, qy, 0.0);
        return s_.at(i, j);
    }

    // The blend of the two turned about the middle, the more the nearer the middle, up to a
    // radius of the height less 20, by an angle that rises to its peak half-way and falls again.
    Colour twirl(double x, double y) const
    {
        const double cx = w_ / 2.0, cy = h_ / 2.0;
        const double radius = h_ - 20.0;
        const double peak = p_ >= 0.5 ? (1.0 - p_) * 7.0 : p_ * 7.0;
        const double vx = x - cx, vy = y - cy;
        const double d = std::hypot(vx, vy);
        double qx = x, qy = y;
        if (d < radius) {
            const double k = (radius - d) / radius;
            const double angle = k * k * peak * peak;
            qx = vx * std::cos(angle) - vy * std::sin(angle) + cx;
            qy = vx * std::sin(angle) + vy * std::cos(angle) + cy;
        }
        return opaque(mix(s_.read(qx, qy), t_.read(qx, qy), p_));
    }

    // The source drawn toward its middle by 200 p ln(distance) / distance of the way; the target
    // wherever the drawn source does not reach.
    Colour implosion(double x, double y, int i, int j) const
    {
        const Colour behind = t_.at(i, j);
        if (p_ > 0.99)
            return behind;
        const double ux = w_ / 2.0 - x, uy = h_ / 2.0 - y;
        const double len = std::hypot(ux, uy);
        const double m = len > 0 ? -200.0 * p_ * std::log(len) / len : 0.0;
        const Colour c = s_.read(x + ux * m, y + uy * m);
        return stored(c) == 0 ? behind : c;
    }

    // Bands 20 rows high; in the upper band of each 40 the tiles travel rightwards, in the lower
    // one leftwards. Tiles in: the target's tiles come in over the source; tiles out: the
    // source's tiles leave, uncovering the target.
    Colour tiles(bool in, double x, double y, int i, int j) const
    {
        const bool rightwards = y - std::floor(y / 40.0) * 40.0 >= 20.0;
        const double f = rightwards ? 1.0 : -1.0;
        const double gone = in ? 1.0 - p_ : p_;
        const double edge = w_ * (in == rightwards ? p_ : 1.0 - p_);
        const bool moved = rightwards ? x < edge : x > edge;
        const Picture &mover = in ? t_ : s_;
        const Picture &still = in ? s_ : t_;
        return moved ? mover.read(x + f * w_ * gone, y) : still.at(i, j);
    }

    // A half turn about the middle of the bottom edge: modes 0 and 1 turn the target in (from
    // either side), 2 and 3 turn the source out.
    Colour rotation(int mode, double x, double y, int i, int j) const
    {
        const double q = mode == 0 ? 1.0 - p_ : mode == 3 ? p_ : mode == 1 ? p_ - 1.0 : -p_;
        const double cx = w_ * 0.5, cy = 0.0;
        const double c = std::cos(M_PI * q), s = std::sin(M_PI * q);
        const double rx = x - cx, ry = y - cy;
        const double tx = rx * c + ry * s + cx, ty = -rx * s + ry * c + cy;
        const bool inside = tx >= 0 && ty >= 0 && tx <= w_ && ty <= h_;
        const Picture &turning = mode >= 2 ? s_ : t_;
        const Picture &resting = mode >= 2 ? t_ : s_;
        return inside ? turning.read(tx, ty) : resting.at(i, j);
    }

    const Picture &s_;
    const Picture &t_;
    const Picture &shine_;
    int type_;
    double p_;
    int w_ = 0;
    int h_ = 0;
};

} // namespace transitionreference
