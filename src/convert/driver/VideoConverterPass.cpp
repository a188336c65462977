// One conversion pass: the profile's builder makes the vector, one engine runs it.

#include "convert/driver/ConvertEngines.h"
#include "convert/driver/ConvertFailureNote.h"
#include "convert/driver/DNVideoConverter.h"
#include "convert/driver/OutputSpaceEstimate.h"
#include "convert/driver/PassExpectation.h"
#include "convert/driver/PassSource.h"
#include "convert/driver/VideoConverterInternal.h"
#include "convert/engine/EngineStallWatch.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "core/log/DNLogger.h"
#include "core/util/DNTimeText.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfile.h"
#include "profiles/NXProfileValueCheck.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStorageInfo>

#include <exception>
#include <typeinfo>
#include <vector>

namespace {

// The rate of the DVD title a pass reads; 0 for a group's joining pass and for files.
float titleFrameRate(NXBasicMediaNode *node, int titleIndex)
{
    const auto *dvd = dynamic_cast<const DNDVDNode *>(node);
    const DNDVDTitlePtr title = dvd && typeid(*node) == typeid(DNDVDNode) ? dvd->titleAt(titleIndex) : nullptr;
    return title ? title->fps() : 0.0f;
}

// A group's joining pass: it copies the parts its members' passes made.
bool isGroupJoin(NXBasicMediaNode *node)
{
    return typeid(*node) == typeid(DNDVDGroupTitle) || typeid(*node) == typeid(DNFileGroupNode);
}

// Runs the engine's pass, ended by its process id as a stop ends it when it shows no sign of work
// (its figures, the bytes of its output, the steps of a scan before it encodes) for as long as
// the settings allow; stalledFor is then the limit in seconds (else 0).
int runWatchedEngine(const ConvertEngine &engine, Argument &argument, const PassOutput &output, int &stalledFor)
{
    const EngineStallWatch watch(
        EngineStallWatch::limitFromSettings(),
        [&engine, &output] {
            ConvertProgressInfo info{};
            const float percent = engine.progress(&info);
            // The speed is left out: it may be made up where an engine reports none.
            return std::vector<double>{percent, double(info.time), double(info.frame), double(output.bytesWritten()),
                                       double(engine.scanSteps())};
        },
        [&engine] { engine.stop(); });
    const int result = engine.start(argument.argc, argument.argv, argument.endpos);
    stalledFor = 0;
    if (!watch.stalled())
        return result;
    stalledFor = int(watch.limit().count() / 1000);
    DNRoughLog(QStringLiteral("The pass failed: the engine stopped answering (no progress for %d s); it was ended."),
               stalledFor);
    return ConvertResultFailed;
}

// Notes a full disk as the pass's reason when the output's disk has no room left (an engine that
// ran out of space may have said nothing of it): the room the output needs by the batch's own
// estimate, and what is free once the unfinished output is gone. False when the disk has room.
bool noteFullDisk(const PassOutput &output, NXBasicMediaNode *node, int titleIndex)
{
    if (!output.writesFile() || !outputDiskIsFull(output.hiddenPath()))
        return false;
    const QString folder = QFileInfo(output.finalPath()).path();
    const qint64 free = QStorageInfo(folder).bytesAvailable() + output.bytesWritten();
    const qint64 needed = estimatedOutputBytes(node, titleIndex);
    DNRoughLog(QStringLiteral("The disk of %@ ran out of space during the pass: the output needs about %@ bytes, %@ are "
                              "free without it."),
               folder, QString::number(needed), QString::number(free));
    // Below what the disk held, the estimate missed: all that is known is that it needs more.
    if (needed > free)
        noteConvertFailure(ConvertFailureKind::DiskFull,
                           {folder, ConvertFailureDetail::bytes(needed), ConvertFailureDetail::bytes(free)});
    else
        noteConvertFailure(ConvertFailureKind::DiskFullPastEstimate, {folder, ConvertFailureDetail::bytes(free)});
    return true;
}

// Settles the output of a pass the engine finished with result: removed unless the engine
// succeeded, the user did not stop, and the file reads whole; then given its final name (or kept
// hidden for the caller). Returns the pass result.
int settleOutput(std::unique_ptr<PassOutput> output, int result, NXBasicMediaNode *node, int titleIndex,
                 int engineKind, const PassSource &source, PassRequest *request)
{
    if (!output->writesFile())
        return result;
    if (result != 0 || convertStopped()) {
        output->discard();
        return result != 0 ? result : ConvertResultStopped;
    }
    const QString problem = output->verify(passCheckFor(node, titleIndex, engineKind, source.titleSeconds));
    if (!problem.isEmpty()) {
        DNRoughLog(QStringLiteral("The pass reported success but its output is not whole: %@. It is removed."), problem);
        // A full disk says why (mencoder and the player dump cut their files short without a word).
        if (!noteFullDisk(*output, node, titleIndex))
            noteConvertFailure(
                failureOverSource(source, ConvertFailureReason(ConvertFailureKind::OutputNotWhole, {problem})));
        output->discard();
        return ConvertResultFailed;
    }
    if (request && !request->publish) {
        request->kept = std::move(output);
        return 0;
    }
    return publishPassOutput(*output, node, titleIndex);
}

int runPass(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options, PassRequest *request)
{
    const std::shared_ptr<DNProfile> profile = profileOfItem(node);
    if (!profile)
        return failConversion("the item has no output profile, the pass fails... \n");
    if (const QStringList problems = profileValueProblems(*profile); !problems.isEmpty()) {
        DNRoughLog(QStringLiteral("The profile %@ cannot be used: %@. The pass fails."), profile->title(),
                   problems.join(QStringLiteral("; ")));
        noteConvertFailure(ConvertFailureKind::ProfileUnusable, {profile->title(), problems.join(QStringLiteral("; "))});
        return ConvertResultFailed;
    }
    const QByteArray builderName = profile->argvAssembler().toUtf8();
    const ArgvAssemblerFunction builder = ArgvAssemblerForName(builderName.constData());
    if (!builder)
        return failConversion("cannot find argument assember, check the profile configure file... \n");

    ArgumentPtr argument(builder(node, titleIndex, options));
    if (!argument) {
        DNRoughLog(QStringLiteral("construc arguments failed, exit...."));
        return failConversion("the builder made no argument vector, the pass fails... \n");
    }
    DNRoughLog(QStringLiteral("%@"), ArgumentText(argument.get()));
    if (!CheckArgumentForPass(argument.get())) {
        noteConvertFailure(ConvertFailureKind::VectorRefused);
        return ConvertResultFailed;
    }

    const QStringList words = ArgumentList(argument.get());
    if (request)
        request->builtVector = words;
    if (request && request->skipWhenVectorIs && words == *request->skipWhenVectorIs) {
        DNRoughLog(QStringLiteral("The pass would repeat the previous one unchanged; it is not run again."));
        request->skipped = true;
        repeatConvertPass();
        return 0;
    }

    auto output = std::make_unique<PassOutput>(argument.get(), passOutputName(node, titleIndex));
    if (!output->problem().isEmpty()) {
        DNRoughLog(QStringLiteral("The pass cannot run: %@."), output->problem().text());
        noteConvertFailure(output->problem());
        return ConvertResultFailed;
    }

    int engineKind = 0;
    const float frameRate = titleFrameRate(node, titleIndex);
    {
        std::lock_guard<std::mutex> lock(ConvertMutex);
        // No engine starts once the user asked to stop.
        if (convertState().stopped)
            return ConvertResultFailed;
        engineKind = convertState().engineKind;
        convertState().titleFrameRate = frameRate;
    }
    const ConvertEngine *engine = convertEngineForKind(engineKind);
    if (!engine)
        return failConversion("No Convert Module\n");

    const PassSource source = checkPassSource(node, titleIndex, engineKind);
    if (!source.problem.isEmpty()) {
        DNRoughLog(QStringLiteral("The pass cannot run: the DVD's data is damaged: %@."), source.problem);
        noteConvertFailure(source.reason);
        return ConvertResultFailed;
    }
    if (request)
        request->titleSecondsRead = source.titleSeconds;

    QElapsedTimer clock;
    clock.start();
    int result = ConvertResultFailed;
    beginEnginePass();
    if (engine->begin(DNVideoConverterStateCallback, DNVideoConverterLogCallback, options.engineSafeMode) == 0) {
        // A stop that came while the engine was being prepared found nothing to stop.
        int stalledFor = 0;
        if (!convertStopped()) {
            beginConvertPass(expectedOutputSeconds(node, titleIndex), !isGroupJoin(node));
            result = runWatchedEngine(*engine, *argument, *output, stalledFor);
            endConvertPass();
        }
        // A full disk is the cause whatever the engine made of it, a stall included (an engine
        // may hang on a write that finds no room).
        if (result != 0 && !convertStopped() && !noteFullDisk(*output, node, titleIndex)) {
            const QString engineName = QString::fromLatin1(engine->name);
            noteConvertFailure(failureOverSource(
                source, stalledFor > 0 ? ConvertFailureReason(ConvertFailureKind::EngineStalled,
                                                              {engineName, ConvertFailureDetail::number(stalledFor)})
                                       : engineFailure(engineName, result)));
        }
    } else {
        DNRoughLog(QStringLiteral("The %@ engine cannot be used: the pass fails."), QString::fromLatin1(engine->name));
        noteConvertFailure(ConvertFailureKind::EngineUnusable, {QString::fromLatin1(engine->name)});
    }
    engine->end();
    DNRoughLog(QStringLiteral("The encoder took %@ hours"), DNTimeStringFromSeconds(int(clock.elapsed() / 1000)));
    return settleOutput(std::move(output), result, node, titleIndex, engineKind, source, request);
}

} // namespace

int publishPassOutput(PassOutput &output, NXBasicMediaNode *node, int titleIndex)
{
    QString given;
    bool stopped = false;
    {
        // A stop and the naming never cross: a stop that came first keeps the name from being
        // given; one that comes after finds the job done.
        std::lock_guard<std::mutex> lock(ConvertMutex);
        stopped = convertState().stopped != 0;
        if (!stopped)
            given = output.publish();
    }
    if (stopped) {
        output.discard();
        return ConvertResultStopped;
    }
    if (given.isEmpty())
        return ConvertResultFailed;
    if (given != passOutputName(node, titleIndex))
        setPassOutputName(node, titleIndex, given);
    return 0;
}

int _VideoConverter(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options, PassRequest *request)
{
    try {
        return runPass(node, titleIndex, options, request);
    } catch (const std::exception &error) {
        DNRoughLog(QStringLiteral("The pass failed: %@"), QString::fromUtf8(error.what()));
        noteConvertFailure(ConvertFailureKind::Unexplained, {QString::fromUtf8(error.what())});
    } catch (...) {
        DNRoughLog(QStringLiteral("The pass failed."));
        noteConvertFailure(ConvertFailureKind::Unexplained, {QStringLiteral("the pass failed")});
    }
    return ConvertResultFailed;
}
