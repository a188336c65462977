#pragma once

#include <QString>

// What the default audio-track choice of a DVD title prefers: the user's preferred audio
// language (a display name such as "English") and the system's first preferred language code,
// cut to two letters.
QString dvdPreferredAudioLanguage();
QString dvdSystemLanguageCode();
