// One conversion pass: the profile's builder makes the vector, one engine runs it.

#include "convert/driver/ConvertEngines.h"
#include "convert/driver/DNVideoConverter.h"
#include "convert/driver/VideoConverterInternal.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "core/log/DNLogger.h"
#include "core/util/DNTimeText.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"

#include <QElapsedTimer>

#include <cstdio>
#include <exception>

namespace {

std::shared_ptr<DNProfile> profileOf(NXBasicMediaNode *node)
{
    if (auto *dvd = dynamic_cast<DNDVDNode *>(node))
        return dvd->profile();
    if (auto *file = dynamic_cast<DNFileNode *>(node))
        return file->profile();
    return nullptr;
}

int failPass(const char *message)
{
    std::fputs(message, stderr);
    DNRoughLog(QStringLiteral("%@"), QString::fromUtf8(message).trimmed());
    return ConvertResultFailed;
}

int runPass(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options, const QStringList *skipWhenVectorIs,
            bool *skipped, QStringList *builtVector)
{
    const std::shared_ptr<DNProfile> profile = profileOf(node);
    if (!profile)
        return failPass("the item has no output profile, the pass fails... \n");
    const QByteArray builderName = profile->argvAssembler().toUtf8();
    const ArgvAssemblerFunction builder = ArgvAssemblerForName(builderName.constData());
    if (!builder)
        return failPass("cannot find argument assember, check the profile configure file... \n");

    ArgumentPtr argument(builder(node, titleIndex, options));
    if (!argument) {
        DNRoughLog(QStringLiteral("construc arguments failed, exit...."));
        return failPass("the builder made no argument vector, the pass fails... \n");
    }
    DNRoughLog(QStringLiteral("%@"), ArgumentText(argument.get()));
    if (!CheckArgumentForPass(argument.get()))
        return ConvertResultFailed;

    const QStringList words = ArgumentList(argument.get());
    if (builtVector)
        *builtVector = words;
    if (skipWhenVectorIs && words == *skipWhenVectorIs) {
        DNRoughLog(QStringLiteral("The pass would repeat the previous one unchanged; it is not run again."));
        if (skipped)
            *skipped = true;
        return 0;
    }

    int engineKind = 0;
    {
        std::lock_guard<std::mutex> lock(ConvertMutex);
        // No engine starts once the user asked to stop.
        if (convertState().stopped)
            return ConvertResultFailed;
        engineKind = convertState().engineKind;
    }
    const ConvertEngine *engine = convertEngineForKind(engineKind);
    if (!engine)
        return failPass("No Convert Module\n");

    QElapsedTimer clock;
    clock.start();
    int result = ConvertResultFailed;
    if (engine->begin(DNVideoConverterStateCallback, DNVideoConverterLogCallback, options.engineSafeMode) == 0) {
        // A stop that came while the engine was being prepared found nothing to stop.
        if (!convertStopped())
            result = engine->start(argument->argc, argument->argv, argument->endpos);
    } else {
        DNRoughLog(QStringLiteral("The %@ engine cannot be used: the pass fails."), QString::fromLatin1(engine->name));
    }
    engine->end();
    DNRoughLog(QStringLiteral("The encoder took %@ hours"), DNTimeStringFromSeconds(int(clock.elapsed() / 1000)));
    return result;
}

} // namespace

int _VideoConverter(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                    const QStringList *skipWhenVectorIs, bool *skipped, QStringList *builtVector)
{
    try {
        return runPass(node, titleIndex, options, skipWhenVectorIs, skipped, builtVector);
    } catch (const std::exception &error) {
        DNRoughLog(QStringLiteral("The pass failed: %@"), QString::fromUtf8(error.what()));
    } catch (...) {
        DNRoughLog(QStringLiteral("The pass failed."));
    }
    return ConvertResultFailed;
}
