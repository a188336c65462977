#include "core/platform/DNBackgroundWork.h"

#include <gtest/gtest.h>

namespace {
// What a test started on the program's background threads (a thumbnail, an update check) ends
// with the test: it never runs into the next test, sees the next test's server or settings, or
// is still running when the process tears its statics down and exits.
class BackgroundWorkEndsWithItsTest : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo &) override { DNWaitForBackgroundWorkServingEvents(); }
};
} // namespace

// Every test program's main(). Tests leave their application object to the end of the process,
// so the thumbnail and cover jobs a test started are waited for at the end of each test (and
// here once more), as the program waits for them before its application object goes: never
// while the statics they use are torn down.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new BackgroundWorkEndsWithItsTest);
    const int result = RUN_ALL_TESTS();
    DNWaitForBackgroundWork();
    return result;
}
