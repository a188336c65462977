#pragma once

#include "slideshow/transitions/NXFilter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The filters known by name: the platform-style built-ins ("CI..." names) and the slideshow's
// own transitions, each with its display name and categories.
struct NXFilterRow
{
    QString name;
    QString displayName;
    QStringList categories;
    std::function<NXFilterPtr()> make;
};

namespace NXFilterRegistry {
// A new filter of that name, or null for an unknown name.
NXFilterPtr filterWithName(const QString &name);
// The row of a name (aliases included), or null.
const NXFilterRow *row(const QString &name);
QStringList filterNames();
} // namespace NXFilterRegistry

// The families of rows; each lives with its filters.
QList<NXFilterRow> NXSwipeFilterRows();
QList<NXFilterRow> NXLightFilterRows();
QList<NXFilterRow> NXWaveFilterRows();
QList<NXFilterRow> NXPageCurlFilterRows();
QList<NXFilterRow> NXCompositingFilterRows();
QList<NXFilterRow> NXSlideFilterRows();
QList<NXFilterRow> NXWarpFilterRows();

// A row for class T, which is made with its registered name.
template <class T>
NXFilterRow NXFilterRowOf(const QString &name, const QString &displayName, const QStringList &categories)
{
    return NXFilterRow{name, displayName, categories, [name] { return std::make_shared<T>(name); }};
}

// The categories of every transition.
inline QStringList NXTransitionCategories()
{
    return {QStringLiteral("CICategoryTransition"), QStringLiteral("CICategoryVideo"),
            QStringLiteral("CICategoryStillImage")};
}
