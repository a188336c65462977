#pragma once

#include <QString>

// The display name of a locale identifier ("zh-Hans", "fr") written in the language of another
// ("de" gives "Französisch" for "fr"); the identifier itself when no name is known.
QString DNLocaleDisplayName(const QString &identifier, const QString &inLocale);
