#include "core/util/DNSystemInfo.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(DNLanguageCode, MapsTheTenLanguagesAndFallsBackToEnglish)
{
    const struct
    {
        const char *preferred;
        const char *code;
    } cases[] = {
        {"en", "en"}, {"zh-Hant", "zh-hant"}, {"zh-Hans", "zh-hans"}, {"ja", "ja"},
        {"es", "es"}, {"de", "de"},           {"it", "it"},           {"pt-PT", "pt-pt"},
        {"ko", "ko"}, {"fr", "fr"},           {"pt-BR", "en"},        {"en-GB", "en"},
        {"", "en"},   {"DE", "en"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNLanguageCodeForPreferredLanguage(c.preferred), c.code) << c.preferred;
}

TEST(DNSystemInfo, TitlesAndFacts)
{
    EXPECT_EQ(DNApplicationName(), "Talvane");
    EXPECT_GE(DNNumberOfCPUCores(), 1u);
    // Every feature check of the program compares against 0x1060 or 0x1070 and singles out
    // 0x108x; the platform has all of those features.
    EXPECT_GE(DNSystemVersion(), 0x1070);
    EXPECT_NE(DNSystemVersion() & ~0xF, 0x1080);
    const QRegularExpression title(R"(^Talvane \[.+\] \(\d+\.\d+(\.\d+)*\)$)");
    EXPECT_TRUE(title.match(DNSupportMailTitle()).hasMatch()) << DNSupportMailTitle().toStdString();
    EXPECT_EQ(DNLogReportTitle(), DNSupportMailTitle() + " log");
}
