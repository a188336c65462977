#include "core/platform/DNLeftovers.h"

#include "core/platform/DNPartialOutput.h"
#include "core/platform/DNTemporaryFolder.h"

void DNRemoveLeftoversOfKilledRuns(const QString &outputFolder)
{
    DNTemporaryFolder::removeStale();
    DNPartialOutput::removeStale(outputFolder);
}
