#pragma once

#include <QString>

// Where the program's own files are. The build tree and the install tree share one layout
// (bin/, lib/talvane/fws/, share/talvane/), so every path is found from the running executable.
class DNBundle
{
public:
    // The prefix above bin/: TALVANE_PREFIX when set (tests and tools running elsewhere),
    // otherwise the parent of the executable's folder.
    static QString prefixPath();
    // share/talvane: the profiles, helper lists, fonts and images.
    static QString resourcePath();
    // lib/talvane/fws: the companion libraries and executables.
    static QString frameworksPath();
    static QString pathForResource(const QString &relativePath);
    static QString pathForCompanion(const QString &name);

    // Tests point the bundle at another prefix; an empty text goes back to the default.
    static void setPrefixOverride(const QString &prefix);
};
