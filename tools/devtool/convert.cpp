// convert SOURCE TITLE PROFILE OUTDIR: one DVD title through the conversion driver with the real
// engines, progress on standard error; exit status 0 only when the output was written. SIGINT and
// SIGTERM stop the conversion as the Stop button does (exit status 128 + the signal's number).
#include "DevtoolCommand.h"
#include "StopOnSignal.h"

#include "convert/driver/DNVideoConverter.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNLeftovers.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/NXDVDUtilities.h"
#include "profiles/DNProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr const char *Name = "convert";

QString profilePathFor(const QString &argument)
{
    if (QFileInfo(argument).isFile())
        return argument;
    const QString shipped = DNBundle::pathForResource(QStringLiteral("profiles/DVD/") + argument);
    return QFileInfo(shipped).isFile() ? shipped : QString();
}

int printState(void *, int code)
{
    if (code == EncodeStateStarted)
        std::fprintf(stderr, "pass started\n");
    return 0;
}

} // namespace

int convertCommand(const QStringList &arguments)
{
    const StopOnSignal stop;
    if (arguments.size() != 4)
        return devtoolFail(Name, QStringLiteral("usage: talvane-devtool convert SOURCE TITLE PROFILE OUTDIR"));
    bool ok = false;
    const int titleIndex = arguments.at(1).toInt(&ok);
    if (!ok || titleIndex < 0)
        return devtoolFail(Name, QStringLiteral("TITLE must be a title index (0 for the first title)"));
    if (!QFileInfo::exists(arguments.at(0)))
        return devtoolFail(Name, QStringLiteral("%1 does not exist").arg(arguments.at(0)));
    const QString profilePath = profilePathFor(arguments.at(2));
    if (profilePath.isEmpty())
        return devtoolFail(Name, QStringLiteral("no profile %1").arg(arguments.at(2)));
    const QString outDir = QDir(arguments.at(3)).absolutePath();
    if (!QDir().mkpath(outDir))
        return devtoolFail(Name, QStringLiteral("cannot make the folder %1").arg(outDir));

    QString error;
    const DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(arguments.at(0)), &error);
    if (!node)
        return devtoolFail(Name, error);
    if (titleIndex >= node->titleCount())
        return devtoolFail(Name, QStringLiteral("the source has %1 titles").arg(node->titleCount()));
    node->setProfile(DNProfile::parserFromContentOfFile(profilePath));
    node->setTitleSelected(titleIndex);

    DNRemoveLeftoversOfKilledRuns(outDir);
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(outDir);
    DNSetting::shareSetting().mainWindowSetting()->setCpuCore(QThread::idealThreadCount());

    std::atomic<bool> done{false};
    std::thread progress([&done]() {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            if (done)
                break;
            ConvertProgressInfo info;
            DNVideoConverterProgress(&info);
            std::fprintf(stderr, "%3d%%  %d s  %d fps\n", info.percent, info.time, info.speed);
        }
    });
    const int result = stop.signalNumber() ? int(ConvertResultStopped)
                                           : DNVideoConverterStart(node.get(), titleIndex, printState, nullptr);
    done = true;
    progress.join();

    // A signal that came after the output took its name found the conversion done.
    if (stop.signalNumber() && result != 0) {
        devtoolFail(Name, QStringLiteral("stopped by signal %1; nothing was written").arg(stop.signalNumber()));
        return 128 + stop.signalNumber();
    }
    if (result != 0)
        return devtoolFail(Name, QStringLiteral("the conversion failed (result %1; see the log %2)")
                                     .arg(result)
                                     .arg(DNCurrentRoughLogPath()));
    devtoolPrint(node->titleAt(titleIndex)->outputName() + QLatin1Char('\n'));
    return 0;
}
