#include "core/lang/SubtitleFonts.h"
#include "core/platform/DNBundle.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct FontCase
{
    QString language;
    const char *fontFile;
};

TEST(SubtitleFontPathForLanguage, ChoosesTheFontOfTheLanguage)
{
    DNBundle::setPrefixOverride({});
    const FontCase cases[] = {
        {QStringLiteral("en"), "Arial.ttf"},      {QStringLiteral("EN"), "Arial.ttf"},
        {QStringLiteral("th"), "Arial.ttf"},      {QStringLiteral("el"), "Arial.ttf"},
        {QStringLiteral("de"), "Arial.ttf"},      {QStringLiteral("xx"), "Arial.ttf"},
        {QStringLiteral(""), "Arial.ttf"},        {QString(), "Arial.ttf"},
        {QStringLiteral("zh-Hans"), "SimSun.ttf"}, {QStringLiteral("zh-Hant"), "SimSun.ttf"},
        {QStringLiteral("ZH"), "SimSun.ttf"},     {QStringLiteral("chi"), "SimSun.ttf"},
    };
    for (const FontCase &c : cases) {
        const QString path = SubtitleFontPathForLanguage(c.language);
        EXPECT_EQ(path, DNBundle::resourcePath() + QStringLiteral("/fonts/") + QLatin1String(c.fontFile))
            << c.language.toStdString();
    }
}

// The build puts free stand-ins under the two names the burner asks for.
TEST(SubtitleFontPathForLanguage, FontFilesAreShipped)
{
    DNBundle::setPrefixOverride({});
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("zh-Hans")}) {
        const QFileInfo font(SubtitleFontPathForLanguage(language));
        EXPECT_TRUE(font.isFile()) << font.filePath().toStdString();
        EXPECT_GT(font.size(), 100000) << font.filePath().toStdString();
    }
}

} // namespace
