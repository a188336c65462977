#include "NXCameraValueTransformers.h"

#include <QStringList>

namespace {

struct Row
{
    QSize size;
    const char *title;
};
// The sizes with titles of their own; the zero size (no limit) shows as "Default".
const Row kRows[] = {
    {{320, 240}, "320x240"}, {{352, 288}, "352x288"},   {{640, 480}, "640x480"},
    {{960, 540}, "960x540"}, {{1280, 720}, "1280x720"}, {{1920, 1080}, "HD"},
};

} // namespace

QList<QSize> NXCameraRecorderResolutions()
{
    QList<QSize> sizes{QSize(0, 0)};
    for (const Row &row : kRows)
        sizes.append(row.size);
    return sizes;
}

QVariant NXResolutionTransformer::transformedValue(const QVariant &size)
{
    if (!size.isValid())
        return QVariant();
    for (const Row &row : kRows)
        if (size.toSize() == row.size)
            return QString::fromLatin1(row.title);
    return QStringLiteral("Default");
}

QVariant NXResolutionTransformer::reverseTransformedValue(const QVariant &title)
{
    if (!title.isValid())
        return QVariant();
    for (const Row &row : kRows)
        if (title.toString() == QLatin1String(row.title))
            return row.size;
    return QSize(0, 0);
}

QVariant NXRArrayTransformer::transformedValue(const QVariant &sizes)
{
    const QVariantList list = sizes.toList();
    if (list.isEmpty() || list.first().typeId() != QMetaType::QSize)
        return QVariant();
    QStringList titles{QStringLiteral("Default")};
    for (const Row &row : kRows)
        titles.append(QString::fromLatin1(row.title));
    return titles;
}

QVariant NXRArrayTransformer::reverseTransformedValue(const QVariant &titles)
{
    const QVariantList list = titles.toList();
    if (list.isEmpty() || list.first().typeId() != QMetaType::QString)
        return QVariant();
    QVariantList sizes;
    for (const QSize &size : NXCameraRecorderResolutions())
        sizes.append(size);
    return sizes;
}
