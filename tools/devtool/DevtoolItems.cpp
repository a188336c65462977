#include "DevtoolItems.h"

#include "DevtoolCommand.h"
#include "StopOnSignal.h"

#include "convert/driver/DNVideoConverter.h"
#include "convert/files/DNMediaFileProbe.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNLeftovers.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNNameText.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/NXDVDUtilities.h"
#include "profiles/DNProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <thread>

namespace {

bool toInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// "W:H:X:Y" in pixels.
bool toCropRect(const QString &text, QRect &rect)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    int v[4] = {};
    if (parts.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i)
        if (!toInt(parts.at(i), v[i]) || v[i] < 0)
            return false;
    rect = QRect(v[2], v[3], v[0], v[1]);
    return rect.width() > 0 && rect.height() > 0;
}

int printState(void *, int code)
{
    if (code == EncodeStateStarted)
        std::fprintf(stderr, "pass started\n");
    return 0;
}

// DVD and file items take trims in seconds and the volume through the same calls.
template <class Item>
void applyTrimAndVolume(Item &item, const DevtoolEditFlags &flags)
{
    if (flags.trim) {
        item.setEnableTrimming(true);
        item.setTrimStartTime(quint32(flags.trimStart));
        item.setTrimEndTime(quint32(flags.trimEnd));
    }
    if (flags.volume >= 0)
        item.setGeneralVolume(quint32(flags.volume));
}

// The flags' edits on a file item; false with *error set for a subtitle file that does not exist.
bool applyFileEdits(DNFileNode &item, const DevtoolEditFlags &flags, QString *error)
{
    const auto setting = item.setting();
    applyTrimAndVolume(item, flags);
    if (flags.rotate >= 0)
        item.setRotationAngle(flags.rotate);
    const DNTVideoPtr video = item.selectedVideoTrack();
    if (flags.crop && video && video->width > 0 && video->height > 0) {
        // The edit keeps the rectangle as fractions with the origin at the bottom.
        const float w = float(video->width), h = float(video->height);
        const QRect &r = flags.cropRect;
        setting->setCropRectPercent({float(r.x()) / w, (h - float(r.y() + r.height())) / h, float(r.width()) / w,
                                     float(r.height()) / h});
        setting->setCropEnable(true);
    }
    if (!flags.subtitle.isEmpty()) {
        if (!QFileInfo(flags.subtitle).isFile()) {
            if (error)
                *error = QStringLiteral("no subtitle file %1").arg(flags.subtitle);
            return false;
        }
        item.addExtraSubtitle(QFileInfo(flags.subtitle).absoluteFilePath());
        setting->setSubtitleEnable(true);
        item.selectSubtitleAtIndex(0, true);
    }
    return true;
}

} // namespace

QString devtoolProfilePath(const QString &argument)
{
    if (QFileInfo(argument).isFile())
        return argument;
    for (const char *folder : {"profiles/DVD/", "profiles/Video/"}) {
        const QString shipped = DNBundle::pathForResource(QLatin1String(folder) + argument);
        if (QFileInfo(shipped).isFile())
            return shipped;
    }
    return {};
}

bool devtoolProfileAndOutDir(const QString &profileArgument, const QString &outDirArgument, QString *profilePath,
                             QString *outDir, QString *error)
{
    *profilePath = devtoolProfilePath(profileArgument);
    if (profilePath->isEmpty()) {
        *error = QStringLiteral("no profile %1").arg(profileArgument);
        return false;
    }
    *error = devtoolNameNotText(outDirArgument, ConvertFailureKind::OutputFolderNameNotText);
    if (!error->isEmpty())
        return false;
    *outDir = QDir(outDirArgument).absolutePath();
    if (!QDir().mkpath(*outDir)) {
        *error = QStringLiteral("cannot make the folder %1").arg(*outDir);
        return false;
    }
    return true;
}

QString devtoolNameNotText(const QString &argument, ConvertFailureKind kind)
{
    DNNameNotText notText;
    for (const QByteArray &bytes : devtoolArgumentBytes())
        if (QFile::decodeName(bytes) == argument && !(notText = DNNameNotTextInBytes(bytes)).isEmpty())
            break;
    if (notText.isEmpty())
        notText = DNNameNotTextOnDisk(QFileInfo(argument).absoluteFilePath());
    return notText.isEmpty() ? QString() : ConvertFailureReason(kind, {notText.name, notText.folder}).text();
}

QString devtoolSourceProblem(const QString &argument)
{
    const QString notText = devtoolNameNotText(argument, ConvertFailureKind::SourceNameNotText);
    if (!notText.isEmpty())
        return notText;
    return QFileInfo::exists(argument) ? QString() : QStringLiteral("%1 does not exist").arg(argument);
}

bool devtoolIsMediaFile(const QString &source)
{
    const QFileInfo info(source);
    return info.isFile() && info.suffix().toLower() != QLatin1String("iso");
}

bool DevtoolEditFlags::parse(const QStringList &arguments, int first, int accept, QString *error)
{
    for (int i = first; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        const QString value = hasValue ? arguments.at(i + 1) : QString();
        int number = 0;
        bool ok = false;
        if (option == QLatin1String("--out") && (accept & Out) && hasValue) {
            outDir = value;
            ok = true;
        } else if (option == QLatin1String("--nav") && (accept & Nav) && toInt(value, number)) {
            nav = number != 0;
            ok = true;
        } else if (option == QLatin1String("--trim") && i + 2 < arguments.size() && toInt(value, trimStart)
                   && toInt(arguments.at(i + 2), trimEnd) && trimStart >= 0 && trimEnd > trimStart) {
            trim = true;
            ++i;
            ok = true;
        } else if (option == QLatin1String("--volume") && toInt(value, volume) && volume >= 0) {
            ok = true;
        } else if (option == QLatin1String("--rotate") && (accept & FileEdits) && toInt(value, rotate) && rotate >= 0) {
            ok = true;
        } else if (option == QLatin1String("--crop") && (accept & FileEdits) && toCropRect(value, cropRect)) {
            crop = true;
            ok = true;
        } else if (option == QLatin1String("--subtitle") && (accept & FileEdits) && hasValue) {
            subtitle = value;
            ok = true;
        }
        if (!ok) {
            if (error)
                *error = QStringLiteral("bad option %1").arg(option);
            return false;
        }
        ++i;
    }
    return true;
}

DNFileNodePtr devtoolLoadFileItem(const QString &path, const QString &profilePath, QString *error)
{
    if (const QString notText = devtoolNameNotText(path, ConvertFailureKind::SourceNameNotText); !notText.isEmpty()) {
        if (error)
            *error = notText;
        return nullptr;
    }
    DNFileNodePtr item;
    try {
        item = fileNodeWithFile(QFileInfo(path).absoluteFilePath(), false, error);
    } catch (const std::exception &e) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(path, QString::fromUtf8(e.what()));
        return nullptr;
    }
    if (item)
        item->setProfile(DNProfile::parserFromContentOfFile(profilePath));
    return item;
}

DevtoolItem devtoolLoadItem(const QString &source, int titleIndex, const QString &profilePath,
                            const DevtoolEditFlags &flags, QString *error)
{
    if (devtoolIsMediaFile(source)) {
        const DNFileNodePtr file = devtoolLoadFileItem(source, profilePath, error);
        if (!file || !applyFileEdits(*file, flags, error))
            return {};
        return {file, [file] { return file->outputName(); }};
    }
    DNDVDNodePtr dvd =
        NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(QFileInfo(source).absoluteFilePath()), error);
    if (!dvd)
        return {};
    if (titleIndex >= dvd->titleCount()) {
        if (error)
            *error = QStringLiteral("the source has %1 titles").arg(dvd->titleCount());
        return {};
    }
    dvd->setProfile(DNProfile::parserFromContentOfFile(profilePath));
    dvd->setTitleSelected(titleIndex);
    applyTrimAndVolume(*dvd, flags);
    return {dvd, [dvd, titleIndex] { return dvd->titleAt(titleIndex)->outputName(); }};
}

void devtoolUseOutputFolder(const QString &outDir)
{
    DNRemoveLeftoversOfKilledRuns();
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(outDir);
    DNSetting::shareSetting().mainWindowSetting()->setCpuCore(QThread::idealThreadCount());
}

int devtoolRunWithProgress(const std::function<int()> &work, const std::function<QString()> &progressLine)
{
    std::atomic<bool> done{false};
    std::thread progress([&done, &progressLine]() {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            if (done)
                break;
            std::fprintf(stderr, "%s\n", progressLine().toLocal8Bit().constData());
        }
    });
    const int result = work();
    done = true;
    progress.join();
    return result;
}

QString devtoolConversionProgressLine()
{
    ConvertProgressInfo info;
    DNVideoConverterProgress(&info);
    // A speed below 0 is one the engine does not measure.
    const QString speed = info.speed < 0 ? QStringLiteral("--") : QString::number(info.speed);
    return QString::asprintf("%3d%%  %d s  %s fps", info.percent, info.time, qPrintable(speed));
}

int devtoolPrintState(void *, int code)
{
    return printState(nullptr, code);
}

int devtoolRunConversion(NXBasicMediaNode *node, int titleIndex, const QString &outDir, const StopOnSignal &stop)
{
    devtoolUseOutputFolder(outDir);
    return devtoolRunWithProgress(
        [&] {
            return stop.signalNumber() ? int(ConvertResultStopped)
                                       : DNVideoConverterStart(node, titleIndex, printState, nullptr);
        },
        devtoolConversionProgressLine);
}

int devtoolConversionFailed(const char *command, int result, const StopOnSignal &stop)
{
    // A signal that came after the output took its name found the conversion done (result 0):
    // only a stopped one exits as stopped.
    if (stop.signalNumber()) {
        devtoolFail(command, QStringLiteral("stopped by signal %1; nothing was written").arg(stop.signalNumber()));
        return 128 + stop.signalNumber();
    }
    return devtoolFailWithReason(command, DNVideoConverterFailureReason(), result);
}

int devtoolFailWithReason(const char *command, const ConvertFailureReason &reason, int result)
{
    const ConvertFailureReason shown = reason.isEmpty()
        ? ConvertFailureReason(ConvertFailureKind::Failed, {ConvertFailureDetail::number(result)})
        : reason;
    return devtoolFail(command, QStringLiteral("%1 (see the log %2)").arg(shown.text(), DNCurrentRoughLogPath()));
}
