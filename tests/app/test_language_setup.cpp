// The interface-language set-up that runs before the application object exists.
#include "app/DNApplicationLanguage.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct LanguageCase
{
    const char *name;
    std::optional<QString> choice;          // "kAppCustomizeLanguage"; none: absent
    std::optional<QStringList> stored;      // "AppleLanguages" before; none: absent
    QStringList system;                     // the system's preferred languages
    std::optional<QStringList> expected;    // "AppleLanguages" after; none: absent
    bool errorLine;                         // the standard-error line is written
};

class LanguageSetup : public ::testing::TestWithParam<LanguageCase>
{
};

TEST_P(LanguageSetup, WritesTheLanguageTheNextStartUses)
{
    const LanguageCase &c = GetParam();
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("user.ini")), QSettings::IniFormat);
    if (c.choice)
        settings.setValue(QStringLiteral("kAppCustomizeLanguage"), *c.choice);
    if (c.stored)
        settings.setValue(QStringLiteral("AppleLanguages"), *c.stored);
    settings.sync();

    testing::internal::CaptureStderr();
    configureApplicationLanguage(settings, c.system);
    const std::string errors = testing::internal::GetCapturedStderr();

    // What a later start reads back from the file, not what this object caches.
    QSettings reread(dir.filePath(QStringLiteral("user.ini")), QSettings::IniFormat);
    if (c.expected) {
        ASSERT_TRUE(reread.contains(QStringLiteral("AppleLanguages")));
        EXPECT_EQ(reread.value(QStringLiteral("AppleLanguages")).toStringList(), *c.expected);
    } else {
        EXPECT_FALSE(reread.contains(QStringLiteral("AppleLanguages")));
    }
    EXPECT_EQ(errors == "configure application language error, force to use english.\n", c.errorLine)
        << errors;
    // The registered default is never stored by the set-up itself.
    EXPECT_EQ(reread.contains(QStringLiteral("kAppCustomizeLanguage")), c.choice.has_value());
}

const QStringList fr{QStringLiteral("fr")};

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageSetup,
    ::testing::Values(
        LanguageCase{"AbsentFollowsTheSystem", std::nullopt, QStringList{QStringLiteral("de")}, fr,
                     std::nullopt, false},
        LanguageCase{"DefaultFollowsTheSystem", QStringLiteral("Default"), std::nullopt, fr, std::nullopt, false},
        LanguageCase{"DefaultWithUnlistedSystemLanguage", QStringLiteral("Default"), std::nullopt,
                     QStringList{QStringLiteral("sv")}, QStringList{QStringLiteral("en")}, false},
        LanguageCase{"DefaultWithRegionCode", QStringLiteral("Default"), QStringList{QStringLiteral("ja")},
                     QStringList{QStringLiteral("en-GB")}, QStringList{QStringLiteral("en")}, false},
        LanguageCase{"DefaultWithoutSystemLanguage", std::nullopt, std::nullopt, QStringList{},
                     QStringList{QStringLiteral("en")}, false},
        LanguageCase{"ChoiceAlreadyFirstIsKept", QStringLiteral("ja"),
                     QStringList{QStringLiteral("ja"), QStringLiteral("en")}, fr,
                     QStringList{QStringLiteral("ja"), QStringLiteral("en")}, false},
        LanguageCase{"ChoiceWithoutStoredList", QStringLiteral("de"), std::nullopt, fr,
                     QStringList{QStringLiteral("de")}, false},
        LanguageCase{"ChoiceReplacesOtherList", QStringLiteral("zh-Hant"),
                     QStringList{QStringLiteral("ko"), QStringLiteral("en")}, fr,
                     QStringList{QStringLiteral("zh-Hant")}, false},
        LanguageCase{"EmptyStoredListFallsBackToEnglish", QStringLiteral("de"), QStringList{}, fr,
                     QStringList{QStringLiteral("en")}, true}),
    [](const ::testing::TestParamInfo<LanguageCase> &info) { return std::string(info.param.name); });

TEST(LanguageList, HoldsDefaultAndTheTenLanguagesInMenuOrder)
{
    EXPECT_EQ(DNInterfaceLanguageCodes(),
              (QStringList{"Default", "en", "ja", "de", "it", "fr", "es", "ko", "pt-PT", "zh-Hant", "zh-Hans"}));
}

// The system's locale becomes the codes the list compares exactly.
TEST(SystemLanguages, LocaleTagsBecomeListCodes)
{
    const struct
    {
        QStringList tags;
        QString first;
    } cases[] = {
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"fr-CA", "fr"}, "fr-CA"},
        {{"zh-TW", "zh-Hant-TW"}, "zh-Hant"},
        {{"zh-CN", "zh-Hans-CN"}, "zh-Hans"},
        {{"pt-PT", "pt-Latn-PT"}, "pt-PT"},
        {{"pt-BR"}, "pt"},
        {{"en-US", "en"}, "en"},
        {{"en-GB"}, "en-GB"},
        {{"ja-JP"}, "ja"},
        {{"C"}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tags.join(',').toStdString());
        EXPECT_EQ(DNPreferredLanguagesFromLocaleTags(c.tags).value(0), c.first);
    }
}

TEST(EffectiveLanguage, StoredListThenSystemThenEnglish)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("user.ini")), QSettings::IniFormat);
    EXPECT_EQ(DNEffectiveInterfaceLanguage(settings, {QStringLiteral("ko")}), QStringLiteral("ko"));
    EXPECT_EQ(DNEffectiveInterfaceLanguage(settings, {QStringLiteral("sv")}), QStringLiteral("en"));
    settings.setValue(QStringLiteral("AppleLanguages"), QStringList{QStringLiteral("it")});
    EXPECT_EQ(DNEffectiveInterfaceLanguage(settings, {QStringLiteral("ko")}), QStringLiteral("it"));
}

} // namespace
