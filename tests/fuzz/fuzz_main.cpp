// One libFuzzer program; TALVANE_FUZZ_TARGET names the entry of FuzzTargets.h it feeds.

#include "targets/FuzzTargets.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Profiles find their resources and archives their paths through the application object.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TALVANE_FUZZ_TARGET(data, size);
    return 0;
}
