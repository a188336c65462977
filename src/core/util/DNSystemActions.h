#pragma once

#include <QString>

#include <functional>

// Opening pages and folders, and asking the session to end, go through replaceable handlers:
// the core has no desktop of its own, and tests must see the request without anything opening
// or the machine going down.

// Opens a web address or a local path with the user's default program. The default handler
// starts "xdg-open" detached, with the target as its one argument (no shell). Returns whether
// the request could be made.
using DNOpenHandler = std::function<bool(const QString &target)>;
void DNSetOpenHandler(DNOpenHandler handler); // an empty handler restores the default

enum class DNPowerRequest { Shutdown, Restart, LogOut };
// Carries out a power request; the interface layer installs one that asks the login manager.
// Without a handler the requests do nothing and report false.
using DNPowerRequestHandler = std::function<bool(DNPowerRequest request)>;
void DNSetPowerRequestHandler(DNPowerRequestHandler handler);

bool DNShutdownComputer();
bool DNRestartComputer();
bool DNLogOutComputer();

// Shows the folder (or file) at path in the file manager when something exists there.
void DNOpenFolderInFinder(const QString &path);

// The address DNOpenWebPage opens: trimmed, "http://" put in front when it names no scheme,
// and, unless it is "https://" or already tagged, the query "?run.<tag>" with the language code
// appended for a listed language other than English. Empty for an empty address.
QString DNWebPageAddress(const QString &address, const QString &preferredLanguage);
void DNOpenWebPage(const QString &address);
void DNOpenHelpPage();
