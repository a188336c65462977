// Every resource the program loads by name ships in share/talvane: the picture, property-list,
// font and configuration names written in the sources, and the icons the profile catalogue names
// (the chooser's "<icon>.png", the list rows' "<icon>_nor.png" and "<icon>_on.png").
#include "core/platform/DNBundle.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKind.h"
#include "profiles/DNProfileManager.h"
#include "profiles/NXProfileCategoryItem.h"
#include "support/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString sharedFolder()
{
    return DNBundle::pathForResource(QString());
}

// Resources are looked up by name in their folder or below it (pictures in any images subfolder).
bool ships(const QString &name)
{
    QDirIterator it(sharedFolder(), {name}, QDir::Files, QDirIterator::Subdirectories);
    return it.hasNext();
}

// A whole file name in quotes; names put together from pieces ("_nor.png") start with no letter.
QSet<QString> resourceNamesIn(const QString &text)
{
    static const QRegularExpression literal(QStringLiteral(R"re("([A-Za-z][A-Za-z0-9_]*\.(?:png|plist|ttf|conf))")re"));
    QSet<QString> names;
    for (auto it = literal.globalMatch(text); it.hasNext();)
        names.insert(it.next().captured(1));
    return names;
}

QStringList catalogueIconsOfKind(int kind)
{
    QStringList icons;
    DNProfileManager &catalogue = DNProfileManager::profileManager();
    for (int membership = NXProfileMembershipFrequently; membership <= NXProfileMembershipGeneral; ++membership)
        for (const auto &major : catalogue.major_ProfileCategoriesOfType(kind, membership)) {
            icons << major->iconID() + QStringLiteral(".png");
            for (const auto &secondary : catalogue.secondaryProfileCategoriesOfMajor(*major, kind))
                icons << secondary->iconID() + QStringLiteral(".png");
        }
    const QDir folder(DNProfileFolderOfType(kind));
    for (const QString &file : folder.entryList({QStringLiteral("*.plist")}, QDir::Files)) {
        if (file == DNMajorCategoryFileName() || file == DNSecondaryCategoryFileName())
            continue;
        const auto profile = DNProfile::parserFromContentOfFile(folder.filePath(file));
        if (!profile || profile->iconID().isEmpty())
            continue;
        for (const char *suffix : {".png", "_nor.png", "_on.png"})
            icons << profile->iconID() + QLatin1String(suffix);
    }
    return icons;
}

} // namespace

TEST(ResourceNames, EveryNameTheSourcesLoadShips)
{
    int checked = 0;
    QDirIterator it(testsupport::sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const QString &name : resourceNamesIn(QString::fromUtf8(file.readAll()))) {
            EXPECT_TRUE(ships(name)) << name.toStdString() << " named in " << path.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 50) << "the scan found the sources";
}

TEST(ResourceNames, EveryIconTheCatalogueNamesShips)
{
    for (int kind : {DNProfileKindDVD, DNProfileKindVideo}) {
        const QStringList icons = catalogueIconsOfKind(kind);
        EXPECT_GT(icons.size(), 10) << "kind " << kind;
        for (const QString &icon : icons)
            EXPECT_TRUE(ships(icon)) << icon.toStdString() << " (profile kind " << kind << ")";
    }
}
