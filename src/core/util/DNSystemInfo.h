#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// Processors online; 1 when unknown.
unsigned int DNNumberOfCPUCores();
// 1 on a 64-bit system, else 0.
int DNIs64BitCapable();
// The platform level one hexadecimal digit per part, as the feature checks compare it
// (0x1060, 0x1070). Every facility those checks guard is present here, so this is a fixed
// level above all of them that no check singles out.
int DNSystemVersion();
// The running system as people name it (os-release's PRETTY_NAME, else the kernel release).
QString DNSystemVersionText();
QString DNApplicationName();
QString DNApplicationVersion();
// "<name> [<system>] (<version>) log": subject of a problem report with the previous log.
QString DNLogReportTitle();
// "<name> [<system>] (<version>)": subject of a support mail.
QString DNSupportMailTitle();
// The interface language code for a preferred language ("zh-Hant" -> "zh-hant"); "en" for
// any language outside the program's ten.
QString DNLanguageCodeForPreferredLanguage(const QString &preferred);
// The user's first preferred language: the stored "AppleLanguages" list's first entry (the
// interface-language choice), else the system's first preferred language in the list's form
// (a regional "de-DE" is "de").
QString DNFirstPreferredLanguage();
QString DNFirstPreferredLanguage(const QSettings &settings, const QStringList &systemLocaleTags);
QString DNPreferredLanguageCode();
