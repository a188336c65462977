#include "slideshow/transitions/NXFilterRegistry.h"

#include <QHash>

namespace {
struct Registry
{
    QList<NXFilterRow> rows;
    QHash<QString, qsizetype> byName;

    Registry()
    {
        for (const auto &family : {NXSwipeFilterRows(), NXLightFilterRows(), NXWaveFilterRows(),
                                   NXPageCurlFilterRows(), NXCompositingFilterRows(), NXSlideFilterRows(),
                                   NXWarpFilterRows()})
            for (const NXFilterRow &r : family) {
                byName.insert(r.name, rows.size());
                rows << r;
            }
        // The manager asks for the rotation transition by its class name.
        byName.insert(QStringLiteral("NXRotationFilter"), byName.value(QStringLiteral("NXRotationTransform")));
    }
};

const Registry &registry()
{
    static const Registry r;
    return r;
}
} // namespace

namespace NXFilterRegistry {

const NXFilterRow *row(const QString &name)
{
    const Registry &r = registry();
    const auto it = r.byName.constFind(name);
    return it == r.byName.constEnd() ? nullptr : &r.rows.at(it.value());
}

NXFilterPtr filterWithName(const QString &name)
{
    const NXFilterRow *r = row(name);
    return r ? r->make() : nullptr;
}

QStringList filterNames()
{
    QStringList names;
    for (const NXFilterRow &r : registry().rows)
        names << r.name;
    return names;
}

} // namespace NXFilterRegistry
