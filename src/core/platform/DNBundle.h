#pragma once

#include <QString>

// Where the program's own files are. The build tree and the install tree share one layout
// (bin/, lib/talvane/fws/, share/talvane/), so every path is found from the running executable.
class DNBundle
{
public:
    // The prefix: TALVANE_PREFIX when set (tests and tools running elsewhere), otherwise the one
    // the executable's folder lies in (prefixForExecutableFolder).
    static QString prefixPath();
    // The prefix of a program in folder: a companion in <prefix>/lib/talvane/fws finds the same
    // share/ as the program in <prefix>/bin; anything else is taken to sit one folder below it.
    static QString prefixForExecutableFolder(const QString &folder);
    // share/talvane: the profiles, helper lists, fonts and images.
    static QString resourcePath();
    // lib/talvane/fws: the companion libraries and executables.
    static QString frameworksPath();
    static QString pathForResource(const QString &relativePath);
    static QString pathForCompanion(const QString &name);

    // Tests point the bundle at another prefix; an empty text goes back to the default.
    static void setPrefixOverride(const QString &prefix);
};
