#include "convert/driver/DNVideoConverter.h"

#include "convert/driver/ConvertEngines.h"
#include "convert/driver/ConvertFailureNote.h"
#include "convert/driver/ConvertProgressArithmetic.h"
#include "convert/driver/VideoConverterInternal.h"
#include "convert/engine/DNMEncoder.h"
#include "core/log/DNEngineLineLog.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNPartialOutput.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNNameText.h"

#include <atomic>
#include <cstdio>

std::mutex ConvertMutex;

namespace {
ConvertState state;
std::atomic<int> runCounter{0};

// The output folder the settings name; empty (with a log line and the run's reason) when none is
// set, a name along it is not text or its path is too long for the engines. A folder that does
// not fit is refused rather than replaced by another one: the user would look for the outputs
// where they asked for them.
QString outputFolderFromSettings()
{
    const QString folder = DNSetting::shareSetting().appSetting()->videoOutputDirectory();
    if (folder.isEmpty()) {
        DNRoughLog(QStringLiteral("No output folder is set: the conversion cannot start."));
        noteConvertFailure(ConvertFailureKind::NoOutputFolder);
        return folder;
    }
    // A folder named by bytes that are not text is read as another folder's name: anything made
    // there would land in a twin beside the folder the user chose.
    if (const DNNameNotText notText = DNNameNotTextOnDisk(folder); !notText.isEmpty()) {
        DNRoughLog(QStringLiteral("The output folder %@ cannot be written into: the name \"%@\" in %@ is not UTF-8 "
                                  "text. The conversion cannot start."),
                   folder, notText.name, notText.folder);
        noteConvertFailure(ConvertFailureKind::OutputFolderNameNotText, {notText.name, notText.folder});
        return QString();
    }
    if (!outputFolderFitsEngines(folder)) {
        DNRoughLog(QStringLiteral("The output folder path is %d bytes long; with a file name it must fit the "
                                  "engines' %d bytes. The conversion cannot start: choose a shorter output folder."),
                   int(folder.toUtf8().size()), MaxCharLength - 1);
        noteConvertFailure(ConvertFailureKind::OutputFolderTooLong);
        return QString();
    }
    return folder;
}

void clearStateAfterRun(int result)
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    state.ended = true;
    if (result == 0)
        state.lastShown.percent = 100;
    state.running = 0;
    state.stopped = 0;
    state.jobKind = ConvertJobNone;
    state.passesPerItem = 0;
    state.engineKind = ConvertEngineMEncoder;
    state.startedPasses = 0;
    state.stateCallback = nullptr;
    state.callbackContext = nullptr;
    state.titleFrameRate = 0;
}

// What the engine shows of its running pass; the frame of one that counts none is the one its
// position in the title has reached. Under ConvertMutex.
ConvertJobFigures::Reading readEngine(const ConvertEngine *engine)
{
    ConvertJobFigures::Reading reading;
    if (!engine)
        return reading;
    reading.percent = engine->progress(&reading.info);
    if (engine->framesFromPosition && reading.info.frame == 0)
        reading.info.frame = int(float(reading.info.time) * state.titleFrameRate);
    return reading;
}
} // namespace

ConvertState &convertState()
{
    return state;
}

bool outputFolderFitsEngines(const QString &folder)
{
    return folder.toUtf8().size() + 1 + DNPartialOutput::kLongestFileName < MaxCharLength;
}

bool convertStopped()
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    return state.stopped != 0;
}

void setConvertEngineKind(int engineKind)
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    state.engineKind = engineKind;
}

ConvertState DNVideoConverterState()
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    return state;
}

int DNVideoConverterStart(NXBasicMediaNode *node, int titleIndex, EngineStateCallback stateCallback,
                          void *callbackContext)
{
    DNRoughLog(QStringLiteral("======================================== The %d Times Video Encode Will Start \n"),
               runCounter.load() + 1);
    {
        std::lock_guard<std::mutex> lock(ConvertMutex);
        if (state.running) {
            std::fputs("It seems that the encoder is running, you can NOT set up multiple conversion simultaneously! \n",
                       stderr);
            return ConvertResultFailed;
        }
        state.running = 1;
        state.stopped = 0;
        state.stateCallback = stateCallback;
        state.callbackContext = callbackContext;
        state.passesPerItem = 1;
        state.engineKind = ConvertEngineMEncoder;
        state.jobKind = ConvertJobNone;
        state.startedPasses = 0;
        state.totalPasses = 0;
        state.lastPercent = 0;
        state.titleFrameRate = 0;
        state.totalWork = 0;
        state.figures = ConvertJobFigures();
        state.ended = false;
        state.lastShown = ConvertProgressInfo();
    }
    beginConvertFailureNote();

    int result = ConvertResultFailed;
    const QString outputFolder = outputFolderFromSettings();
    const auto mainWindow = DNSetting::shareSetting().mainWindowSetting();
    VideoConvertOptions options = MakeVideoConvertOptions();
    options.useDVDNav = mainWindow->safemode() ? 0 : 1;
    options.deinterlace = mainWindow->deinterlacing() ? 1 : 0;
    options.safeMode = mainWindow->safemode() ? 1 : 0;
    options.engineSafeMode = options.safeMode;
    options.highQuality = mainWindow->highQuality() ? 1 : 0;
    options.cpuCore = mainWindow->cpuCore();
    if (!node) {
        DNRoughLog(QStringLiteral("Nothing to convert: no item was given."));
        noteConvertFailure(ConvertFailureKind::Unexplained, {QStringLiteral("no item was given")});
    } else if (outputFolder.isEmpty() || !SetOptionText(options.outputDirectory, outputFolder)) {
        // Logged and noted where the folder was refused.
        noteConvertFailure(ConvertFailureKind::OutputFolderTooLong);
    } else {
        result = _VideoConverter_Start(node, titleIndex, &state, options, 0);
    }

    // A stopped job wrote nothing the caller may use, whatever its last engine said. A stop that
    // came after the job's output took its final name found the job done.
    if (convertStopped() && result != 0) {
        DNRoughLog(QStringLiteral("The conversion was stopped by the user."));
        result = ConvertResultStopped;
    }
    clearStateAfterRun(result);
    const int finished = ++runCounter;
    if (result == 0) {
        DNRoughLog(QStringLiteral("======================================== The %d Times Video Encode Did Finished \n"),
                   finished);
    } else if (result == ConvertResultStopped) {
        DNRoughLog(QStringLiteral("======================================== The %d Times Video Encode Was Stopped \n"),
                   finished);
    } else {
        noteConvertFailure(ConvertFailureKind::Failed, {ConvertFailureDetail::number(result)});
        DNRoughLog(QStringLiteral("======================================== The %d Times Video Encode Failed: %@ \n"),
                   finished, convertFailureNote().text());
    }
    return result;
}

void DNVideoConverterStop()
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    // A stop while idle must not carry over into the next conversion.
    if (!state.running)
        return;
    if (const ConvertEngine *engine = convertEngineForKind(state.engineKind))
        engine->stop();
    state.stopped = 1;
}

void DNVideoConverterProgress(ConvertProgressInfo *info)
{
    if (!info)
        return;
    std::lock_guard<std::mutex> lock(ConvertMutex);
    if (state.ended) {
        *info = state.lastShown;
        return;
    }
    const ConvertEngine *engine = convertEngineForKind(state.engineKind);
    const ConvertJobFigures::Reading reading = readEngine(engine);
    state.figures.note(reading);
    *info = state.figures.jobFigures(reading, state.passesPerItem, engine && engine->measuresSpeed);
    ConvertProgressInputs inputs;
    inputs.engineKind = state.engineKind;
    inputs.jobKind = state.jobKind;
    inputs.totalPasses = state.totalPasses;
    inputs.startedPasses = state.startedPasses;
    inputs.passPercent = reading.percent;
    inputs.totalWork = state.totalWork;
    inputs.doneWork = state.figures.doneWork();
    inputs.passWork = state.figures.passWork();
    inputs.passLive = state.figures.passLive();
    inputs.joining = state.figures.joining();
    const float percent = keepValidPercent(jobPercent(inputs), state.lastPercent);
    info->percent = int(percent);
    state.lastShown = *info;
}

void beginConvertPass(double work, bool counts)
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    state.figures.beginPass(work, counts, readEngine(convertEngineForKind(state.engineKind)));
}

void endConvertPass()
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    state.figures.endPass(readEngine(convertEngineForKind(state.engineKind)));
}

void repeatConvertPass()
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    state.figures.repeatPass();
}

ConvertFailureReason DNVideoConverterFailureReason()
{
    return convertFailureNote();
}

int DNVideoConverterVideoLength()
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    return state.running && state.engineKind == ConvertEngineMEncoder ? Encoder_Video_Length() : 0;
}

int DNVideoConverterStateCallback(void *, int code)
{
    EngineStateCallback callback = nullptr;
    void *context = nullptr;
    {
        std::lock_guard<std::mutex> lock(ConvertMutex);
        if (code == EncodeStateStarted)
            ++state.startedPasses;
        callback = state.stateCallback;
        context = state.callbackContext;
    }
    return callback ? callback(context, code) : 0;
}

void DNVideoConverterLogCallback(const char *line)
{
    if (!line)
        return;
    const QString text = QString::fromUtf8(line);
    if (text.size() >= 7 && text.startsWith(QLatin1String("frame=")))
        return;
    noteEngineLine(text);
    DNRoughLogEngineLine(text);
}
