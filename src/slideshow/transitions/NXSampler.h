#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <algorithm>
#include <cmath>
#include <functional>

// A colour in premultiplied form, each channel 0..1, as the transition programs compute it.
struct NXColor
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;

    static NXColor fromRgb(QRgb premultiplied)
    {
        constexpr float k = 1.0f / 255.0f;
        return {qRed(premultiplied) * k, qGreen(premultiplied) * k, qBlue(premultiplied) * k, qAlpha(premultiplied) * k};
    }
    static NXColor fromColor(const QColor &colour);
    QRgb toRgb() const
    {
        // Half away from zero, as lround, without its call: v x 255 is a float, so adding a half
        // in double is exact. Anything not above zero (and NaN) is 0.
        auto channel = [](float v, float limit) {
            const float scaled = std::min(v, limit) * 255.0f;
            return scaled > 0.0f ? int(double(scaled) + 0.5) : 0;
        };
        const float alpha = std::clamp(a, 0.0f, 1.0f);
        // Premultiplied pixels never have a colour channel above their alpha.
        return qRgba(channel(r, alpha), channel(g, alpha), channel(b, alpha), channel(alpha, 1.0f));
    }
    // The same colour made opaque (the programs that end in "alpha 1").
    NXColor opaque() const { return {r, g, b, 1.0f}; }
    bool isClear() const { return r == 0.0f && g == 0.0f && b == 0.0f && a == 0.0f; }

    NXColor operator+(const NXColor &o) const { return {r + o.r, g + o.g, b + o.b, a + o.a}; }
    NXColor operator-(const NXColor &o) const { return {r - o.r, g - o.g, b - o.b, a - o.a}; }
    NXColor operator*(float k) const { return {r * k, g * k, b * k, a * k}; }
};

inline NXColor NXMix(const NXColor &from, const NXColor &to, float t)
{
    return from * (1.0f - t) + to * t;
}

// The colour darkened (k below 1) or brightened, its alpha kept.
inline NXColor NXShade(const NXColor &c, float k)
{
    return {c.r * k, c.g * k, c.b * k, c.a};
}

// An image read in the transition programs' coordinates: origin at the bottom left, y upward,
// one unit per pixel, pixel centres at half units (the first pixel's centre is (0.5, 0.5)).
// Reading between centres interpolates linearly; outside the image everything is clear.
class NXSampler
{
public:
    NXSampler() = default;
    explicit NXSampler(const QImage &image);

    bool isNull() const { return image_.isNull(); }
    double width() const { return w_; }
    double height() const { return h_; }
    QSizeF size() const { return QSizeF(w_, h_); }
    QRectF extent() const { return QRectF(0, 0, w_, h_); }

    // Every frame of a transition reads its images millions of times: the reading is inline.
    NXColor sample(double x, double y) const
    {
        if (!bits_ || !std::isfinite(x) || !std::isfinite(y))
            return NXColor();
        const double fx = x - 0.5;
        const double fy = y - 0.5;
        const double x0 = std::floor(fx);
        const double y0 = std::floor(fy);
        // Far outside: clear, without converting a huge coordinate to int.
        if (x0 < -2.0 || y0 < -2.0 || x0 > w_ + 1.0 || y0 > h_ + 1.0)
            return NXColor();
        const int i = int(x0);
        const int j = int(y0);
        const float tx = float(fx - x0);
        const float ty = float(fy - y0);
        if (tx == 0.0f && ty == 0.0f)
            return pixel(i, j);
        const NXColor bottom = NXMix(pixel(i, j), pixel(i + 1, j), tx);
        const NXColor top = NXMix(pixel(i, j + 1), pixel(i + 1, j + 1), tx);
        return NXMix(bottom, top, ty);
    }
    NXColor sample(QPointF p) const { return sample(p.x(), p.y()); }

private:
    // Column i from the left, row j from the bottom; clear outside.
    NXColor pixel(int i, int j) const
    {
        if (unsigned(i) >= unsigned(w_) || unsigned(j) >= unsigned(h_))
            return NXColor();
        return NXColor::fromRgb(reinterpret_cast<const QRgb *>(bits_ + (h_ - 1 - j) * stride_)[i]);
    }

    QImage image_;
    const uchar *bits_ = nullptr;
    qsizetype stride_ = 0;
    int w_ = 0;
    int h_ = 0;
};

// The size that holds both images (a transition's output covers both inputs).
QSize NXUnionSize(const QImage &a, const QImage &b);

// How many threads a picture of pixels is drawn on: one for small ones (a thread costs more
// than it saves there), else one per processor, up to 8; one on a thread that holds an
// NXRenderOnThisThread.
int NXRenderThreadCount(qint64 pixels);

// While one lives, pictures are drawn on its thread alone: for callers that already draw one
// picture per processor.
class NXRenderOnThisThread
{
public:
    NXRenderOnThisThread();
    ~NXRenderOnThisThread();
    NXRenderOnThisThread(const NXRenderOnThisThread &) = delete;
    NXRenderOnThisThread &operator=(const NXRenderOnThisThread &) = delete;

private:
    bool before_;
};
// Runs rows(first, end) over the rows 0 to height split among threads bands, and waits.
void NXRunRowBands(int height, int threads, const std::function<void(int first, int end)> &rows);

// An image of size whose every pixel is program(centre of that pixel in the programs'
// coordinates). The programs are pure functions of the point, so the rows are drawn in bands on
// several threads.
template <class Program>
QImage NXRenderImage(QSize size, Program &&program)
{
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    const int w = size.width();
    const int h = size.height();
    uchar *bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    NXRunRowBands(h, NXRenderThreadCount(qint64(w) * h), [&](int first, int end) {
        for (int row = first; row < end; ++row) {
            auto *line = reinterpret_cast<QRgb *>(bits + row * stride);
            const double y = h - row - 0.5;
            for (int col = 0; col < w; ++col)
                line[col] = program(QPointF(col + 0.5, y)).toRgb();
        }
    });
    return out;
}
