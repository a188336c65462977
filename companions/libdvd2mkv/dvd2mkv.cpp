// The Matroska backup companion: runs HandBrakeCLI for the backup builder's vector and reports
// its "--json" progress through the callback the bridge registers, and its own lines (why a job
// failed among them) through the log callback.

#include "MediaProbe.h"
#include "enginekit/DVD2MKVLibrary.h"
#include "enginekit/EngineFigures.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/LineSplitter.h"
#include "enginekit/OutputCheckLine.h"
#include "enginekit/SignalEnd.h"
#include "enginekit/ProcessIdentity.h"
#include "libdvd2mkv/HandBrakeArguments.h"
#include "libdvd2mkv/HandBrakeErrorLines.h"
#include "libdvd2mkv/HandBrakeJsonStream.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace {
constexpr const char *kHandBrake = "/usr/bin/HandBrakeCLI";
constexpr int kStoppedStatus = 255;

std::mutex lock;
HBInfoCallback infoCallback = nullptr;
HBLogCallback logCallback = nullptr;
EngineProcess *running = nullptr;
std::atomic<bool> stopWanted{false};

// One line for the program's log; on standard error while no one registered a log callback.
void tell(const std::string &line)
{
    HBLogCallback log;
    {
        std::lock_guard<std::mutex> guard(lock);
        log = logCallback;
    }
    if (log)
        log(line.c_str());
    else
        std::fprintf(stderr, "%s\n", line.c_str());
}

// A line of the companion's own.
void logLine(const std::string &line)
{
    tell("dvd2mkv: " + line);
}

std::string joined(const std::vector<std::string> &words)
{
    std::string text;
    for (const std::string &w : words)
        text += (text.empty() ? "" : " ") + w;
    return text;
}

std::string valueAfter(const std::vector<std::string> &a, const std::string &option)
{
    const auto it = std::find(a.begin(), a.end(), option);
    return it != a.end() && it + 1 != a.end() ? *(it + 1) : std::string();
}

// A whole number of seconds (or a title number) at the start of text; 0 when there is none or
// it lies beyond any length.
int wholeNumber(std::string_view text)
{
    long long value = 0;
    return engineWholeNumber(text, (long long)kMostEngineSeconds, value) ? int(value) : 0;
}

int durationValue(const std::string &value)
{
    // "duration:S" is the only trim form the builder writes.
    return value.starts_with("duration:") ? wholeNumber(std::string_view(value).substr(9)) : 0;
}

// "HH:MM:SS" of HandBrakeCLI's scan summary in seconds; -1 when the text is not one.
int clockSeconds(std::string_view text)
{
    long long parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != ':')
                return -1;
            text.remove_prefix(1);
        }
        if (!engineWholeNumber(text, (long long)kMostEngineSeconds, parts[i]))
            return -1;
    }
    return int(engineFigure(double(parts[0]) * 3600 + double(parts[1]) * 60 + double(parts[2]), kMostEngineSeconds));
}

int listLength(const std::string &list)
{
    return list.empty() ? 0 : int(std::count(list.begin(), list.end(), ',')) + 1;
}

// The pass's own temporary folder: HandBrakeCLI makes its "hb.<pid>" folder in $TMPDIR and
// leaves it there, so it is given this one as $TMPDIR, and the folder goes with the pass.
class PassFolder
{
public:
    PassFolder() : m_path(ProcessIdentity::makeMarkedTemporaryFolder("dvd2mkv")) {}
    ~PassFolder()
    {
        std::error_code error;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, error);
    }
    PassFolder(const PassFolder &) = delete;
    PassFolder &operator=(const PassFolder &) = delete;
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

void report(int state, const HandBrakeWorkState &w, int lengthSeconds)
{
    HBInfoCallback cb;
    {
        std::lock_guard<std::mutex> guard(lock);
        cb = infoCallback;
    }
    if (!cb)
        return;
    const int length = std::max(0, lengthSeconds);
    cb(state, w.pass, float(w.progress), float(w.rate), float(w.rateAvg), w.etaHours, w.etaMinutes, w.etaSeconds,
       length / 3600, length / 60 % 60, length % 60);
}
} // namespace

extern "C" __attribute__((visibility("default"))) void HBSetInfoCallbackFunc(HBInfoCallback callback)
{
    std::lock_guard<std::mutex> guard(lock);
    infoCallback = callback;
}

extern "C" __attribute__((visibility("default"))) void HBSetLogCallbackFunc(HBLogCallback callback)
{
    std::lock_guard<std::mutex> guard(lock);
    logCallback = callback;
}

extern "C" __attribute__((visibility("default"))) int HBStopJob()
{
    std::lock_guard<std::mutex> guard(lock);
    stopWanted = true;
    // SIGINT lets HandBrakeCLI close the file properly; SIGTERM can leave it unplayable.
    if (running)
        running->requestStop({"", SIGINT, 5000});
    return 0;
}

extern "C" __attribute__((visibility("default"))) int appMain(int argc, char *argv[], int endpos)
{
    std::vector<std::string> words;
    for (int i = 0; i < argc; ++i)
        words.emplace_back(argv[i] ? argv[i] : "");
    HandBrakeTranslation t = translateHandBrakeArguments(words, endpos);
    logLine("backup vector: " + joined(words));
    for (const std::string &note : t.notes)
        logLine("backup vector translated: " + note);

    const std::vector<std::string> &a = t.arguments;
    const std::string output = valueAfter(a, "-o");
    const int titleIndex = wholeNumber(valueAfter(a, "-t"));
    const int startAt = durationValue(valueAfter(a, "--start-at"));
    const int stopAt = durationValue(valueAfter(a, "--stop-at"));
    const int audioTracks = listLength(valueAfter(a, "-a"));
    int lengthSeconds = stopAt > 0 ? stopAt : 0;

    std::vector<std::string> command{"HandBrakeCLI"};
    command.insert(command.end(), a.begin(), a.end());
    const PassFolder folder;
    if (folder.path().empty()) {
        logLine("cannot make a temporary folder for the backup");
        return -1;
    }
    EngineProcess process;
    bool started = false;
    {
        std::lock_guard<std::mutex> guard(lock);
        started = process.start(kHandBrake, command, {}, false, {"TMPDIR=" + folder.path()});
        if (started) {
            running = &process;
            if (stopWanted.load())
                process.requestStop({"", SIGINT, 5000});
        }
    }
    // The reason is told outside the lock, which the log channel takes too.
    if (!started) {
        logLine(process.errorText());
        return -1;
    }

    int workDoneError = -1;
    // Each step of the work before the encoding is reported too: a long scan writes nothing and
    // moves no figure of the encoding, and would look like an engine that stopped answering.
    HandBrakeScanSteps scanSteps;
    const auto reportScanStep = [&] { report(HBJobScanning, HandBrakeWorkState(), lengthSeconds); };
    const auto onBlock = [&](const QString &name, const QJsonObject &block) {
        if (name == QLatin1String("JSON Title Set")) {
            const int title = handBrakeTitleSeconds(block, titleIndex);
            if (lengthSeconds == 0 && title > 0)
                lengthSeconds = std::max(0, title - startAt);
            return;
        }
        if (name != QLatin1String("Progress"))
            return;
        const HandBrakeWorkState w = readHandBrakeProgress(block);
        if (w.state == QLatin1String("SCANNING")) {
            if (scanSteps.isNewStep(w))
                reportScanStep();
            return;
        }
        if (w.state != QLatin1String("WORKDONE"))
            scanSteps.encodingBegan();
        if (w.state == QLatin1String("WORKING"))
            report(HBJobWorking, w, lengthSeconds);
        else if (w.state == QLatin1String("MUXING"))
            report(HBJobMuxing, w, lengthSeconds);
        else if (w.state == QLatin1String("WORKDONE"))
            workDoneError = w.error;
    };
    // The scan summary on standard error names the title's length: "+ title 2:" then
    // "  + duration: 00:00:10".
    int scannedTitle = 0;
    const auto onLine = [&](std::string_view line) {
        if (scanSteps.isNewLine(line))
            reportScanStep();
        const size_t t = line.find("+ title ");
        if (t != std::string_view::npos && line.ends_with(":")) {
            scannedTitle = wholeNumber(line.substr(t + 8));
            return;
        }
        const size_t d = line.find("+ duration: ");
        const int seconds = d == std::string_view::npos ? -1 : clockSeconds(line.substr(d + 12));
        if (seconds >= 0 && scannedTitle == titleIndex && lengthSeconds == 0)
            lengthSeconds = std::max(0, seconds - startAt);
    };
    // HandBrakeCLI logs on standard error; its last lines that tell of a failure are kept for
    // the log and the pass's reason.
    HandBrakeErrorLines errorLines;
    const auto onLogLine = [&](std::string_view line) {
        onLine(line);
        errorLines.feedLine(line);
    };
    HandBrakeJsonStream outJson(onBlock, onLine), errJson(onBlock, onLogLine);
    OutputLineSplitter outLines, errLines;
    const auto feedErrors = [&](std::string_view l) { errJson.feedLine(l); };
    const int rc = process.wait(
        [&](std::string_view chunk) { outLines.feed(chunk, [&](std::string_view l) { outJson.feedLine(l); }); },
        [&](std::string_view chunk) { errLines.feed(chunk, feedErrors); });
    errLines.finish(feedErrors);

    const bool stopped = process.stopRequested() || stopWanted.load();
    {
        std::lock_guard<std::mutex> guard(lock);
        running = nullptr;
        stopWanted = false;
    }
    if (stopped) {
        logLine("stopped before the end of the backup");
        return kStoppedStatus;
    }
    if (rc != 0 || (workDoneError > 0)) {
        // HandBrakeCLI's own words, as it wrote them, then the status they ended with.
        for (const std::string &line : errorLines.lines())
            tell(line);
        if (rc < 0 && !process.errorText().empty())
            logLine(process.errorText());
        logLine(childEndText("HandBrakeCLI", rc, "failed")
                + (workDoneError > 0 ? " (job error " + std::to_string(workDoneError) + ")" : ""));
        return rc != 0 ? rc : workDoneError;
    }
    // A trimmed part is held to its length here. A whole title's length comes from the scan, that
    // is from the IFO's stated time, which a damaged disc may get wrong: the program measures it
    // against what the title's data holds.
    std::string why;
    if (!outputIsCompleteMedia(output, stopAt > 0 ? stopAt : 0, why)) {
        logLine(outputCheckLine("HandBrakeCLI", why));
        return 1;
    }
    MediaProbeResult probe;
    if (probeMedia(output, probe, why) && (probe.videoStreams < 1 || probe.audioStreams < audioTracks)) {
        logLine(outputCheckLine("HandBrakeCLI", "the backup holds " + std::to_string(probe.videoStreams)
                                                    + " video and " + std::to_string(probe.audioStreams)
                                                    + " audio streams where 1 and " + std::to_string(audioTracks)
                                                    + " were asked for"));
        return 1;
    }
    HandBrakeWorkState done;
    done.progress = 1.0;
    report(HBJobDone, done, lengthSeconds);
    return 0;
}
