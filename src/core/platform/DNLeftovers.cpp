#include "core/platform/DNLeftovers.h"

#include "core/platform/DNOwnedOutputs.h"
#include "core/platform/DNTemporaryFolder.h"

void DNRemoveLeftoversOfKilledRuns()
{
    DNTemporaryFolder::removeStale();
    DNOwnedOutputs::removeLeftovers();
}
