#include "support/frames.h"

#include "support/process.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace testsupport {

Rgb Frame::pixel(int x, int y) const
{
    const qsizetype at = (qsizetype(y) * width + x) * 3;
    if (x < 0 || y < 0 || x >= width || y >= height || at + 2 >= rgb.size())
        return {};
    return {quint8(rgb.at(at)), quint8(rgb.at(at + 1)), quint8(rgb.at(at + 2))};
}

Rgb Frame::mean(int x, int y, int w, int h) const
{
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width, x + w), y1 = std::min(height, y + h);
    long long r = 0, g = 0, b = 0, n = 0;
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) {
            const Rgb p = pixel(xx, yy);
            r += p.red, g += p.green, b += p.blue, ++n;
        }
    if (n == 0)
        return {};
    return {int(r / n), int(g / n), int(b / n)};
}

namespace {
struct VideoSize {
    int width = 0;
    int height = 0;
    int rotation = 0;
};

VideoSize videoSize(const QString &path)
{
    const ProcessResult size = runProcess(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"), QStringLiteral("v:0"),
         QStringLiteral("-show_entries"), QStringLiteral("stream=width,height:stream_side_data=rotation"),
         QStringLiteral("-of"), QStringLiteral("default=nw=1"), path});
    const auto value = [&](const char *key) {
        const QRegularExpression re(QStringLiteral("^%1=(-?\\d+)").arg(QLatin1String(key)), QRegularExpression::MultilineOption);
        return re.match(QString::fromUtf8(size.output)).captured(1).toInt();
    };
    return {value("width"), value("height"), value("rotation")};
}

// The raw bytes of the frame shown at seconds, in pixelFormat; empty when it does not decode.
QByteArray rawFrame(const QString &path, double seconds, const QString &pixelFormat)
{
    QTemporaryDir dir;
    const QString raw = dir.filePath(QStringLiteral("frame.raw"));
    const ProcessResult decode = runProcess(QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-ss"),
         QString::number(seconds), QStringLiteral("-i"), path, QStringLiteral("-frames:v"), QStringLiteral("1"),
         QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), pixelFormat, raw});
    QFile file(raw);
    if (!decode.finished || decode.exitCode != 0 || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
} // namespace

std::optional<Frame> grabFrame(const QString &path, double seconds)
{
    const VideoSize size = videoSize(path);
    Frame frame;
    frame.width = size.width;
    frame.height = size.height;
    if (size.rotation % 180 != 0)
        std::swap(frame.width, frame.height);
    if (frame.width <= 0)
        return std::nullopt;
    frame.rgb = rawFrame(path, seconds, QStringLiteral("rgb24"));
    if (frame.rgb.size() != qsizetype(frame.width) * frame.height * 3)
        return std::nullopt;
    return frame;
}

std::optional<Planes> grabPlanes(const QString &path, double seconds)
{
    const VideoSize size = videoSize(path);
    if (size.width <= 0 || size.rotation % 180 != 0)
        return std::nullopt;
    const QByteArray raw = rawFrame(path, seconds, QStringLiteral("yuv420p"));
    const qsizetype luma = qsizetype(size.width) * size.height;
    const qsizetype chroma = qsizetype((size.width + 1) / 2) * ((size.height + 1) / 2);
    if (raw.size() != luma + 2 * chroma)
        return std::nullopt;
    return Planes{size.width, size.height, raw.left(luma), raw.mid(luma, chroma), raw.mid(luma + chroma, chroma)};
}

bool decodesToEnd(const QString &path, QString *errors)
{
    const ProcessResult decode = runProcess(QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
         // Frames keep the file's own time base, so a rate that changes is no error.
         QStringLiteral("-enc_time_base"), QStringLiteral("-1"), QStringLiteral("-f"), QStringLiteral("null"),
         QStringLiteral("-")});
    if (errors)
        *errors = QString::fromUtf8(decode.output);
    return decode.finished && decode.exitCode == 0 && decode.output.trimmed().isEmpty();
}

std::optional<double> meanVolumeDb(const QString &path, int audioIndex)
{
    const ProcessResult detect = runProcess(QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-i"), path, QStringLiteral("-map"),
         QStringLiteral("0:a:%1").arg(audioIndex), QStringLiteral("-af"), QStringLiteral("volumedetect"),
         QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("mean_volume: (-?[\\d.]+|-inf) dB"));
    const QRegularExpressionMatch match = re.match(QString::fromUtf8(detect.output));
    if (!detect.finished || detect.exitCode != 0 || !match.hasMatch())
        return std::nullopt;
    return match.captured(1) == QLatin1String("-inf") ? -200.0 : match.captured(1).toDouble();
}

} // namespace testsupport
