#include "core/util/DNSystemInfo.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
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

// The interface-language choice wins; without one the system's language counts, its region
// dropped where it is the language's own, so a German system gives the German interface code.
TEST(DNLanguageCode, FirstPreferredLanguageFromTheChoiceElseTheSystem)
{
    const struct
    {
        const char *stored;       // "AppleLanguages", nullptr: absent
        QStringList systemTags;
        const char *first;
        const char *code;
    } cases[] = {
        {nullptr, {"de-DE", "de"}, "de", "de"},
        {nullptr, {"fr-FR"}, "fr", "fr"},
        {nullptr, {"pt-PT"}, "pt-PT", "pt-pt"},
        {nullptr, {"zh-Hant-TW"}, "zh-Hant", "zh-hant"},
        {nullptr, {"en-GB"}, "en-GB", "en"},
        {nullptr, {"sv-SE"}, "sv", "en"},
        {"ja", {"de-DE"}, "ja", "ja"},
        {"en", {"fr-FR"}, "en", "en"},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.systemTags.join(u' ').toStdString());
        QSettings settings(dir.filePath(QStringLiteral("user.ini")), QSettings::IniFormat);
        settings.clear();
        if (c.stored)
            settings.setValue(QStringLiteral("AppleLanguages"), QStringList{QString::fromLatin1(c.stored)});
        const QString first = DNFirstPreferredLanguage(settings, c.systemTags);
        EXPECT_EQ(first, QString::fromLatin1(c.first));
        EXPECT_EQ(DNLanguageCodeForPreferredLanguage(first), QString::fromLatin1(c.code));
    }
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
