// The title backups: the player's stream dump and the DVD-form program-stream copy.

#include "DVDBuilderTestSupport.h"

#include "builders/mencoder/DNMEDVDArgvBackup.h"
#include "builders/mencoder/DNMEDVDArgvMerge.h"

#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

struct BackupCase
{
    const char *what;
    ArgvAssemblerFunction builder;
    const char *profileFile;
    const char *disc;
    int titleIndex;
    bool navigation;
    bool safeMode;   // never read by either builder
    bool trim;
    float trimStart, trimEnd;
    int audioIndex;
    const char *outputSuffix;
    QStringList expected;  // $DEV and $OUT stand for the disc path and the output path
    int expectedEndpos;    // -1: the title's whole length
};

const BackupCase cases[] = {
    {"full backup of the second title, navigation", DVD_To_DVD_FullBackup_MPEG2_With_MEncoder, "DVDFullBackup.plist",
     "dvd/ntsc", 1, true, false, false, 0, 0, 0, "_T2.vob",
     {"dvdnav://2", "-dvd-device", "$DEV", "-ss", "0", "-dumpstream", "-dumpfile", "$OUT"}, -1},
    {"full backup from an image in safe mode", DVD_To_DVD_FullBackup_MPEG2_With_MEncoder, "DVDFullBackup.plist",
     "dvd/pal.iso", 1, false, true, false, 0, 0, 0, "_T2.vob",
     {"dvd://2", "-dvd-device", "$DEV", "-ss", "0", "-dumpstream", "-dumpfile", "$OUT"}, -1},
    {"full backup trimmed", DVD_To_DVD_FullBackup_MPEG2_With_MEncoder, "DVDFullBackup.plist", "dvd/ntsc", 1, true,
     false, true, 0.3f, 0.8f, 0, "_T2.vob",
     {"dvdnav://2", "-dvd-device", "$DEV", "-ss", "3", "-dumpstream", "-dumpfile", "$OUT", "-endpos", "5"}, 5},
    {"main backup with the first track", DVD_To_DVD_MainBackup_MPEG2_With_MEncoder, "DVDMainBackup.plist", "dvd/ntsc",
     0, true, true, false, 0, 0, 0, "_T1.mpg",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-ovc", "copy", "-oac", "copy", "-of", "mpeg",
      "-mpegopts", "format=dvd:tsaf", "-aid", "0", "-o", "$OUT"},
     0},
    {"main backup of the PAL MPEG track writes its position", DVD_To_DVD_MainBackup_MPEG2_With_MEncoder,
     "DVDMainBackup.plist", "dvd/pal", 1, false, false, true, 0.25f, 0.5f, 1, "_T2.mpg",
     {"encoder", "dvd://2", "-dvd-device", "$DEV", "-ss", "2", "-ovc", "copy", "-oac", "copy", "-of", "mpeg",
      "-mpegopts", "format=dvd:tsaf", "-aid", "1", "-o", "$OUT", "-endpos", "2"},
     2},
    {"main backup without audio", DVD_To_DVD_MainBackup_MPEG2_With_MEncoder, "DVDMainBackup.plist", "dvd/ntsc", 1,
     true, false, false, 0, 0, -1, "_T2.mpg",
     {"encoder", "dvdnav://2", "-dvd-device", "$DEV", "-ss", "0", "-ovc", "copy", "-oac", "copy", "-of", "mpeg",
      "-mpegopts", "format=dvd:tsaf", "-nosound", "-o", "$OUT"},
     0},
};

} // namespace

TEST(BackupBuilders, VectorsForFixtureTitles)
{
    for (const BackupCase &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QString::fromLatin1(c.disc), QString::fromLatin1(c.profileFile));
        ASSERT_TRUE(node);
        DNDVDTitlePtr title = node->titleAt(c.titleIndex);
        ASSERT_TRUE(title);
        auto setting = title->setting();
        setting->setTrimEnable(c.trim);
        setting->setTrimStartPercent(c.trimStart);
        setting->setTrimEndPercent(c.trimEnd);
        setting->setAudioIndex(c.audioIndex);
        // Edit settings beyond trimming and the audio choice never reach a backup.
        setting->setSubtitleEnable(true);
        setting->setSubtitleIndex(0);
        setting->setVolume(30);

        ArgumentPtr argument(c.builder(node.get(), c.titleIndex, passOptions(out.path(), c.navigation, c.safeMode)));
        ASSERT_TRUE(argument);
        const QString output = QDir(out.path()).filePath(outputNameOf(*node) + QLatin1String(c.outputSuffix));
        QStringList expected = c.expected;
        expected.replaceInStrings(QStringLiteral("$DEV"), devicePathOf(*node));
        expected.replaceInStrings(QStringLiteral("$OUT"), output);
        EXPECT_EQ(words(argument.get()), expected);
        EXPECT_EQ(argument->argc, expected.size());
        EXPECT_EQ(argument->endpos, c.expectedEndpos < 0 ? title->length() : c.expectedEndpos);
        EXPECT_EQ(title->outputName(), output);
    }
}

TEST(BackupBuilders, GroupsGoToTheJoinOrAreRefused)
{
    QTemporaryDir out;
    const VideoConvertOptions options = passOptions(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDMainBackup.plist"));
    ASSERT_TRUE(node);
    node->setMergeIntoOne(true);
    for (const DNDVDTitlePtr &title : node->titles()) {
        title->setIsSelected(true);
        title->setOutputName(QDir(out.path()).filePath(QStringLiteral("part%1.mpg").arg(title->index())));
    }
    const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
    ASSERT_TRUE(group);

    ArgumentPtr joined(DVD_To_DVD_MainBackup_MPEG2_With_MEncoder(group.get(), 1, options));
    ArgumentPtr direct(Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder(group.get(), -1, options));
    ASSERT_TRUE(joined);
    ASSERT_TRUE(direct);
    EXPECT_EQ(words(joined.get()), words(direct.get()));

    EXPECT_EQ(DVD_To_DVD_FullBackup_MPEG2_With_MEncoder(group.get(), -1, options), nullptr);
    EXPECT_EQ(DVD_To_DVD_FullBackup_MPEG2_With_MEncoder(nullptr, 0, options), nullptr);
    EXPECT_EQ(DVD_To_DVD_MainBackup_MPEG2_With_MEncoder(nullptr, 0, options), nullptr);
    EXPECT_EQ(DVD_To_DVD_MainBackup_MPEG2_With_MEncoder(node.get(), 3, options), nullptr);
}
