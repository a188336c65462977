#include "core/lang/IsoLanguageNames.h"
#include "core/lang/LanguageNames.h"
#include "core/lang/LanguageTables.h"

#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

#include <cstring>

using namespace talvane::lang;

namespace {

struct CodeCase
{
    const char *code;
    const char *name; // nullptr: no name
};

void PrintTo(const CodeCase &c, std::ostream *os)
{
    *os << '"' << c.code << '"';
}

class LanguageNameForCodeTest : public ::testing::TestWithParam<CodeCase>
{
};

TEST_P(LanguageNameForCodeTest, GivesTheTableName)
{
    const CodeCase &c = GetParam();
    const char *name = LanguageNameForCode(c.code);
    if (!c.name)
        EXPECT_EQ(name, nullptr) << name;
    else
        EXPECT_STREQ(name, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    TwoLetter, LanguageNameForCodeTest,
    ::testing::Values(CodeCase{"en", "English"}, CodeCase{"EN", "English"}, CodeCase{"eN", "English"},
                      CodeCase{"aa", "Afar"}, CodeCase{"zu", "Zulu"}, CodeCase{"iw", "Hebrew"},
                      CodeCase{"he", nullptr}, CodeCase{"jw", "Javanese"}, CodeCase{"sh", "Serbo-Croatian"},
                      CodeCase{"te", "Tegulu"}, CodeCase{"zh", "Chinese"}, CodeCase{"zz", nullptr},
                      CodeCase{"e1", nullptr}));

INSTANTIATE_TEST_SUITE_P(
    ThreeLetter, LanguageNameForCodeTest,
    ::testing::Values(CodeCase{"eng", "English"}, CodeCase{"ENG", nullptr}, CodeCase{"english", "English"},
                      CodeCase{"heb", "Hebrew"}, CodeCase{"aar", "Afar"}, CodeCase{"zza", "Zaza"},
                      CodeCase{"chi", "Chinese"}, CodeCase{"zho", "Chinese"}, CodeCase{"fre", "French"},
                      CodeCase{"fra", "French"}, CodeCase{"ger", "German"}, CodeCase{"deu", "German"},
                      CodeCase{"ell", "Modern Greek"}, CodeCase{"gre", "Modern Greek"},
                      CodeCase{"grc", "Ancient Greek"}, CodeCase{"ang", "Old English"},
                      CodeCase{"nbl", "South Ndebele"}, CodeCase{"oci", "Occitan"},
                      CodeCase{"rup", "Macedo Romanian"}, CodeCase{"nob", "Norwegian Bokmal"},
                      CodeCase{"vol", "Volap\xc3\xbck"}, CodeCase{"pan", "Panjabi"}, CodeCase{"sin", "Sinhala"},
                      CodeCase{"cpe", "Creoles and pidgins, English based"},
                      CodeCase{"cpf", "Creoles and pidgins, French-based"},
                      CodeCase{"mis", "Uncoded languages"}, CodeCase{"mul", "Multiple languages"},
                      CodeCase{"und", "Undetermined"}, CodeCase{"zxx", "No linguistic content"},
                      CodeCase{"nqo", "N'Ko"}, CodeCase{"sgn", "Sign Languages"},
                      CodeCase{"mol", "Moldavian"}, CodeCase{"scc", "Serbian"}, CodeCase{"scr", "Croatian"},
                      CodeCase{"qaa", nullptr}, CodeCase{"zgh", nullptr}, CodeCase{"xyz", nullptr}));

INSTANTIATE_TEST_SUITE_P(OtherLengths, LanguageNameForCodeTest,
                         ::testing::Values(CodeCase{"", nullptr}, CodeCase{"e", nullptr}));

TEST(LanguageNameForCode, NullCodeGivesNull)
{
    EXPECT_EQ(LanguageNameForCode(nullptr), nullptr);
}

TEST(LanguageNameForCode, NameStaysValidAcrossCalls)
{
    const char *first = LanguageNameForCode("ell");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LanguageNameForCode("ell"), first);
    EXPECT_STREQ(LanguageNameForCode("gre"), first);
}

TEST(LanguageNameForCode, TablesAreSortedForBinarySearch)
{
    for (std::size_t i = 1; i < kTwoLetterLanguageCount; ++i)
        EXPECT_LT(std::strcmp(kTwoLetterLanguages[i - 1].code, kTwoLetterLanguages[i].code), 0) << i;
    for (std::size_t i = 1; i < kThreeLetterCodeCount; ++i)
        EXPECT_LT(std::strcmp(kThreeLetterCodes[i - 1], kThreeLetterCodes[i]), 0) << kThreeLetterCodes[i];
}

// Every three-letter code gets one plain name: no alternatives, no dates, no inverted form.
TEST(LanguageNameForCode, EveryThreeLetterCodeHasOnePlainName)
{
    const QRegularExpression dated(QStringLiteral("\\(.*\\d.*\\)"));
    for (std::size_t i = 0; i < kThreeLetterCodeCount; ++i) {
        const char *code = kThreeLetterCodes[i];
        const char *name = LanguageNameForCode(code);
        ASSERT_NE(name, nullptr) << code;
        const QString text = QString::fromUtf8(name);
        EXPECT_FALSE(text.isEmpty()) << code;
        EXPECT_FALSE(text.contains(QLatin1Char(';'))) << code << ": " << name;
        EXPECT_FALSE(text.contains(dated)) << code << ": " << name;
        if (std::strncmp(code, "cp", 2) != 0) {
            EXPECT_FALSE(text.contains(QLatin1String(", "))) << code << ": " << name;
        }
    }
}

struct PlainNameCase
{
    const char *iso6392;
    const char *iso6393;
    const char *plain;
};

TEST(PlainLanguageName, PicksOneNaturalUndatedName)
{
    const PlainNameCase cases[] = {
        {"Greek, Modern (1453-)", "Modern Greek (1453-)", "Modern Greek"},
        {"Panjabi; Punjabi", "Panjabi", "Panjabi"},
        {"Chichewa; Chewa; Nyanja", "Nyanja", "Chichewa"},
        {"Occitan (post 1500); Proven\xc3\xa7" "al", "Occitan (post 1500)", "Occitan"},
        {"Bokm\xc3\xa5l, Norwegian; Norwegian Bokm\xc3\xa5l", "Norwegian Bokm\xc3\xa5l", "Norwegian Bokm\xc3\xa5l"},
        {"Creoles and pidgins, English based", "", "Creoles and pidgins, English based"},
        {"Tonga (Nyasa)", "Tonga (Nyasa)", "Tonga (Nyasa)"},
        {"Official Aramaic (700-300 BCE); Imperial Aramaic (700-300 BCE)", "", "Official Aramaic"},
    };
    for (const PlainNameCase &c : cases)
        EXPECT_EQ(plainLanguageName(QString::fromUtf8(c.iso6392), QString::fromUtf8(c.iso6393)),
                  QString::fromUtf8(c.plain))
            << c.iso6392;
}

TEST(ReadIsoLanguageNames, MissingDataGivesNoNames)
{
    EXPECT_TRUE(readIsoLanguageNames(QStringLiteral("/nonexistent/iso-codes")).isEmpty());
}

} // namespace
