#pragma once

#include "core/lang/DNPreferredLanguages.h"

#include <QString>
#include <QStringList>

class QCoreApplication;
class QSettings;

// The interface languages, chosen before the application object exists.
//
// "kAppCustomizeLanguage" (default "Default") names the user's choice; "AppleLanguages" holds
// the language the next start uses, or is absent to follow the system. Both live in the user
// settings (organisation "Harnvale", application "Talvane").

// "Default" and the ten interface languages, in menu order: a Language menu item's tag is its
// index here.
const QStringList &DNInterfaceLanguageCodes();

// The set-up: reads the choice, rewrites "AppleLanguages" as needed. A stored value of the
// wrong shape (an empty or non-text "AppleLanguages") prints "configure application language
// error, force to use english." on standard error and stores ["en"].
void configureApplicationLanguage(QSettings &settings, const QStringList &systemPreferred);
// The same over the user settings and the system's languages.
void configureApplicationLanguage();

// The language the interface shows after the set-up: "AppleLanguages"' first entry, else the
// system's first preferred language when it is one of the ten, else "en".
QString DNEffectiveInterfaceLanguage(const QSettings &settings, const QStringList &systemPreferred);

// Loads share/talvane/translations/talvane_<code>.qm (English text as key) into the
// application when it exists, with Qt's own translation of its dialogs for the language when Qt
// has one; English needs none. Returns whether the program's translation was installed.
bool DNInstallInterfaceTranslator(QCoreApplication &application, const QString &code);
