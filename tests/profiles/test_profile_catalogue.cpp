#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"
#include "profiles/DNProfileManager.h"
#include "support/paths.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<QSettings> scratchSettings(const QString &path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

class ShippedCatalogue : public ::testing::Test
{
protected:
    void SetUp() override { DNBundle::setPrefixOverride(testsupport::buildDir()); }
    void TearDown() override { DNBundle::setPrefixOverride(QString()); }
    QTemporaryDir dir;
    DNProfileManager manager{[this] { return scratchSettings(dir.filePath("settings.ini")); }};
};

// The chooser walks group -> major -> (secondary ->) profiles; every shipped profile must be
// reachable that way, and every name a category lists must be a shipped file.
TEST_F(ShippedCatalogue, EveryProfileIsReachableAndEveryListedNameExists)
{
    for (int kind : {int(DNProfileKindDVD), int(DNProfileKindVideo)}) {
        SCOPED_TRACE(kind);
        QSet<QString> reached;
        for (int membership = NXProfileMembershipFrequently; membership <= NXProfileMembershipGeneral; ++membership) {
            for (const auto &major : manager.major_ProfileCategoriesOfType(kind, membership)) {
                EXPECT_FALSE(major->title().isEmpty());
                QList<std::shared_ptr<NXProfileCategoryItem>> leaves;
                if (major->memberType() == 0) {
                    leaves << major;
                } else {
                    leaves = manager.secondaryProfileCategoriesOfMajor(*major, kind);
                    EXPECT_EQ(leaves.size(), major->content().size()) << major->ID().toStdString();
                }
                for (const auto &leaf : leaves) {
                    const auto profiles = manager.profilesOfSecondary(*leaf, kind);
                    ASSERT_EQ(profiles.size(), leaf->content().size());
                    for (int i = 0; i < profiles.size(); ++i) {
                        EXPECT_GT(profiles.at(i)->GlobalID(), 0) << leaf->content().at(i).toStdString();
                        reached.insert(leaf->content().at(i));
                    }
                }
            }
        }
        const QDir folder(DNProfileFolderOfType(kind));
        for (const QString &name : folder.entryList({"*.plist"}, QDir::Files)) {
            if (!name.startsWith("Category")) {
                EXPECT_TRUE(reached.contains(name.chopped(6))) << name.toStdString();
            }
        }
    }
}

TEST_F(ShippedCatalogue, TheChooserGroupsStartWithTheRecentEntry)
{
    for (int kind : {int(DNProfileKindDVD), int(DNProfileKindVideo)}) {
        const auto frequent = manager.major_ProfileCategoriesOfType(kind, NXProfileMembershipFrequently);
        ASSERT_GE(frequent.size(), 2);
        // Row 1 of the chooser stands for the recent list; row 2 is preselected when it is empty.
        EXPECT_EQ(frequent.first()->memberType(), 0);
        EXPECT_FALSE(manager.profilesOfSecondary(*frequent.at(1), kind).isEmpty());
        EXPECT_FALSE(manager.major_ProfileCategoriesOfType(kind, NXProfileMembershipGeneral).isEmpty());
        EXPECT_FALSE(manager.major_ProfileCategoriesOfType(kind, NXProfileMembershipWeb).isEmpty());
    }
    const auto backup = manager.major_ProfileCategoriesOfType(DNProfileKindDVD, NXProfileMembershipDVDBackup);
    ASSERT_EQ(backup.size(), 1);
    QList<int> ids;
    for (const auto &profile : manager.profilesOfSecondary(*backup.first(), DNProfileKindDVD))
        ids << profile->GlobalID();
    EXPECT_TRUE(ids.contains(1000002) && ids.contains(1000003) && ids.contains(1000005));
    EXPECT_FALSE(manager.major_ProfileCategoriesOfType(DNProfileKindDVD, NXProfileMembershipDevice).isEmpty());
    EXPECT_TRUE(manager.major_ProfileCategoriesOfType(3, NXProfileMembershipDevice).isEmpty());
}

// A small hand-made catalogue for the rules the shipped one does not exercise.
class FixtureCatalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString folder = prefix.filePath("share/talvane/profiles/DVD");
        QDir().mkpath(folder);
        auto category = [](const QString &id, const QString &membership, const QString &memberType,
                           const QStringList &content) {
            QVariantMap item{{"ID", id}, {"Title", id}, {"Content", content}};
            if (!membership.isNull())
                item.insert("Membership", membership);
            if (!memberType.isNull())
                item.insert("ContentMemberType", memberType);
            return QVariant(item);
        };
        const QVariantList major{
            category("A", "Devices of all kinds", "Category", {"S2", "S1", "missing"}),
            category("B", "Gadgets", QString(), {}),
            category("C", "General", "Specified list", {"p1"}),
            category("D", QString(), QString(), {}),
            category("E", "DVDs", QString(), {}),
            category("F", "Frequently", QString(), {}),
            category("G", "Webby", QString(), {}),
        };
        const QVariantList secondary{
            category("S1", QString(), "Specified", {"p1", "nofile", "p2"}),
            category("S2", QString(), "Specified", {}),
            category("S3", QString(), "Specified", {"p1"}),
        };
        ASSERT_TRUE(writePropertyList(major, folder + "/Category_Major_Profile.plist", DNPropertyListFormat::XML));
        ASSERT_TRUE(writePropertyList(secondary, folder + "/Category_Secondary_Profile.plist", DNPropertyListFormat::Binary));
        ASSERT_TRUE(writePropertyList(QVariantMap{{"ID", 5001001}}, folder + "/p1.plist", DNPropertyListFormat::XML));
        ASSERT_TRUE(writePropertyList(QVariantMap{{"ID", 5001002}}, folder + "/p2.plist", DNPropertyListFormat::XML));
        DNBundle::setPrefixOverride(prefix.path());
    }
    void TearDown() override { DNBundle::setPrefixOverride(QString()); }

    QTemporaryDir prefix;
    DNProfileManager manager{[this] { return scratchSettings(prefix.filePath("settings.ini")); }};
};

TEST_F(FixtureCatalogue, MembershipIsMatchedByPrefix)
{
    const struct {
        int membership;
        QStringList ids;
    } cases[] = {
        {NXProfileMembershipDevice, {"A"}},
        {NXProfileMembershipGeneral, {"C"}},
        {NXProfileMembershipDVDBackup, {"E"}},
        {NXProfileMembershipFrequently, {"F"}},
        {NXProfileMembershipWeb, {"G"}},
        {NXProfileMembershipNone, {"B", "D"}},
    };
    for (const auto &c : cases) {
        QStringList ids;
        for (const auto &item : manager.major_ProfileCategoriesOfType(DNProfileKindDVD, c.membership))
            ids << item->ID();
        EXPECT_EQ(ids, c.ids) << c.membership;
    }
    const auto general = manager.major_ProfileCategoriesOfType(DNProfileKindDVD, NXProfileMembershipGeneral);
    EXPECT_EQ(general.first()->memberType(), 0);
    EXPECT_EQ(manager.major_ProfileCategoriesOfType(DNProfileKindDVD, NXProfileMembershipDevice).first()->memberType(), 1);
    EXPECT_EQ(manager.major_ProfileCategoriesOfType(DNProfileKindDVD, NXProfileMembershipNone).first()->memberType(), 1);
}

TEST_F(FixtureCatalogue, SecondaryCategoriesComeInTheSecondaryListsOrder)
{
    const auto major = manager.major_ProfileCategoriesOfType(DNProfileKindDVD, NXProfileMembershipDevice);
    ASSERT_EQ(major.size(), 1);
    QStringList ids;
    for (const auto &item : manager.secondaryProfileCategoriesOfMajor(*major.first(), DNProfileKindDVD))
        ids << item->ID();
    EXPECT_EQ(ids, QStringList({"S1", "S2"}));
    EXPECT_TRUE(manager.secondaryProfileCategoriesOfMajor(*major.first(), 7).isEmpty());
}

TEST_F(FixtureCatalogue, AMissingProfileFileGivesAnEmptyProfileInItsPlace)
{
    const auto major = manager.major_ProfileCategoriesOfType(DNProfileKindDVD, NXProfileMembershipDevice);
    const auto secondary = manager.secondaryProfileCategoriesOfMajor(*major.first(), DNProfileKindDVD);
    const auto profiles = manager.profilesOfSecondary(*secondary.first(), DNProfileKindDVD);
    ASSERT_EQ(profiles.size(), 3);
    EXPECT_EQ(profiles.at(0)->GlobalID(), 5001001);
    EXPECT_EQ(profiles.at(1)->GlobalID(), 0);
    EXPECT_FALSE(profiles.at(1)->videoCodec());
    EXPECT_EQ(profiles.at(2)->GlobalID(), 5001002);
    EXPECT_TRUE(manager.profilesOfSecondary(*secondary.at(1), DNProfileKindDVD).isEmpty());
    // Every call reads the files afresh, so callers never share objects.
    EXPECT_NE(manager.profilesOfSecondary(*secondary.first(), DNProfileKindDVD).first(), profiles.first());
}

TEST_F(FixtureCatalogue, MissingCategoryListsGiveEmptyResults)
{
    EXPECT_TRUE(manager.major_ProfileCategoriesOfType(DNProfileKindVideo, NXProfileMembershipDevice).isEmpty());
    NXProfileCategoryItem item;
    item.setContent({"S1"});
    EXPECT_TRUE(manager.secondaryProfileCategoriesOfMajor(item, DNProfileKindVideo).isEmpty());
}

} // namespace
