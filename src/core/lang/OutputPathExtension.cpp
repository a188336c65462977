#include "core/lang/OutputPathExtension.h"

namespace {

// Position of the dot that starts the last path component's extension, or -1. A leading dot
// (a hidden file's name) does not start an extension.
qsizetype extensionDot(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1 || dot == path.size() - 1)
        return -1;
    return dot;
}

} // namespace

QString FixOutputPathExtension(const QString &path, const QString &extension, int mode)
{
    if (extension.isNull() || path.isNull())
        return path;
    const qsizetype dot = extensionDot(path);
    if (mode == 1) {
        const QString stem = dot < 0 ? path : path.left(dot);
        return stem + QLatin1Char('.') + extension;
    }
    if (mode == 0) {
        const QString current = dot < 0 ? QString() : path.mid(dot + 1);
        if (current.compare(extension, Qt::CaseInsensitive) == 0)
            return path;
        return path + QLatin1Char('.') + extension;
    }
    return path;
}
