#include "support/tone.h"

#include "support/process.h"

#include <QTemporaryFile>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace testsupport {
namespace {
constexpr int kRate = 48000;
// Crossings count only once the signal has swung past this level both ways, so decoder noise on a
// silent track does not read as a pitch.
constexpr int kHysteresis = 200;
} // namespace

std::optional<Tone> measureTone(const QString &path, int audioIndex, double startSeconds, double seconds)
{
    QTemporaryFile raw;
    if (!raw.open())
        return std::nullopt;
    const ProcessResult decode = runProcess(QStringLiteral("ffmpeg"),
        // The start is sought by decoding, as some containers (SWF) cannot seek at all.
        {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
         QStringLiteral("-i"), path, QStringLiteral("-ss"), QString::number(startSeconds),
         QStringLiteral("-t"), QString::number(seconds), QStringLiteral("-map"),
         QStringLiteral("0:a:%1").arg(audioIndex), QStringLiteral("-ac"), QStringLiteral("1"),
         QStringLiteral("-ar"), QString::number(kRate), QStringLiteral("-f"), QStringLiteral("s16le"),
         raw.fileName()});
    if (!decode.finished || decode.exitCode != 0)
        return std::nullopt;
    const QByteArray bytes = raw.readAll();
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / sizeof(int16_t));
    if (samples.empty())
        return std::nullopt;
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(int16_t));

    double sumSquares = 0;
    int crossings = 0;
    int side = 0; // -1 below -kHysteresis, +1 above +kHysteresis, 0 not yet seen
    for (const int16_t s : samples) {
        sumSquares += double(s) * s;
        const int now = s > kHysteresis ? 1 : s < -kHysteresis ? -1 : side;
        if (side != 0 && now != side)
            ++crossings;
        side = now;
    }
    Tone tone;
    const double rms = std::sqrt(sumSquares / samples.size()) / 32768.0;
    tone.rmsDb = rms > 0 ? 20 * std::log10(rms) : -200;
    tone.frequencyHz = crossings / 2.0 / (double(samples.size()) / kRate);
    return tone;
}
} // namespace testsupport
