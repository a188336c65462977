// The ISO and Matroska backup vectors: the words the disc tool and the DVD-to-MKV library get.

#include "DVDBuilderTestSupport.h"

#include "builders/mencoder/DNMEDVDArgvDiscBackup.h"
#include "dvd/DNDVDTSubtitle.h"

#include <QTemporaryDir>

using namespace dvdbuildertest;

TEST(DiscBackupBuilders, ISOBackupNamesSourceImageAndKind)
{
    QTemporaryDir out;
    for (const QString disc : {QStringLiteral("dvd/ntsc"), QStringLiteral("dvd/pal.iso")}) {
        SCOPED_TRACE(disc.toStdString());
        DNDVDNodePtr node = loadDisc(disc, QStringLiteral("DVDBackupISO.plist"));
        ASSERT_TRUE(node);
        ArgumentPtr argument(DVD_To_DVD_MainBackup_ISO(node.get(), 1, passOptions(out.path())));
        ASSERT_TRUE(argument);
        const QString image = QDir(out.path()).filePath(outputNameOf(*node) + QStringLiteral(".iso"));
        EXPECT_EQ(words(argument.get()), QStringList({devicePathOf(*node), image, QStringLiteral("iso")}));
        EXPECT_EQ(argument->endpos, node->titleAt(1)->length());
        EXPECT_EQ(node->titleAt(1)->outputName(), image);
    }
    // A disc in a drive is read through its device.
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupISO.plist"));
    node->sourceInfo()->setSourceType(NXDVDSourceInfo::SourceDisc);
    node->sourceInfo()->setDevicePath(QStringLiteral("/dev/sr0"));
    ArgumentPtr argument(DVD_To_DVD_MainBackup_ISO(node.get(), 0, passOptions(out.path())));
    ASSERT_TRUE(argument);
    EXPECT_EQ(words(argument.get()).first(), QStringLiteral("/dev/sr0"));
}

TEST(DiscBackupBuilders, MKVBackupCopiesEveryTrackAndHonoursTheTrim)
{
    QTemporaryDir out;
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/pal"), QStringLiteral("DVDBackupMKV.plist"));
    ASSERT_TRUE(node);
    const QString bitrate = node->profile()->videoQuality()->currentValue();
    const QString output = QDir(out.path()).filePath(outputNameOf(*node) + QStringLiteral("_T2.mkv"));
    const QStringList head = {"encoder", "-i", devicePathOf(*node), "-m", "-f", "mkv", "-e", "ffmpeg4",
                              "-b", bitrate, "-E", "copy:aac", "-t", "2", "-a", "1,2", "-s", "1"};

    ArgumentPtr whole(DVD_To_DVD_MainBackup_MKV(node.get(), 1, passOptions(out.path())));
    ASSERT_TRUE(whole);
    EXPECT_EQ(words(whole.get()), head + QStringList({"-o", output}));
    EXPECT_EQ(whole->endpos, 0);

    // 0.25 to 0.75 of a 3600 s title: a 1800 s part that starts at 900 s.
    DNDVDTitlePtr title = node->titleAt(1);
    title->setLength(3600);
    title->setting()->setTrimEnable(true);
    title->setting()->setTrimStartPercent(0.25f);
    title->setting()->setTrimEndPercent(0.75f);
    title->subtitleTracks().clear();
    ArgumentPtr trimmed(DVD_To_DVD_MainBackup_MKV(node.get(), 1, passOptions(out.path())));
    ASSERT_TRUE(trimmed);
    const QStringList w = words(trimmed.get());
    EXPECT_FALSE(w.contains(QStringLiteral("-s")));
    EXPECT_EQ(w.mid(w.indexOf(QStringLiteral("--start-at")), 2), QStringList({"--start-at", "duration:900"}));
    EXPECT_EQ(trimmed->endpos, 1800);
}

TEST(DiscBackupBuilders, GroupsAndMissingNodesGiveNoVector)
{
    QTemporaryDir out;
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupMKV.plist"));
    ASSERT_TRUE(node);
    node->setMergeIntoOne(true);
    for (const DNDVDTitlePtr &title : node->titles())
        title->setIsSelected(true);
    const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
    ASSERT_TRUE(group);
    EXPECT_EQ(DVD_To_DVD_MainBackup_MKV(group.get(), -1, passOptions(out.path())), nullptr);
    EXPECT_EQ(DVD_To_DVD_MainBackup_ISO(group.get(), -1, passOptions(out.path())), nullptr);
    EXPECT_EQ(DVD_To_DVD_MainBackup_ISO(nullptr, 0, passOptions(out.path())), nullptr);
    EXPECT_EQ(DVD_To_DVD_MainBackup_MKV(node.get(), 7, passOptions(out.path())), nullptr);
}
