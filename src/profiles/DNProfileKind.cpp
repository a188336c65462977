#include "profiles/DNProfileKind.h"

#include "core/platform/DNBundle.h"

QString DNProfileFolderOfType(int kind)
{
    switch (kind) {
    case DNProfileKindDVD:
        return DNBundle::pathForResource(QStringLiteral("profiles/DVD"));
    case DNProfileKindVideo:
        return DNBundle::pathForResource(QStringLiteral("profiles/Video"));
    default:
        return QString();
    }
}
