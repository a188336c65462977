#include "slideshow/transitions/NXSampler.h"

#include <thread>
#include <vector>

NXColor NXColor::fromColor(const QColor &c)
{
    return NXColor{float(c.redF()), float(c.greenF()), float(c.blueF()), 1.0f} * float(c.alphaF());
}

NXSampler::NXSampler(const QImage &image)
    : image_(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied)),
      bits_(image_.isNull() ? nullptr : image_.constBits()), stride_(image_.bytesPerLine()), w_(image_.width()),
      h_(image_.height())
{
}

void NXSampler::readRow(QRgb *out, int count, double x0, int j) const
{
    if (!bits_ || unsigned(j) >= unsigned(h_) || !std::isfinite(x0) || std::fabs(x0) > 1e9) {
        std::fill(out, out + count, QRgb(0));
        return;
    }
    const double fx = x0 - 0.5;
    const double first = std::floor(fx);
    const uint wx = NXWeight(fx - first);
    const QRgb *row = line(j);
    int i = int(first);
    for (int k = 0; k < count; ++k, ++i) {
        if (i >= 0 && i + 1 < w_)
            out[k] = wx ? NXLerp(row[i], row[i + 1], wx) : row[i];
        else
            out[k] = NXLerp(at(i, j), at(i + 1, j), wx);
    }
}

QImage NXBlend(const NXSampler &from, const NXSampler &to, QSize size, uint w, bool opaque)
{
    const int width = size.width();
    return NXRenderRows(size, [&](QRgb *line, int j) {
        std::vector<QRgb> scratch(2 * size_t(width));
        const QRgb *a = from.lineOf(j, width, scratch.data());
        const QRgb *b = to.lineOf(j, width, scratch.data() + width);
        for (int i = 0; i < width; ++i)
            line[i] = NXLerp(a[i], b[i], w);
        if (opaque)
            for (int i = 0; i < width; ++i)
                line[i] = NXOpaque(line[i]);
    });
}

QSize NXUnionSize(const QImage &a, const QImage &b)
{
    if (a.isNull())
        return b.size();
    if (b.isNull())
        return a.size();
    return QSize(std::max(a.width(), b.width()), std::max(a.height(), b.height()));
}

namespace {
thread_local bool renderOnThisThread = false;
} // namespace

NXRenderOnThisThread::NXRenderOnThisThread() : before_(renderOnThisThread)
{
    renderOnThisThread = true;
}

NXRenderOnThisThread::~NXRenderOnThisThread()
{
    renderOnThisThread = before_;
}

int NXRenderThreadCount(qint64 pixels)
{
    if (renderOnThisThread)
        return 1;
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
