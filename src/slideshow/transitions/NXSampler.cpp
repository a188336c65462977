#include "slideshow/transitions/NXSampler.h"

#include <thread>
#include <vector>

NXColor NXColor::fromRgb(QRgb p)
{
    constexpr float k = 1.0f / 255.0f;
    return {qRed(p) * k, qGreen(p) * k, qBlue(p) * k, qAlpha(p) * k};
}

NXColor NXColor::fromColor(const QColor &c)
{
    return NXColor{float(c.redF()), float(c.greenF()), float(c.blueF()), 1.0f} * float(c.alphaF());
}

QRgb NXColor::toRgb() const
{
    auto channel = [](float v, float limit) { return int(std::lround(std::clamp(v, 0.0f, limit) * 255.0f)); };
    const float alpha = std::clamp(a, 0.0f, 1.0f);
    // Premultiplied pixels never have a colour channel above their alpha.
    return qRgba(channel(r, alpha), channel(g, alpha), channel(b, alpha), channel(alpha, 1.0f));
}

NXSampler::NXSampler(const QImage &image)
    : image_(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied)),
      w_(image_.width()), h_(image_.height())
{
}

NXColor NXSampler::pixel(int i, int j) const
{
    if (i < 0 || j < 0 || i >= w_ || j >= h_)
        return NXColor();
    const auto *line = reinterpret_cast<const QRgb *>(image_.constScanLine(h_ - 1 - j));
    return NXColor::fromRgb(line[i]);
}

NXColor NXSampler::sample(double x, double y) const
{
    if (image_.isNull() || !std::isfinite(x) || !std::isfinite(y))
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

QSize NXUnionSize(const QImage &a, const QImage &b)
{
    if (a.isNull())
        return b.size();
    if (b.isNull())
        return a.size();
    return QSize(std::max(a.width(), b.width()), std::max(a.height(), b.height()));
}

int NXRenderThreadCount(qint64 pixels)
{
    constexpr qint64 kPixelsPerThread = 64 * 1024;
    const int processors = int(std::max(1u, std::thread::hardware_concurrency()));
    return int(std::clamp<qint64>(pixels / kPixelsPerThread, 1, std::min(processors, 8)));
}

void NXRunRowBands(int height, int threads, const std::function<void(int first, int end)> &rows)
{
    if (threads <= 1 || height < threads) {
        rows(0, height);
        return;
    }
    std::vector<std::thread> bands;
    bands.reserve(size_t(threads - 1));
    const int step = (height + threads - 1) / threads;
    for (int first = step; first < height; first += step)
        bands.emplace_back(rows, first, std::min(height, first + step));
    rows(0, std::min(height, step));
    for (std::thread &band : bands)
        band.join();
}
