#include "EncoderPass.h"

#include "DvdTitleReader.h"
#include "MediaFacts.h"

#include "enginekit/FFmpegProgress.h"
#include "enginekit/FileText.h"
#include "enginekit/LineSplitter.h"
#include "enginekit/ProcessIdentity.h"
#include "enginekit/SignalEnd.h"
#include "hvvideocore/FifoRelease.h"
#include "hvvideocore/MEncoderStatus.h"
#include "hvvideocore/MEncoderWords.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include <fcntl.h>

#include <sys/stat.h>
#include <unistd.h>

using mencoder_words::joined;

namespace {
// mencoder finishes its file on SIGTERM; what still runs after this long is ended harder.
constexpr int kStopGraceMilliseconds = 600;
// With a second (ffmpeg) step the mencoder run makes up this share of the pass.
constexpr int kFirstStepPercent = 95;

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}
} // namespace

EncoderPass::EncoderPass(Hooks hooks)
    : m_hooks(std::move(hooks))
{
}

EncoderPass::~EncoderPass()
{
    removeTemporaryFolder();
}

bool EncoderPass::makeTemporaryFolder()
{
    // Marked, so that the program's next start removes it when this run is killed.
    m_temporaryFolder = ProcessIdentity::makeMarkedTemporaryFolder("hvvideocore");
    return !m_temporaryFolder.empty();
}

// The folder is the pass's own: it goes whole, with whatever an engine left in it.
void EncoderPass::removeTemporaryFolder()
{
    if (m_temporaryFolder.empty())
        return;
    std::error_code error;
    std::filesystem::remove_all(m_temporaryFolder, error);
    m_temporaryFolder.clear();
}

void EncoderPass::removeTemporaries(const MEncoderPlan &plan)
{
    for (const std::string &path : plan.temporaries)
        ::unlink(path.c_str());
    removeTemporaryFolder();
}

int EncoderPass::run(const std::vector<std::string> &argv, int endpos)
{
    const auto log = [this](const std::string &line) {
        if (m_hooks.log)
            m_hooks.log("hvvideocore: " + line);
    };
    log("pass vector: " + joined(argv));

    MEncoderEnvironment environment;
    environment.dvdTitle = [&log](const std::string &device, int title) { return readDvdTitle(device, title, log); };
    environment.inputFacts = readInputFacts;
    environment.processors = std::thread::hardware_concurrency();
    environment.temporaryPath = [this](const std::string &extension) -> std::string {
        if (m_temporaryFolder.empty() && !makeTemporaryFolder())
            return {};
        return m_temporaryFolder + "/part" + std::to_string(++m_temporaryCount) + extension;
    };
    const MEncoderPlan plan = planMEncoderPass(argv, environment, endpos);
    for (const std::string &note : plan.notes)
        log("translated " + note);
    if (!plan.error.empty()) {
        log("pass failed: " + plan.error);
        removeTemporaries(plan);
        return -1;
    }
    const bool sideBySide = !plan.streamPath.empty() && !plan.mencoder.empty() && !plan.ffmpeg.empty();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_partSeconds = plan.partSeconds;
        m_sideBySide = sideBySide;
        m_hasFinishStep = !sideBySide && !plan.mencoder.empty() && !plan.ffmpeg.empty();
    }

    if (plan.output != "/dev/null") {
        const std::string folder = folderOf(plan.output);
        struct stat info {};
        const char *why = nullptr;
        if (::stat(folder.c_str(), &info) != 0)
            why = std::strerror(errno);
        else if (!S_ISDIR(info.st_mode))
            why = "not a folder";
        else if (::access(folder.c_str(), W_OK) != 0)
            why = std::strerror(errno);
        if (why) {
            log("pass failed: the output folder " + folder + " cannot be written (" + why + ")");
            removeTemporaries(plan);
            return -1;
        }
    }

    int result = 0;
    if (sideBySide) {
        std::vector<std::string> mencoderArgs = plan.mencoder;
        mencoderArgs.insert(mencoderArgs.begin(), kMEncoderPath);
        std::vector<std::string> ffmpegArgs = plan.ffmpeg;
        ffmpegArgs.insert(ffmpegArgs.begin(), kFFmpegPath);
        if (::mkfifo(plan.streamPath.c_str(), 0600) != 0) {
            log("pass failed: cannot make the FIFO " + plan.streamPath + " (" + std::strerror(errno) + ")");
            removeTemporaries(plan);
            return -1;
        }
        log("mencoder: " + joined(mencoderArgs));
        log("ffmpeg, reading beside it: " + joined(ffmpegArgs));
        result = runSideBySide(plan, mencoderArgs, ffmpegArgs);
    } else if (!plan.mencoder.empty()) {
        std::vector<std::string> args = plan.mencoder;
        args.insert(args.begin(), kMEncoderPath);   // the builder's program word "encoder"
        log("mencoder: " + joined(args));
        result = runStep(kMEncoderPath, args, true);
        if (result > 0)
            log("pass failed: " + childEndText("mencoder", result));
    }
    if (result == 0 && !sideBySide && !plan.ffmpeg.empty()) {
        for (const auto &[link, file] : plan.links) {
            if (::symlink(file.c_str(), link.c_str()) != 0) {
                log("pass failed: cannot link " + link + " to a part (" + std::strerror(errno) + ")");
                removeTemporaries(plan);
                return -1;
            }
        }
        if (!plan.concatListPath.empty()) {
            if (!writeFileText(plan.concatListPath, plan.concatList)) {
                log("pass failed: cannot write the join list " + plan.concatListPath);
                removeTemporaries(plan);
                return -1;
            }
        }
        std::vector<std::string> args = plan.ffmpeg;
        args.insert(args.begin(), kFFmpegPath);
        log("ffmpeg: " + joined(args));
        result = runStep(kFFmpegPath, args, false);
        if (result > 0)
            log("pass failed: " + childEndText("ffmpeg", result));
    }
    removeTemporaries(plan);
    if (result == -2) {
        log("pass stopped");
        return -1;
    }
    if (result != 0)
        return -1;

    const std::string why = checkPassOutput(plan);
    if (!why.empty()) {
        log("pass failed: " + why);
        return -1;
    }
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_progress.percent = 100;
        if (m_partSeconds > 0)
            m_progress.seconds = int(m_partSeconds);
    }
    log("pass done: " + plan.output);
    return 0;
}

int EncoderPass::runSideBySide(const MEncoderPlan &plan, const std::vector<std::string> &mencoderArgs,
                               const std::vector<std::string> &ffmpegArgs)
{
    int ffmpegResult = -1;
    EngineEnd ffmpegEnd, mencoderEnd;
    std::thread reader([&] {
        ffmpegResult = runStep(kFFmpegPath, ffmpegArgs, false);
        ffmpegEnd.set();
        if (ffmpegResult != 0 && ffmpegResult != -2) {
            if (ffmpegResult > 0 && m_hooks.log)
                m_hooks.log("hvvideocore: pass failed: " + childEndText("ffmpeg", ffmpegResult));
            // Without its reader mencoder's writes fail: it is not left to encode the rest for nothing.
            std::lock_guard<std::mutex> lock(m_lock);
            for (EngineProcess *process : m_processes)
                process->requestStop({std::string(), SIGTERM, kStopGraceMilliseconds});
        }
        releaseUntil(plan.streamPath, O_RDONLY, mencoderEnd);
    });
    const int mencoderResult = runStep(kMEncoderPath, mencoderArgs, true);
    mencoderEnd.set();
    if (mencoderResult > 0 && m_hooks.log)
        m_hooks.log("hvvideocore: pass failed: " + childEndText("mencoder", mencoderResult));
    releaseUntil(plan.streamPath, O_WRONLY, ffmpegEnd);
    reader.join();
    if (mencoderResult == -2 || ffmpegResult == -2)
        return -2;
    if (ffmpegResult != 0)
        return ffmpegResult;   // the cause; mencoder's failure then only follows from it
    return mencoderResult;
}

// Runs one engine to its end: its exit status, -2 when stopped, -1 when it could not start or its
// end could not be read (both logged here with their reason, so callers log only a status).
int EncoderPass::runStep(const std::string &program, const std::vector<std::string> &args, bool mencoderOutput)
{
    EngineProcess process;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_stopped)
            return -2;
        if (!process.start(program, args)) {
            if (m_hooks.log)
                m_hooks.log("hvvideocore: pass failed: " + process.errorText());
            return -1;
        }
        m_processes.push_back(&process);
    }

    const auto message = [this](std::string_view line) {
        if (m_hooks.log)
            m_hooks.log(std::string(line));
    };
    MEncoderOutputReader out, err;
    FFmpegProgress ffmpegProgress;
    OutputLineSplitter ffmpegLines, ffmpegErrors;
    for (MEncoderOutputReader *reader : {&out, &err}) {
        reader->onStatus = [this](const MEncoderStatus &s) { onStatus(s.seconds, s.frames, s.percent, s.fps, true); };
        reader->onMessage = message;
    }
    const auto onStdout = [&](std::string_view chunk) {
        if (mencoderOutput) {
            out.feed(chunk);
            return;
        }
        ffmpegLines.feed(chunk, [&](std::string_view line) {
            ffmpegProgress.feedLine(line);
            if (line.rfind("progress=", 0) == 0)
                onStatus(ffmpegProgress.secondsDone(), 0, 0, ffmpegProgress.framesPerSecond(), false);
        });
    };
    const auto onStderr = [&](std::string_view chunk) {
        if (mencoderOutput)
            err.feed(chunk);
        else
            ffmpegErrors.feed(chunk, message);
    };
    const int status = process.wait(onStdout, onStderr);
    out.finish();
    err.finish();
    ffmpegErrors.finish(message);
    if (status < 0 && !process.errorText().empty() && m_hooks.log)
        m_hooks.log("hvvideocore: pass failed: " + process.errorText());

    std::lock_guard<std::mutex> lock(m_lock);
    m_processes.erase(std::remove(m_processes.begin(), m_processes.end(), &process), m_processes.end());
    return m_stopped ? -2 : status;
}

void EncoderPass::onStatus(double seconds, long frames, int percent, double fps, bool mencoderOutput)
{
    bool announce = false;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        // Beside mencoder, ffmpeg only follows it: its figures are mencoder's again.
        if (!mencoderOutput && m_sideBySide)
            return;
        MEncoderStatus status;
        status.seconds = seconds;
        status.frames = frames;
        status.percent = percent;
        status.fps = fps;
        int part = percentOfPart(status, m_partSeconds);
        if (mencoderOutput) {
            if (m_hasFinishStep)
                part = part * kFirstStepPercent / 100;
            m_progress.frame = int(frames);
        } else if (m_hasFinishStep) {
            part = kFirstStepPercent + part * (100 - kFirstStepPercent) / 100;
        }
        // The finishing step starts again from 0 s: the time shown stays the converted part.
        if (mencoderOutput || !m_hasFinishStep)
            m_progress.seconds = int(seconds);
        m_progress.speed = int(fps);
        m_progress.percent = std::max(m_progress.percent, std::min(part, 99));
        if (!m_startedSent && (frames > 0 || seconds > 0)) {
            m_startedSent = true;
            announce = true;
        }
    }
    // Outside the lock: the receiver may ask for progress or stop the pass.
    if (announce && m_hooks.started)
        m_hooks.started();
}

void EncoderPass::stop()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_stopped = true;
    for (EngineProcess *process : m_processes)
        process->requestStop({std::string(), SIGTERM, kStopGraceMilliseconds});
}

EncoderPass::Progress EncoderPass::progress() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_progress;
}

int EncoderPass::partSeconds() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return int(m_partSeconds);
}
