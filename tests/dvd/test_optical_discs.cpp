// Finding mounted optical discs from a block-device tree and a mount table (fake ones here).
#include "dvd/NXDVDUtilities.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// sr0, sr1: optical (type 5); sda: a disk (type 0) with partition sda1 (no device folder).
struct FakeSystem
{
    QTemporaryDir dir;
    QString sys = dir.filePath(QStringLiteral("sys/class/block"));
    QString mountinfo = dir.filePath(QStringLiteral("mountinfo"));

    FakeSystem()
    {
        writeFile(sys + QStringLiteral("/sr0/device/type"), "5\n");
        writeFile(sys + QStringLiteral("/sr0/dev"), "11:0\n");
        writeFile(sys + QStringLiteral("/sr1/device/type"), "5\n");
        writeFile(sys + QStringLiteral("/sr1/dev"), "11:1\n");
        writeFile(sys + QStringLiteral("/sda/device/type"), "0\n");
        writeFile(sys + QStringLiteral("/sda1/dev"), "8:1\n");
    }
};

} // namespace

TEST(OpticalDiscs, MountedOpticalDiscsInMountOrder)
{
    FakeSystem fake;
    writeFile(fake.mountinfo,
              "22 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
              "30 22 0:5 / /proc rw shared:1 - proc proc rw\n"
              "41 22 11:1 / /media/user/MY\\040MOVIE rw,nosuid shared:9 - udf /dev/sr1 ro\n"
              "42 22 11:0 / /media/user/HOLIDAY_2009 rw,nosuid - iso9660 /dev/disk/by-label/x ro\n"
              "broken line\n");
    const auto discs = NXDVDUtilities::getMountedDiscs(fake.sys, fake.mountinfo);
    ASSERT_EQ(discs.size(), 2);
    EXPECT_EQ(discs[0]->sourceType(), NXDVDSourceInfo::SourceDisc);
    EXPECT_EQ(discs[0]->path(), QStringLiteral("/media/user/MY MOVIE"));
    EXPECT_EQ(discs[0]->name(), QStringLiteral("MY MOVIE"));
    EXPECT_EQ(discs[0]->devicePath(), QStringLiteral("/dev/sr1"));
    EXPECT_EQ(discs[0]->discNumber(), 2);
    EXPECT_EQ(discs[0]->playbackPath(), QStringLiteral("/dev/sr1"));
    // Found by its device numbers when the source names no kernel device.
    EXPECT_EQ(discs[1]->devicePath(), QStringLiteral("/dev/sr0"));
    EXPECT_EQ(discs[1]->name(), QStringLiteral("HOLIDAY_2009"));
}

TEST(OpticalDiscs, NoneMountedOrNoTables)
{
    FakeSystem fake;
    writeFile(fake.mountinfo, "22 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n");
    EXPECT_TRUE(NXDVDUtilities::getMountedDiscs(fake.sys, fake.mountinfo).isEmpty());
    EXPECT_TRUE(NXDVDUtilities::getMountedDiscs(fake.sys, fake.dir.filePath(QStringLiteral("none"))).isEmpty());
    EXPECT_TRUE(NXDVDUtilities::getMountedDiscs(fake.dir.filePath(QStringLiteral("nosys")), fake.mountinfo).isEmpty());
}

TEST(OpticalDiscs, StructureReaderGetsTheDriveBehindAMountPointWithoutIfoFiles)
{
    FakeSystem fake;
    QTemporaryDir mount;
    QDir(mount.path()).mkpath(QStringLiteral("VIDEO_TS"));
    writeFile(fake.mountinfo, QStringLiteral("41 22 11:1 / %1 ro - udf /dev/sr1 ro\n").arg(mount.path()).toUtf8());
    EXPECT_EQ(NXDVDUtilities::pathForStructureReader(mount.path(), fake.sys, fake.mountinfo), QStringLiteral("/dev/sr1"));
    // With IFO files the path itself goes; a folder elsewhere goes as it is.
    writeFile(mount.filePath(QStringLiteral("VIDEO_TS/VIDEO_TS.IFO")), "x");
    EXPECT_EQ(NXDVDUtilities::pathForStructureReader(mount.path(), fake.sys, fake.mountinfo), mount.path());
    QTemporaryDir elsewhere;
    EXPECT_EQ(NXDVDUtilities::pathForStructureReader(elsewhere.path(), fake.sys, fake.mountinfo), elsewhere.path());
}

// What a path handed to the program is: a DVD (folder, VIDEO_TS folder, image, drive) or not.
TEST(OpticalDiscs, DVDSourcePathsAreToldFromMediaFiles)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Film.ISO")), "x");
    writeFile(dir.filePath(QStringLiteral("clip.mp4")), "x");
    QDir(dir.path()).mkpath(QStringLiteral("empty"));
    const struct
    {
        QString path;
        bool dvd;
    } cases[] = {
        {testsupport::fixturePath(QStringLiteral("dvd/ntsc")), true},
        {testsupport::fixturePath(QStringLiteral("dvd/ntsc/VIDEO_TS")), true},
        {testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso")), true},
        {dir.filePath(QStringLiteral("Film.ISO")), true},
        {dir.filePath(QStringLiteral("clip.mp4")), false},
        {dir.filePath(QStringLiteral("empty")), false},
        {dir.filePath(QStringLiteral("missing.iso")), false},
        {QStringLiteral("/dev/null"), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NXDVDUtilities::isDVDSourcePath(c.path), c.dvd) << c.path.toStdString();
}

// A mounted disc's mount point or drive stands for the disc, as the disc chooser gives it.
TEST(OpticalDiscs, AMountedDiscsPathsGiveTheDisc)
{
    FakeSystem fake;
    QTemporaryDir mount;
    QDir(mount.path()).mkpath(QStringLiteral("VIDEO_TS"));
    writeFile(fake.mountinfo, QStringLiteral("41 22 11:1 / %1 ro - udf /dev/sr1 ro\n").arg(mount.path()).toUtf8());
    for (const QString &path : {mount.path(), mount.path() + QStringLiteral("/VIDEO_TS/"), QStringLiteral("/dev/sr1")}) {
        const auto source = NXDVDUtilities::sourceInfoForDVDPath(path, fake.sys, fake.mountinfo);
        ASSERT_TRUE(source) << path.toStdString();
        EXPECT_EQ(source->sourceType(), NXDVDSourceInfo::SourceDisc) << path.toStdString();
        EXPECT_EQ(source->devicePath(), QStringLiteral("/dev/sr1"));
        EXPECT_EQ(source->path(), mount.path());
    }
    const auto folder = NXDVDUtilities::sourceInfoForDVDPath(testsupport::fixturePath(QStringLiteral("dvd/pal")),
                                                             fake.sys, fake.mountinfo);
    EXPECT_EQ(folder->sourceType(), NXDVDSourceInfo::SourceFolder);
    EXPECT_EQ(folder->name(), QStringLiteral("pal"));
}
