// check-profiles [FOLDER]: every DVD profile must name a builder the DVD table holds, every
// file profile one the file table holds built, and every row of the file table must be built.
// A folder given is checked as DVD profiles.
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
    const bool table = CheckVideoArgvAssemblerTable();
    return dvd && files && table ? 0 : 1;
}
