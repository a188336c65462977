#include "core/platform/DNLeftovers.h"

#include "core/platform/DNPartialOutput.h"
#include "core/platform/DNTemporaryFolder.h"

void DNRemoveLeftoversOfKilledRuns(const QStringList &outputFolders)
{
    DNTemporaryFolder::removeStale();
    QStringList seen;
    for (const QString &folder : outputFolders) {
        if (folder.isEmpty() || seen.contains(folder))
            continue;
        seen << folder;
        DNPartialOutput::removeStale(folder);
    }
}
