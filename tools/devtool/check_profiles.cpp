// check-profiles [FOLDER]: every DVD profile must name a builder the DVD table holds.
#include "DevtoolCommand.h"

#include "convert/registry/ArgvAssemblerRegistry.h"

int checkProfilesCommand(const QStringList &arguments)
{
    if (arguments.size() > 1)
        return devtoolFail("check-profiles", QStringLiteral("usage: talvane-devtool check-profiles [FOLDER]"));
    const bool passed = arguments.isEmpty() ? CheckDVDArgvAssemblers()
                                            : CheckDVDArgvAssemblers(arguments.first(), stdout);
    return passed ? 0 : 1;
}
