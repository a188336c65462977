#include "slideshow/records/DNImageNodeSort.h"

#include "slideshow/records/DNGraphicsSetting.h"

#include <QFileInfo>

#include <algorithm>

namespace {
int sign(qint64 v)
{
    return v < 0 ? -1 : v > 0 ? 1 : 0;
}

// Both present: their own comparison; one missing: the missing one first when ascending.
template <class Value, class Compare>
int compareOptional(const Value *a, const Value *b, bool ascending, Compare compare)
{
    if (a && b) {
        const int c = compare(*a, *b);
        return ascending ? c : -c;
    }
    if (b)
        return ascending ? -1 : 1;
    if (a)
        return ascending ? 1 : -1;
    return 0;
}
} // namespace

int compareImageNodes(const DNImageNode &a, const DNImageNode &b, int key, int direction)
{
    if (a.type() == DNImageNode::Folder && b.type() == DNImageNode::Folder)
        return 0;
    const bool ascending = direction < 1;
    switch (key) {
    case DNSortByFileName: {
        const int c = sign(QFileInfo(a.path()).fileName().compare(QFileInfo(b.path()).fileName(), Qt::CaseSensitive));
        return ascending ? c : -c;
    }
    case DNSortByFileSize: {
        const int c = sign(qint64(a.size()) - qint64(b.size()));
        return ascending ? c : -c;
    }
    case DNSortByCreationDate: {
        const QDateTime da = a.createDate();
        const QDateTime db = b.createDate();
        return compareOptional(da.isValid() ? &da : nullptr, db.isValid() ? &db : nullptr, ascending,
                               [](const QDateTime &x, const QDateTime &y) { return x < y ? -1 : y < x ? 1 : 0; });
    }
    case DNSortByGPSPosition:
        return compareOptional(a.gps() ? &*a.gps() : nullptr, b.gps() ? &*b.gps() : nullptr, ascending,
                               [](const DNGPS &x, const DNGPS &y) { return x.compare(&y); });
    default:
        return 0;
    }
}

void sortImageNodesRecursively(QList<DNImageNodePtr> &nodes, int key, int direction)
{
    std::stable_sort(nodes.begin(), nodes.end(), [key, direction](const DNImageNodePtr &a, const DNImageNodePtr &b) {
        return compareImageNodes(*a, *b, key, direction) < 0;
    });
    for (const DNImageNodePtr &node : std::as_const(nodes))
        if (node->type() == DNImageNode::Folder)
            sortImageNodesRecursively(node->imageNodes(), key, direction);
}
