#include "convert/engine/DNMEncoder.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <dlfcn.h>
#include <mutex>
#include <thread>

namespace {
const char *const kLibraryName = "hvvideocore.so";

using LibraryStateCallback = int (*)(int code);
using CallbackFunction = void (*)(LibraryStateCallback);
using ConfigFunction = void (*)(char);
using EntryFunction = int (*)(int, char **, int);
using VoidFunction = void (*)();
using ProgressFunction = void (*)(int *);
using LengthFunction = int (*)();
using LogFunction = void (*)(EngineLogCallback);

std::mutex EncoderMutex;   // guards unloading, progress and stop
void *libraryHandle = nullptr;
EngineStateCallback storedCallback = nullptr;
void *storedContext = nullptr;
ConvertProgressInfo lastGood;

void reportFailure(const char *why)
{
    DNRoughLog(QStringLiteral("%s"), why);
    std::fprintf(stderr, "%s\n", why);
}

// The entry point of that name, looked up at each call; logs when it is missing.
template <typename F>
F entryPoint(void *handle, const char *name)
{
    if (!handle)
        return nullptr;
    ::dlerror();
    auto function = reinterpret_cast<F>(::dlsym(handle, name));
    if (!function) {
        const char *why = ::dlerror();
        reportFailure(why ? why : name);
    }
    return function;
}

void clearProgress()
{
    lastGood = ConvertProgressInfo();
}
} // namespace

int Encoder_SetCallback(EngineStateCallback callback, void *context)
{
    if (!libraryHandle) {
        const QString path = DNBundle::pathForCompanion(QString::fromLatin1(kLibraryName));
        if (!QFileInfo::exists(path)) {
            reportFailure(qPrintable(QStringLiteral("MEncoder library missing: %1").arg(path)));
            return -1;
        }
        void *handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_LAZY);
        if (!handle) {
            const char *why = ::dlerror();
            reportFailure(why ? why : "the MEncoder library cannot be loaded");
            return -1;
        }
        std::lock_guard<std::mutex> lock(EncoderMutex);
        libraryHandle = handle;
    }
    storedCallback = callback;
    storedContext = context;
    {
        std::lock_guard<std::mutex> lock(EncoderMutex);
        clearProgress();
    }
    auto registerCallback = entryPoint<CallbackFunction>(libraryHandle, "HV_Encoder_Callback");
    if (!registerCallback)
        return -1;
    registerCallback(Encoder_CallbackForward);
    return 0;
}

int Encoder_CallbackForward(int code)
{
    const EngineStateCallback callback = storedCallback;
    return callback ? callback(storedContext, code) : 0;
}

void Encoder_SetLogCallback(EngineLogCallback log)
{
    if (!log || !libraryHandle)
        return;
    if (auto set = entryPoint<LogFunction>(libraryHandle, "ZLog_SetCallBackFun"))
        set(log);
}

void Encoder_Config(unsigned char engineSafeMode)
{
    if (auto config = entryPoint<ConfigFunction>(libraryHandle, "HV_Encoder_Config"))
        config(char(engineSafeMode));
}

int Encoder_Start(int argc, char *argv[], int endpos)
{
    if (!libraryHandle) {
        reportFailure("MEncoder library not loaded: the pass fails");
        return -1;
    }
    auto entry = entryPoint<EntryFunction>(libraryHandle, "HV_Encoder_Entry");
    if (!entry)
        return -1;

    int result = -1;
    // The pass runs on a thread of its own, joined at once: the caller blocks for the pass.
    std::thread pass([&]() { result = entry(argc, argv, endpos); });
    pass.join();
    // The core has waited for its engines and closed its files by the time the pass returns, so
    // it is reset at once: a fixed wait here would only delay a stop and every batch.
    if (auto clear = entryPoint<VoidFunction>(libraryHandle, "HV_Encoder_Clear"))
        clear();
    return result;
}

void Encoder_Progress(ConvertProgressInfo *info)
{
    if (!info)
        return;
    std::lock_guard<std::mutex> lock(EncoderMutex);
    if (!libraryHandle) {
        *info = lastGood;
        return;
    }
    if (auto progress = entryPoint<ProgressFunction>(libraryHandle, "HV_Encoder_Progress")) {
        int values[4] = {info->time, info->speed, info->frame, info->percent};
        progress(values);
        info->time = values[0];
        info->speed = values[1];
        info->frame = values[2];
        info->percent = values[3];
    } else {
        *info = lastGood;
        return;
    }
    keepGoodProgress(*info, lastGood);
}

void keepGoodProgress(ConvertProgressInfo &info, ConvertProgressInfo &good)
{
    const auto keep = [](int &value, int &last, bool ok) {
        if (ok)
            last = value;
        else
            value = last;
    };
    keep(info.time, good.time, info.time >= 0);
    keep(info.speed, good.speed, info.speed >= 1 && info.speed <= 9999);
    keep(info.frame, good.frame, info.frame >= 0);
    // Compared unsigned: a negative percent is out of range too.
    keep(info.percent, good.percent, unsigned(info.percent) <= 100u);
}

void Encoder_Stop()
{
    std::lock_guard<std::mutex> lock(EncoderMutex);
    if (auto stop = entryPoint<VoidFunction>(libraryHandle, "HV_Encoder_Stop"))
        stop();
}

int Encoder_Video_Length()
{
    auto length = entryPoint<LengthFunction>(libraryHandle, "HV_Encoder_Video_Length");
    return length ? length() : 0;
}

void Encoder_Unload()
{
    std::lock_guard<std::mutex> lock(EncoderMutex);
    if (libraryHandle && ::dlclose(libraryHandle) == 0)
        libraryHandle = nullptr;
    storedCallback = nullptr;
    storedContext = nullptr;
    clearProgress();
}
