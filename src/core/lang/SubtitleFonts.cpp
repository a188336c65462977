#include "core/lang/SubtitleFonts.h"

#include "core/platform/DNBundle.h"

#include <QLatin1StringView>

namespace {

struct FontRow
{
    QLatin1StringView language;
    QLatin1StringView fontFile;
};

const QLatin1StringView kDefaultFont("Arial.ttf");
const QLatin1StringView kChineseFont("SimSun.ttf");

// The editor offers Chinese as "zh-Hans"; DVD and file tracks carry "zh", "chi" or "zho".
// Simplified and Traditional Chinese both need the CJK font.
const FontRow kFontRows[] = {
    {QLatin1StringView("en"), kDefaultFont},      {QLatin1StringView("fr"), kDefaultFont},
    {QLatin1StringView("de"), kDefaultFont},      {QLatin1StringView("it"), kDefaultFont},
    {QLatin1StringView("pt"), kDefaultFont},      {QLatin1StringView("es"), kDefaultFont},
    {QLatin1StringView("th"), kDefaultFont},      {QLatin1StringView("el"), kDefaultFont},
    {QLatin1StringView("zh-hans"), kChineseFont}, {QLatin1StringView("zh-hant"), kChineseFont},
    {QLatin1StringView("zh"), kChineseFont},      {QLatin1StringView("chi"), kChineseFont},
    {QLatin1StringView("zho"), kChineseFont},
};

} // namespace

QString SubtitleFontPathForLanguage(const QString &languageCode)
{
    const QString fontsFolder = DNBundle::pathForResource(QStringLiteral("fonts"));
    const QString code = languageCode.toLower();
    QLatin1StringView fontFile = kDefaultFont;
    for (const FontRow &row : kFontRows) {
        if (code == row.language) {
            fontFile = row.fontFile;
            break;
        }
    }
    return fontsFolder + QLatin1Char('/') + fontFile;
}
