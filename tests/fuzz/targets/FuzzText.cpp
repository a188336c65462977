// Text the program reads line by line or as a whole: subtitle files and the engines' output.

#include "FuzzTargets.h"

#include "convert/engine/DNMPlayer.h"
#include "enginekit/LineSplitter.h"
#include "enginekit/FFmpegProgress.h"
#include "libdvd2mkv/HandBrakeJsonStream.h"
#include "enginekit/ISOBackupProgress.h"
#include "hvvideocore/MEncoderStatus.h"
#include "core/lang/TextCharset.h"

#include <QString>

#include <string_view>

void fuzzSubtitleReader(const uint8_t *data, size_t size)
{
    const QString path = QString::fromStdString(writeFuzzScratchFile("subtitle.srt", data, size));
    detectTextFileCharset(path);
}

void fuzzStatusLines(const uint8_t *data, size_t size)
{
    if (size < 2)
        return;
    const int parser = data[0] % 5;
    // The second byte sets where chunks break, as pipe reads split the engines' output.
    const size_t chunk = size_t(data[1] % 64) + 1;
    const std::string_view text(reinterpret_cast<const char *>(data + 2), size - 2);

    MEncoderOutputReader mencoder;
    mencoder.onStatus = [](const MEncoderStatus &status) { percentOfPart(status, 10); };
    mencoder.onMessage = [](std::string_view) {};
    FFmpegProgress ffmpeg;
    HandBrakeJsonStream handBrake(
        [](const QString &, const QJsonObject &block) {
            readHandBrakeProgress(block);
            handBrakeTitleSeconds(block, 1);
        },
        [](std::string_view) {});
    OutputLineSplitter lines;
    const auto onLine = [&](std::string_view line) {
        int64_t bytes = 0;
        float percent = 0;
        ISOBackupProgressLine progress;
        switch (parser) {
        case 1: ffmpeg.feedLine(line); break;
        case 2: handBrake.feedLine(line); break;
        case 3: parseMPlayerDumpLine(line, bytes, percent); break;
        case 4: parseISOBackupProgress(line, progress); break;
        default: break;
        }
    };
    for (size_t at = 0; at < text.size(); at += chunk) {
        const std::string_view piece = text.substr(at, chunk);
        if (parser == 0)
            mencoder.feed(piece);
        else
            lines.feed(piece, onLine);
    }
    mencoder.finish();
    lines.finish(onLine);
}
