#include "core/plist/DNPropertyList.h"
#include "profiles/DNProfileManager.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecentProfiles : public ::testing::Test
{
protected:
    DNProfileManager::SettingsFactory settings()
    {
        const QString path = dir.filePath("settings.ini");
        return [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); };
    }

    // A profile read from a file of its own, so an archive can find its way back.
    std::shared_ptr<DNProfile> profile(int id)
    {
        const QString path = dir.filePath(QStringLiteral("p%1.plist").arg(id));
        writePropertyList(QVariantMap{{"ID", id},
                                      {"Title", QStringLiteral("Profile %1").arg(id)},
                                      {"AudioQuality", QVariantMap{{"DefaultValue", "128"},
                                                                   {"AudioBitrates", QStringList{"96", "128"}}}}},
                          path, DNPropertyListFormat::XML);
        return DNProfile::parserFromContentOfFile(path);
    }

    QList<int> storedDvdIds()
    {
        QSettings raw(dir.filePath("settings.ini"), QSettings::IniFormat);
        QList<int> result;
        const QVariantList list = propertyListFromData(raw.value(DNProfileManager::recentDvdKey()).toByteArray()).toList();
        for (const QVariant &entry : list)
            result << entry.toMap().value(NXProfileParser::archiveKey()).toMap().value("ID").toInt();
        return result;
    }

    static QList<int> ids(const QList<std::shared_ptr<DNProfile>> &profiles)
    {
        QList<int> result;
        for (const auto &p : profiles)
            result << p->GlobalID();
        return result;
    }

    QTemporaryDir dir;
};

TEST_F(RecentProfiles, NewestFirstOneEntryPerIdAtMostSixKeptFiveShown)
{
    const struct {
        QList<int> added; // in order of use
        QList<int> shown;
        QList<int> kept;
    } cases[] = {
        {{1, 2, 3}, {3, 2, 1}, {3, 2, 1}},
        {{6, 5, 4, 3, 2, 1}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6}},
        // A full list drops its oldest entry before a new id comes first.
        {{6, 5, 4, 3, 2, 1, 7}, {7, 1, 2, 3, 4}, {7, 1, 2, 3, 4, 5}},
        // A full list drops its oldest, then the old entry of a known id: five remain.
        {{6, 5, 4, 3, 2, 1, 3}, {3, 1, 2, 4, 5}, {3, 1, 2, 4, 5}},
        {{1, 1, 1}, {1}, {1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::vector<int>(c.added.begin(), c.added.end())));
        QFile::remove(dir.filePath("settings.ini"));
        {
            DNProfileManager manager(settings());
            for (int id : c.added)
                manager.addRecentUseProfile(profile(id).get(), DNProfileKindDVD);
            EXPECT_EQ(ids(manager.recentDVDProfiles()), c.shown);
            EXPECT_TRUE(manager.recentVideoProfiles().isEmpty());
            manager.synchronize();
        }
        // All kept entries are stored, the sixth one included.
        EXPECT_EQ(storedDvdIds(), c.kept);
        DNProfileManager restarted(settings());
        EXPECT_EQ(ids(restarted.recentDVDProfiles()), c.shown);
        restarted.synchronize();
        EXPECT_EQ(storedDvdIds(), c.kept);
    }
}

// A run that ends without an orderly quit (a crash, a kill) keeps what it recorded.
TEST_F(RecentProfiles, SavedAsSoonAsTheyChange)
{
    DNProfileManager manager(settings());
    manager.addRecentUseProfile(profile(1).get(), DNProfileKindDVD);
    EXPECT_EQ(storedDvdIds(), QList<int>({1}));
    manager.addRecentUseProfile(profile(2).get(), DNProfileKindDVD);
    EXPECT_EQ(storedDvdIds(), QList<int>({2, 1}));
    DNProfileManager other(settings());
    EXPECT_EQ(ids(other.recentDVDProfiles()), QList<int>({2, 1}));
}

TEST_F(RecentProfiles, KindsAreKeptApartAndOtherKindsIgnored)
{
    DNProfileManager manager(settings());
    manager.addRecentUseProfile(profile(1).get(), DNProfileKindDVD);
    manager.addRecentUseProfile(profile(2).get(), DNProfileKindVideo);
    manager.addRecentUseProfile(profile(3).get(), 3);
    manager.addRecentUseProfile(nullptr, DNProfileKindDVD);
    EXPECT_EQ(ids(manager.recentUseProfiles(DNProfileKindDVD)), QList<int>({1}));
    EXPECT_EQ(ids(manager.recentUseProfiles(DNProfileKindVideo)), QList<int>({2}));
    EXPECT_TRUE(manager.recentUseProfiles(0).isEmpty());
}

TEST_F(RecentProfiles, EntriesAreCopiesAndSurviveARestartWithTheirEdits)
{
    auto original = profile(4);
    original->audioQuality()->setCurrentValue("96");
    original->setUserEnableTwopassCode(true);
    {
        DNProfileManager manager(settings());
        manager.addRecentUseProfile(original.get(), DNProfileKindVideo);
        original->audioQuality()->setCurrentValue("128");
        const auto shown = manager.recentVideoProfiles();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown.first()->audioQuality()->currentValue(), QStringLiteral("96"));
        shown.first()->audioQuality()->setCurrentValue("64");
        EXPECT_EQ(manager.recentVideoProfiles().first()->audioQuality()->currentValue(), QStringLiteral("96"));
    } // the manager saves when it goes
    DNProfileManager restarted(settings());
    const auto restored = restarted.recentVideoProfiles();
    ASSERT_EQ(restored.size(), 1);
    EXPECT_EQ(restored.first()->audioQuality()->currentValue(), QStringLiteral("96"));
    EXPECT_EQ(restored.first()->profilePath(), original->profilePath());
    EXPECT_FALSE(restored.first()->userEnableTwopassCode());
}

TEST_F(RecentProfiles, UnreadableStoredDataLeavesTheListEmpty)
{
    {
        QSettings raw(dir.filePath("settings.ini"), QSettings::IniFormat);
        raw.setValue(DNProfileManager::recentDvdKey(), QByteArray("not a property list"));
        raw.setValue(DNProfileManager::recentVideoKey(), QString("text"));
    }
    DNProfileManager manager(settings());
    EXPECT_TRUE(manager.recentDVDProfiles().isEmpty());
    EXPECT_TRUE(manager.recentVideoProfiles().isEmpty());
}

TEST_F(RecentProfiles, LastUsedIsACopyAndNotStored)
{
    DNProfileManager manager(settings());
    EXPECT_FALSE(manager.lastProfileOfType(DNProfileKindDVD));
    auto chosen = profile(9);
    manager.recordCurrentUsingProfile(chosen.get(), DNProfileKindDVD);
    manager.recordCurrentUsingProfile(chosen.get(), 5);
    chosen->audioQuality()->setCurrentValue("96");
    auto last = manager.lastProfileOfType(DNProfileKindDVD);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->audioQuality()->currentValue(), QStringLiteral("128"));
    last->audioQuality()->setCurrentValue("96");
    EXPECT_EQ(manager.lastProfileOfType(DNProfileKindDVD)->audioQuality()->currentValue(), QStringLiteral("128"));
    EXPECT_FALSE(manager.lastProfileOfType(DNProfileKindVideo));
    EXPECT_FALSE(manager.lastProfileOfType(5));
    manager.synchronize();
    DNProfileManager restarted(settings());
    EXPECT_FALSE(restarted.lastProfileOfType(DNProfileKindDVD));
}

} // namespace
