#include "core/util/DNAspect.h"
#include "core/util/DNDigest.h"
#include "core/util/DNVersion.h"

#include <gtest/gtest.h>

TEST(DNAspectFitSize, FitsTheRatioIntoTheBox)
{
    const struct
    {
        double rw, rh, bw, bh;
        QSize expected;
    } cases[] = {
        {16, 9, 400, 300, {400, 225}},
        {4, 3, 400, 300, {400, 300}},
        {9, 16, 400, 300, {168, 300}},   // 168.75 truncated
        {720, 480, 342, 222, {333, 222}}, // the thumbnail box
        {1920, 1080, 342, 222, {342, 192}},
        {0, 480, 342, 222, {0, 0}},      // no ratio
        {720, 0, 342, 222, {0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNAspectFitSize(c.rw, c.rh, c.bw, c.bh), c.expected)
            << c.rw << ":" << c.rh << " in " << c.bw << "x" << c.bh;
}

TEST(DNCompareVersion, ComparesComponentsByValueWhateverTheirCount)
{
    const struct
    {
        const char *a;
        const char *b;
        int expected;
    } cases[] = {
        {"2.0", "10.0", -1},  {"10.0", "2.0", 1},  {"1.2", "1.2", 0},
        {"2.0", "1.9.9", 1},  {"1.9.9", "2.0", -1}, {"1.10", "1.9", 1},
        {"1.2.1", "1.2", 1},  {"1.2", "1.2.1", -1}, {"1.2", "1.2.0", 0},
        {"1.2.0.0", "1.2", 0}, {"", "", 0},         {"1", "", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNCompareVersion(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(DNMD5, KnownDigests)
{
    EXPECT_EQ(DNMD5(QByteArray()), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(DNMD5("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(DNMD5(QByteArray("\x00\xff", 2)), "d07d34efac6328007ad67c7e0a985e00");
}
