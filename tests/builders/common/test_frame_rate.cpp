// The profile frame-rate text as the encoder's rate.

#include "builders/common/FrameRate.h"

#include <gtest/gtest.h>

namespace {

TEST(GetFrameRateString, TableOfTexts)
{
    struct Row { const char *text; const char *rate; };
    const Row rows[] = {
        {"23.976", "24000/1001"}, {"23.9760", "24000/1001"}, {"23.97", "24000/1001"}, {"29.97", "30000/1001"},
        {"29.970", "30000/1001"}, {"59.976", "60000/1001"}, {"25.000", "25"}, {"30.", "30"}, {"12", "12"},
        {"24", "24"},
        // Rates the table lacks keep their own value rather than slowing to 23.976.
        {"50", "50"}, {"59.94", "59.94"}, {"60.00", "60"},
        // What is not a rate gives 23.976.
        {"", "24000/1001"}, {"keep origin", "24000/1001"}, {"abc", "24000/1001"}, {"0", "24000/1001"},
        {"-25", "24000/1001"}, {"25fps", "24000/1001"}, {"1234567890.123456", "24000/1001"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(GetFrameRateString(QString::fromLatin1(row.text)).toStdString(), row.rate) << row.text;
}

} // namespace
