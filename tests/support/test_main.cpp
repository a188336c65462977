#include "core/platform/DNBackgroundWork.h"

#include <gtest/gtest.h>

// Every test program's main(). Tests leave their application object to the end of the process,
// so the thumbnail and cover jobs a test started are waited for here, as the program waits for
// them before its application object goes: never while the statics they use are torn down.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    DNWaitForBackgroundWork();
    return result;
}
