// The MEncoder library: the entry points the engine bridge looks up by name, over
// /usr/bin/mencoder (and /usr/bin/ffmpeg where mencoder lost an encoder or a muxer).

#include "EncoderPass.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#define HV_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
constexpr int kEncodeStateStarted = 3298;

using StateCallback = int (*)(int code);
using LogCallback = void (*)(const char *line);

std::mutex g_lock;
StateCallback g_stateCallback = nullptr;
LogCallback g_logCallback = nullptr;
bool g_safeMode = false;
std::shared_ptr<EncoderPass> g_pass;   // the running pass, or the last one until Clear
EncoderPass::Progress g_endedProgress; // where the last pass ended, read after Clear

void logLine(const std::string &line)
{
    LogCallback log;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        log = g_logCallback;
    }
    if (log)
        log((line + "\n").c_str());
}

void announceStarted()
{
    StateCallback callback;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        callback = g_stateCallback;
    }
    if (callback)
        callback(kEncodeStateStarted);
}
} // namespace

HV_EXPORT void HV_Encoder_Callback(StateCallback callback)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_stateCallback = callback;
}

HV_EXPORT void ZLog_SetCallBackFun(LogCallback log)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_logCallback = log;
}

// Safe mode is the user's "be conservative" switch; the builders already chose their safe-mode
// words, so here it is only noted for the log.
HV_EXPORT void HV_Encoder_Config(char safeMode)
{
    {
        std::lock_guard<std::mutex> lock(g_lock);
        g_safeMode = safeMode != 0;
    }
    logLine(std::string("hvvideocore: safe mode ") + (safeMode ? "on" : "off"));
}

// Runs one pass and returns when it has ended: 0 when the output was written and checked.
HV_EXPORT int HV_Encoder_Entry(int argc, char *argv[], int endpos)
{
    std::vector<std::string> words;
    for (int i = 0; i < argc && argv; ++i)
        words.emplace_back(argv[i] ? argv[i] : "");
    auto pass = std::make_shared<EncoderPass>(EncoderPass::Hooks{logLine, announceStarted});
    {
        std::lock_guard<std::mutex> lock(g_lock);
        // One pass at a time: the bridge joins each pass before it starts the next.
        g_pass = pass;
        g_endedProgress = {};
    }
    return pass->run(words, endpos);
}

HV_EXPORT void HV_Encoder_Stop()
{
    std::shared_ptr<EncoderPass> pass;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        pass = g_pass;
    }
    if (pass)
        pass->stop();
}

// Fills time (seconds written), speed (frames per second), frame and percent of the part.
HV_EXPORT void HV_Encoder_Progress(int *info)
{
    if (!info)
        return;
    std::shared_ptr<EncoderPass> pass;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        pass = g_pass;
    }
    EncoderPass::Progress p;
    if (pass) {
        p = pass->progress();
    } else {
        std::lock_guard<std::mutex> lock(g_lock);
        p = g_endedProgress;
    }
    info[0] = p.seconds;
    info[1] = p.speed;
    info[2] = p.frame;
    info[3] = p.percent;
}

// The pass is released; its last progress stays readable until the next pass, so that the
// end of a pass reads as its end and not as a fresh start.
HV_EXPORT void HV_Encoder_Clear()
{
    std::lock_guard<std::mutex> lock(g_lock);
    if (g_pass)
        g_endedProgress = g_pass->progress();
    g_pass.reset();
}

// Seconds of the part the current (or last) pass converts; 0 while unknown.
HV_EXPORT int HV_Encoder_Video_Length()
{
    std::shared_ptr<EncoderPass> pass;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        pass = g_pass;
    }
    return pass ? pass->partSeconds() : 0;
}
