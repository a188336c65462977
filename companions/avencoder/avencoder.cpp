// The AV encoder companion: runs ffmpeg for the builders' vectors and reads media information
// with libavformat, behind the seven-slot table the AV encoder bridge loads.

#include "MediaProbe.h"
#include "enginekit/AVEncoderTable.h"
#include "enginekit/EngineFigures.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/LineSplitter.h"
#include "avencoder/FFmpegArgumentTranslation.h"
#include "enginekit/FFmpegProgress.h"
#include "enginekit/OutputCheckLine.h"
#include "enginekit/SignalEnd.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {
constexpr const char *kFFmpeg = "/usr/bin/ffmpeg";
// Status of a run ended by stop: the pass did not finish, whatever ffmpeg's own status was.
constexpr int kStoppedStatus = 255;
// The bridge's one-shot jobs (thumbnails, subtitle files) name themselves with this program word;
// they leave the conversion's status and stop alone.
constexpr const char *kJobWord = "AVED";

std::mutex logLock;
AVEncoderLogFunction logFunction = nullptr;

std::mutex runLock;
EngineProcess *conversionProcess = nullptr;
AVEncoderStatus status{};
std::atomic<bool> stopWanted{false};

void logLine(const std::string &line)
{
    std::lock_guard<std::mutex> lock(logLock);
    if (logFunction)
        logFunction(line.c_str());
}

std::string joined(const std::vector<std::string> &words)
{
    std::string text;
    for (const std::string &w : words) {
        if (!text.empty())
            text += ' ';
        const bool quote = w.empty() || w.find_first_of(" \t'\"") != std::string::npos;
        text += quote ? "'" + w + "'" : w;
    }
    return text;
}

double parseSeconds(const std::string &text)
{
    if (text.empty())
        return 0;
    // ffmpeg times are seconds or [HH:]MM:SS[.m].
    double total = 0;
    size_t start = 0;
    while (true) {
        const size_t colon = text.find(':', start);
        total = total * 60 + std::strtod(text.substr(start, colon - start).c_str(), nullptr);
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return total;
}

// How long the output should last: "-t" when given, otherwise the single input's length less
// the start offset. 0 when it cannot be told (several inputs, a concat list, a device).
double expectedOutputSeconds(const std::vector<std::string> &a)
{
    double limit = 0, start = 0;
    std::vector<std::string> inputs;
    bool concat = false;
    for (size_t i = 0; i + 1 < a.size(); ++i) {
        if (a[i] == "-t")
            limit = parseSeconds(a[i + 1]);
        else if (a[i] == "-ss")
            start = parseSeconds(a[i + 1]);
        else if (a[i] == "-i")
            inputs.push_back(a[i + 1]);
        else if (a[i] == "-f" && a[i + 1] == "concat")
            concat = true;
    }
    double inputLength = 0;
    if (inputs.size() == 1 && !concat) {
        MediaProbeResult probe;
        std::string why;
        if (probeMedia(inputs.front(), probe, why) && probe.durationSeconds > 0)
            inputLength = std::max(0.0, probe.durationSeconds - start);
    }
    if (limit > 0 && inputLength > 0)
        return std::min(limit, inputLength);
    return limit > 0 ? limit : inputLength;
}

bool writesNoFile(const std::string &output)
{
    return output.empty() || output == "-" || output == "/dev/null" || output.starts_with("pipe:");
}

// One picture or a subtitle text has no length worth checking.
bool isLengthless(const std::vector<std::string> &a)
{
    const std::string frames = ffmpegOptionValue(a, "-frames:v");
    const std::string format = ffmpegOptionValue(a, "-f");
    const std::string codec = ffmpegOptionValue(a, "-c");
    return frames == "1" || format == "mjpeg" || format == "image2" || codec == "srt" || codec == "ass";
}

void avBegin()
{
}

void avEnd()
{
}

const AVEncoderStatus *avStatus()
{
    return &status;
}

void avSetLogCallback(AVEncoderLogFunction log)
{
    std::lock_guard<std::mutex> lock(logLock);
    logFunction = log;
}

void avStop()
{
    std::lock_guard<std::mutex> lock(runLock);
    stopWanted = true;
    if (conversionProcess)
        conversionProcess->requestStop({"q", 0, 700});
}

int avRun(int argc, char *argv[])
{
    std::vector<std::string> words;
    for (int i = 0; i < argc; ++i)
        words.emplace_back(argv[i] ? argv[i] : "");
    const bool isJob = !words.empty() && words.front() == kJobWord;

    FFmpegTranslation t = translateFFmpegArguments(words);
    logLine("encoder vector: " + joined(words));
    for (const std::string &note : t.notes)
        logLine("encoder vector translated: " + note);

    std::vector<std::string> &a = t.arguments;
    const std::string output = ffmpegOutputPath(a);
    const bool overwriteChosen = std::find(a.begin(), a.end(), "-y") != a.end()
        || std::find(a.begin(), a.end(), "-n") != a.end();
    std::vector<std::string> command{"ffmpeg", "-hide_banner", "-nostats", "-progress", "pipe:1"};
    // Standard input carries the stop word, so ffmpeg must never wait there for an overwrite
    // answer: without -y it refuses to overwrite instead.
    if (!overwriteChosen)
        command.push_back("-n");
    command.insert(command.end(), a.begin(), a.end());
    logLine("engine command: " + joined(command));

    const double expected = isJob ? 0 : expectedOutputSeconds(a);
    EngineProcess process;
    {
        std::lock_guard<std::mutex> lock(runLock);
        if (!isJob) {
            status = {};
            status.expectedSeconds = int32_t(engineFigure(expected, kMostEngineSeconds));
        }
        if (!process.start(kFFmpeg, command, {}, true)) {
            logLine(process.errorText());
            return -1;
        }
        if (!isJob) {
            conversionProcess = &process;
            // A stop that came while the pass was being set up ends it now.
            if (stopWanted.load())
                process.requestStop({"q", 0, 700});
        }
    }

    FFmpegProgress progress;
    OutputLineSplitter outLines, errLines;
    const auto onProgressLine = [&](std::string_view line) {
        progress.feedLine(line);
        if (!isJob && line.starts_with("progress=")) {
            status.secondsDone = int32_t(progress.secondsDone());
            status.framesDone = int32_t(progress.framesDone());
            status.framesPerSecond = progress.hasFps() ? float(progress.framesPerSecond()) : 0.0f;
        }
    };
    const auto onLogLine = [&](std::string_view line) { logLine(std::string(line)); };
    int rc = process.wait([&](std::string_view chunk) { outLines.feed(chunk, onProgressLine); },
                          [&](std::string_view chunk) { errLines.feed(chunk, onLogLine); });
    outLines.finish(onProgressLine);
    errLines.finish(onLogLine);

    const bool stopped = process.stopRequested() || (!isJob && stopWanted.load());
    {
        std::lock_guard<std::mutex> lock(runLock);
        if (!isJob) {
            conversionProcess = nullptr;
            stopWanted = false;
        }
    }
    if (stopped) {
        logLine("encoder stopped before the end of the pass (ffmpeg status " + std::to_string(rc) + ")");
        return kStoppedStatus;
    }
    if (rc != 0) {
        if (rc < 0 && !process.errorText().empty())
            logLine(process.errorText());
        logLine(childEndText("ffmpeg", rc, "failed"));
        return rc;
    }
    if (!writesNoFile(output)) {
        std::string why;
        const double wanted = isLengthless(a) ? 0 : expected;
        bool complete = false;
        if (isLengthless(a)) {
            FILE *f = std::fopen(output.c_str(), "rbe");
            complete = f && std::fgetc(f) != EOF;
            if (f)
                std::fclose(f);
            why = "the output " + output + " is missing or empty";
        } else {
            complete = outputIsCompleteMedia(output, wanted, why);
        }
        if (!complete) {
            logLine(outputCheckLine("ffmpeg", why));
            return 1;
        }
    }
    if (!isJob && expected > 0)
        status.secondsDone = int32_t(engineFigure(expected + 0.5, kMostEngineSeconds));
    return 0;
}

int avMediaInformation(const char *path, void *record)
{
    if (!path || !record)
        return -1;
    MediaProbeResult probe;
    std::string why;
    if (!probeMedia(path, probe, why)) {
        logLine(why);
        return -1;
    }
    auto *info = static_cast<AVMediaInformation *>(record);
    std::memset(info, 0, sizeof *info);
    std::strncpy(info->formatName, probe.formatName.c_str(), sizeof info->formatName - 1);
    info->durationMicroseconds = int64_t(probe.durationSeconds * 1e6);
    info->bitRate = probe.bitRate;
    info->videoStreams = probe.videoStreams;
    info->audioStreams = probe.audioStreams;
    info->subtitleStreams = probe.subtitleStreams;
    info->width = probe.width;
    info->height = probe.height;
    return 0;
}

AVEncoderTable table{avBegin, avRun, avEnd, avStop, avStatus, avSetLogCallback, avMediaInformation};
} // namespace

extern "C" __attribute__((visibility("default"))) AVEncoderTable *GetAVEncoder()
{
    return &table;
}
