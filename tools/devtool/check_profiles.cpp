// check-profiles [FOLDER]: every DVD profile must name a builder the DVD table holds, and every
// file profile one the file table holds built. A folder given is checked as DVD profiles.
#include "DevtoolCommand.h"

#include "convert/registry/ArgvAssemblerRegistry.h"

int checkProfilesCommand(const QStringList &arguments)
{
    if (arguments.size() > 1)
        return devtoolFail("check-profiles", QStringLiteral("usage: talvane-devtool check-profiles [FOLDER]"));
    if (!arguments.isEmpty())
        return CheckDVDArgvAssemblers(arguments.first(), stdout) ? 0 : 1;
    const bool dvd = CheckDVDArgvAssemblers();
    const bool files = CheckVideoArgvAssemblers();
    return dvd && files ? 0 : 1;
}
