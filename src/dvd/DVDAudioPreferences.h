#pragma once

#include <QString>

// What the default audio-track choice of a DVD title prefers: the user's preferred audio
// language (a display name such as "English") and the user's first preferred language
// (DNFirstPreferredLanguage: the interface-language choice, else the system's), cut to two letters.
QString dvdPreferredAudioLanguage();
QString dvdSystemLanguageCode();
