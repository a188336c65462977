// The order of a slideshow's photos under each sort key and direction.
#include "slideshow/records/DNGraphicsSetting.h"
#include "slideshow/records/DNImageNodeSort.h"

#include <gtest/gtest.h>

namespace {

DNImageNodePtr photoNode(const char *name, qint32 size, const QDateTime &date = QDateTime(),
                         std::optional<DNGPS> gps = std::nullopt)
{
    auto n = std::make_shared<DNImageNode>();
    n->setPath(QStringLiteral("/photos/") + QString::fromLatin1(name));
    n->setSize(size);
    n->setCreateDate(date);
    n->setGps(std::move(gps));
    return n;
}

DNImageNodePtr folderNode(const char *name, QList<DNImageNodePtr> photos)
{
    auto n = std::make_shared<DNImageNode>();
    n->setType(DNImageNode::Folder);
    n->setPath(QStringLiteral("/") + QString::fromLatin1(name));
    n->setImageNodes(std::move(photos));
    return n;
}

QDateTime day(int d)
{
    return QDateTime(QDate(2020, 1, d), QTime(12, 0));
}

DNGPS east(double longitude)
{
    return DNGPS(QStringLiteral("E"), longitude, QStringLiteral("N"), 10.0);
}

QStringList names(const QList<DNImageNodePtr> &nodes)
{
    QStringList list;
    for (const auto &n : nodes)
        list << n->path().section(QLatin1Char('/'), -1);
    return list;
}

} // namespace

TEST(PhotoSort, CompareByEachKeyAndDirection)
{
    const auto a = photoNode("a.jpg", 10, day(2), east(5));
    const auto b = photoNode("B.jpg", 20, day(1), east(1));
    const auto none = photoNode("c.jpg", 20);
    struct Row
    {
        const char *what;
        DNImageNodePtr x;
        DNImageNodePtr y;
        int key;
        int direction;
        int expected;
    };
    const Row rows[] = {
        // Plain text comparison: capitals come before small letters.
        {"name", a, b, DNSortByFileName, -1, 1},
        {"name descending", a, b, DNSortByFileName, 1, -1},
        {"size", a, b, DNSortByFileSize, -1, -1},
        {"size descending", a, b, DNSortByFileSize, 1, 1},
        {"equal sizes", b, none, DNSortByFileSize, -1, 0},
        {"date", a, b, DNSortByCreationDate, -1, 1},
        {"date descending", a, b, DNSortByCreationDate, 1, -1},
        {"no date first ascending", none, a, DNSortByCreationDate, -1, -1},
        {"no date last descending", none, a, DNSortByCreationDate, 1, 1},
        {"date before no date", a, none, DNSortByCreationDate, -1, 1},
        {"neither dated", none, none, DNSortByCreationDate, -1, 0},
        {"position", a, b, DNSortByGPSPosition, -1, 1},
        {"position descending", a, b, DNSortByGPSPosition, 1, -1},
        {"no position first", none, b, DNSortByGPSPosition, -1, -1},
        {"zero direction ascends", a, b, DNSortByFileSize, 0, -1},
        {"unknown key", a, b, 104, -1, 0},
        {"two folders", folderNode("x", {}), folderNode("a", {}), DNSortByFileName, -1, 0},
    };
    for (const Row &r : rows)
        EXPECT_EQ(compareImageNodes(*r.x, *r.y, r.key, r.direction), r.expected) << r.what;
}

// Date first, then a stable sort by position: photos at one position, or with none, stay in date
// order, and folders keep the order they were added in while their photos are sorted.
TEST(PhotoSort, StableSortsAndFoldersKeepTheirOrder)
{
    QList<DNImageNodePtr> photos{photoNode("p3.jpg", 1, day(3), east(7)), photoNode("p1.jpg", 1, day(1)),
                                 photoNode("p4.jpg", 1, day(4), east(2)), photoNode("p2.jpg", 1, day(2), east(7)),
                                 photoNode("p0.jpg", 1)};
    QList<DNImageNodePtr> top{folderNode("later", photos), folderNode("earlier", {photoNode("q.jpg", 1)})};
    sortImageNodesRecursively(top, DNSortByCreationDate, -1);
    sortImageNodesRecursively(top, DNSortByGPSPosition, -1);
    EXPECT_EQ(names(top), (QStringList{"later", "earlier"}));
    EXPECT_EQ(names(top.first()->imageNodes()), (QStringList{"p0.jpg", "p1.jpg", "p4.jpg", "p2.jpg", "p3.jpg"}));
    sortImageNodesRecursively(top, DNSortByFileName, 1);
    EXPECT_EQ(names(top.first()->imageNodes()), (QStringList{"p4.jpg", "p3.jpg", "p2.jpg", "p1.jpg", "p0.jpg"}));
}
