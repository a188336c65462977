#pragma once

#include <QString>

// The two kinds of profiles, each in a folder of its own under share/talvane/profiles.
enum DNProfileKind : int {
    DNProfileKindDVD = 1,
    DNProfileKindVideo = 2,
};

// The folder of a kind's profiles and category lists; empty for any other kind.
QString DNProfileFolderOfType(int kind);
// The two category lists of every folder.
inline QString DNMajorCategoryFileName() { return QStringLiteral("Category_Major_Profile.plist"); }
inline QString DNSecondaryCategoryFileName() { return QStringLiteral("Category_Secondary_Profile.plist"); }
