#include "core/platform/DNTemporaryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

TEST(DNTemporaryFolder, PrivateFolderWithUniqueNames)
{
    const QString dir = DNTemporaryFolder::path();
    ASSERT_FALSE(dir.isEmpty());
    EXPECT_EQ(DNTemporaryFolder::path(), dir); // one per run
    EXPECT_TRUE(dir.startsWith(QDir::tempPath() + "/"));
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    QSet<QString> names;
    for (int i = 0; i < 200; ++i) {
        const QString p = DNTemporaryFolder::uniqueFilePath("HV_", ".log");
        EXPECT_EQ(QFileInfo(p).absolutePath(), dir);
        EXPECT_TRUE(QFileInfo(p).fileName().startsWith("HV_"));
        EXPECT_TRUE(p.endsWith(".log"));
        EXPECT_FALSE(QFileInfo::exists(p));
        names.insert(p);
    }
    EXPECT_EQ(names.size(), 200);

    // A name is skipped once something occupies it.
    QFile f(DNTemporaryFolder::uniqueFilePath("HV_"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_NE(DNTemporaryFolder::uniqueFilePath("HV_"), f.fileName());
}

TEST(DNTemporaryFolder, RemoveTakesContentsAndANewOneFollows)
{
    const QString first = DNTemporaryFolder::path();
    QFile f(first + "/inside");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    DNTemporaryFolder::remove();
    EXPECT_FALSE(QFileInfo::exists(first));
    const QString second = DNTemporaryFolder::path();
    EXPECT_NE(second, first);
    EXPECT_TRUE(QFileInfo(second).isDir());
}

namespace {
// Started again as its own child (see GoneAfterExit): makes the folder with a file in it,
// prints the folder's path and exits normally, before any test runs.
const bool kChildRun = [] {
    if (qEnvironmentVariableIsEmpty("TALVANE_TEMPFOLDER_CHILD"))
        return false;
    QFile f(DNTemporaryFolder::uniqueFilePath("HV_"));
    if (!f.open(QIODevice::WriteOnly))
        std::exit(2);
    f.write("x");
    f.close();
    std::printf("FOLDER=%s\n", qPrintable(DNTemporaryFolder::path()));
    std::fflush(stdout);
    std::exit(0);
    return true;
}();
} // namespace

TEST(DNTemporaryFolder, GoneAfterExit)
{
    QTemporaryDir tmp; // the child's $TMPDIR, so its folder is easy to look for
    ASSERT_TRUE(tmp.isValid());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TALVANE_TEMPFOLDER_CHILD", "1");
    env.insert("TMPDIR", tmp.path());
    child.setProcessEnvironment(env);
    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    ASSERT_GT(n, 0);
    child.start(QString::fromLocal8Bit(self, n), {"--gtest_list_tests"});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    const int at = out.indexOf("FOLDER=");
    ASSERT_GE(at, 0) << out.toStdString();
    const QString folder = out.mid(at + 7).section('\n', 0, 0).trimmed();
    EXPECT_TRUE(folder.startsWith(tmp.path() + "/")) << folder.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(QDir(tmp.path()).isEmpty());
}
