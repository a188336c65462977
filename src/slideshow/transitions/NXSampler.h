#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <algorithm>
#include <cmath>
#include <functional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// floor for the coordinates of a frame (well inside the range of long long), without a call:
// the frame loops take it millions of times.
inline double NXFloor(double v)
{
    const double truncated = double(static_cast<long long>(v));
    return truncated > v ? truncated - 1.0 : truncated;
}

// Premultiplied pixels mixed in fixed point, as the transitions draw every frame: t as a weight
// of 0 to 256, each channel rounded; within one step of the same mix in floating point.
inline uint NXWeight(double t)
{
    return t <= 0.0 ? 0u : t >= 1.0 ? 256u : uint(t * 256.0 + 0.5);
}

// from x (256 - w) + to x w, over 256.
inline QRgb NXLerp(QRgb from, QRgb to, uint w)
{
    const uint keep = 256 - w;
    const uint ag = ((from >> 8) & 0xFF00FFu) * keep + ((to >> 8) & 0xFF00FFu) * w + 0x800080u;
    const uint rb = (from & 0xFF00FFu) * keep + (to & 0xFF00FFu) * w + 0x800080u;
    return (ag & 0xFF00FF00u) | ((rb >> 8) & 0xFF00FFu);
}

// The sum of two pictures' pixels, as two see-through halves make one: alpha at most opaque,
// colour at most alpha.
inline QRgb NXAdd(QRgb a, QRgb b)
{
    const int alpha = std::min(255, qAlpha(a) + qAlpha(b));
    return qRgba(std::min(alpha, qRed(a) + qRed(b)), std::min(alpha, qGreen(a) + qGreen(b)),
                 std::min(alpha, qBlue(a) + qBlue(b)), alpha);
}

// White as see-through as the pixel (what a mix toward light aims at).
inline QRgb NXWhiteOf(QRgb p)
{
    const uint a = qAlpha(p);
    return qRgba(int(a), int(a), int(a), int(a));
}

// The pixel made opaque, its colour kept (the programs that end in "alpha 1").
inline QRgb NXOpaque(QRgb p)
{
    return p | 0xFF000000u;
}

// The pixel between two pixels of a row (bottom[0], bottom[1]) and the two above them, with the
// weights of the right ones and the upper ones. Four channels at once where the processor
// has SSE2 (every x86-64 does).
inline QRgb NXBilinear(const QRgb *bottom, const QRgb *top, uint wx, uint wy)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(bottom)), zero);
    const __m128i high = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(top)), zero);
    const __m128i half = _mm_set1_epi16(128);
    // Up first (both columns at once), then across; each step rounds.
    const __m128i up = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(low, _mm_set1_epi16(short(256 - wy))),
                                                                  _mm_mullo_epi16(high, _mm_set1_epi16(short(wy)))),
                                                    half),
                                      8);
    const __m128i across = _mm_srli_epi16(
        _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(up, _mm_set1_epi16(short(256 - wx))),
                                    _mm_mullo_epi16(_mm_srli_si128(up, 8), _mm_set1_epi16(short(wx)))),
                      half),
        8);
    return QRgb(_mm_cvtsi128_si32(_mm_packus_epi16(across, across)));
#else
    const QRgb lower = NXLerp(bottom[0], bottom[1], wx);
    return wy ? NXLerp(lower, NXLerp(top[0], top[1], wx), wy) : lower;
#endif
}

// Where a point falls among pixel centres: the pixel below and left of it and the weights of
// the ones to its right and above, worked out once for every image read there.
struct NXSpot
{
    int i = 0;
    int j = 0;
    uint wx = 0;
    uint wy = 0;
    bool far = true; // not a number, or so far out that nothing is read

    NXSpot(double x, double y)
    {
        const double fx = x - 0.5;
        const double fy = y - 0.5;
        // Within a frame's reach (and not NaN): anything beyond is clear in every image.
        if (!(fx > -2.0 && fy > -2.0 && fx < 1e8 && fy < 1e8))
            return;
        const double x0 = NXFloor(fx);
        const double y0 = NXFloor(fy);
        i = int(x0);
        j = int(y0);
        wx = NXWeight(fx - x0);
        wy = NXWeight(fy - y0);
        far = false;
    }
};

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
    int pixelWidth() const { return w_; }
    int pixelHeight() const { return h_; }
    QSizeF size() const { return QSizeF(w_, h_); }
    QRectF extent() const { return QRectF(0, 0, w_, h_); }

    // The colour at a point, in floating point (for the few reads outside the frame loops).
    NXColor sample(double x, double y) const { return NXColor::fromRgb(read(x, y)); }
    NXColor sample(QPointF p) const { return sample(p.x(), p.y()); }

    // Column i from the left, row j from the bottom; clear outside.
    QRgb at(int i, int j) const
    {
        if (unsigned(i) >= unsigned(w_) || unsigned(j) >= unsigned(h_))
            return 0;
        return line(j)[i];
    }
    // Row j from the bottom (0 <= j < height).
    const QRgb *line(int j) const { return reinterpret_cast<const QRgb *>(bits_ + (h_ - 1 - j) * stride_); }

    // Row j's first count pixels: the image's own row where it holds them all, else scratch
    // filled with them (clear where the image does not reach).
    const QRgb *lineOf(int j, int count, QRgb *scratch) const
    {
        if (bits_ && unsigned(j) < unsigned(h_) && count <= w_)
            return line(j);
        for (int i = 0; i < count; ++i)
            scratch[i] = at(i, j);
        return scratch;
    }

    // The pixel at a point, interpolated between the four nearest centres.
    QRgb read(double x, double y) const { return read(NXSpot(x, y)); }
    QRgb read(const NXSpot &spot) const
    {
        if (!bits_ || spot.far)
            return 0;
        const int i = spot.i, j = spot.j;
        if (i >= 0 && j >= 0 && i + 1 < w_ && j + 1 < h_)
            return NXBilinear(line(j) + i, line(j + 1) + i, spot.wx, spot.wy);
        if (i < -1 || j < -1 || i >= w_ || j >= h_)
            return 0;
        const QRgb low = NXLerp(at(i, j), at(i + 1, j), spot.wx);
        return spot.wy ? NXLerp(low, NXLerp(at(i, j + 1), at(i + 1, j + 1), spot.wx), spot.wy) : low;
    }
    QRgb read(QPointF p) const { return read(p.x(), p.y()); }
    // A row j read from x0 on, count pixels one unit apart: one interpolation weight for all.
    void readRow(QRgb *out, int count, double x0, int j) const;

private:
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

// An image of size drawn a row at a time: rows(line, j) fills row j counted from the bottom
// (its pixels' centres at y = j + 0.5, x = i + 0.5). The rows are independent, so they are drawn
// in bands on several threads.
template <class Rows>
QImage NXRenderRows(QSize size, Rows &&rows)
{
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    const int h = size.height();
    uchar *bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    NXRunRowBands(h, NXRenderThreadCount(qint64(size.width()) * h), [&](int first, int end) {
        for (int row = first; row < end; ++row)
            rows(reinterpret_cast<QRgb *>(bits + row * stride), h - 1 - row);
    });
    return out;
}

// The two images mixed pixel by pixel (w of 256 of the second), made opaque when asked.
QImage NXBlend(const NXSampler &from, const NXSampler &to, QSize size, uint w, bool opaque);

// An image of size whose every pixel is program(x, y) at its centre in the programs'
// coordinates, for programs that move each pixel their own way. The picture is drawn in strips
// of a few columns, top to bottom: the points a strip reads lie close together in the images,
// where a whole row's would wander across them.
template <class Program>
QImage NXRenderImage(QSize size, Program &&program)
{
    constexpr int kStrip = 64;
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    const int w = size.width();
    const int h = size.height();
    uchar *bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    NXRunRowBands(h, NXRenderThreadCount(qint64(w) * h), [&](int first, int end) {
        for (int left = 0; left < w; left += kStrip) {
            const int right = std::min(w, left + kStrip);
            for (int row = first; row < end; ++row) {
                auto *line = reinterpret_cast<QRgb *>(bits + row * stride);
                const double y = h - row - 0.5;
                for (int i = left; i < right; ++i)
                    line[i] = program(i + 0.5, y);
            }
        }
    });
    return out;
}
