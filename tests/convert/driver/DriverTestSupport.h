#pragma once

// What the driver tests share: a fixture disc with a shipped profile, the settings pointed at an
// output folder, a conversion run on a worker thread as the shell runs it, and the facts ffprobe
// reads back.

#include "convert/driver/DNVideoConverter.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "support/ffprobe.h"
#include "support/process.h"
#include "support/tone.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace drivertest {

using namespace dvdbuildertest;

inline void useOutputFolder(const QString &folder)
{
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(folder);
    DNSetting::shareSetting().mainWindowSetting()->setSafemode(false);
    DNSetting::shareSetting().mainWindowSetting()->setCpuCore(2);
}

// The first seconds of a title, from startSeconds on.
inline void trimTitle(const DNDVDTitlePtr &title, double startSeconds, double seconds)
{
    auto setting = title->setting();
    setting->setTrimEnable(true);
    setting->setTrimStartPercent(float(startSeconds / title->length()));
    setting->setTrimEndPercent(float((startSeconds + seconds) / title->length()));
}

// Counts the state codes the driver forwards.
struct StateLog
{
    std::atomic<int> started{0};
    std::atomic<int> codes{0};
    static int callback(void *context, int code)
    {
        auto *log = static_cast<StateLog *>(context);
        ++log->codes;
        if (code == EncodeStateStarted)
            ++log->started;
        return 0;
    }
};

// Runs DNVideoConverterStart on a thread of its own, as the shell's worker does.
inline std::future<int> startOnWorker(NXBasicMediaNode *node, int titleIndex, StateLog *log)
{
    return std::async(std::launch::async,
                      [=]() { return DNVideoConverterStart(node, titleIndex, StateLog::callback, log); });
}

using testsupport::waitFor;
using testsupport::codecsOf;
using testsupport::durationOf;
using testsupport::firstStream;
using testsupport::formatNameOf;

// The files in folder (hidden ones too), sorted.
inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace drivertest
