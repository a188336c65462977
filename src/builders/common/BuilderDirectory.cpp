#include "builders/common/BuilderDirectory.h"

#include "builders/common/ArgumentLog.h"

#include <atomic>

namespace {
std::atomic<BuilderLookupFunction> installedLookup{nullptr};
}

void SetBuilderLookup(BuilderLookupFunction lookup)
{
    installedLookup.store(lookup);
}

ArgvAssemblerFunction FindBuilderByName(const char *name)
{
    const BuilderLookupFunction lookup = installedLookup.load();
    return (lookup && name) ? lookup(name) : nullptr;
}

Argument *CallBuilderByName(const char *name, NXBasicMediaNode *node, int titleIndex,
                            const VideoConvertOptions &options, const char *callerName)
{
    const ArgvAssemblerFunction builder = FindBuilderByName(name);
    if (!builder) {
        argumentLogLine(QStringLiteral("%1: no builder %2 is available; the pass fails")
                            .arg(QString::fromUtf8(callerName), QString::fromUtf8(name)));
        return nullptr;
    }
    return builder(node, titleIndex, options);
}
