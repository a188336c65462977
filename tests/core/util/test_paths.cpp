#include "core/util/DNPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}
} // namespace

TEST(DNUniqueFilePath, CountsPastTakenNames)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString dir = tmp.path();
    touch(dir + "/a.mp4");
    touch(dir + "/a (1).mp4");
    QDir().mkpath(dir + "/b (1).mkv"); // a folder occupies the name as well
    touch(dir + "/x.y.mp4");

    const struct
    {
        QString folder;
        QString name;
        int number;
        QString expected;
    } cases[] = {
        {dir, "a.mp4", 0, dir + "/a (2).mp4"},
        {dir + "/", "a.mp4", 0, dir + "/a (2).mp4"},    // no "//"
        {dir, "free.mp4", 0, dir + "/free.mp4"},
        {dir, "free.mp4", 1, dir + "/free (1).mp4"},     // a start above 0 skips the plain name
        {dir, "b.mkv", 1, dir + "/b (2).mkv"},
        {dir, "x.y.mp4", 0, dir + "/x.y (1).mp4"},       // only the last extension moves
        {dir, "noext", 1, dir + "/noext (1)"},           // no stray dot
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNUniqueFilePath(c.folder, c.name, c.number), c.expected)
            << c.folder.toStdString() << " " << c.name.toStdString();
}

TEST(DNCreateDirectory, MakesParentsButNeverTouchesWhatExists)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString deep = tmp.filePath("one/two/three");
    EXPECT_TRUE(DNCreateDirectory(deep));
    EXPECT_TRUE(QFileInfo(deep).isDir());

    touch(deep + "/keep");
    EXPECT_FALSE(DNCreateDirectory(deep));
    EXPECT_TRUE(QFile::exists(deep + "/keep"));

    touch(tmp.filePath("file"));
    EXPECT_FALSE(DNCreateDirectory(tmp.filePath("file")));
    EXPECT_TRUE(QFileInfo(tmp.filePath("file")).isFile());
}

TEST(DNCreateDirectoryDeathTest, EmptyPathIsAProgrammingError)
{
    EXPECT_DEATH(DNCreateDirectory(QString()), "dir != nil");
}

TEST(DNApplicationDataDirectory, FollowsXdgDataHome)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", tmp.path().toUtf8());
    EXPECT_EQ(DNApplicationDataDirectory(), tmp.path() + "/Harnvale/Talvane");
    if (old.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", old);
}
