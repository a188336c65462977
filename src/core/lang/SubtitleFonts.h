#pragma once

#include <QString>

// Full path of the font that burns in a subtitle of the given language: "SimSun.ttf" for Chinese,
// "Arial.ttf" (in share/talvane/fonts) for every other or unknown language and for a null code.
QString SubtitleFontPathForLanguage(const QString &languageCode);
