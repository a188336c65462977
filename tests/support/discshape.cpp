#include "support/discshape.h"

#include "support/ffprobe.h"
#include "support/process.h"

#include <QFile>
#include <QJsonArray>
#include <QRect>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace testsupport {

namespace {

// A stream's sample aspect ratio as ffprobe gives it ("64:45"); 1 when it gives none.
double pixelAspectOf(const QJsonObject &video)
{
    const QStringList parts = video.value(QStringLiteral("sample_aspect_ratio")).toString().split(QLatin1Char(':'));
    const double num = parts.size() == 2 ? parts.at(0).toDouble() : 0;
    const double den = parts.size() == 2 ? parts.at(1).toDouble() : 0;
    return num > 0 && den > 0 ? num / den : 1.0;
}

// The mean of the pixels of gray (a picture width pixels wide) inside outer and outside inner.
double meanOf(const QByteArray &gray, int width, QRect outer, QRect inner)
{
    double sum = 0;
    int count = 0;
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x)
            if (!inner.contains(x, y))
                sum += quint8(gray.at(qsizetype(y) * width + x)), ++count;
    return count ? sum / count : 0;
}

// Width over height of the bright disc inside box (its bounding box, ground around it): each
// pixel weighs what share of it the disc covers, read from its brightness between the ground's
// and the disc's own; for a filled ellipse the spread across over the spread down is the ratio
// of its axes squared.
double momentRatio(const QByteArray &gray, int width, int height, QRect box)
{
    const QRect around = box.adjusted(-3, -3, 3, 3) & QRect(0, 0, width, height);
    const double ground = meanOf(gray, width, around, box.adjusted(-1, -1, 1, 1));
    const QRect core(box.center().x() - box.width() / 4, box.center().y() - box.height() / 4, box.width() / 2,
                     box.height() / 2);
    const double disc = meanOf(gray, width, core, QRect());
    if (disc - ground < 16)
        return 0;
    double sum = 0, sumX = 0, sumY = 0, sumXX = 0, sumYY = 0;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            const double level = quint8(gray.at(qsizetype(y) * width + x));
            const double cover = std::clamp((level - ground) / (disc - ground), 0.0, 1.0);
            sum += cover, sumX += cover * x, sumY += cover * y, sumXX += cover * x * x, sumYY += cover * y * y;
        }
    }
    const double spreadX = sumXX / sum - (sumX / sum) * (sumX / sum);
    const double spreadY = sumYY / sum - (sumY / sum) * (sumY / sum);
    return spreadY > 0 ? std::sqrt(spreadX / spreadY) : 0;
}

bool turnedAQuarter(const QJsonObject &video)
{
    for (const QJsonValue &side : video.value(QStringLiteral("side_data_list")).toArray())
        if (side.toObject().value(QStringLiteral("rotation")).toInt() % 180 != 0)
            return true;
    return false;
}

} // namespace

std::optional<DiscShape> measureDisc(const QString &path, double seconds)
{
    const QJsonObject video = firstStream(ffprobe(path), QStringLiteral("video"));
    int width = video.value(QStringLiteral("width")).toInt();
    int height = video.value(QStringLiteral("height")).toInt();
    double pixelAspect = pixelAspectOf(video);
    // The decoder turns the picture as the file asks; a pixel turned a quarter is its inverse.
    if (turnedAQuarter(video)) {
        std::swap(width, height);
        pixelAspect = 1.0 / pixelAspect;
    }
    if (width <= 0 || height <= 0)
        return std::nullopt;
    QTemporaryDir dir;
    const QString raw = dir.filePath(QStringLiteral("frame.gray"));
    const ProcessResult decode = runProcess(QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
         QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-ss"), QString::number(seconds),
         QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("rawvideo"),
         QStringLiteral("-pix_fmt"), QStringLiteral("gray"), raw});
    QFile file(raw);
    if (!decode.finished || decode.exitCode != 0 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray gray = file.readAll();
    if (gray.size() != qsizetype(width) * height)
        return std::nullopt;
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (quint8(gray.at(qsizetype(y) * width + x)) < 128)
                continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return std::nullopt;
    const QRect box(QPoint(left, top), QPoint(right, bottom));
    return DiscShape{box.width(), box.height(), pixelAspect, momentRatio(gray, width, height, box)};
}

} // namespace testsupport
