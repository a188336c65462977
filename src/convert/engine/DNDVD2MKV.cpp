#include "convert/engine/DNDVD2MKV.h"

#include "enginekit/DVD2MKVLibrary.h"
#include "enginekit/EngineFigures.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"

#include <QFile>

#include <cmath>
#include <cstdio>
#include <dlfcn.h>
#include <mutex>

namespace {
struct DVD2MKVState
{
    void *handle = nullptr;
    int totalSeconds = 0;
    EngineStateCallback callback = nullptr;
    void *context = nullptr;
    bool startedSent = false;
    float percent = 0;
    float speed = 0;
    int scanSteps = 0;
};

std::mutex stateLock;
DVD2MKVState *state = nullptr;

void reportError(const char *what)
{
    std::printf("Error: %s\n", what ? what : "unknown");
    std::fflush(stdout);
    DNRoughLog("Matroska backup library: %s", what ? what : "unknown");
}

void *symbol(const char *name)
{
    std::lock_guard<std::mutex> lock(stateLock);
    if (!state || !state->handle)
        return nullptr;
    void *s = ::dlsym(state->handle, name);
    if (!s)
        reportError(::dlerror());
    return s;
}
} // namespace

void DVD2MKV_InfoCallback(int jobState, int, float progress, float rate, float, int, int, int, int hours,
                          int minutes, int seconds)
{
    EngineStateCallback callback = nullptr;
    void *context = nullptr;
    {
        std::lock_guard<std::mutex> lock(stateLock);
        if (!state)
            return;
        // A step of the scan before the encoding: a sign that the engine works, and no more (its
        // share is the scan's, not the output's).
        if (jobState == HBJobScanning) {
            ++state->scanSteps;
            return;
        }
        if (progress != 0.0f && !state->startedSent) {
            state->startedSent = true;
            callback = state->callback;
            context = state->context;
        }
        // The library's figures within what they can mean: they become ints for the progress.
        if (state->totalSeconds == 0)
            state->totalSeconds =
                int(engineFigure(double(hours) * 3600 + double(minutes) * 60 + double(seconds), kMostEngineSeconds));
        if (!std::isnan(progress))
            state->percent = float(engineFigure(double(progress) * 100.0, 100));
        state->speed = float(engineFigure(rate, kMostEngineSpeed));
    }
    // Outside the lock: the receiver may ask for progress at once.
    if (callback)
        callback(context, EncodeStateStarted);
}

int DVD2MKV_Load(EngineStateCallback callback, void *context)
{
    std::unique_lock<std::mutex> lock(stateLock);
    if (!state)
        state = new DVD2MKVState;
    state->callback = callback;
    state->context = context;
    state->startedSent = false;
    state->percent = 0;
    state->speed = 0;
    state->totalSeconds = 0;
    state->scanSteps = 0;
    if (state->handle)
        return 0;
    const QString path = DNBundle::pathForCompanion(QStringLiteral("libdvd2mkv.so"));
    void *handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_LAZY);
    if (!handle) {
        reportError(::dlerror());
        return -1;
    }
    auto setCallback = reinterpret_cast<HBSetInfoCallbackFunction>(::dlsym(handle, "HBSetInfoCallbackFunc"));
    if (!setCallback) {
        reportError(::dlerror());
        ::dlclose(handle);
        return -1;
    }
    state->handle = handle;
    lock.unlock();
    setCallback(&DVD2MKV_InfoCallback);
    return 0;
}

void DVD2MKV_SetLogCallback(EngineLogCallback log)
{
    HBSetLogCallbackFunction setLog = nullptr;
    {
        std::lock_guard<std::mutex> lock(stateLock);
        if (state && state->handle)
            setLog = reinterpret_cast<HBSetLogCallbackFunction>(::dlsym(state->handle, "HBSetLogCallbackFunc"));
    }
    if (setLog)
        setLog(log);
}

int DVD2MKV_Start(int argc, char *argv[], int endpos)
{
    auto appMain = reinterpret_cast<HBAppMainFunction>(symbol("appMain"));
    if (!appMain)
        return -1;
    return appMain(argc, argv, endpos);
}

int DVD2MKV_Stop()
{
    auto stop = reinterpret_cast<HBStopJobFunction>(symbol("HBStopJob"));
    if (!stop)
        return -1;
    stop();
    return 0;
}

int DVD2MKV_Unload()
{
    HBSetInfoCallbackFunction setCallback = nullptr;
    {
        std::lock_guard<std::mutex> lock(stateLock);
        if (!state)
            return -1;
        if (state->handle)
            setCallback = reinterpret_cast<HBSetInfoCallbackFunction>(::dlsym(state->handle, "HBSetInfoCallbackFunc"));
    }
    if (setCallback)
        setCallback(nullptr);
    DVD2MKV_SetLogCallback(nullptr);
    std::lock_guard<std::mutex> lock(stateLock);
    if (state->handle)
        ::dlclose(state->handle);
    delete state;
    state = nullptr;
    return 0;
}

int DVD2MKV_Progress()
{
    std::lock_guard<std::mutex> lock(stateLock);
    return state ? int(state->percent) : 0;
}

int DVD2MKV_FPS()
{
    std::lock_guard<std::mutex> lock(stateLock);
    return state && state->speed > 0 ? int(state->speed) : 0;
}

int DVD2MKV_Time()
{
    std::lock_guard<std::mutex> lock(stateLock);
    return state ? int(float(state->totalSeconds) * state->percent / 100.0f) : 0;
}

int DVD2MKV_ScanSteps()
{
    std::lock_guard<std::mutex> lock(stateLock);
    return state ? state->scanSteps : 0;
}
