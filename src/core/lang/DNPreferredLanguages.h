#pragma once

#include <QString>
#include <QStringList>

// The system's preferred languages in the form the interface-language list uses: the language
// alone ("de" for de_DE), with its script for Chinese ("zh-Hant", "zh-Hans") and its region where
// the list tells regions apart or the region is not the language's own ("pt-PT", "en-GB").
QStringList DNSystemPreferredLanguages();
// The same for a list of locale tags ("de-DE", "zh-Hant-TW"), in order, each code once.
QStringList DNPreferredLanguagesFromLocaleTags(const QStringList &tags);
