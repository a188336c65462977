#include "builders/mencoder/steps/DVDGroupBuilders.h"

#include "builders/common/BuilderDirectory.h"
#include "core/log/DNLogger.h"

#include <QHash>
#include <QString>

#include <mutex>

namespace {

std::mutex &groupBuildersMutex()
{
    static std::mutex mutex;
    return mutex;
}

QHash<QByteArray, ArgvAssemblerFunction> &groupBuilders()
{
    static QHash<QByteArray, ArgvAssemblerFunction> builders;
    return builders;
}

} // namespace

void setDVDGroupBuilder(const char *name, ArgvAssemblerFunction builder)
{
    if (name == nullptr)
        return;
    std::lock_guard<std::mutex> lock(groupBuildersMutex());
    if (builder == nullptr)
        groupBuilders().remove(QByteArray(name));
    else
        groupBuilders().insert(QByteArray(name), builder);
}

ArgvAssemblerFunction dvdGroupBuilder(const char *name)
{
    if (name == nullptr)
        return nullptr;
    {
        std::lock_guard<std::mutex> lock(groupBuildersMutex());
        if (const ArgvAssemblerFunction builder = groupBuilders().value(QByteArray(name), nullptr))
            return builder;
    }
    // The registry's directory knows every family's entries once its tables are set up.
    return FindBuilderByName(name);
}

Argument *handToGroupBuilder(NXBasicMediaNode *group, const VideoConvertOptions &options,
                             const char *groupBuilderName, const char *builderName)
{
    const ArgvAssemblerFunction builder = dvdGroupBuilder(groupBuilderName);
    if (builder == nullptr) {
        DNRoughLog(QStringLiteral("%@"), QStringLiteral("%1: no joining builder %2, no vector made")
                                             .arg(QLatin1String(builderName), QLatin1String(groupBuilderName)));
        return nullptr;
    }
    return builder(group, -1, options);
}
