#include "support/discshape.h"

#include "support/ffprobe.h"
#include "support/process.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <algorithm>

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
    return DiscShape{right - left + 1, bottom - top + 1, pixelAspect};
}

} // namespace testsupport
