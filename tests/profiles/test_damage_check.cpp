#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "profiles/DNProfileManager.h"
#include "support/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

// The start-up check runs against a copy of the built share tree, so the test may damage it.
class DamageCheck : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The log goes to a data folder of the test's own.
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        QDir().mkpath(home.filePath("Harnvale/Talvane"));
        ASSERT_TRUE(copyTree(testsupport::buildDir() + "/share/talvane/profiles",
                             prefix.filePath("share/talvane/profiles")));
        DNBundle::setPrefixOverride(prefix.path());
    }
    void TearDown() override { DNBundle::setPrefixOverride(QString()); }

    QString dvdList(const QString &name) const { return prefix.filePath("share/talvane/profiles/DVD/" + name); }

    static QString logText()
    {
        QFile log(DNCurrentRoughLogPath());
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    QTemporaryDir home;
    QTemporaryDir prefix;
};

TEST_F(DamageCheck, TheShippedListsPass)
{
    EXPECT_TRUE(DNProfileManager::checkDVDPlistMD5());
    EXPECT_TRUE(DNProfileManager::checkVideoPlistMD5());
    const DNAppDamageReport report = DNProfileManager::checkWhetherAppDamaged();
    EXPECT_FALSE(report.damaged);
    EXPECT_TRUE(report.messageText.isEmpty());
}

TEST_F(DamageCheck, OneChangedByteOfEitherDvdListIsCaughtWithTheAlertTextsAndLogLine)
{
    for (const QString &name : {DNMajorCategoryFileName(), DNSecondaryCategoryFileName()}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dvdList(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const QByteArray original = bytes;
        const qsizetype middle = bytes.indexOf("<string>") + 8; // inside a text, so the list still parses
        bytes[middle] = bytes[middle] == 'x' ? 'y' : 'x';
        file.seek(0);
        file.write(bytes);
        file.close();

        EXPECT_FALSE(DNProfileManager::checkDVDPlistMD5());
        const DNAppDamageReport report = DNProfileManager::checkWhetherAppDamaged();
        EXPECT_TRUE(report.damaged);
        EXPECT_EQ(report.messageText, QStringLiteral("Talvane is damaged!"));
        EXPECT_EQ(report.informativeText,
                  QStringLiteral("\"Talvane\" is damaged and can\u2019t be opened. Please delete \"Talvane\" and "
                                 "download it again from the official website!"));
        EXPECT_EQ(report.defaultButton, QStringLiteral("Download Now"));
        EXPECT_EQ(report.alternateButton, QStringLiteral("Cancel"));
        EXPECT_FALSE(report.downloadPage.isEmpty());
        EXPECT_TRUE(logText().contains(QStringLiteral("]: WARNING:[[APPLICATION WAS DAMAGED]]\n")));

        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(original);
        file.close();
        EXPECT_TRUE(DNProfileManager::checkDVDPlistMD5());
    }
}

TEST_F(DamageCheck, AMissingDvdListIsDamage)
{
    ASSERT_TRUE(QFile::remove(dvdList(DNSecondaryCategoryFileName())));
    EXPECT_TRUE(DNProfileManager::checkWhetherAppDamaged().damaged);
}

TEST_F(DamageCheck, TheVideoListsAreNotChecked)
{
    QFile file(prefix.filePath("share/talvane/profiles/Video/" + DNMajorCategoryFileName()));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\n");
    file.close();
    EXPECT_FALSE(DNProfileManager::checkWhetherAppDamaged().damaged);
}

} // namespace
